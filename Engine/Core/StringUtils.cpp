#include "Engine/Core/StringUtils.hpp"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

namespace
{
constexpr int STRINGF_STACK_BUFFER_BYTES = 2048;  // at most 2047 characters and the terminator

// vsnprintf leaves the buffer unspecified on an encoding error; an empty text
// is the one safe answer then.
void FormatInto(char* buffer, int bufferBytes, char const* format, va_list variableArguments)
{
    int const written =
        format ? std::vsnprintf(buffer, static_cast<size_t>(bufferBytes), format, variableArguments) : -1;
    if (written < 0)
    {
        buffer[0] = '\0';
    }
    buffer[bufferBytes - 1] = '\0';
}
}  // namespace

std::string Stringf(char const* format, ...)
{
    char textLiteral[STRINGF_STACK_BUFFER_BYTES];
    va_list variableArguments;
    va_start(variableArguments, format);
    FormatInto(textLiteral, STRINGF_STACK_BUFFER_BYTES, format, variableArguments);
    va_end(variableArguments);
    return std::string(textLiteral);
}

std::string Stringf(int maxLength, char const* format, ...)
{
    // A zero or negative size has no room even for the terminator.
    if (maxLength < 1)
    {
        return std::string();
    }

    char textLiteralSmall[STRINGF_STACK_BUFFER_BYTES];
    std::unique_ptr<char[]> heapBuffer;
    char* buffer = textLiteralSmall;
    if (maxLength > STRINGF_STACK_BUFFER_BYTES)
    {
        heapBuffer = std::make_unique<char[]>(static_cast<size_t>(maxLength));
        buffer = heapBuffer.get();
    }

    va_list variableArguments;
    va_start(variableArguments, format);
    FormatInto(buffer, maxLength, format, variableArguments);
    va_end(variableArguments);

    std::string returnValue(buffer);
    return returnValue;
}

Strings SplitStringOnDelimiter(std::string const& text, std::string const& delimiter)
{
    Strings pieces;
    // An empty delimiter would be found at the same place forever.
    if (text.empty() || delimiter.empty())
    {
        pieces.push_back(text);
        return pieces;
    }

    size_t start = 0;
    size_t delimiterPos = text.find(delimiter, start);
    while (delimiterPos != std::string::npos)
    {
        pieces.push_back(text.substr(start, delimiterPos - start));
        start = delimiterPos + delimiter.size();
        delimiterPos = text.find(delimiter, start);
    }
    // A trailing delimiter adds no empty last piece.
    if (start < text.size())
    {
        pieces.push_back(text.substr(start));
    }
    return pieces;
}

Strings SplitStringOnDelimiter(std::string const& text, char delimiter)
{
    return SplitStringOnDelimiter(text, std::string(1, delimiter));
}

namespace
{
char const* NullAsEmpty(char const* text)
{
    return text ? text : "";
}
}  // namespace

int CompareStrings(std::string const& a, std::string const& b)
{
    return std::strcmp(a.c_str(), b.c_str());
}

int CompareStrings(std::string const& a, char const* b)
{
    return std::strcmp(a.c_str(), NullAsEmpty(b));
}

int CompareStrings(char const* a, std::string const& b)
{
    return std::strcmp(NullAsEmpty(a), b.c_str());
}

int CompareStrings(char const* a, char const* b)
{
    return std::strcmp(NullAsEmpty(a), NullAsEmpty(b));
}
