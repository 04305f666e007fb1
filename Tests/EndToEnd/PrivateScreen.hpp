#pragma once
// An X screen of the test's own (Xvfb, 1920x1080) with a window manager (openbox)
// and a keyboard layout of its own, so that nothing a test changes there is seen
// by the tests sharing the common screen. What it started ends with it, and with
// the test process if that is killed.

#include <sys/types.h>

#include <string>

class PrivateScreen
{
public:
    explicit PrivateScreen(char const* keyboardLayout);  // setxkbmap's layout name, such as "ru"
    ~PrivateScreen();
    PrivateScreen(PrivateScreen const&) = delete;
    PrivateScreen& operator=(PrivateScreen const&) = delete;

    bool IsReady() const { return m_failure.empty(); }
    std::string const& GetFailure() const { return m_failure; }          // what did not start
    std::string const& GetDisplayName() const { return m_displayName; }  // ":N"

private:
    void StartServer();
    void StartWindowManager();
    void SetKeyboardLayout(char const* keyboardLayout);

    pid_t m_serverProcessId = -1;
    pid_t m_windowManagerProcessId = -1;
    std::string m_displayName;
    std::string m_failure;
};
