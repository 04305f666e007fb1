#include "Engine/Core/ErrorWarningAssert.hpp"

#include "Tests/TestSupport/ChildProcess.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
char const* const CALLER_PATH = "C:\\dev/Engine\\Math/Vec2.cpp";
int const HEADLESS = -1;

// A report ends the process or may, so it runs in a child. The child's dialog
// handler prints what it was asked and answers as told; with no handler the
// child is headless and must neither block nor skip the printed report.
ChildResult RunReport(std::function<void()> const& report, int answer)
{
    return RunInChildProcess(
        [&]
        {
            setenv("ENGINE_NO_DIALOGS", "1", 1);
            if (answer != HEADLESS)
            {
                SetDialogHandler(
                    [answer](char const* title, char const* text, MessageSeverity severity,
                             DialogButtons buttons)
                    {
                        std::printf("<%s|%d|%d>%s", title, severity, static_cast<int>(buttons), text);
                        return static_cast<DialogAnswer>(answer);
                    });
            }
            report();
            std::printf("<caller continued>");
        },
        20);
}
}  // namespace

TEST(GetFileNameFromPath, TakesThePartAfterTheLastSlashOrBackslash)
{
    for (char const* path : {"/a/b/Vec2.cpp", "C:\\a/b\\Vec2.cpp", "a\\b/Vec2.cpp", "Vec2.cpp"})
    {
        EXPECT_EQ(GetFileNameFromPath(path), path + std::strlen(path) - 8) << path;  // a view, not a copy
    }
    EXPECT_STREQ(GetFileNameFromPath("Engine/"), "");
    EXPECT_EQ(GetFileNameFromPath(nullptr), nullptr);
}

// The report is printed before the box is shown; a fatal error and a
// warning answered No end with failure, any other warning returns to the caller.
TEST(Reports, PrintThenAskThenEndOrCarryOn)
{
    struct Case
    {
        bool isFatal;
        char const* reason;
        char const* conditionText;
        int answer;
        char const* expectedMessage;
    };
    int const OKAY = static_cast<int>(DialogAnswer::OKAY);
    int const YES = static_cast<int>(DialogAnswer::YES);
    int const NO = static_cast<int>(DialogAnswer::NO);
    Case const CASES[] = {
        {true, "", "size == 2", OKAY, "ERROR: \"size == 2\" is false!"},
        {true, "", nullptr, OKAY, "Unspecified fatal error"},
        {true, "Bad text", "isValid", HEADLESS, "Bad text"},
        {false, "", "count > 0", YES, "WARNING: \"count > 0\" is false!"},
        {false, "", nullptr, NO, "Unspecified warning"},
        {false, "Odd size", "isEven", HEADLESS, "Odd size"},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.expectedMessage);
        ChildResult const result = RunReport(
            [&testCase]
            {
                (testCase.isFatal ? ReportFatalError : ReportRecoverableWarning)(
                    CALLER_PATH, "Vec2::SetFromText", 42, testCase.reason, testCase.conditionText);
            },
            testCase.answer);
        bool const isEnded = testCase.isFatal || testCase.answer == NO;
        EXPECT_EQ(result.ExitedWithFailure(), isEnded) << result.exitCode << result.standardError;

        std::string const line(78, testCase.isFatal ? '=' : '-');
        std::string const printed =
            "\n" + line + "\n" +
            (testCase.isFatal ? "RUN-TIME FATAL ERROR" : "RUN-TIME RECOVERABLE WARNING") +
            " on line 42 of Vec2.cpp, in Vec2::SetFromText()\n" + CALLER_PATH +
            "(42): " + testCase.expectedMessage + "\n" + line + "\n\n";
        std::string const& output = result.standardOutput;
        ASSERT_EQ(output.substr(0, printed.size()), printed) << output;
        std::string const dialog = output.substr(printed.size());
        std::string const ending = isEnded ? "" : "<caller continued>";
        // Headless, the box's title and text are printed instead.
        bool const isHeadless = testCase.answer == HEADLESS;
        std::string const title =
            testCase.isFatal ? "Unnamed Application :: Error" : "Unnamed Application :: Warning";
        std::string const header =
            (isHeadless ? title + "\n" : "<" + title + (testCase.isFatal ? "|3|0>" : "|2|2>")) +
            testCase.expectedMessage + "\n\n";
        EXPECT_EQ(dialog.rfind(header, 0), 0u) << dialog;
        std::string const tail =
            (testCase.conditionText ? Stringf("\n  %s\n  from Vec2::SetFromText(), line 42 in Vec2.cpp\n",
                                              testCase.conditionText)
                                    : std::string("\n line 42 of Vec2.cpp, in Vec2::SetFromText()\n")) +
            (isHeadless ? "\n" : "") + ending;
        EXPECT_EQ(dialog.rfind(tail), dialog.size() - tail.size()) << dialog;
    }
}

// Cancel also stands for closing the box; headless, each dialog is answered as
// by a user who carries on.
TEST(Dialogs, MapThePressedButtonToTheirResult)
{
    // In the order of DialogButtons, each giving its result as an int.
    std::function<int()> const SHOW[] = {
        [] { return ShowOkayDialog("title", "text", SEVERITY_QUESTION), 1; },
        [] { return ShowOkayCancelDialog("title", "text", SEVERITY_QUESTION) ? 1 : 0; },
        [] { return ShowYesNoDialog("title", "text", SEVERITY_QUESTION) ? 1 : 0; },
        [] { return ShowYesNoCancelDialog("title", "text", SEVERITY_QUESTION); }};
    // Rows: the four button sets; columns: OKAY, CANCEL, YES, NO pressed.
    int const EXPECTED_RESULTS[4][4] = {{1, 1, 1, 1}, {1, 0, 0, 0}, {0, 0, 1, 0}, {-1, -1, 1, 0}};
    for (int buttons = 0; buttons < 4; ++buttons)
    {
        for (int pressed = 0; pressed < 4; ++pressed)
        {
            std::string asked;
            SetDialogHandler(
                [&](char const* title, char const* text, MessageSeverity severity, DialogButtons shown)
                {
                    asked = Stringf("%s %s %d %d", title, text, severity, static_cast<int>(shown));
                    return static_cast<DialogAnswer>(pressed);
                });
            EXPECT_EQ(SHOW[buttons](), EXPECTED_RESULTS[buttons][pressed]);
            SetDialogHandler(nullptr);
            EXPECT_EQ(asked, Stringf("title text 1 %d", buttons));
        }
    }
    ChildResult const headless = RunReport(
        [&SHOW]
        {
            for (auto const& show : SHOW)
            {
                std::printf("%d ", show());
            }
        },
        HEADLESS);
    EXPECT_EQ(headless.standardOutput,
              "title\ntext\n1 title\ntext\n1 title\ntext\n1 title\ntext\n1 <caller continued>");
}
