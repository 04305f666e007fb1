#include "Engine/Platform/PlatformServices.hpp"

#include <SDL.h>

#if defined(_WIN32)
#define WIN32_LEAN_AND_MEAN
#define NOGDI  // its ERROR macro would replace MessageBoxIcon::ERROR
#include <windows.h>
#endif
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

MessageBoxIcon GetMessageBoxIconForSeverity(MessageSeverity severity)
{
    switch (severity)
    {
        case SEVERITY_INFORMATION:
        case SEVERITY_QUESTION:
            return MessageBoxIcon::INFORMATION;
        case SEVERITY_FATAL:
            return MessageBoxIcon::ERROR;
        case SEVERITY_WARNING:
        default:
            return MessageBoxIcon::WARNING;
    }
}

std::vector<DialogButtonChoice> GetDialogButtonChoices(DialogButtons buttons)
{
    switch (buttons)
    {
        case DialogButtons::OKAY_CANCEL:
            return {{DialogAnswer::OKAY, "OK"}, {DialogAnswer::CANCEL, "Cancel"}};
        case DialogButtons::YES_NO:
            return {{DialogAnswer::YES, "Yes"}, {DialogAnswer::NO, "No"}};
        case DialogButtons::YES_NO_CANCEL:
            return {{DialogAnswer::YES, "Yes"}, {DialogAnswer::NO, "No"}, {DialogAnswer::CANCEL, "Cancel"}};
        case DialogButtons::OKAY:
        default:
            return {{DialogAnswer::OKAY, "OK"}};
    }
}

namespace
{
#ifdef __EMSCRIPTEN__
// A JavaScript string literal holding text exactly, whatever quotes, backslashes,
// line breaks or script-closing tags the text contains.
std::string ToJavaScriptStringLiteral(char const* text)
{
    std::string literal = "\"";
    for (char const* cursor = text != nullptr ? text : ""; *cursor != '\0'; ++cursor)
    {
        unsigned char const character = static_cast<unsigned char>(*cursor);
        if (character < 0x20 || character == '"' || character == '\\' || character == '<' ||
            character == 0x7f)
        {
            char escape[8];
            std::snprintf(escape, sizeof(escape), "\\x%02x", character);
            literal += escape;
        }
        else
        {
            literal += static_cast<char>(character);
        }
    }
    return literal + "\"";
}
#else
Uint32 GetSDLMessageBoxFlags(MessageSeverity severity)
{
    switch (GetMessageBoxIconForSeverity(severity))
    {
        case MessageBoxIcon::INFORMATION:
            return SDL_MESSAGEBOX_INFORMATION;
        case MessageBoxIcon::ERROR:
            return SDL_MESSAGEBOX_ERROR;
        case MessageBoxIcon::WARNING:
        default:
            return SDL_MESSAGEBOX_WARNING;
    }
}

// Return presses the first button (OK or Yes); Escape presses Cancel, or OK
// when that is the only button. A Yes/No box has no Escape answer, as on Windows.
Uint32 GetSDLButtonFlags(DialogButtonChoice const& choice, size_t index, size_t numChoices)
{
    Uint32 flags = 0;
    if (index == 0)
    {
        flags |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
    }
    if (choice.answer == DialogAnswer::CANCEL || numChoices == 1)
    {
        flags |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    }
    return flags;
}
#endif
}  // namespace

std::optional<DialogAnswer> ShowPlatformMessageBox(char const* title, char const* messageText,
                                                   MessageSeverity severity, DialogButtons buttons)
{
#ifdef __EMSCRIPTEN__
    // A browser's own dialog would stop the page; the report is shown in the page
    // instead, and nobody can answer it there: the box counts as not shown.
    if (severity == SEVERITY_FATAL)
    {
        std::string const script = "if (Module.onFatalReport) { Module.onFatalReport(" +
                                   ToJavaScriptStringLiteral(title) + ", " +
                                   ToJavaScriptStringLiteral(messageText) + "); }";
        emscripten_run_script(script.c_str());
    }
    (void)buttons;
    return std::nullopt;
#else
    std::vector<DialogButtonChoice> const choices = GetDialogButtonChoices(buttons);
    std::vector<SDL_MessageBoxButtonData> buttonData;
    for (size_t index = 0; index < choices.size(); ++index)
    {
        SDL_MessageBoxButtonData button{};
        button.flags = GetSDLButtonFlags(choices[index], index, choices.size());
        button.buttonid = static_cast<int>(index);
        button.text = choices[index].label;
        buttonData.push_back(button);
    }

    SDL_MessageBoxData boxData{};
    boxData.flags = GetSDLMessageBoxFlags(severity) | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    boxData.window = nullptr;
    boxData.title = title ? title : "";
    boxData.message = messageText ? messageText : "";
    boxData.numbuttons = static_cast<int>(buttonData.size());
    boxData.buttons = buttonData.data();
    boxData.colorScheme = nullptr;

    // Restore the cursor as it was, the way a shown-then-hidden Windows cursor
    // count returns to its old value.
    bool const isVideoUp = SDL_WasInit(SDL_INIT_VIDEO) != 0;
    int const previousCursorState = isVideoUp ? SDL_ShowCursor(SDL_QUERY) : SDL_ENABLE;
    if (isVideoUp)
    {
        SDL_ShowCursor(SDL_ENABLE);
    }
    int pressedButtonId = -1;
    int const result = SDL_ShowMessageBox(&boxData, &pressedButtonId);
    if (isVideoUp)
    {
        SDL_ShowCursor(previousCursorState);
    }

    if (result != 0)
    {
        return std::nullopt;
    }
    if (pressedButtonId < 0 || pressedButtonId >= static_cast<int>(choices.size()))
    {
        return DialogAnswer::CANCEL;
    }
    return choices[static_cast<size_t>(pressedButtonId)].answer;
#endif
}

void ShowMouseCursor(bool isVisible)
{
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0)
    {
        SDL_ShowCursor(isVisible ? SDL_ENABLE : SDL_DISABLE);
    }
}

bool IsTracerPidNonZero(std::string const& processStatusText)
{
    static char const TRACER_PID_KEY[] = "TracerPid:";
    std::istringstream lines(processStatusText);
    std::string line;
    while (std::getline(lines, line))
    {
        if (line.compare(0, sizeof(TRACER_PID_KEY) - 1, TRACER_PID_KEY) != 0)
        {
            continue;
        }
        std::istringstream value(line.substr(sizeof(TRACER_PID_KEY) - 1));
        long tracerPid = 0;
        return (value >> tracerPid) && tracerPid != 0;
    }
    return false;
}

bool IsDebuggerPresentNow()
{
#if defined(_WIN32)
    return IsDebuggerPresent() == TRUE;
#else
    std::ifstream statusFile("/proc/self/status");
    if (!statusFile)
    {
        return false;
    }
    std::ostringstream statusText;
    statusText << statusFile.rdbuf();
    return IsTracerPidNonZero(statusText.str());
#endif
}

void WriteToDebuggerChannel(char const* text)
{
    if (text)
    {
#if defined(_WIN32)
        OutputDebugStringA(text);
#else
        std::fputs(text, stderr);
        std::fflush(stderr);
#endif
    }
}

void BreakIntoDebugger()
{
    SDL_TriggerBreakpoint();
}

void EndProcess(int exitCode)
{
    std::cout.flush();
    std::cerr.flush();
    std::fflush(stdout);
    std::fflush(stderr);
#ifdef __EMSCRIPTEN__
    // The browser's frame loop would go on calling frames of a program that has ended.
    emscripten_cancel_main_loop();
    emscripten_force_exit(exitCode);
#endif
    std::exit(exitCode);
}
