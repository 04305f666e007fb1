#include "Tests/TestSupport/ChildProcess.hpp"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace
{
void DrainInto(int fileDescriptor, std::string& text, bool& isOpen)
{
    char buffer[4096];
    ssize_t count = read(fileDescriptor, buffer, sizeof(buffer));
    if (count > 0)
    {
        text.append(buffer, static_cast<size_t>(count));
    }
    else if (count == 0 || (errno != EINTR && errno != EAGAIN))
    {
        isOpen = false;
    }
}

double GetMonotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
}  // namespace

ChildResult RunInChildProcess(std::function<void()> const& code, int timeoutSeconds)
{
    ChildResult result;
    int outPipe[2];
    int errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0)
    {
        result.standardError = "pipe() failed";
        return result;
    }

    std::fflush(stdout);
    std::fflush(stderr);
    pid_t child = fork();
    if (child == 0)
    {
        dup2(outPipe[1], STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        close(outPipe[0]);
        close(errPipe[0]);
        close(outPipe[1]);
        close(errPipe[1]);
        code();
        std::fflush(stdout);
        std::fflush(stderr);
        _exit(0);
    }
    close(outPipe[1]);
    close(errPipe[1]);
    if (child < 0)
    {
        close(outPipe[0]);
        close(errPipe[0]);
        result.standardError = "fork() failed";
        return result;
    }

    bool outOpen = true;
    bool errOpen = true;
    double const deadline = GetMonotonicSeconds() + timeoutSeconds;
    bool timedOut = false;
    while (outOpen || errOpen)
    {
        if (GetMonotonicSeconds() > deadline)
        {
            timedOut = true;
            kill(child, SIGKILL);
            break;
        }
        pollfd watched[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
        watched[0].fd = outOpen ? outPipe[0] : -1;
        watched[1].fd = errOpen ? errPipe[0] : -1;
        if (poll(watched, 2, 100) <= 0)
        {
            continue;
        }
        if (outOpen && (watched[0].revents & (POLLIN | POLLHUP | POLLERR)))
        {
            DrainInto(outPipe[0], result.standardOutput, outOpen);
        }
        if (errOpen && (watched[1].revents & (POLLIN | POLLHUP | POLLERR)))
        {
            DrainInto(errPipe[0], result.standardError, errOpen);
        }
    }
    close(outPipe[0]);
    close(errPipe[0]);

    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR)
    {
    }
    if (timedOut)
    {
        result.standardError += "\n[child killed after timeout]";
    }
    if (WIFEXITED(status))
    {
        result.exited = true;
        result.exitCode = WEXITSTATUS(status);
    }
    else if (WIFSIGNALED(status))
    {
        result.terminatingSignal = WTERMSIG(status);
    }
    return result;
}
