#include "Tests/EndToEnd/PrivateScreen.hpp"

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace
{
constexpr int START_TIMEOUT_MS = 20'000;

// Output goes nowhere, and the program dies with the test process.
pid_t StartProgram(std::vector<char const*> arguments, std::string const& displayName, int keptFd = -1)
{
    pid_t const processId = fork();
    if (processId == 0)
    {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        int const nullFd = open("/dev/null", O_RDWR);
        dup2(nullFd, STDIN_FILENO);
        dup2(nullFd, STDOUT_FILENO);
        dup2(nullFd, STDERR_FILENO);
        if (keptFd >= 0)
        {
            fcntl(keptFd, F_SETFD, 0);
        }
        if (!displayName.empty())
        {
            setenv("DISPLAY", displayName.c_str(), 1);
        }
        arguments.push_back(nullptr);
        execvp(arguments[0], const_cast<char* const*>(arguments.data()));
        _exit(127);
    }
    return processId;
}

void EndProgram(pid_t& processId)
{
    if (processId > 0)
    {
        kill(processId, SIGTERM);
        waitpid(processId, nullptr, 0);
        processId = -1;
    }
}

// An EWMH window manager announces itself on the root window once it is running.
bool HasWindowManager(std::string const& displayName)
{
    Display* const display = XOpenDisplay(displayName.c_str());
    if (display == nullptr)
    {
        return false;
    }
    Atom const check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    int numProperties = 0;
    Atom* const properties = XListProperties(display, DefaultRootWindow(display), &numProperties);
    bool isAnnounced = false;
    for (int propertyIndex = 0; propertyIndex < numProperties; ++propertyIndex)
    {
        isAnnounced = isAnnounced || (check != 0 && properties[propertyIndex] == check);
    }
    if (properties != nullptr)
    {
        XFree(properties);
    }
    XCloseDisplay(display);
    return isAnnounced;
}
}  // namespace

PrivateScreen::PrivateScreen(char const* keyboardLayout)
{
    StartServer();
    if (IsReady())
    {
        SetKeyboardLayout(keyboardLayout);
    }
    if (IsReady())
    {
        StartWindowManager();
    }
}

PrivateScreen::~PrivateScreen()
{
    EndProgram(m_windowManagerProcessId);
    EndProgram(m_serverProcessId);
}

// The server picks a free display number itself and writes it to the pipe once
// it accepts clients.
void PrivateScreen::StartServer()
{
    int pipeFds[2] = {-1, -1};
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
    {
        m_failure = "no pipe for Xvfb's display number";
        return;
    }
    std::string const displayFd = std::to_string(pipeFds[1]);
    m_serverProcessId = StartProgram({"Xvfb", "-displayfd", displayFd.c_str(), "-screen", "0", "1920x1080x24",
                                      "-nolisten", "tcp", "-noreset"},
                                     "", pipeFds[1]);
    close(pipeFds[1]);
    std::string displayNumber;
    pollfd readable{pipeFds[0], POLLIN, 0};
    char character = 0;
    while (poll(&readable, 1, START_TIMEOUT_MS) == 1 && read(pipeFds[0], &character, 1) == 1 &&
           character != '\n')
    {
        displayNumber += character;
    }
    close(pipeFds[0]);
    if (displayNumber.empty())
    {
        m_failure = "Xvfb did not start (is the xvfb package installed?)";
        return;
    }
    m_displayName = ":" + displayNumber;
}

void PrivateScreen::SetKeyboardLayout(char const* keyboardLayout)
{
    pid_t const processId = StartProgram({"setxkbmap", "-layout", keyboardLayout}, m_displayName);
    int status = 0;
    if (processId <= 0 || waitpid(processId, &status, 0) != processId || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
    {
        m_failure = std::string("setxkbmap -layout ") + keyboardLayout + " failed (x11-xkb-utils installed?)";
    }
}

void PrivateScreen::StartWindowManager()
{
    m_windowManagerProcessId = StartProgram({"openbox", "--sm-disable"}, m_displayName);
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(START_TIMEOUT_MS);
    while (!HasWindowManager(m_displayName))
    {
        int status = 0;
        if (std::chrono::steady_clock::now() > deadline ||
            waitpid(m_windowManagerProcessId, &status, WNOHANG) == m_windowManagerProcessId)
        {
            if (status != 0 || kill(m_windowManagerProcessId, 0) != 0)
            {
                m_windowManagerProcessId = -1;  // reaped: its number may be someone else's by now
            }
            m_failure = "openbox did not start on " + m_displayName + " (is the openbox package installed?)";
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
