#include "Tests/EndToEnd/GameProcess.hpp"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

GameProcess::GameProcess(char const* executablePath)
{
    m_processId = fork();
    if (m_processId == 0)
    {
        setenv("ENGINE_NO_DIALOGS", "1", 1);
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

bool GameProcess::WaitForExit(double timeoutSeconds, int& outExitCode)
{
    if (m_processId <= 0)
    {
        return false;
    }
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (std::chrono::steady_clock::now() < deadline)
    {
        int status = 0;
        if (waitpid(m_processId, &status, WNOHANG) == m_processId)
        {
            m_processId = -1;
            outExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}
