#pragma once
// An 8-bit-per-channel colour; the default is opaque white.

#include <string>

struct Rgba8
{
    unsigned char r = 255;
    unsigned char g = 255;
    unsigned char b = 255;
    unsigned char a = 255;

    constexpr Rgba8() = default;
    constexpr Rgba8(unsigned char red, unsigned char green, unsigned char blue, unsigned char alpha = 255)
        : r(red), g(green), b(blue), a(alpha)
    {
    }
    explicit Rgba8(char const* text);  // opaque white, then SetFromText; bad text is fatal

    std::string GetAsString() const;  // "(%d, %d, %d, %d)"
    // "r,g,b" (a = 255) or "r,g,b,a"; each piece as atoi reads it (no number gives 0),
    // keeping the low 8 bits (300 gives 44, -1 gives 255). Any other piece count is fatal.
    void SetFromText(char const* text);

    constexpr bool operator==(Rgba8 const& other) const
    {
        return r == other.r && g == other.g && b == other.b && a == other.a;
    }
    constexpr bool operator!=(Rgba8 const& other) const { return !(*this == other); }

    static Rgba8 const BLACK;
    static Rgba8 const BLUE;
    static Rgba8 const CLEAR;
    static Rgba8 const CYAN;
    static Rgba8 const GREEN;
    static Rgba8 const MAGENTA;
    static Rgba8 const RED;
    static Rgba8 const WHITE;
    static Rgba8 const YELLOW;
};

// Constant-initialised, so other translation units may use them during their own
// static initialisation.
inline constexpr Rgba8 Rgba8::BLACK = Rgba8(0, 0, 0, 255);
inline constexpr Rgba8 Rgba8::BLUE = Rgba8(0, 0, 255, 255);
inline constexpr Rgba8 Rgba8::CLEAR = Rgba8(0, 0, 0, 0);
inline constexpr Rgba8 Rgba8::CYAN = Rgba8(0, 255, 255, 255);
inline constexpr Rgba8 Rgba8::GREEN = Rgba8(0, 255, 0, 255);
inline constexpr Rgba8 Rgba8::MAGENTA = Rgba8(255, 0, 255, 255);
inline constexpr Rgba8 Rgba8::RED = Rgba8(255, 0, 0, 255);
inline constexpr Rgba8 Rgba8::WHITE = Rgba8(255, 255, 255, 255);
inline constexpr Rgba8 Rgba8::YELLOW = Rgba8(255, 255, 0, 255);
