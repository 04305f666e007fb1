#include "Tests/EndToEnd/GameProcess.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

GameProcess::GameProcess(char const* executablePath) : m_processId(fork())
{
    if (m_processId == 0)
    {
        setenv("ENGINE_NO_DIALOGS", "1", 1);
        // The Windows build plays the same runs through a script that starts its game under Wine.
        char const* const replacement = std::getenv("DOTSUNDER_END_TO_END_GAME");
        executablePath = replacement != nullptr ? replacement : executablePath;
        execl(executablePath, executablePath, static_cast<char*>(nullptr));
        _exit(127);
    }
}

GameProcess::~GameProcess()
{
    if (m_processId > 0)
    {
        kill(m_processId, SIGKILL);
        waitpid(m_processId, nullptr, 0);
    }
}

bool GameProcess::TryGetExitCode(int& outExitCode)
{
    int status = 0;
    if (m_processId <= 0 || waitpid(m_processId, &status, WNOHANG) != m_processId)
    {
        return false;
    }
    m_processId = -1;
    outExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return true;
}
