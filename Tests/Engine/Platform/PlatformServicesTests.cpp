#include "Engine/Platform/PlatformServices.hpp"

#include "Tests/TestSupport/ChildProcess.hpp"
#include "Tests/TestSupport/TracerProcess.hpp"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <sys/resource.h>

namespace
{
int const CHILD_TIMEOUT_SECONDS = 20;  // a box that blocks fails the test instead of hanging it
}

// SDL knows only three icons; question and unknown values must not fall to error.
TEST(MessageBoxIcon, FollowsTheSeverity)
{
    struct Case
    {
        MessageSeverity severity;
        MessageBoxIcon expected;
    };
    Case const CASES[] = {
        {SEVERITY_INFORMATION, MessageBoxIcon::INFORMATION},
        {SEVERITY_QUESTION, MessageBoxIcon::INFORMATION},
        {SEVERITY_WARNING, MessageBoxIcon::WARNING},
        {SEVERITY_FATAL, MessageBoxIcon::ERROR},
        {static_cast<MessageSeverity>(4), MessageBoxIcon::WARNING},
        {static_cast<MessageSeverity>(-1), MessageBoxIcon::WARNING},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(static_cast<int>(testCase.severity));
        EXPECT_EQ(GetMessageBoxIconForSeverity(testCase.severity), testCase.expected);
    }
}

TEST(DialogButtonChoices, LabelEachAnswerLeftToRight)
{
    struct Case
    {
        DialogButtons buttons;
        std::string expected;
    };
    Case const CASES[] = {
        {DialogButtons::OKAY, "OK=0"},
        {DialogButtons::OKAY_CANCEL, "OK=0 Cancel=1"},
        {DialogButtons::YES_NO, "Yes=2 No=3"},
        {DialogButtons::YES_NO_CANCEL, "Yes=2 No=3 Cancel=1"},
    };
    for (Case const& testCase : CASES)
    {
        std::string described;
        for (DialogButtonChoice const& choice : GetDialogButtonChoices(testCase.buttons))
        {
            described += std::string(described.empty() ? "" : " ") + choice.label + "=" +
                         std::to_string(static_cast<int>(choice.answer));
        }
        EXPECT_EQ(described, testCase.expected);
    }
}

TEST(ProcessStatus, TracerPidNamesTheDebugger)
{
    struct Case
    {
        char const* statusText;
        bool expected;
    };
    Case const CASES[] = {
        {"Name:\tgame\nState:\tR (running)\nTracerPid:\t0\nUid:\t0\n", false},
        {"Name:\tgame\nTracerPid:\t4321\nUid:\t0\n", true},
        {"TracerPid:\t1", true},
        {"TracerPid: 77\n", true},
        {"Name:\tgame\nUid:\t0\n", false},
        {"", false},
        {"TracerPid:\t\n", false},
        {"TracerPid:\tnone\n", false},
        {"NotTracerPid:\t5\nTracerPid:\t0\n", false},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.statusText);
        EXPECT_EQ(IsTracerPidNonZero(testCase.statusText), testCase.expected);
    }
}

TEST(DebuggerPresence, AskedAfreshFollowsATracerAndItsBreakpoint)
{
    EXPECT_FALSE(IsDebuggerPresentNow()) << "a debugger is attached to the test run";
    ChildResult const result = RunInChildProcess(
        []
        {
            if (!AttachTracerToThisProcess())
            {
                std::printf("<ptrace not permitted>");
                return;
            }
            std::printf("%d", IsDebuggerPresentNow() ? 1 : 0);
            BreakIntoDebugger();  // our tracer swallows the trap and leaves
            std::printf(" %d", IsDebuggerPresentNow() ? 1 : 0);
        });
    if (result.standardOutput == "<ptrace not permitted>")
    {
        GTEST_SKIP() << "ptrace is not permitted here";
    }
    EXPECT_TRUE(result.exited) << "signal " << result.terminatingSignal;
    EXPECT_EQ(result.standardOutput, "1 0");
}

TEST(DebuggerBreak, TrapsWhenNoDebuggerIsThere)
{
    ChildResult const result = RunInChildProcess(
        []
        {
            rlimit const noCoreFile{0, 0};
            setrlimit(RLIMIT_CORE, &noCoreFile);
            BreakIntoDebugger();
            std::printf("<went on>");
        });
    EXPECT_FALSE(result.exited);
    EXPECT_EQ(result.terminatingSignal, SIGTRAP);
    EXPECT_EQ(result.standardOutput, "");
}

TEST(DebuggerChannel, IsStandardError)
{
    ChildResult const result = RunInChildProcess(
        []
        {
            WriteToDebuggerChannel("to the debugger");
            WriteToDebuggerChannel(nullptr);
        });
    EXPECT_EQ(result.standardError, "to the debugger");
    EXPECT_EQ(result.standardOutput, "");
}

TEST(EndProcess, EndsWithTheCodeGivenAndLosesNoBufferedOutput)
{
    ChildResult const result = RunInChildProcess(
        []
        {
            std::printf("buffered C text ");
            std::cout << "buffered C++ text";
            EndProcess(3);
        });
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_EQ(result.standardOutput, "buffered C text buffered C++ text");
}

// Without a display no box can be shown: the caller learns so at once instead
// of waiting for an answer that cannot come.
TEST(PlatformMessageBox, WithoutADisplayReportsThatNoneWasShown)
{
    ChildResult const result = RunInChildProcess(
        []
        {
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            bool const wasShown =
                ShowPlatformMessageBox("title", "text", SEVERITY_FATAL, DialogButtons::OKAY).has_value();
            std::printf("%d", wasShown ? 1 : 0);
        },
        CHILD_TIMEOUT_SECONDS);
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.standardOutput, "0");
}

// With dialogs allowed but no display, the reports still answer as a user who
// carries on: the box could not be shown, and its text is printed already.
TEST(PlatformMessageBox, WithoutADisplayDialogsAnswerOkayAndYes)
{
    ChildResult const result = RunInChildProcess(
        []
        {
            unsetenv("DISPLAY");
            unsetenv("WAYLAND_DISPLAY");
            unsetenv("ENGINE_NO_DIALOGS");
            std::printf("%d %d %d", ShowOkayCancelDialog("title", "text", SEVERITY_QUESTION) ? 1 : 0,
                        ShowYesNoDialog("title", "text", SEVERITY_WARNING) ? 1 : 0,
                        ShowYesNoCancelDialog("title", "text", SEVERITY_FATAL));
        },
        CHILD_TIMEOUT_SECONDS);
    EXPECT_TRUE(result.exited);
    EXPECT_EQ(result.standardOutput, "1 1 1");
}
