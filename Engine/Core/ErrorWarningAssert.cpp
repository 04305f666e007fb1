#include "Engine/Core/ErrorWarningAssert.hpp"

#include "Engine/Platform/PlatformServices.hpp"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
constexpr int MESSAGE_BUFFER_BYTES = 2048;  // at most 2047 characters and the terminator
constexpr char const* APP_NAME = "Unnamed Application";
constexpr char const* UNKNOWN_NAME = "(unknown)";

DialogHandler& GetDialogHandler()
{
    static DialogHandler s_dialogHandler;
    return s_dialogHandler;
}

bool AreDialogsSuppressed()
{
    char const* const setting = std::getenv("ENGINE_NO_DIALOGS");
    return setting != nullptr && std::strcmp(setting, "0") != 0;
}

// What a user who carries on would press: the report has been printed already,
// so nothing is lost when no one is there to read the box.
DialogAnswer GetCarryOnAnswer(DialogButtons buttons)
{
    switch (buttons)
    {
        case DialogButtons::YES_NO:
        case DialogButtons::YES_NO_CANCEL:
            return DialogAnswer::YES;
        case DialogButtons::OKAY:
        case DialogButtons::OKAY_CANCEL:
        default:
            return DialogAnswer::OKAY;
    }
}

char const* NullAsUnknown(char const* text)
{
    return text ? text : UNKNOWN_NAME;
}

// An installed handler comes first, then the headless switch, then the real box.
DialogAnswer AskDialog(char const* title, char const* messageText, MessageSeverity severity,
                       DialogButtons buttons)
{
    DialogHandler const& handler = GetDialogHandler();
    if (handler)
    {
        return handler(title, messageText, severity, buttons);
    }
    std::optional<DialogAnswer> const answer =
        AreDialogsSuppressed() ? std::nullopt : ShowPlatformMessageBox(title, messageText, severity, buttons);
    if (answer)
    {
        return *answer;
    }
    // Nobody sees the box, so its text goes to the output, where a headless
    // run's reader looks: it holds details the short report leaves out.
    PrintToDebugOutput("%s\n%s\n", NullAsUnknown(title), NullAsUnknown(messageText));
    return GetCarryOnAnswer(buttons);
}

}  // namespace

void SetDialogHandler(DialogHandler handler)
{
    GetDialogHandler() = std::move(handler);
}

void PrintToDebugOutput(char const* format, ...)
{
    if (format == nullptr)
    {
        return;
    }
    char messageLiteral[MESSAGE_BUFFER_BYTES];
    va_list variableArguments;
    va_start(variableArguments, format);
    if (std::vsnprintf(messageLiteral, MESSAGE_BUFFER_BYTES, format, variableArguments) < 0)
    {
        messageLiteral[0] = '\0';
    }
    va_end(variableArguments);
    messageLiteral[MESSAGE_BUFFER_BYTES - 1] = '\0';

    if (IsDebuggerAttached())
    {
        WriteToDebuggerChannel(messageLiteral);
    }
    std::fputs(messageLiteral, stdout);
    std::fflush(stdout);
}

bool IsDebuggerAttached()
{
    static bool const s_isDebuggerAttached = IsDebuggerPresentNow();
    return s_isDebuggerAttached;
}

char const* GetFileNameFromPath(char const* filePath)
{
    if (filePath == nullptr)
    {
        return nullptr;
    }
    char const* const lastSlash = std::strrchr(filePath, '/');
    char const* const lastBackslash = std::strrchr(filePath, '\\');
    char const* const lastSeparator = (lastSlash > lastBackslash) ? lastSlash : lastBackslash;
    return lastSeparator ? lastSeparator + 1 : filePath;
}

void ReportFatalError(char const* filePath, char const* functionName, int lineNum,
                      std::string const& reasonForError, char const* conditionText)
{
    filePath = NullAsUnknown(filePath);
    functionName = NullAsUnknown(functionName);

    std::string errorMessage = reasonForError;
    if (errorMessage.empty())
    {
        errorMessage =
            conditionText ? Stringf("ERROR: \"%s\" is false!", conditionText) : "Unspecified fatal error";
    }

    char const* const fileName = GetFileNameFromPath(filePath);
    std::string const appName = APP_NAME;
    std::string const fullMessageTitle = appName + " :: Error";
    std::string fullMessageText = errorMessage + "\n\nThe application will now close.\n";

    // Asked afresh, not remembered: a debugger may have attached since start-up.
    bool const isDebuggerPresent = IsDebuggerPresentNow();
    if (isDebuggerPresent)
    {
        fullMessageText +=
            "\nDEBUGGER DETECTED!\nWould you like to break and debug?\n  (Yes=debug, No=quit)\n";
    }
    fullMessageText += "\n---------- Debugging Details Follow ----------\n";
    if (conditionText)
    {
        fullMessageText += Stringf(
            "\nThis error was triggered by a run-time condition check:\n  %s\n  from %s(), line %i in %s\n",
            conditionText, functionName, lineNum, fileName);
    }
    else
    {
        fullMessageText +=
            Stringf("\nThis was an unconditional error triggered by reaching\n line %i of %s, in %s()\n",
                    lineNum, fileName, functionName);
    }

    PrintToDebugOutput("\n==============================================================================\n");
    PrintToDebugOutput("RUN-TIME FATAL ERROR on line %i of %s, in %s()\n", lineNum, fileName, functionName);
    PrintToDebugOutput("%s(%d): %s\n", filePath, lineNum, errorMessage.c_str());
    PrintToDebugOutput("==============================================================================\n\n");

    if (isDebuggerPresent)
    {
        bool const isDebugAnswer =
            ShowYesNoDialog(fullMessageTitle.c_str(), fullMessageText.c_str(), SEVERITY_FATAL);
        ShowMouseCursor(true);
        if (isDebugAnswer)
        {
            BreakIntoDebugger();
        }
    }
    else
    {
        ShowOkayDialog(fullMessageTitle.c_str(), fullMessageText.c_str(), SEVERITY_FATAL);
        ShowMouseCursor(true);
    }

    // A fatal error is a failure, also after the debugger resumes.
    EndProcess(EXIT_FAILURE);
}

void ReportRecoverableWarning(char const* filePath, char const* functionName, int lineNum,
                              std::string const& reasonForWarning, char const* conditionText)
{
    filePath = NullAsUnknown(filePath);
    functionName = NullAsUnknown(functionName);

    std::string errorMessage = reasonForWarning;
    if (errorMessage.empty())
    {
        errorMessage =
            conditionText ? Stringf("WARNING: \"%s\" is false!", conditionText) : "Unspecified warning";
    }

    char const* const fileName = GetFileNameFromPath(filePath);
    std::string const fullMessageTitle = std::string(APP_NAME) + " :: Warning";
    std::string fullMessageText = errorMessage;

    bool const isDebuggerPresent = IsDebuggerPresentNow();
    if (isDebuggerPresent)
    {
        fullMessageText += "\n\nDEBUGGER DETECTED!\nWould you like to continue running?\n  (Yes=continue, "
                           "No=quit, Cancel=debug)\n";
    }
    else
    {
        fullMessageText += "\n\nWould you like to continue running?\n  (Yes=continue, No=quit)\n";
    }
    fullMessageText += "\n---------- Debugging Details Follow ----------\n";
    if (conditionText)
    {
        fullMessageText += Stringf(
            "\nThis warning was triggered by a run-time condition check:\n  %s\n  from %s(), line %i in %s\n",
            conditionText, functionName, lineNum, fileName);
    }
    else
    {
        fullMessageText +=
            Stringf("\nThis was an unconditional warning triggered by reaching\n line %i of %s, in %s()\n",
                    lineNum, fileName, functionName);
    }

    PrintToDebugOutput("\n------------------------------------------------------------------------------\n");
    PrintToDebugOutput("RUN-TIME RECOVERABLE WARNING on line %i of %s, in %s()\n", lineNum, fileName,
                       functionName);
    PrintToDebugOutput("%s(%d): %s\n", filePath, lineNum, errorMessage.c_str());
    PrintToDebugOutput("------------------------------------------------------------------------------\n\n");

    if (isDebuggerPresent)
    {
        int const answer =
            ShowYesNoCancelDialog(fullMessageTitle.c_str(), fullMessageText.c_str(), SEVERITY_WARNING);
        ShowMouseCursor(true);
        if (answer == 0)
        {
            EndProcess(EXIT_FAILURE);  // quitting stops work that was not finished
        }
        if (answer == -1)
        {
            BreakIntoDebugger();
        }
        return;
    }

    bool const isContinueAnswer =
        ShowYesNoDialog(fullMessageTitle.c_str(), fullMessageText.c_str(), SEVERITY_WARNING);
    ShowMouseCursor(true);
    if (!isContinueAnswer)
    {
        EndProcess(EXIT_FAILURE);
    }
}

void ShowOkayDialog(char const* title, char const* messageText, MessageSeverity severity)
{
    AskDialog(title, messageText, severity, DialogButtons::OKAY);
}

bool ShowOkayCancelDialog(char const* title, char const* messageText, MessageSeverity severity)
{
    return AskDialog(title, messageText, severity, DialogButtons::OKAY_CANCEL) == DialogAnswer::OKAY;
}

bool ShowYesNoDialog(char const* title, char const* messageText, MessageSeverity severity)
{
    return AskDialog(title, messageText, severity, DialogButtons::YES_NO) == DialogAnswer::YES;
}

int ShowYesNoCancelDialog(char const* title, char const* messageText, MessageSeverity severity)
{
    switch (AskDialog(title, messageText, severity, DialogButtons::YES_NO_CANCEL))
    {
        case DialogAnswer::YES:
            return 1;
        case DialogAnswer::NO:
            return 0;
        default:
            return -1;
    }
}
