#include "Game/InputScript.hpp"

#include "Engine/Core/StringUtils.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace
{
// A whole token as a decimal integer in [minInclusive, maxInclusive]; nothing else.
bool ParseIntToken(std::string const& token, long minInclusive, long maxInclusive, long& out_value)
{
    if (token.empty() || token[0] == '+' || token[0] == '-' || token[0] == ' ')
    {
        return false;
    }
    char* end = nullptr;
    errno = 0;
    long const value = std::strtol(token.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < minInclusive || value > maxInclusive)
    {
        return false;
    }
    out_value = value;
    return true;
}

bool ParseDeltaToken(std::string const& token, float& out_deltaSeconds)
{
    char* end = nullptr;
    errno = 0;
    float const value = std::strtof(token.c_str(), &end);
    // NaN and infinities are refused here: a script describes real frames.
    if (token.empty() || errno != 0 || *end != '\0' || !std::isfinite(value) || value < 0.f)
    {
        return false;
    }
    out_deltaSeconds = value;
    return true;
}

std::string ParseLine(std::string const& line, ScriptFrame& out_frame, bool& out_isFrame)
{
    out_isFrame = false;
    std::istringstream tokens(line.substr(0, line.find('#')));
    std::string token;
    if (!(tokens >> token))
    {
        return "";
    }
    if (!ParseDeltaToken(token, out_frame.deltaSeconds))
    {
        return "the delta \"" + token + "\" is not a number of seconds of 0 or more";
    }
    bool hasFrameCount = false;
    while (tokens >> token)
    {
        long value = 0;
        if (hasFrameCount)
        {
            return "\"" + token + "\" follows the frame count, which ends the line";
        }
        if (token[0] == '+' || token[0] == '-')
        {
            if (!ParseIntToken(token.substr(1), 0, 255, value))
            {
                return "the key \"" + token + "\" is not + or - and a key code from 0 to 255";
            }
            out_frame.keyChanges.push_back({static_cast<unsigned char>(value), token[0] == '+'});
        }
        else if (token[0] == '*')
        {
            if (!ParseIntToken(token.substr(1), 1, SCRIPT_MAX_FRAME_COUNT, value))
            {
                return Stringf("the frame count \"%s\" is not a whole number from 1 to %d", token.c_str(),
                               SCRIPT_MAX_FRAME_COUNT);
            }
            out_frame.frameCount = static_cast<int>(value);
            hasFrameCount = true;
        }
        else
        {
            return "\"" + token + "\" is neither a key change (+N, -N) nor a frame count (*N)";
        }
    }
    out_isFrame = true;
    return "";
}
}  // namespace

bool ParseInputScript(std::string const& text, std::vector<ScriptFrame>& out_frames, std::string& out_error)
{
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line))
    {
        ++lineNumber;
        ScriptFrame frame;
        bool isFrame = false;
        std::string const error = ParseLine(line, frame, isFrame);
        if (!error.empty())
        {
            out_error = Stringf("line %d: %s", lineNumber, error.c_str());
            return false;
        }
        if (isFrame)
        {
            out_frames.push_back(frame);
        }
    }
    return true;
}

std::string FormatInputScript(std::vector<ScriptFrame> const& frames)
{
    std::string text;
    for (ScriptFrame const& frame : frames)
    {
        text += Stringf("%.9g", static_cast<double>(frame.deltaSeconds));
        for (ScriptKeyChange const& change : frame.keyChanges)
        {
            text += Stringf(" %c%d", change.isDown ? '+' : '-', change.keyCode);
        }
        if (frame.frameCount != 1)
        {
            text += Stringf(" *%d", frame.frameCount);
        }
        text += '\n';
    }
    return text;
}
