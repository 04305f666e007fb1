#pragma once
// Text formatting, splitting and comparison over std::string.

#include <string>
#include <vector>

#if defined(__GNUC__) || defined(__clang__)
#define PRINTF_FORMAT_CHECK(formatIndex, firstArgIndex)                                                      \
    __attribute__((format(printf, formatIndex, firstArgIndex)))
#else
#define PRINTF_FORMAT_CHECK(formatIndex, firstArgIndex)
#endif

using Strings = std::vector<std::string>;

// Output longer than 2047 characters is cut, never an error.
std::string Stringf(char const* format, ...) PRINTF_FORMAT_CHECK(1, 2);
// At most maxLength - 1 characters; a maxLength below 1 gives an empty string.
std::string Stringf(int maxLength, char const* format, ...) PRINTF_FORMAT_CHECK(2, 3);

// Empty pieces are kept, except the one after a trailing delimiter; an empty
// text gives one empty piece, and an empty delimiter gives the whole text.
Strings SplitStringOnDelimiter(std::string const& text, std::string const& delimiter);
Strings SplitStringOnDelimiter(std::string const& text, char delimiter);

// strcmp's three-way result: negative, zero or positive. A null text compares
// as the empty text.
int CompareStrings(std::string const& a, std::string const& b);
int CompareStrings(std::string const& a, char const* b);
int CompareStrings(char const* a, std::string const& b);
int CompareStrings(char const* a, char const* b);
