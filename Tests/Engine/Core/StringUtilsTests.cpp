#include "Engine/Core/StringUtils.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

// Output beyond the 2048-byte buffer is cut, never an error; the limited form
// keeps maxLength - 1 characters, on the heap beyond 2048 bytes.
TEST(Stringf, FormatsAndCutsAtItsLimit)
{
    // Each row: maxLength (-1 for the unlimited form), text length, expected length.
    int const CASES[][3] = {{-1, 2047, 2047},   {-1, 2048, 2047},  {-1, 3000, 2047}, {0, 20, 0},
                            {10, 20, 9},        {21, 20, 20},      {1, 20, 0},       {-5, 20, 0},
                            {2049, 3000, 2048}, {5000, 4000, 4000}};
    for (auto const& row : CASES)
    {
        std::string const text(static_cast<size_t>(row[1]), 'x');
        std::string const result =
            row[0] == -1 ? Stringf("%s", text.c_str()) : Stringf(row[0], "%s", text.c_str());
        EXPECT_EQ(result.size(), static_cast<size_t>(row[2])) << row[0] << " " << row[1];
    }
}

// Empty pieces are kept, except after a trailing delimiter; nothing is trimmed;
// an empty delimiter would match at one place forever, so it gives the whole text.
TEST(SplitStringOnDelimiter, KeepsEmptyPiecesExceptAfterATrailingDelimiter)
{
    struct Case
    {
        char const* text;
        char const* delimiter;
        Strings expected;
    } const CASES[] = {
        {"1.5, 2", ",", {"1.5", " 2"}}, {"", ",", {""}},
        {",5", ",", {"", "5"}},         {"5,", ",", {"5"}},
        {"a,,b", ",", {"a", "", "b"}},  {",,", ",", {"", ""}},
        {"a::b::", "::", {"a", "b"}},   {"a:::b", "::", {"a", ":b"}},
        {"a,b", "", {"a,b"}},
    };
    for (Case const& testCase : CASES)
    {
        EXPECT_EQ(SplitStringOnDelimiter(testCase.text, testCase.delimiter), testCase.expected)
            << testCase.text << " on '" << testCase.delimiter << "'";
        EXPECT_TRUE(std::strlen(testCase.delimiter) != 1 ||
                    SplitStringOnDelimiter(testCase.text, testCase.delimiter[0]) == testCase.expected)
            << testCase.text;
    }
}

// Every form gives strcmp's sign, and a null text compares as the empty text.
TEST(CompareStrings, AllFourFormsGiveStrcmpsSign)
{
    char const* const TEXTS[] = {nullptr, "", "B", "a", "ab", "abc", "abd"};
    for (int pair = 0; pair < 49; ++pair)
    {
        char const *a = TEXTS[pair / 7], *b = TEXTS[pair % 7];
        std::string const aText = a ? a : "", bText = b ? b : "";
        int const sign = (aText > bText) - (aText < bText);
        for (int result : {CompareStrings(aText, bText), CompareStrings(aText, b), CompareStrings(a, bText),
                           CompareStrings(a, b)})
        {
            EXPECT_EQ((result > 0) - (result < 0), sign) << pair / 7 << " vs " << pair % 7;
        }
    }
}
