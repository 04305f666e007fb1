#pragma once
// The engine's one channel for trouble: debug output, fatal errors, recoverable
// warnings and the dialogs behind them.
//
// Dialogs never block a headless run: with the environment variable
// ENGINE_NO_DIALOGS set to anything but "0" (or when no dialog can be shown),
// every dialog is answered as a user who carries on would answer it (OK, Yes),
// after its text has been printed. Tests may install a DialogHandler instead.

#include "Engine/Core/StringUtils.hpp"

#include <functional>
#include <string>

// A fixed underlying type makes values outside the list well-defined; they show
// as warnings.
enum MessageSeverity : int
{
    SEVERITY_INFORMATION = 0,
    SEVERITY_QUESTION = 1,
    SEVERITY_WARNING = 2,
    SEVERITY_FATAL = 3,
};

enum class DialogButtons
{
    OKAY,
    OKAY_CANCEL,
    YES_NO,
    YES_NO_CANCEL,
};

enum class DialogAnswer
{
    OKAY,
    CANCEL,
    YES,
    NO,
};

// Answers a dialog in place of the platform's message box. Return the button
// the user would have pressed (CANCEL also stands for closing the box).
using DialogHandler = std::function<DialogAnswer(char const* title, char const* messageText,
                                                 MessageSeverity severity, DialogButtons buttons)>;
void SetDialogHandler(DialogHandler handler);  // an empty handler restores the default

// Formatted text to stdout always, and to the debugger's channel while one is attached.
void PrintToDebugOutput(char const* format, ...) PRINTF_FORMAT_CHECK(1, 2);
bool IsDebuggerAttached();                              // worked out once, then remembered for the process
char const* GetFileNameFromPath(char const* filePath);  // after the last '/' or '\\'; null stays null

// Prints the report, shows it and ends the process with EXIT_FAILURE.
[[noreturn]] void ReportFatalError(char const* filePath, char const* functionName, int lineNum,
                                   std::string const& reasonForError, char const* conditionText = nullptr);
// Prints the report and asks; returns when the user carries on, ends the process
// with EXIT_FAILURE when the user quits.
void ReportRecoverableWarning(char const* filePath, char const* functionName, int lineNum,
                              std::string const& reasonForWarning, char const* conditionText = nullptr);

void ShowOkayDialog(char const* title, char const* messageText, MessageSeverity severity);
bool ShowOkayCancelDialog(char const* title, char const* messageText,
                          MessageSeverity severity);                                         // true on OK
bool ShowYesNoDialog(char const* title, char const* messageText, MessageSeverity severity);  // true on Yes
int ShowYesNoCancelDialog(char const* title, char const* messageText,
                          MessageSeverity severity);  // 1 Yes, 0 No, -1 Cancel or closed

// Where a check that a shared helper makes for its caller is reported from: the
// caller's file, line and function, so that the report names the operation the
// user called rather than the helper.
struct ReportSite
{
    char const* filePath;
    int lineNum;
    char const* functionName;
};

// The caller names its function itself, qualified ("Vec2::operator /"), because
// __func__ would drop the class.
#define ERROR_AND_DIE(functionName, errorMessage)                                                            \
    ReportFatalError(__FILE__, functionName, __LINE__, errorMessage)
#define GUARANTEE_OR_DIE(condition, functionName, errorMessage)                                              \
    do                                                                                                       \
    {                                                                                                        \
        if (!(condition))                                                                                    \
        {                                                                                                    \
            ReportFatalError(__FILE__, functionName, __LINE__, errorMessage, #condition);                    \
        }                                                                                                    \
    } while (false)
#define ERROR_RECOVERABLE(functionName, warningMessage)                                                      \
    ReportRecoverableWarning(__FILE__, functionName, __LINE__, warningMessage)
#define GUARANTEE_RECOVERABLE(condition, functionName, warningMessage)                                       \
    do                                                                                                       \
    {                                                                                                        \
        if (!(condition))                                                                                    \
        {                                                                                                    \
            ReportRecoverableWarning(__FILE__, functionName, __LINE__, warningMessage, #condition);          \
        }                                                                                                    \
    } while (false)
#define REPORT_SITE(functionName) (ReportSite{__FILE__, __LINE__, functionName})
#define GUARANTEE_AT_SITE_OR_DIE(site, condition, errorMessage)                                              \
    do                                                                                                       \
    {                                                                                                        \
        if (!(condition))                                                                                    \
        {                                                                                                    \
            ReportFatalError((site).filePath, (site).functionName, (site).lineNum, errorMessage,             \
                             #condition);                                                                    \
        }                                                                                                    \
    } while (false)
