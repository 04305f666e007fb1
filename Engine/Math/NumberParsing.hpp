#pragma once
// Reading the leading number of one piece of comma-separated text, as the
// standard conversions do (leading white space skipped, the rest of the piece
// ignored), but reporting a piece without a number instead of throwing.

#include <string>

bool ParseLeadingFloat(std::string const& piece, float& out_value);
// Also false when the number lies beyond the int range.
bool ParseLeadingInt(std::string const& piece, int& out_value);
