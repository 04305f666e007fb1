#include "Engine/Core/Rgba8.hpp"

#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/StringUtils.hpp"

#include <cstdlib>

namespace
{
// atoi's reading (a piece without a number gives 0) without its undefined
// behaviour on numbers beyond the int range: strtol saturates instead.
unsigned char ParseChannel(std::string const& piece)
{
    long const value = std::strtol(piece.c_str(), nullptr, 10);
    return static_cast<unsigned char>(static_cast<unsigned long>(value) & 0xFFu);
}
}  // namespace

Rgba8::Rgba8(char const* text)
{
    SetFromText(text);
}

std::string Rgba8::GetAsString() const
{
    return Stringf("(%d, %d, %d, %d)", r, g, b, a);
}

void Rgba8::SetFromText(char const* text)
{
    GUARANTEE_OR_DIE(text != nullptr, "Rgba8::SetFromText", "ERROR Parsing Rgba8");
    Strings const splitStrings = SplitStringOnDelimiter(text, ',');
    GUARANTEE_OR_DIE(splitStrings.size() == 3 || splitStrings.size() == 4, "Rgba8::SetFromText",
                     "ERROR Parsing Rgba8");
    r = ParseChannel(splitStrings[0]);
    g = ParseChannel(splitStrings[1]);
    b = ParseChannel(splitStrings[2]);
    a = splitStrings.size() == 4 ? ParseChannel(splitStrings[3]) : 255;
}
