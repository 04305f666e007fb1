#pragma once
// Runs a piece of code in a forked child so that fatal paths, which end the
// process, can be tested: the parent gets the exit status and everything the
// child printed.

#include <functional>
#include <string>

struct ChildResult
{
    bool exited = false;  // ended through exit(), not by a signal
    int exitCode = -1;    // valid when exited
    std::string standardOutput;
    std::string standardError;

    bool ExitedWithFailure() const { return exited && exitCode != 0; }
};

// The child exits with status 0 if the code returns. A child still running after
// timeoutSeconds is ended by SIGALRM, so a hang fails the test instead of
// blocking the run.
ChildResult RunInChildProcess(std::function<void()> const& code, int timeoutSeconds = 30);
