#include "Engine/Core/ErrorWarningAssert.hpp"
#include "Engine/Core/Image.hpp"
#include "Engine/Core/Rgba8.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Math/IntVec2.hpp"
#include "Engine/Math/MathUtils.hpp"
#include "Engine/Math/RandomNumberGenerator.hpp"
#include "Engine/Math/Vec3.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Engine/Renderer/SpriteSheet.hpp"
#include "Engine/Renderer/Texture.hpp"
#include "Tests/TestSupport/ChildProcess.hpp"
#include "Tests/TestSupport/TemporaryFolder.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Each path runs in a child whose dialog handler prints the dialog's text, where
// the condition is named; the process must end with failure and the report must
// name the message, the qualified function and the file without its folders.
TEST(FatalPaths, EndWithFailureAndAReportNamingWhereAndWhy)
{
    struct Case
    {
        std::string message;
        char const* functionName;
        std::function<void()> code;
        char const* conditionText = nullptr;  // null for an unconditional report
    };
    using Rng = RandomNumberGenerator;
    TemporaryFolder folder;
    std::string const text = __FILE__;  // a file that is no image
    std::string const missing = text + "-missing";
    std::string const grey = folder.WritePng("grey.png", 2, 2, 1, {1, 2, 3, 4});
    std::string const greyAlpha = folder.WritePng("grey-alpha.png", 3, 1, 2, {1, 2, 3, 4, 5, 6});
    std::string const rgb = folder.WritePng("rgb.png", 3, 2, 3, std::vector<unsigned char>(18, 9));
    char const* const BAD_COMPONENTS = "numComponents >= 3 && numComponents <= 4 && imageTexelSizeX > 0 && "
                                       "imageTexelSizeY > 0";
    Texture const texture(0, 16, 16, 4, "sheet.png");
    SpriteSheet const glyphSheet(texture, IntVec2(16, 16));
    char const* const X_RANGE = "texelX >= 0 && texelX < m_dimensions.x";
    char const* const Y_RANGE = "texelY >= 0 && texelY < m_dimensions.y";
    Case const CASES[] = {
        // Image and texture reports name the file and why it failed; a font's
        // image is its name followed by ".png". No GL call comes before them.
        {"Failed to load image \"" + missing + ".png\": can't fopen", "RenderContext::CreateTextureFromFile",
         [&] { RenderContext().CreateOrGetBitmapFont(missing); }, "imageData"},
        {"Failed to load image \"" + text + "\": unknown image type", "RenderContext::CreateTextureFromFile",
         [&] { RenderContext().CreateOrGetTextureFromFile(text); }, "imageData"},
        {"ERROR loading image \"" + grey + "\" (Bpp=1, size=2,2)", "RenderContext::CreateTextureFromFile",
         [&] { RenderContext().CreateTextureFromFile(grey); }, BAD_COMPONENTS},
        {"Unknown / unsupported blend mode #2", "RenderContext::SetBlendMode",
         [] { RenderContext().SetBlendMode(static_cast<BlendMode>(2)); }},
        {"Unknown / unsupported blend mode #-1", "RenderContext::SetBlendMode",
         [] { RenderContext().SetBlendMode(static_cast<BlendMode>(-1)); }},
        {"Sprite Index over number of Sprites in SpriteSheet.", "SpriteSheet::GetSpriteDefinition",
         [&] { glyphSheet.GetSpriteDefinition(256); }},
        {"Sprite Index over number of Sprites in SpriteSheet.", "SpriteSheet::GetSpriteDefinition",
         [&] { glyphSheet.GetSpriteDefinition(-1); }},
        {"Failed to load image \"" + missing + "\": can't fopen", "Image::Image", [&] { Image{missing}; },
         "imageData"},
        {"Failed to load image \"" + text + "\": unknown image type", "Image::Image", [&] { Image{text}; },
         "imageData"},
        {"ERROR loading image \"" + grey + "\" (Bpp=1, size=2,2)", "Image::Image", [&] { Image{grey}; },
         BAD_COMPONENTS},
        {"ERROR loading image \"" + greyAlpha + "\" (Bpp=2, size=3,1)", "Image::Image",
         [&] { Image{greyAlpha}; }, BAD_COMPONENTS},
        {"ERROR Reading Texel Color, X over range", "Image::GetTexelColor",
         [&] { Image(rgb).GetTexelColor(3, 0); }, X_RANGE},
        {"ERROR Reading Texel Color, X over range", "Image::GetTexelColor",
         [&] { Image(rgb).GetTexelColor(IntVec2(-1, 0)); }, X_RANGE},
        {"ERROR Reading Texel Color, Y over range", "Image::GetTexelColor",
         [&] { Image(rgb).GetTexelColor(0, 2); }, Y_RANGE},
        // A quarter turn of (2, 0) on a 3 x 2 image reads (0, -1); a mirrored
        // half turn of INT_MIN would overflow an int.
        {"ERROR Reading Texel Color, Y over range", "Image::GetTexelColor",
         [&] { Image(rgb).GetTexelColor(2, 0, 1, false); }, Y_RANGE},
        {"ERROR Reading Texel Color, Y over range", "Image::GetTexelColor",
         [&] { Image(rgb).GetTexelColor(0, INT_MIN, 2, true); }, Y_RANGE},
        {"ERROR Setting Texel Color, X over range", "Image::SetTexelColor",
         [&] { Image(rgb).SetTexelColor(IntVec2(3, 0), Rgba8::RED); }, X_RANGE},
        {"ERROR Setting Texel Color, Y over range", "Image::SetTexelColor",
         [&] { Image(rgb).SetTexelColor(0, -1, Rgba8::RED); }, Y_RANGE},
        {"ERROR Parsing Vec2", "Vec2::SetFromText", [] { Vec2("1,2,3"); }, "splitStrings.size() == 2"},
        {"ERROR Parsing Vec2: piece \"a\" of \"a,2\" holds no number", "Vec2::SetFromText",
         [] { Vec2("a,2"); }, "ParseLeadingFloat(piece, *component)"},
        {"ERROR Parsing IntVec2: piece \"x\" of \"1,x\"", "IntVec2::SetFromText", [] { IntVec2("1,x"); }},
        {"piece \"2147483648\" of \"2147483648,0\" holds no number in the int range", "IntVec2::SetFromText",
         [] { IntVec2("2147483648,0"); }},
        {"ERROR Parsing Vec3", "Vec3::SetFromText", [] { Vec3("1,2"); }, "splitStrings.size() == 3"},
        {"ERROR Parsing AABB2: piece \"\" of \"1,2,,4\"", "AABB2::SetFromText", [] { AABB2("1,2,,4"); }},
        {"ERROR Parsing Rgba8", "Rgba8::SetFromText", [] { Rgba8("1,2,3,4,5"); },
         "splitStrings.size() == 3 || splitStrings.size() == 4"},
        {"Division 0 problem!", "IntVec2::operator /", [] { (void)(IntVec2(1, 2) / 0); }},
        {"Division 0 problem!", "IntVec2::operator /=", [] { IntVec2(1, 2) /= 0; }},
        {"Division 0 problem!", "Vec2::operator /", [] { (void)(Vec2(1.f, 2.f) / 0.0000009f); }},
        {"Division 0 problem!", "Vec2::operator /=", [] { Vec2(1.f, 2.f) /= -0.f; }},
        {"Error! maxNotInclusive must be positive", "RandomNumberGenerator::GetRandomIntLessThan",
         [] { Rng().GetRandomIntLessThan(0); }},
        {"Error! minInclusive is larger than maxInclusive", "RandomNumberGenerator::GetRandomIntInRange",
         [] { Rng().GetRandomIntInRange(3, 2); }},
        // The width of the full range wraps to 0 in 32 bits.
        {"covers all 4294967296 ints", "RandomNumberGenerator::GetRandomIntInRange",
         [] { Rng().GetRandomIntInRange(INT_MIN, INT_MAX); }},
        {"Error! minInclusive is larger than maxInclusive", "RandomNumberGenerator::GetRandomFloatInRange",
         [] { Rng().GetRandomFloatInRange(2.f, 1.f); }},
        {"No vertexes to transform", "TransformVertexArray",
         [] { TransformVertexArray(3, nullptr, 1.f, 0.f, Vec2()); }, "vertexes != nullptr"},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.message);
        ChildResult const result = RunInChildProcess(
            [&testCase]
            {
                SetDialogHandler(
                    [](char const*, char const* text, MessageSeverity, DialogButtons)
                    {
                        std::printf("%s", text);
                        return DialogAnswer::OKAY;
                    });
                testCase.code();
            });
        EXPECT_TRUE(result.ExitedWithFailure()) << result.exitCode << result.standardError;
        // Each class lives in the file of its name; the free functions in MathUtils.cpp.
        std::string const function = testCase.functionName;
        size_t const scope = function.find("::");
        std::string const fileName =
            scope == std::string::npos ? "MathUtils.cpp" : function.substr(0, scope) + ".cpp";
        std::string const& output = result.standardOutput;
        EXPECT_NE(output.find(testCase.message), std::string::npos) << output;
        EXPECT_NE(output.find(" of " + fileName + ", in " + function + "()\n"), std::string::npos) << output;
        if (testCase.conditionText != nullptr)
        {
            EXPECT_NE(output.find("\n  " + std::string(testCase.conditionText) + "\n"), std::string::npos)
                << output;
        }
    }
}
