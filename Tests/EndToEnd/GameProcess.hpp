#pragma once
// The real game executable, started as a child process with dialogs switched
// off. A game still running when this goes away is killed, so a failing test
// leaves nothing behind on the display.

#include <sys/types.h>

class GameProcess
{
public:
    explicit GameProcess(char const* executablePath);
    ~GameProcess();
    GameProcess(GameProcess const&) = delete;
    GameProcess& operator=(GameProcess const&) = delete;

    bool IsStarted() const { return m_processId > 0; }
    // True once the game has ended within the timeout; outExitCode is its
    // status, or -1 when a signal ended it.
    bool WaitForExit(double timeoutSeconds, int& outExitCode);

private:
    pid_t m_processId = -1;
};
