#pragma once
// Reading the numbers of comma-separated text, as the standard conversions do
// (leading white space skipped, the rest of a piece ignored), but reporting a
// piece without a number instead of throwing.

#include <cstddef>
#include <string>

struct ReportSite;

bool ParseLeadingFloat(std::string const& piece, float& out_value);
// Also false when the number lies beyond the int range.
bool ParseLeadingInt(std::string const& piece, int& out_value);

// The value types' SetFromText: exactly numComponents pieces, read in order into
// the components. Null text, another number of pieces or a piece without a number
// is fatal, reported from the caller's site as "ERROR Parsing <typeName>".
void ParseComponentsOrDie(char const* text, float* const* out_components, std::size_t numComponents,
                          char const* typeName, ReportSite const& site);
void ParseComponentsOrDie(char const* text, int* const* out_components, std::size_t numComponents,
                          char const* typeName, ReportSite const& site);

template <typename Component, std::size_t NUM_COMPONENTS>
void ParseComponentsOrDie(char const* text, Component* const (&out_components)[NUM_COMPONENTS],
                          char const* typeName, ReportSite const& site)
{
    ParseComponentsOrDie(text, out_components, NUM_COMPONENTS, typeName, site);
}
