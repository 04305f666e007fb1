#pragma once
// Recorded keyboard input: what the player did, frame by frame, so that a game can
// be replayed exactly. One line per run of frames:
//
//     <delta seconds> [+<key code> | -<key code>]... [*<frame count>]
//
// The delta is a decimal number of seconds, 0 or more (printed with nine
// significant digits, which gives back the same float). "+37" presses and "-37"
// releases key 37 (Windows virtual-key numbers, 0 to 255: 37 to 40 arrows, 32
// SPACE, 65 to 90 A to Z, 112 F1, 115 F4, 119 F8, 27 Escape); the changes are made
// in order, before the first of the frames. "*N" runs N frames with that delta
// (1 when left out). A "#" starts a comment; blank lines are skipped.

#include <string>
#include <vector>

struct ScriptKeyChange
{
    unsigned char keyCode = 0;
    bool isDown = false;

    bool operator==(ScriptKeyChange const& other) const
    {
        return keyCode == other.keyCode && isDown == other.isDown;
    }
};

struct ScriptFrame
{
    float deltaSeconds = 0.f;
    std::vector<ScriptKeyChange> keyChanges;  // before the first frame
    int frameCount = 1;                       // frames run with this delta

    bool operator==(ScriptFrame const& other) const
    {
        return deltaSeconds == other.deltaSeconds && keyChanges == other.keyChanges &&
               frameCount == other.frameCount;
    }
};

constexpr int SCRIPT_MAX_FRAME_COUNT = 100000000;  // per line

// False on the first bad line, with out_error naming the line and what is wrong;
// out_frames then holds the lines before it.
bool ParseInputScript(std::string const& text, std::vector<ScriptFrame>& out_frames, std::string& out_error);
std::string FormatInputScript(std::vector<ScriptFrame> const& frames);
