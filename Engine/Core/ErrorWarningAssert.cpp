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

// The words that tell a fatal error's report from a recoverable warning's; the
// rest of the layout is the same for both.
struct ReportKind
{
    char const* titleSuffix;         // after the application's name
    char const* shoutedNoun;         // "ERROR", leading the message when only a condition is given
    char const* unspecifiedMessage;  // the message when neither is given
    char const* noun;                // "error", in the details
    char const* bannerHeading;       // the printed banner's first line
    char ruleCharacter;              // of the lines around the banner
};

ReportKind const FATAL_ERROR_KIND = {
    " :: Error", "ERROR", "Unspecified fatal error", "error", "RUN-TIME FATAL ERROR", '='};
ReportKind const RECOVERABLE_WARNING_KIND = {
    " :: Warning", "WARNING", "Unspecified warning", "warning", "RUN-TIME RECOVERABLE WARNING", '-'};
constexpr int REPORT_RULE_LENGTH = 78;

struct ReportTexts
{
    std::string title;
    std::string dialogText;  // the message, the question, then the debugging details
};

// Prints the banner and returns the dialog's texts; question sits between the
// message and the details and holds what the dialog's buttons mean.
ReportTexts BuildReport(ReportKind const& kind, char const* filePath, char const* functionName, int lineNum,
                        std::string const& reason, char const* conditionText, std::string const& question)
{
    filePath = NullAsUnknown(filePath);
    functionName = NullAsUnknown(functionName);
    char const* const fileName = GetFileNameFromPath(filePath);

    std::string message = reason;
    if (message.empty())
    {
        message = conditionText ? Stringf("%s: \"%s\" is false!", kind.shoutedNoun, conditionText)
                                : kind.unspecifiedMessage;
    }

    ReportTexts report;
    report.title = std::string(APP_NAME) + kind.titleSuffix;
    report.dialogText = message + question + "\n---------- Debugging Details Follow ----------\n";
    if (conditionText)
    {
        report.dialogText += Stringf(
            "\nThis %s was triggered by a run-time condition check:\n  %s\n  from %s(), line %i in %s\n",
            kind.noun, conditionText, functionName, lineNum, fileName);
    }
    else
    {
        report.dialogText +=
            Stringf("\nThis was an unconditional %s triggered by reaching\n line %i of %s, in %s()\n",
                    kind.noun, lineNum, fileName, functionName);
    }

    std::string const rule(REPORT_RULE_LENGTH, kind.ruleCharacter);
    PrintToDebugOutput("\n%s\n", rule.c_str());
    PrintToDebugOutput("%s on line %i of %s, in %s()\n", kind.bannerHeading, lineNum, fileName, functionName);
    PrintToDebugOutput("%s(%d): %s\n", filePath, lineNum, message.c_str());
    PrintToDebugOutput("%s\n\n", rule.c_str());
    return report;
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
    // Asked afresh, not remembered: a debugger may have attached since start-up.
    bool const isDebuggerPresent = IsDebuggerPresentNow();
    std::string question = "\n\nThe application will now close.\n";
    if (isDebuggerPresent)
    {
        question += "\nDEBUGGER DETECTED!\nWould you like to break and debug?\n  (Yes=debug, No=quit)\n";
    }
    ReportTexts const report = BuildReport(FATAL_ERROR_KIND, filePath, functionName, lineNum, reasonForError,
                                           conditionText, question);

    if (isDebuggerPresent)
    {
        bool const isDebugAnswer =
            ShowYesNoDialog(report.title.c_str(), report.dialogText.c_str(), SEVERITY_FATAL);
        ShowMouseCursor(true);
        if (isDebugAnswer)
        {
            BreakIntoDebugger();
        }
    }
    else
    {
        ShowOkayDialog(report.title.c_str(), report.dialogText.c_str(), SEVERITY_FATAL);
        ShowMouseCursor(true);
    }

    // A fatal error is a failure, also after the debugger resumes.
    EndProcess(EXIT_FAILURE);
}

void ReportRecoverableWarning(char const* filePath, char const* functionName, int lineNum,
                              std::string const& reasonForWarning, char const* conditionText)
{
    bool const isDebuggerPresent = IsDebuggerPresentNow();
    std::string const question = isDebuggerPresent
                                     ? "\n\nDEBUGGER DETECTED!\nWould you like to continue running?\n  "
                                       "(Yes=continue, No=quit, Cancel=debug)\n"
                                     : "\n\nWould you like to continue running?\n  (Yes=continue, No=quit)\n";
    ReportTexts const report = BuildReport(RECOVERABLE_WARNING_KIND, filePath, functionName, lineNum,
                                           reasonForWarning, conditionText, question);

    if (isDebuggerPresent)
    {
        int const answer =
            ShowYesNoCancelDialog(report.title.c_str(), report.dialogText.c_str(), SEVERITY_WARNING);
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
        ShowYesNoDialog(report.title.c_str(), report.dialogText.c_str(), SEVERITY_WARNING);
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
