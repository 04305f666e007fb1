#include "Tests/TestSupport/ChildProcess.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
std::string ReadAndClose(std::FILE* file)
{
    std::fseek(file, 0, SEEK_END);
    std::string text(static_cast<size_t>(std::max(0L, std::ftell(file))), '\0');
    std::rewind(file);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text;
}
}  // namespace

// The child writes into files rather than pipes: whatever it prints, or a process
// it leaves behind holding its streams, the parent only has to wait for its end.
ChildResult RunInChildProcess(std::function<void()> const& code, int timeoutSeconds)
{
    ChildResult result;
    std::FILE* const outFile = std::tmpfile();
    std::FILE* const errFile = std::tmpfile();
    std::fflush(stdout);
    std::fflush(stderr);
    if (outFile == nullptr || errFile == nullptr)
    {
        result.standardError = "no temporary file for the child's output";
        return result;
    }
    pid_t const child = fork();
    if (child == 0)
    {
        alarm(static_cast<unsigned>(timeoutSeconds));  // survives exec; its signal ends the child
        dup2(fileno(outFile), STDOUT_FILENO);
        dup2(fileno(errFile), STDERR_FILENO);
        code();
        std::fflush(stdout);
        std::fflush(stderr);
        _exit(0);
    }
    int status = 0;
    while (child > 0 && waitpid(child, &status, 0) < 0 && errno == EINTR)
    {
    }
    result.standardOutput = ReadAndClose(outFile);
    result.standardError = ReadAndClose(errFile) + (child < 0 ? "fork() failed" : "");
    result.exited = child > 0 && WIFEXITED(status);
    result.exitCode = result.exited ? WEXITSTATUS(status) : -1;
    return result;
}
