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
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
int const HEADLESS = -1;

// A report ends the process or may, so it runs in a child. The child's dialog
// handler prints what it was asked and answers as told; with no handler the
// child is headless and must neither block nor skip the printed report.
ChildResult RunReport(std::function<void()> const& report, int answer)
{
    return RunInChildProcess(
        [&]
        {
            setenv("ENGINE_NO_DIALOGS", "1", 1);
            if (answer != HEADLESS)
            {
                SetDialogHandler(
                    [answer](char const* title, char const* text, MessageSeverity severity,
                             DialogButtons buttons)
                    {
                        std::printf("<%s|%d|%d>%s", title, severity, static_cast<int>(buttons), text);
                        return static_cast<DialogAnswer>(answer);
                    });
            }
            report();
            std::printf("<caller continued>");
        },
        20);
}
}  // namespace

// The banner names where (the file without its folders, after the last slash or
// backslash; the line; the function) and gives the full path's jump line with the
// message, before the box is shown; the box's details name the failed condition.
// A fatal error, and a warning answered No, end with failure; other warnings return.
TEST(Reports, PrintThenAskThenEndOrCarryOn)
{
    int const OKAY = static_cast<int>(DialogAnswer::OKAY), YES = static_cast<int>(DialogAnswer::YES),
              NO = static_cast<int>(DialogAnswer::NO);
    struct Case
    {
        bool isFatal;
        char const* reason;
        char const* conditionText;
        int answer;
        char const* expectedMessage;
    } const CASES[] = {
        {true, "", "size == 2", OKAY, "ERROR: \"size == 2\" is false!"},
        {true, "", nullptr, HEADLESS, "Unspecified fatal error"},
        {false, "", "count > 0", YES, "WARNING: \"count > 0\" is false!"},
        {false, "", nullptr, NO, "Unspecified warning"},
        {false, "Odd size", "isEven", HEADLESS, "Odd size"},
    };
    char const* const CALLER_PATH = "C:\\dev/Engine\\Math/Vec2.cpp";
    for (Case const& testCase : CASES)
    {
        ChildResult const result = RunReport(
            [&testCase, CALLER_PATH]
            {
                (testCase.isFatal ? ReportFatalError : ReportRecoverableWarning)(
                    CALLER_PATH, "Vec2::SetFromText", 42, testCase.reason, testCase.conditionText);
            },
            testCase.answer);
        bool const isEnded = testCase.isFatal || testCase.answer == NO;
        std::string const& output = result.standardOutput;
        std::string const kind = testCase.isFatal ? "RUN-TIME FATAL ERROR" : "RUN-TIME RECOVERABLE WARNING";
        size_t const where = output.find(kind + " on line 42 of Vec2.cpp, in Vec2::SetFromText()\n");
        size_t const jump =
            output.find(std::string(CALLER_PATH) + "(42): " + testCase.expectedMessage + "\n");
        // Headless, the box's title and text are printed instead.
        std::string const title =
            testCase.isFatal ? "Unnamed Application :: Error" : "Unnamed Application :: Warning";
        std::string const asked = testCase.answer == HEADLESS ? title + "\n"
                                  : testCase.isFatal          ? "<" + title + "|3|0>"
                                                              : "<" + title + "|2|2>";
        size_t const box = output.find(asked + testCase.expectedMessage + "\n");
        std::string const condition =
            testCase.conditionText ? std::string("\n  ") + testCase.conditionText + "\n" : "";
        EXPECT_TRUE(where < jump && jump < box && output.find(condition, box) != std::string::npos) << output;
        EXPECT_TRUE(result.ExitedWithFailure() == isEnded &&
                    (output.find("<caller continued>") == std::string::npos) == isEnded)
            << "exit " << result.exitCode << ": " << output;
    }
}

// Every fatal path of the engine ends with failure and a report giving the
// message and the qualified function, and the failed condition where the check
// defines its text.
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
    SpriteSheet const glyphSheet(Texture(0, 16, 16, 4, "sheet.png"), IntVec2(16, 16));
    char const *const X_RANGE = "texelX >= 0 && texelX < m_dimensions.x",
                      *const Y_RANGE = "texelY >= 0 && texelY < m_dimensions.y";
    std::string const LOAD = "Failed to load image \"", BPP = "ERROR loading image \"",
                      TEXEL = "ERROR Reading Texel Color, ",
                      SPRITE = "Sprite Index over number of Sprites in SpriteSheet.",
                      CREATE = "RenderContext::CreateTextureFromFile",
                      RANGE = "Error! minInclusive is larger than maxInclusive";
    Case const CASES[] = {
        // Image and texture reports name the file and why it failed; a font's
        // image is its name followed by ".png". No GL call comes before them.
        {LOAD + missing + ".png\": can't fopen", CREATE.c_str(),
         [&] { RenderContext().CreateOrGetBitmapFont(missing); }, "imageData"},
        {LOAD + text + "\": unknown image type", CREATE.c_str(),
         [&] { RenderContext().CreateOrGetTextureFromFile(text); }, "imageData"},
        {BPP + grey + "\" (Bpp=1, size=2,2)", CREATE.c_str(),
         [&] { RenderContext().CreateTextureFromFile(grey); }, BAD_COMPONENTS},
        {"Unknown / unsupported blend mode #2", "RenderContext::SetBlendMode",
         [] { RenderContext().SetBlendMode(BlendMode(2)); }},
        {SPRITE, "SpriteSheet::GetSpriteDefinition", [&] { glyphSheet.GetSpriteDefinition(256); }},
        {SPRITE, "SpriteSheet::GetSpriteDefinition", [&] { glyphSheet.GetSpriteDefinition(-1); }},
        {LOAD + missing + "\": can't fopen", "Image::Image", [&] { Image{missing}; }, "imageData"},
        {BPP + grey + "\" (Bpp=1, size=2,2)", "Image::Image", [&] { Image{grey}; }, BAD_COMPONENTS},
        {BPP + greyAlpha + "\" (Bpp=2, size=3,1)", "Image::Image", [&] { Image{greyAlpha}; }, BAD_COMPONENTS},
        {TEXEL + "X over range", "Image::GetTexelColor", [&] { Image(rgb).GetTexelColor(3, 0); }, X_RANGE},
        {TEXEL + "X over range", "Image::GetTexelColor", [&] { Image(rgb).GetTexelColor(IntVec2(-1, 0)); },
         X_RANGE},
        // A quarter turn of (2, 0) on a 3 x 2 image reads (0, -1); a mirrored
        // half turn of INT_MIN would overflow an int.
        {TEXEL + "Y over range", "Image::GetTexelColor", [&] { Image(rgb).GetTexelColor(2, 0, 1, false); },
         Y_RANGE},
        {TEXEL + "Y over range", "Image::GetTexelColor",
         [&] { Image(rgb).GetTexelColor(0, INT_MIN, 2, true); }, Y_RANGE},
        {"ERROR Setting Texel Color, X over range", "Image::SetTexelColor",
         [&] { Image(rgb).SetTexelColor(IntVec2(3, 0), Rgba8::RED); }, X_RANGE},
        {"ERROR Setting Texel Color, Y over range", "Image::SetTexelColor",
         [&] { Image(rgb).SetTexelColor(0, -1, Rgba8::RED); }, Y_RANGE},
        {"ERROR Parsing Vec2", "Vec2::SetFromText", [] { Vec2("1,2,3"); }, "splitStrings.size() == 2"},
        {"ERROR Parsing Vec2: piece \"a\" of \"a,2\" holds no number", "Vec2::SetFromText",
         [] { Vec2("a,2"); }},
        {"piece \"2147483648\" of \"2147483648,0\" holds no number in the int range", "IntVec2::SetFromText",
         [] { IntVec2("2147483648,0"); }},
        {"ERROR Parsing Vec3", "Vec3::SetFromText", [] { Vec3("1,2"); }, "splitStrings.size() == 3"},
        {"ERROR Parsing AABB2", "AABB2::SetFromText", [] { AABB2("1,2,3"); }, "splitStrings.size() == 4"},
        {"ERROR Parsing Rgba8", "Rgba8::SetFromText", [] { Rgba8("1,2,3,4,5"); },
         "splitStrings.size() == 3 || splitStrings.size() == 4"},
        {"Division 0 problem!", "IntVec2::operator /", [] { (void)(IntVec2(1, 2) / 0); }},
        {"Division 0 problem!", "IntVec2::operator /=", [] { IntVec2(1, 2) /= 0; }},
        {"Division 0 problem!", "Vec2::operator /", [] { (void)(Vec2(1.f, 2.f) / 0.0000009f); }},
        {"Division 0 problem!", "Vec2::operator /=", [] { Vec2(1.f, 2.f) /= -0.f; }},
        {"Error! maxNotInclusive must be positive", "RandomNumberGenerator::GetRandomIntLessThan",
         [] { Rng().GetRandomIntLessThan(0); }},
        {RANGE, "RandomNumberGenerator::GetRandomIntInRange", [] { Rng().GetRandomIntInRange(3, 2); }},
        // The width of the full range wraps to 0 in 32 bits.
        {"covers all 4294967296 ints", "RandomNumberGenerator::GetRandomIntInRange",
         [] { Rng().GetRandomIntInRange(INT_MIN, INT_MAX); }},
        {RANGE, "RandomNumberGenerator::GetRandomFloatInRange",
         [] { Rng().GetRandomFloatInRange(2.f, 1.f); }},
        {"No vertexes to transform", "TransformVertexArray",
         [] { TransformVertexArray(3, nullptr, 1.f, 0.f, Vec2()); }},
    };
    for (Case const& testCase : CASES)
    {
        ChildResult const result = RunReport(testCase.code, static_cast<int>(DialogAnswer::OKAY));
        std::string const& output = result.standardOutput;
        EXPECT_TRUE(result.ExitedWithFailure() && output.find(testCase.message) != std::string::npos &&
                    output.find(std::string(" in ") + testCase.functionName + "()\n") != std::string::npos &&
                    (!testCase.conditionText ||
                     output.find("\n  " + std::string(testCase.conditionText) + "\n") != std::string::npos))
            << testCase.message << " from " << testCase.functionName << ", exit " << result.exitCode << ":\n"
            << output;
    }
}
