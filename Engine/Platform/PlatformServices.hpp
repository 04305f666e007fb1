#pragma once
// The operating-system services behind error reporting: the message box, the
// debugger's presence, its output channel and breakpoint, and ending the process.
// The only SDL behind the reports lives in PlatformServices.cpp.

#include "Engine/Core/ErrorWarningAssert.hpp"

#include <optional>
#include <string>
#include <vector>

enum class MessageBoxIcon
{
    INFORMATION,
    WARNING,
    ERROR,
};

// Information for information and questions, error for fatal, warning for
// warnings and for any value outside the enumeration.
MessageBoxIcon GetMessageBoxIconForSeverity(MessageSeverity severity);

struct DialogButtonChoice
{
    DialogAnswer answer;
    char const* label;
};

// The buttons of each dialog, left to right.
std::vector<DialogButtonChoice> GetDialogButtonChoices(DialogButtons buttons);

// Blocks until the box is answered; closing it without a button answers CANCEL.
// Empty when no box could be shown (no display, no video driver): the caller
// decides what that means. The mouse cursor is shown while the box is up.
std::optional<DialogAnswer> ShowPlatformMessageBox(char const* title, char const* messageText,
                                                   MessageSeverity severity, DialogButtons buttons);
void ShowMouseCursor(bool isVisible);  // no effect before the video subsystem is up

// Asks the system on every call: IsDebuggerPresent on Windows, the tracer in
// /proc/self/status on Linux.
bool IsDebuggerPresentNow();
// True when the "TracerPid:" line of a /proc/<pid>/status text names a process.
bool IsTracerPidNonZero(std::string const& processStatusText);

// OutputDebugStringA on Windows; standard error stands in for the debugger's window elsewhere.
void WriteToDebuggerChannel(char const* text);
void BreakIntoDebugger();  // a trap here; returns when the debugger resumes

// Flushes standard output and standard error first, so that a report reaches a pipe.
[[noreturn]] void EndProcess(int exitCode);
