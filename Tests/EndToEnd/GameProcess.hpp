#pragma once
// The real game executable as a child process, dialogs switched off. A game
// still running when this goes away is killed, so that a failing test leaves
// nothing behind on the display.

#include <sys/types.h>

class GameProcess
{
public:
    explicit GameProcess(char const* executablePath);
    ~GameProcess();
    GameProcess(GameProcess const&) = delete;
    GameProcess& operator=(GameProcess const&) = delete;

    bool IsRunning() const { return m_processId > 0; }
    // After the game ended: its exit status, or -1 when a signal ended it.
    bool TryGetExitCode(int& outExitCode);

private:
    pid_t m_processId = -1;
};
