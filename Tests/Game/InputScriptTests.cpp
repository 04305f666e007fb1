#include "Game/InputScript.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// A script reads back as the frames it was written from, and a bad line is
// refused with its number and what is wrong, keeping the lines before it.
TEST(InputScript, RoundTripsAndRefusesBadLinesByNumber)
{
    std::vector<ScriptFrame> const frames = {
        {0.0166666675f, {{37, true}, {255, true}}, 1}, {0.f, {}, 3}, {12.5f, {{37, false}}, 100000000}};
    std::string const text = FormatInputScript(frames);
    EXPECT_EQ(text, "0.0166666675 +37 +255\n0 *3\n12.5 -37 *100000000\n");
    std::vector<ScriptFrame> parsed;
    std::string error;
    ASSERT_TRUE(ParseInputScript("# a comment\n\n" + text + "  # trailing\n", parsed, error)) << error;
    EXPECT_TRUE(parsed == frames);

    std::pair<char const*, char const*> const CASES[] = {
        {"nan", "line 2: the delta \"nan\" is not a number of seconds of 0 or more"},
        {"-0.5", "the delta \"-0.5\" is not"},
        {"0.1s", "the delta \"0.1s\" is not"},
        {"0.1 +256", "the key \"+256\" is not + or - and a key code from 0 to 255"},
        {"0.1 37", "\"37\" is neither a key change (+N, -N) nor a frame count (*N)"},
        {"0.1 *0", "the frame count \"*0\" is not a whole number from 1 to 100000000"},
        {"0.1 *2 +37", "\"+37\" follows the frame count, which ends the line"},
    };
    for (auto const& [line, reason] : CASES)
    {
        SCOPED_TRACE(line);
        parsed.clear();
        EXPECT_FALSE(ParseInputScript(std::string("0.5 +32\n") + line + "\n0.5\n", parsed, error));
        EXPECT_NE(error.find(reason), std::string::npos) << error;
        EXPECT_EQ(error.rfind("line 2: ", 0), 0u) << error;
        EXPECT_EQ(parsed.size(), 1u);
    }
}
