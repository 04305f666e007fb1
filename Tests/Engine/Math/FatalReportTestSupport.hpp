#pragma once
// Runs code that must end in a fatal report, in a child process, with a dialog
// handler that prints the dialog's text: the printed report holds the message,
// the function and the file, the dialog text adds the condition.

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Tests/TestSupport/ChildProcess.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

inline ChildResult RunFatalPath(std::function<void()> const& code)
{
    return RunInChildProcess(
        [&code]
        {
            SetDialogHandler(
                [](char const* title, char const* messageText, MessageSeverity, DialogButtons)
                {
                    std::printf("%s\n%s\n", title, messageText);
                    std::fflush(stdout);
                    return DialogAnswer::OKAY;
                });
            code();
        });
}

struct ExpectedFatalReport
{
    char const* message;
    char const* functionName;
    char const* fileName;                 // without folders
    char const* conditionText = nullptr;  // null for an unconditional report
};

inline void ExpectFatalReport(ChildResult const& result, ExpectedFatalReport const& expected)
{
    EXPECT_TRUE(result.ExitedWithFailure()) << "exited " << result.exited << " code " << result.exitCode;
    std::string const& output = result.standardOutput;
    EXPECT_NE(output.find(expected.message), std::string::npos) << output;
    EXPECT_NE(output.find(std::string(expected.functionName) + "()"), std::string::npos) << output;
    EXPECT_NE(output.find(std::string(" of ") + expected.fileName + ","), std::string::npos) << output;
    if (expected.conditionText != nullptr)
    {
        EXPECT_NE(output.find(std::string("\n  ") + expected.conditionText + "\n"), std::string::npos)
            << output;
    }
}
