#include "Engine/Core/StringUtils.hpp"

#include <gtest/gtest.h>

#include <string>

namespace
{
int SignOf(int value)
{
    return (value > 0) - (value < 0);
}
}  // namespace

TEST(Stringf, FormatsWithThePrintfConventions)
{
    std::string const name = "dots";
    struct Case
    {
        std::string actual;
        char const* expected;
    };
    Case const CASES[] = {
        {Stringf("(%d, %d)", 3, 4), "(3, 4)"},
        {Stringf("%.2f", 1.5f), "1.50"},
        {Stringf("%s:%i", name.c_str(), -7), "dots:-7"},
        {Stringf("[%5d|%-3s]", 42, "a"), "[   42|a  ]"},
        {Stringf("%c%%", 'x'), "x%"},
        {Stringf("plain"), "plain"},
        {Stringf("%s", ""), ""},
    };
    for (Case const& testCase : CASES)
    {
        EXPECT_EQ(testCase.actual, testCase.expected);
    }
}

// 2048 bytes of buffer: 2047 characters and the terminator.
TEST(Stringf, CutsOutputBeyond2047Characters)
{
    struct Case
    {
        size_t outputLength;
        size_t expectedLength;
    };
    Case const CASES[] = {{2046, 2046}, {2047, 2047}, {2048, 2047}, {3000, 2047}};
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.outputLength);
        std::string output(testCase.outputLength, 'a');
        output.back() = 'z';  // a marker that must not survive a cut
        std::string const result = Stringf("%s", output.c_str());
        EXPECT_EQ(result, output.substr(0, testCase.expectedLength));
    }
}

// The limited form keeps maxLength - 1 characters, on the stack up to 2048 bytes
// and on the heap beyond; below 1 there is no room for anything.
TEST(Stringf, LimitedFormKeepsMaxLengthMinusOneCharacters)
{
    struct Case
    {
        int maxLength;
        size_t outputLength;
        size_t expectedLength;
    };
    Case const CASES[] = {
        {10, 20, 9}, {21, 20, 20},       {20, 20, 19},       {1, 20, 0},         {0, 20, 0},
        {-5, 20, 0}, {2048, 3000, 2047}, {2049, 3000, 2048}, {5000, 4000, 4000}, {3000, 5000, 2999},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message()
                     << "maxLength " << testCase.maxLength << ", output " << testCase.outputLength);
        std::string output;
        for (size_t index = 0; index < testCase.outputLength; ++index)
        {
            output += static_cast<char>('a' + index % 26);
        }
        std::string const result = Stringf(testCase.maxLength, "%s", output.c_str());
        EXPECT_EQ(result, output.substr(0, testCase.expectedLength));
    }
}

// Empty pieces are kept, except after a trailing delimiter; nothing is trimmed.
TEST(SplitStringOnDelimiter, KeepsEmptyPiecesExceptAfterATrailingDelimiter)
{
    struct Case
    {
        char const* text;
        Strings expected;
    };
    Case const CASES[] = {
        {"1,2", {"1", "2"}},
        {"", {""}},
        {",", {""}},
        {",5", {"", "5"}},
        {"5,", {"5"}},
        {"a,,b", {"a", "", "b"}},
        {"no comma", {"no comma"}},
        {"1.5, 2", {"1.5", " 2"}},
        {",,", {"", ""}},
        {"255,128,0,64", {"255", "128", "0", "64"}},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.text);
        EXPECT_EQ(SplitStringOnDelimiter(testCase.text, ','), testCase.expected);
        EXPECT_EQ(SplitStringOnDelimiter(testCase.text, std::string(",")), testCase.expected);
    }
}

TEST(SplitStringOnDelimiter, SplitsOnDelimitersLongerThanOneCharacter)
{
    struct Case
    {
        char const* text;
        char const* delimiter;
        Strings expected;
    };
    Case const CASES[] = {
        {"a~b~c", "~", {"a", "b", "c"}}, {"a::b::", "::", {"a", "b"}}, {"a:b::c", "::", {"a:b", "c"}},
        {"::x", "::", {"", "x"}},        {"a:::b", "::", {"a", ":b"}},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message() << testCase.text << " on " << testCase.delimiter);
        EXPECT_EQ(SplitStringOnDelimiter(testCase.text, testCase.delimiter), testCase.expected);
    }
}

// An empty delimiter would match at one place forever; it gives the whole text.
TEST(SplitStringOnDelimiter, EmptyDelimiterGivesTheWholeTextAsOnePiece)
{
    EXPECT_EQ(SplitStringOnDelimiter("a,b", std::string()), Strings({"a,b"}));
    EXPECT_EQ(SplitStringOnDelimiter("", std::string()), Strings({""}));
}

// Every form must agree with the others and with strcmp's sign.
TEST(CompareStrings, AllFourFormsGiveStrcmpsSign)
{
    struct Case
    {
        char const* a;
        char const* b;
        int expectedSign;
    };
    Case const CASES[] = {
        {"abc", "abc", 0}, {"abc", "abd", -1}, {"abd", "abc", 1}, {"ab", "abc", -1}, {"abc", "ab", 1},
        {"", "", 0},       {"", "a", -1},      {"B", "a", -1},    {"a", "B", 1},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message() << '"' << testCase.a << "\" vs \"" << testCase.b << '"');
        std::string const a = testCase.a;
        std::string const b = testCase.b;
        EXPECT_EQ(SignOf(CompareStrings(a, b)), testCase.expectedSign);
        EXPECT_EQ(SignOf(CompareStrings(a, testCase.b)), testCase.expectedSign);
        EXPECT_EQ(SignOf(CompareStrings(testCase.a, b)), testCase.expectedSign);
        EXPECT_EQ(SignOf(CompareStrings(testCase.a, testCase.b)), testCase.expectedSign);
    }
}

TEST(CompareStrings, NullTextComparesAsEmpty)
{
    char const* const none = nullptr;
    EXPECT_EQ(CompareStrings(none, ""), 0);
    EXPECT_EQ(CompareStrings(std::string(), none), 0);
    EXPECT_LT(CompareStrings(none, std::string("a")), 0);
    EXPECT_GT(CompareStrings("a", none), 0);
}
