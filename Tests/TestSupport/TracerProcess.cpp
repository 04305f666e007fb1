#include "Tests/TestSupport/TracerProcess.hpp"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/prctl.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace
{
// Read here without the engine, so that a fault in the engine's own detection
// cannot make this helper agree with it.
bool IsTracerListed()
{
    std::ifstream statusFile("/proc/self/status");
    std::string line;
    while (std::getline(statusFile, line))
    {
        if (line.rfind("TracerPid:", 0) == 0)
        {
            return std::atol(line.c_str() + std::strlen("TracerPid:")) != 0;
        }
    }
    return false;
}

[[noreturn]] void RunTracer(pid_t traceePid)
{
    // Hold none of the test's pipes open: the parent reads them to the end.
    int const devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);

    if (ptrace(PTRACE_ATTACH, traceePid, nullptr, nullptr) != 0)
    {
        _exit(1);
    }
    for (;;)
    {
        int status = 0;
        if (waitpid(traceePid, &status, __WALL) < 0)
        {
            if (errno == EINTR)
            {
                continue;
            }
            _exit(0);
        }
        if (WIFEXITED(status) || WIFSIGNALED(status))
        {
            _exit(0);
        }
        if (!WIFSTOPPED(status))
        {
            continue;
        }
        int signalToDeliver = WSTOPSIG(status);
        if (signalToDeliver == SIGTRAP)
        {
            ptrace(PTRACE_DETACH, traceePid, nullptr, nullptr);
            _exit(0);
        }
        if (signalToDeliver == SIGSTOP)
        {
            signalToDeliver = 0;  // the stop that attaching causes
        }
        ptrace(PTRACE_CONT, traceePid, nullptr,
               reinterpret_cast<void*>(static_cast<intptr_t>(signalToDeliver)));
    }
}
}  // namespace

bool AttachTracerToThisProcess(int timeoutSeconds)
{
    // Where Yama restricts ptrace to ancestors, allow our own child to attach.
    prctl(PR_SET_PTRACER, PR_SET_PTRACER_ANY, 0, 0, 0);

    pid_t const traceePid = getpid();
    pid_t const tracerPid = fork();
    if (tracerPid < 0)
    {
        return false;
    }
    if (tracerPid == 0)
    {
        RunTracer(traceePid);
    }

    timespec const pause{0, 1000000};
    for (long waitedMilliseconds = 0; waitedMilliseconds < timeoutSeconds * 1000L; ++waitedMilliseconds)
    {
        if (IsTracerListed())
        {
            return true;
        }
        int status = 0;
        if (waitpid(tracerPid, &status, WNOHANG) == tracerPid)
        {
            return false;  // the tracer gave up: attaching is not permitted here
        }
        nanosleep(&pause, nullptr);
    }
    return false;
}
