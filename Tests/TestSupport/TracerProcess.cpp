#include "Tests/TestSupport/TracerProcess.hpp"

#include <csignal>
#include <cstdint>
#include <sys/prctl.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

bool AttachTracerToThisProcess()
{
    // Where Yama restricts ptrace to ancestors, allow our own child to attach.
    prctl(PR_SET_PTRACER, PR_SET_PTRACER_ANY, 0, 0, 0);
    int attachedPipe[2];
    if (pipe(attachedPipe) != 0)
    {
        return false;
    }
    pid_t const traceePid = getpid();
    if (fork() == 0)
    {
        // The system lists the tracer as soon as the attach returns. A tracer that
        // cannot attach closes the pipe without a word.
        if (ptrace(PTRACE_ATTACH, traceePid, nullptr, nullptr) != 0 || write(attachedPipe[1], "", 1) != 1)
        {
            _exit(0);
        }
        int status = 0;
        while (waitpid(traceePid, &status, __WALL) == traceePid && WIFSTOPPED(status))
        {
            if (WSTOPSIG(status) == SIGTRAP)
            {
                ptrace(PTRACE_DETACH, traceePid, nullptr, nullptr);
                break;
            }
            // The stop that attaching causes is swallowed; every other signal goes on.
            intptr_t const signalToDeliver = WSTOPSIG(status) == SIGSTOP ? 0 : WSTOPSIG(status);
            ptrace(PTRACE_CONT, traceePid, nullptr, reinterpret_cast<void*>(signalToDeliver));
        }
        _exit(0);
    }
    close(attachedPipe[1]);
    char attached = 0;
    bool const isAttached = read(attachedPipe[0], &attached, 1) == 1;
    close(attachedPipe[0]);
    return isAttached;
}
