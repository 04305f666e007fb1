#include "Engine/Core/ErrorWarningAssert.hpp"

#include "Engine/Platform/PlatformServices.hpp"
#include "Tests/TestSupport/ChildProcess.hpp"
#include "Tests/TestSupport/TracerProcess.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>

// Every report ends the process or may, so each runs in a child; the child's
// dialog handler prints what it was asked, and the parent reads it back.

namespace
{
char const* const CALLER_PATH = "/home/dev/Engine/Math/Vec2.cpp";
char const* const CALLER_FUNCTION = "Vec2::SetFromText";
int const CALLER_LINE = 42;
std::string const FATAL_SEPARATOR(78, '=');
std::string const WARNING_SEPARATOR(78, '-');
std::string const DETAILS_HEADER = "\n---------- Debugging Details Follow ----------\n";
int const CHILD_TIMEOUT_SECONDS = 20;  // a dialog that blocks fails the test instead of hanging it

char const* GetButtonsName(DialogButtons buttons)
{
    switch (buttons)
    {
        case DialogButtons::OKAY:
            return "OKAY";
        case DialogButtons::OKAY_CANCEL:
            return "OKAY_CANCEL";
        case DialogButtons::YES_NO:
            return "YES_NO";
        case DialogButtons::YES_NO_CANCEL:
            return "YES_NO_CANCEL";
    }
    return "?";
}

std::string DescribeDialog(char const* title, MessageSeverity severity, DialogButtons buttons,
                           std::string const& messageText)
{
    return Stringf("<dialog title=\"%s\" severity=%d buttons=%s>", title, static_cast<int>(severity),
                   GetButtonsName(buttons)) +
           messageText + "</dialog>";
}

void InstallRecordingHandler(DialogAnswer answer)
{
    SetDialogHandler(
        [answer](char const* title, char const* messageText, MessageSeverity severity, DialogButtons buttons)
        {
            std::fputs(DescribeDialog(title, severity, buttons, messageText).c_str(), stdout);
            std::fflush(stdout);
            return answer;
        });
}

size_t CountOccurrences(std::string const& text, std::string const& piece)
{
    size_t count = 0;
    for (size_t found = text.find(piece); found != std::string::npos; found = text.find(piece, found + 1))
    {
        ++count;
    }
    return count;
}

std::string GetPrintedReport(std::string const& separator, char const* heading, std::string const& message)
{
    return "\n" + separator + "\n" +
           Stringf("%s on line %i of Vec2.cpp, in %s()\n", heading, CALLER_LINE, CALLER_FUNCTION) +
           Stringf("%s(%d): ", CALLER_PATH, CALLER_LINE) + message + "\n" + separator + "\n\n";
}

std::string GetConditionDetails(char const* kind, char const* conditionText)
{
    return Stringf(
        "\nThis %s was triggered by a run-time condition check:\n  %s\n  from %s(), line %i in Vec2.cpp\n",
        kind, conditionText, CALLER_FUNCTION, CALLER_LINE);
}

std::string GetUnconditionalDetails(char const* kind)
{
    return Stringf("\nThis was an unconditional %s triggered by reaching\n line %i of Vec2.cpp, in %s()\n",
                   kind, CALLER_LINE, CALLER_FUNCTION);
}

struct ReportCase
{
    char const* name;
    char const* reason;
    char const* conditionText;  // null for the unconditional form
    char const* expectedMessage;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(ReportCase const& testCase, std::ostream* stream)
{
    *stream << testCase.name;
}

std::string GetExpectedDetails(ReportCase const& testCase, char const* kind)
{
    return testCase.conditionText ? GetConditionDetails(kind, testCase.conditionText)
                                  : GetUnconditionalDetails(kind);
}

// Says, at the very end of the process, whether the tracer is still there: it
// leaves at the first breakpoint, so this tells whether the report broke.
// Leaving also spares the leak checker, which cannot run under ptrace.
void ReportTracerAtExit()
{
    std::atexit(
        []
        {
            bool const isStillTraced = IsDebuggerPresentNow();
            std::printf("<traced at exit: %d>", isStillTraced ? 1 : 0);
            std::fflush(stdout);
            if (isStillTraced)
            {
                BreakIntoDebugger();
            }
        });
}

char const* const NO_PTRACE_MARKER = "<ptrace not permitted>";
}  // namespace

TEST(GetFileNameFromPath, TakesThePartAfterTheLastSlashOrBackslash)
{
    struct Case
    {
        char const* path;
        char const* expected;
    };
    Case const CASES[] = {
        {"/home/dev/Engine/Math/Vec2.cpp", "Vec2.cpp"},
        {"C:\\Code\\Engine\\Math\\Vec2.cpp", "Vec2.cpp"},
        {"C:\\Code/Engine\\Math/Vec2.cpp", "Vec2.cpp"},
        {"Code/Engine\\Vec2.cpp", "Vec2.cpp"},
        {"Code\\Engine/Vec2.cpp", "Vec2.cpp"},
        {"Vec2.cpp", "Vec2.cpp"},
        {"Engine/", ""},
        {"", ""},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.path);
        char const* const fileName = GetFileNameFromPath(testCase.path);
        ASSERT_NE(fileName, nullptr);
        EXPECT_STREQ(fileName, testCase.expected);
        // A view into the caller's text, not a copy that could dangle.
        EXPECT_EQ(fileName + std::char_traits<char>::length(fileName),
                  testCase.path + std::char_traits<char>::length(testCase.path));
    }
    EXPECT_EQ(GetFileNameFromPath(nullptr), nullptr);
}

TEST(PrintToDebugOutput, CutsAt2047CharactersAndFlushesAtOnce)
{
    std::string const longText = std::string(2047, 'k') + std::string(5000 - 2047, 'x');
    ChildResult const result = RunInChildProcess(
        [&longText]
        {
            PrintToDebugOutput("%s", longText.c_str());
            PrintToDebugOutput("[%d]", 7);
            _exit(0);  // skips the runtime's flush: the text must be out already
        });
    ASSERT_TRUE(result.exited);
    EXPECT_EQ(result.standardOutput, std::string(2047, 'k') + "[7]");
}

class FatalReport : public testing::TestWithParam<ReportCase>
{
};

TEST_P(FatalReport, PrintsShowsOneOkayBoxAndEndsWithFailure)
{
    ReportCase const& testCase = GetParam();
    ChildResult const result = RunInChildProcess(
        [&testCase]
        {
            InstallRecordingHandler(DialogAnswer::OKAY);
            ReportFatalError(CALLER_PATH, CALLER_FUNCTION, CALLER_LINE, testCase.reason,
                             testCase.conditionText);
        },
        CHILD_TIMEOUT_SECONDS);

    EXPECT_TRUE(result.ExitedWithFailure()) << result.standardError;
    std::string const expectedPrinted =
        GetPrintedReport(FATAL_SEPARATOR, "RUN-TIME FATAL ERROR", testCase.expectedMessage);
    std::string const expectedText = std::string(testCase.expectedMessage) +
                                     "\n\nThe application will now close.\n" + DETAILS_HEADER +
                                     GetExpectedDetails(testCase, "error");
    std::string const expectedDialog =
        DescribeDialog("Unnamed Application :: Error", SEVERITY_FATAL, DialogButtons::OKAY, expectedText);
    // The report is printed before the box is shown, and nothing follows the box.
    EXPECT_EQ(result.standardOutput, expectedPrinted + expectedDialog);
}

INSTANTIATE_TEST_SUITE_P(
    MessagesAndConditions, FatalReport,
    testing::Values(ReportCase{"EmptyWithCondition", "", "splitStrings.size() == 2",
                               "ERROR: \"splitStrings.size() == 2\" is false!"},
                    ReportCase{"EmptyWithoutCondition", "", nullptr, "Unspecified fatal error"},
                    ReportCase{"MessageWithCondition", "Bad text", "isValid", "Bad text"},
                    ReportCase{"MessageWithoutCondition", "Division 0 problem!", nullptr,
                               "Division 0 problem!"}),
    [](testing::TestParamInfo<ReportCase> const& info) { return std::string(info.param.name); });

TEST(FatalReportHeadless, PrintsAndEndsWithFailureWithoutShowingABox)
{
    ChildResult const result = RunInChildProcess(
        []
        {
            setenv("ENGINE_NO_DIALOGS", "1", 1);
            SetDialogHandler(nullptr);
            ReportFatalError(CALLER_PATH, CALLER_FUNCTION, CALLER_LINE, "Division 0 problem!");
        },
        CHILD_TIMEOUT_SECONDS);
    EXPECT_TRUE(result.ExitedWithFailure()) << result.standardError;
    EXPECT_EQ(result.standardOutput,
              GetPrintedReport(FATAL_SEPARATOR, "RUN-TIME FATAL ERROR", "Division 0 problem!"));
}

TEST(FatalReportMacros, NameThisFileItsLineAndTheConditionText)
{
    int const dieLine = __LINE__ + 1;
    auto const die = [] { ERROR_AND_DIE("FatalReportMacros::Die", "boom"); };
    int const guaranteeLine = __LINE__ + 1;
    auto const guarantee = [] { GUARANTEE_OR_DIE(1 + 1 == 3, "FatalReportMacros::Guarantee", ""); };

    ChildResult const dieResult = RunInChildProcess(die, CHILD_TIMEOUT_SECONDS);
    EXPECT_TRUE(dieResult.ExitedWithFailure());
    EXPECT_NE(
        dieResult.standardOutput.find(Stringf(
            "RUN-TIME FATAL ERROR on line %d of ErrorWarningAssertTests.cpp, in FatalReportMacros::Die()\n",
            dieLine)),
        std::string::npos)
        << dieResult.standardOutput;
    EXPECT_NE(dieResult.standardOutput.find(Stringf("ErrorWarningAssertTests.cpp(%d): boom\n", dieLine)),
              std::string::npos);

    ChildResult const guaranteeResult = RunInChildProcess(guarantee, CHILD_TIMEOUT_SECONDS);
    EXPECT_TRUE(guaranteeResult.ExitedWithFailure());
    EXPECT_NE(guaranteeResult.standardOutput.find(Stringf(
                  "ErrorWarningAssertTests.cpp(%d): ERROR: \"1 + 1 == 3\" is false!\n", guaranteeLine)),
              std::string::npos)
        << guaranteeResult.standardOutput;
}

TEST(FatalReportMacros, AKeptGuaranteeReportsNothing)
{
    ChildResult const result =
        RunInChildProcess([] { GUARANTEE_OR_DIE(1 + 1 == 2, "FatalReportMacros::Kept", "never"); });
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.standardOutput, "");
}

class RecoverableWarning : public testing::TestWithParam<ReportCase>
{
};

TEST_P(RecoverableWarning, YesContinuesAndNoEndsWithFailure)
{
    ReportCase const& testCase = GetParam();
    std::string const expectedPrinted =
        GetPrintedReport(WARNING_SEPARATOR, "RUN-TIME RECOVERABLE WARNING", testCase.expectedMessage);
    std::string const expectedText = std::string(testCase.expectedMessage) +
                                     "\n\nWould you like to continue running?\n  (Yes=continue, No=quit)\n" +
                                     DETAILS_HEADER + GetExpectedDetails(testCase, "warning");
    std::string const expectedDialog = DescribeDialog("Unnamed Application :: Warning", SEVERITY_WARNING,
                                                      DialogButtons::YES_NO, expectedText);

    struct Answer
    {
        DialogAnswer answer;
        bool isContinued;
    };
    for (Answer const& answer : {Answer{DialogAnswer::YES, true}, Answer{DialogAnswer::NO, false}})
    {
        SCOPED_TRACE(answer.isContinued ? "answered Yes" : "answered No");
        ChildResult const result = RunInChildProcess(
            [&testCase, &answer]
            {
                InstallRecordingHandler(answer.answer);
                ReportRecoverableWarning(CALLER_PATH, CALLER_FUNCTION, CALLER_LINE, testCase.reason,
                                         testCase.conditionText);
                std::printf("<caller continued>");
            },
            CHILD_TIMEOUT_SECONDS);
        ASSERT_TRUE(result.exited);
        if (answer.isContinued)
        {
            EXPECT_EQ(result.exitCode, 0);
            EXPECT_EQ(result.standardOutput, expectedPrinted + expectedDialog + "<caller continued>");
        }
        else
        {
            EXPECT_TRUE(result.ExitedWithFailure());
            EXPECT_EQ(result.standardOutput, expectedPrinted + expectedDialog);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    MessagesAndConditions, RecoverableWarning,
    testing::Values(ReportCase{"EmptyWithCondition", "", "count > 0", "WARNING: \"count > 0\" is false!"},
                    ReportCase{"EmptyWithoutCondition", "", nullptr, "Unspecified warning"},
                    ReportCase{"MessageWithCondition", "Odd size", "isEven", "Odd size"},
                    ReportCase{"MessageWithoutCondition", "Odd size", nullptr, "Odd size"}),
    [](testing::TestParamInfo<ReportCase> const& info) { return std::string(info.param.name); });

TEST(RecoverableWarningHeadless, PrintsAndCarriesOn)
{
    int const warningLine = __LINE__ + 1;
    auto const warn = [] { GUARANTEE_RECOVERABLE(2 < 1, "RecoverableWarningHeadless::Warn", ""); };
    ChildResult const result = RunInChildProcess(
        [&warn]
        {
            setenv("ENGINE_NO_DIALOGS", "1", 1);
            warn();
            std::printf("<caller continued>");
        },
        CHILD_TIMEOUT_SECONDS);
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.exitCode, 0);
    std::string const& printed = result.standardOutput;
    EXPECT_NE(
        printed.find(Stringf("ErrorWarningAssertTests.cpp(%d): WARNING: \"2 < 1\" is false!\n", warningLine)),
        std::string::npos)
        << printed;
    EXPECT_EQ(CountOccurrences(printed, WARNING_SEPARATOR), 2u);
    EXPECT_EQ(printed.substr(printed.size() - std::string("<caller continued>").size()),
              "<caller continued>");
}

// Each dialog turns the button pressed into its own result; Cancel also stands
// for closing the box.
TEST(Dialogs, MapThePressedButtonToTheirResult)
{
    struct Case
    {
        DialogButtons buttons;
        DialogAnswer pressed;
        int expectedResult;
    };
    Case const CASES[] = {
        {DialogButtons::OKAY_CANCEL, DialogAnswer::OKAY, 1},
        {DialogButtons::OKAY_CANCEL, DialogAnswer::CANCEL, 0},
        {DialogButtons::YES_NO, DialogAnswer::YES, 1},
        {DialogButtons::YES_NO, DialogAnswer::NO, 0},
        {DialogButtons::YES_NO, DialogAnswer::CANCEL, 0},
        {DialogButtons::YES_NO_CANCEL, DialogAnswer::YES, 1},
        {DialogButtons::YES_NO_CANCEL, DialogAnswer::NO, 0},
        {DialogButtons::YES_NO_CANCEL, DialogAnswer::CANCEL, -1},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testing::Message() << GetButtonsName(testCase.buttons) << " pressed "
                                        << static_cast<int>(testCase.pressed));
        DialogButtons askedButtons = DialogButtons::OKAY;
        MessageSeverity askedSeverity = SEVERITY_INFORMATION;
        std::string askedTitle;
        SetDialogHandler(
            [&](char const* title, char const*, MessageSeverity severity, DialogButtons buttons)
            {
                askedTitle = title;
                askedSeverity = severity;
                askedButtons = buttons;
                return testCase.pressed;
            });
        int result = 0;
        switch (testCase.buttons)
        {
            case DialogButtons::OKAY_CANCEL:
                result = ShowOkayCancelDialog("title", "text", SEVERITY_QUESTION) ? 1 : 0;
                break;
            case DialogButtons::YES_NO:
                result = ShowYesNoDialog("title", "text", SEVERITY_QUESTION) ? 1 : 0;
                break;
            default:
                result = ShowYesNoCancelDialog("title", "text", SEVERITY_QUESTION);
                break;
        }
        SetDialogHandler(nullptr);
        EXPECT_EQ(result, testCase.expectedResult);
        EXPECT_EQ(askedButtons, testCase.buttons);
        EXPECT_EQ(askedSeverity, SEVERITY_QUESTION);
        EXPECT_EQ(askedTitle, "title");
    }
}

// Headless, every dialog is answered as by a user who carries on.
TEST(Dialogs, HeadlessAnswersAreOkayAndYes)
{
    ChildResult const result = RunInChildProcess(
        []
        {
            setenv("ENGINE_NO_DIALOGS", "1", 1);
            ShowOkayDialog("title", "text", SEVERITY_INFORMATION);
            std::printf("%d %d %d", ShowOkayCancelDialog("title", "text", SEVERITY_QUESTION) ? 1 : 0,
                        ShowYesNoDialog("title", "text", SEVERITY_WARNING) ? 1 : 0,
                        ShowYesNoCancelDialog("title", "text", SEVERITY_FATAL));
        },
        CHILD_TIMEOUT_SECONDS);
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.standardOutput, "1 1 1");
}

TEST(DebuggerDetection, NoDebuggerUnderTheTestRunner)
{
    // In a child, so that this process's remembered answer stays unasked.
    ChildResult const result = RunInChildProcess([] { std::printf("%d", IsDebuggerAttached() ? 1 : 0); });
    EXPECT_EQ(result.standardOutput, "0");
}

// The first answer stays, even after a debugger attaches; the reports ask afresh.
TEST(DebuggerDetection, RemembersItsFirstAnswer)
{
    ChildResult const result = RunInChildProcess(
        []
        {
            bool const firstAnswer = IsDebuggerAttached();
            if (!AttachTracerToThisProcess())
            {
                std::printf("%s", NO_PTRACE_MARKER);
                return;
            }
            std::printf("%d %d %d", firstAnswer ? 1 : 0, IsDebuggerAttached() ? 1 : 0,
                        IsDebuggerPresentNow() ? 1 : 0);
            std::fflush(stdout);
            PrintToDebugOutput("<not for the debugger>");
            BreakIntoDebugger();  // lets the tracer go
        });
    if (result.standardOutput.find(NO_PTRACE_MARKER) != std::string::npos)
    {
        GTEST_SKIP() << "ptrace is not permitted here";
    }
    EXPECT_TRUE(result.exited) << "signal " << result.terminatingSignal;
    EXPECT_EQ(result.standardOutput, "0 0 1<not for the debugger>");
    EXPECT_EQ(result.standardError, "");
}

// Under a debugger the fatal box asks whether to break; either way the process
// then ends with a failure.
TEST(FatalReportUnderDebugger, AsksToBreakAndEndsWithFailureAfterwards)
{
    struct Case
    {
        DialogAnswer answer;
        char const* expectedTracedAtExit;
    };
    for (Case const& testCase :
         {Case{DialogAnswer::YES, "<traced at exit: 0>"}, Case{DialogAnswer::NO, "<traced at exit: 1>"}})
    {
        SCOPED_TRACE(testCase.expectedTracedAtExit);
        ChildResult const result = RunInChildProcess(
            [&testCase]
            {
                if (!AttachTracerToThisProcess())
                {
                    std::printf("%s", NO_PTRACE_MARKER);
                    return;
                }
                ReportTracerAtExit();
                InstallRecordingHandler(testCase.answer);
                ReportFatalError(CALLER_PATH, CALLER_FUNCTION, CALLER_LINE, "", "isReady");
            },
            CHILD_TIMEOUT_SECONDS);
        if (result.standardOutput.find(NO_PTRACE_MARKER) != std::string::npos)
        {
            GTEST_SKIP() << "ptrace is not permitted here";
        }
        std::string const message = "ERROR: \"isReady\" is false!";
        std::string const expectedPrinted =
            GetPrintedReport(FATAL_SEPARATOR, "RUN-TIME FATAL ERROR", message);
        std::string const expectedText =
            message + "\n\nThe application will now close.\n" +
            "\nDEBUGGER DETECTED!\nWould you like to break and debug?\n  (Yes=debug, No=quit)\n" +
            DETAILS_HEADER + GetConditionDetails("error", "isReady");
        EXPECT_TRUE(result.ExitedWithFailure()) << "signal " << result.terminatingSignal;
        EXPECT_EQ(result.standardOutput, expectedPrinted +
                                             DescribeDialog("Unnamed Application :: Error", SEVERITY_FATAL,
                                                            DialogButtons::YES_NO, expectedText) +
                                             testCase.expectedTracedAtExit);
        // The debugger's channel gets the same report (this process asked first after attaching).
        EXPECT_EQ(result.standardError.substr(0, expectedPrinted.size()), expectedPrinted);
    }
}

// Under a debugger a warning offers Cancel to break, after which the caller goes on.
TEST(RecoverableWarningUnderDebugger, YesContinuesNoQuitsCancelBreaksAndContinues)
{
    struct Case
    {
        DialogAnswer answer;
        char const* expectedEnding;
        bool isFailure;
    };
    Case const CASES[] = {
        {DialogAnswer::YES, "<caller continued><traced at exit: 1>", false},
        {DialogAnswer::NO, "<traced at exit: 1>", true},
        {DialogAnswer::CANCEL, "<caller continued><traced at exit: 0>", false},
    };
    std::string const expectedText = "Odd size\n\nDEBUGGER DETECTED!\nWould you like to continue running?\n"
                                     "  (Yes=continue, No=quit, Cancel=debug)\n" +
                                     DETAILS_HEADER + GetUnconditionalDetails("warning");
    std::string const expectedStart =
        GetPrintedReport(WARNING_SEPARATOR, "RUN-TIME RECOVERABLE WARNING", "Odd size") +
        DescribeDialog("Unnamed Application :: Warning", SEVERITY_WARNING, DialogButtons::YES_NO_CANCEL,
                       expectedText);
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.expectedEnding);
        ChildResult const result = RunInChildProcess(
            [&testCase]
            {
                if (!AttachTracerToThisProcess())
                {
                    std::printf("%s", NO_PTRACE_MARKER);
                    return;
                }
                ReportTracerAtExit();
                InstallRecordingHandler(testCase.answer);
                ReportRecoverableWarning(CALLER_PATH, CALLER_FUNCTION, CALLER_LINE, "Odd size");
                std::printf("<caller continued>");
                std::exit(0);  // through the runtime's exit, so that the exit report runs
            },
            CHILD_TIMEOUT_SECONDS);
        if (result.standardOutput.find(NO_PTRACE_MARKER) != std::string::npos)
        {
            GTEST_SKIP() << "ptrace is not permitted here";
        }
        ASSERT_TRUE(result.exited) << "signal " << result.terminatingSignal;
        EXPECT_EQ(result.exitCode != 0, testCase.isFailure);
        EXPECT_EQ(result.standardOutput, expectedStart + testCase.expectedEnding);
    }
}
