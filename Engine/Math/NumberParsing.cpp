#include "Engine/Math/NumberParsing.hpp"

#include <cerrno>
#include <climits>
#include <cstdlib>

bool ParseLeadingFloat(std::string const& piece, float& out_value)
{
    char const* const begin = piece.c_str();
    char* end = nullptr;
    float const value = std::strtof(begin, &end);
    if (end == begin)
    {
        return false;
    }
    // Overflow reads as an infinity and underflow as a tiny value, as the
    // text asked for: neither loses the piece's meaning, so both are kept.
    out_value = value;
    return true;
}

bool ParseLeadingInt(std::string const& piece, int& out_value)
{
    char const* const begin = piece.c_str();
    char* end = nullptr;
    errno = 0;
    long const value = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || value < INT_MIN || value > INT_MAX)
    {
        return false;
    }
    out_value = static_cast<int>(value);
    return true;
}
