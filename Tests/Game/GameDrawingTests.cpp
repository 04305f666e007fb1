// What the game draws, read back from a real GL context: the picture each test
// expects is painted square by square and compared with every pixel of the
// frame; whatever is not expected must stay black.

#include "Engine/Core/Vertex_PCU.hpp"
#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Renderer/BitmapFont.hpp"
#include "Engine/Renderer/Camera.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"
#include "Game/DrawingHelpers.hpp"
#include "Game/Game.hpp"
#include "Game/ScriptedInputDriver.hpp"
#include "Tests/TestSupport/GLTestContext.hpp"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace
{
// Four pixels per world unit, so unshaken squares start and end on pixel edges.
constexpr float PIXELS_PER_UNIT = 4.f;
constexpr int VIEW_WIDTH = static_cast<int>(WORLD_WIDTH * PIXELS_PER_UNIT);
constexpr int VIEW_HEIGHT = static_cast<int>(WORLD_HEIGHT * PIXELS_PER_UNIT);
constexpr float EDGE_MARGIN = 0.1f;  // world units: a pixel centre this near an edge may go either way

std::vector<Rgba8> CaptureFrame()  // rows bottom to top
{
    std::vector<Rgba8> frame(VIEW_WIDTH * VIEW_HEIGHT);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, VIEW_WIDTH, VIEW_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
    return frame;
}

Vec2 GetPixelCentre(size_t index, Vec2 const& cameraBottomLeft)
{
    return cameraBottomLeft + Vec2(static_cast<float>(index % VIEW_WIDTH) + 0.5f,
                                   static_cast<float>(index / VIEW_WIDTH) + 0.5f) *
                                  (1.f / PIXELS_PER_UNIT);
}

// Squares painted through a camera showing the world's size from its bottom-left
// corner, over black or over a frame already drawn; later squares cover earlier ones.
struct ExpectedPicture
{
    Vec2 cameraBottomLeft;
    std::vector<Rgba8> colors = std::vector<Rgba8>(VIEW_WIDTH * VIEW_HEIGHT, Rgba8::BLACK);
    std::vector<bool> isCertain = std::vector<bool>(VIEW_WIDTH * VIEW_HEIGHT, true);

    void PaintBox(AABB2 const& box, Rgba8 const& color)
    {
        Vec2 const margin(EDGE_MARGIN, EDGE_MARGIN);
        AABB2 const surelyCovered(box.mins + margin, box.maxs - margin);
        AABB2 const maybeCovered(box.mins - margin, box.maxs + margin);
        Vec2 const first = (maybeCovered.mins - cameraBottomLeft) * PIXELS_PER_UNIT;
        Vec2 const last = (maybeCovered.maxs - cameraBottomLeft) * PIXELS_PER_UNIT;
        for (int y = std::max(0, static_cast<int>(first.y) - 1);
             y <= std::min(VIEW_HEIGHT - 1, static_cast<int>(last.y)); ++y)
        {
            for (int x = std::max(0, static_cast<int>(first.x) - 1);
                 x <= std::min(VIEW_WIDTH - 1, static_cast<int>(last.x)); ++x)
            {
                size_t const index = static_cast<size_t>(y * VIEW_WIDTH + x);
                Vec2 const center = GetPixelCentre(index, cameraBottomLeft);
                bool const isSurelyCovered = surelyCovered.IsPointInside(center);
                colors[index] = isSurelyCovered ? color : colors[index];
                isCertain[index] =
                    isSurelyCovered || (isCertain[index] && !maybeCovered.IsPointInside(center));
            }
        }
    }

    // Each dot's square, from its position up by its size.
    void PaintDots(std::vector<Dot*> const& dots, size_t count, Rgba8 const& color)
    {
        for (size_t dotIndex = 0; dotIndex < count; ++dotIndex)
        {
            Dot const& dot = *dots[dotIndex];
            PaintBox(AABB2(dot.m_position, dot.m_position + Vec2(dot.m_size, dot.m_size)), color);
        }
    }

    // A line of characters, each glyph pixel the square its letter dot would be.
    void PaintText(std::string const& text, float scale, Vec2 origin, float advance, Rgba8 const& color)
    {
        std::vector<Dot*> squares;
        for (char character : text)
        {
            g_theDotFont->SpawnLetterDots(squares, character, scale, origin, color, false);
            origin.x += advance;
        }
        PaintDots(squares, squares.size(), color);
        for (Dot* square : squares)
        {
            delete square;
        }
    }

    ::testing::AssertionResult Matches(std::vector<Rgba8> const& frame) const
    {
        for (size_t index = 0; index < frame.size(); ++index)
        {
            if (isCertain[index] && frame[index] != colors[index])
            {
                return ::testing::AssertionFailure()
                       << "pixel (" << index % VIEW_WIDTH << ", " << index / VIEW_WIDTH << ") is "
                       << frame[index].GetAsString() << ", expected " << colors[index].GetAsString();
            }
        }
        return ::testing::AssertionSuccess();
    }
};

// A fresh GL context and a fresh App and Game driven by keys for each test.
// Nothing is taken from an earlier test: the viewport is set here, and the world
// camera is read from the Game, since the shake offsets it applies on update
// last for the whole process.
class GameDrawingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_glContext.IsCurrent()) << m_glContext.GetFailure();
        glViewport(0, 0, VIEW_WIDTH, VIEW_HEIGHT);
        m_renderer.Startup();
        g_theRenderer = &m_renderer;
    }
    void TearDown() override { g_theRenderer = m_previousRenderer; }

    void BeginBlackWorldView()
    {
        Camera camera;
        camera.SetOrthoView(Vec2(0.f, 0.f), Vec2(WORLD_WIDTH, WORLD_HEIGHT));
        m_renderer.BeginCamera(camera);
        m_renderer.ClearScreen(Rgba8::BLACK);
        m_renderer.BindTexture(nullptr);
    }

    // The first text dots in white, the bank in its colour, the cursor's corners
    // and the answer's underlines: 8 long, 12 apart, 0.5 thick, the row centred on
    // x = 128 at y = 106, none under a space.
    ExpectedPicture PaintPuzzle(Vec2 const& camera, size_t numWhiteDots,
                                Rgba8 const& bankColor = Rgba8::WHITE)
    {
        ExpectedPicture picture{camera};
        picture.PaintDots(m_game.m_textDots, numWhiteDots, Rgba8::WHITE);
        picture.PaintDots(m_game.m_bankedDots, m_game.m_bankedDots.size(), bankColor);
        for (Vec2 const& corner : {Vec2(-8.f, -8.f), Vec2(-8.f, 8.f), Vec2(8.f, -8.f), Vec2(8.f, 8.f)})
        {
            // Both arms of a corner: a third of the side long, 1 thick, reaching half
            // their thickness past both ends.
            Vec2 const tip = m_game.m_cursor->m_position + corner;
            Vec2 const middle = m_game.m_cursor->m_position + corner * (2.f / 3.f);
            float const arm = 8.f / 3.f + 0.5f;
            picture.PaintBox(AABB2(middle.x - arm, tip.y - 0.5f, middle.x + arm, tip.y + 0.5f), Rgba8::RED);
            picture.PaintBox(AABB2(tip.x - 0.5f, middle.y - arm, tip.x + 0.5f, middle.y + arm), Rgba8::RED);
        }
        std::string const answer = m_game.m_answer;
        float const firstX = 128.f - (12.f * static_cast<float>(answer.size()) - 4.f) / 2.f;
        for (size_t slot = 0; slot < answer.size(); ++slot)
        {
            float const x = firstX + 12.f * static_cast<float>(slot);
            if (answer[slot] != ' ')
            {
                picture.PaintBox(AABB2(x - 0.25f, 105.75f, x + 8.25f, 106.25f), Rgba8::WHITE);
            }
        }
        return picture;
    }

    GLTestContext m_glContext{VIEW_WIDTH, VIEW_HEIGHT};
    RenderContext m_renderer;
    RenderContext* m_previousRenderer = g_theRenderer;
    ScriptedInputDriver m_driver;
    Game& m_game = m_driver.GetGame();
};
}  // namespace

// Before its first break a Game draws through the unshaken view it was built with:
// every square starts and ends on a pixel edge, and the picture is exact.
TEST_F(GameDrawingTest, APuzzleShowsItsWhiteTextDotsUnderlinesAndCursorCornersToThePixel)
{
    for (int puzzleIndex : {0, 13})  // TUTORIAL, TIME MACHINE
    {
        SCOPED_TRACE(puzzleIndex);
        m_game.m_puzzleIndex = puzzleIndex;
        m_game.SetupPuzzle();
        ASSERT_EQ(m_game.m_worldCamera.GetOrthoBottomLeft(), Vec2(0.f, 0.f));
        m_game.Render();
        EXPECT_TRUE(PaintPuzzle(Vec2(0.f, 0.f), m_game.m_textDots.size()).Matches(CaptureFrame()));
    }
}

// A right guess shows the letter in the reveal colour at its slot; wrong ones are
// listed in red, centred on (128, 50), eight to a line with 4 extra units between
// letters, and not on the end screen. The bank's dots keep their own colour.
TEST_F(GameDrawingTest, RevealedLettersWrongLettersAndTheBankAreDrawnInTheirColoursAndPlaces)
{
    Rgba8 const bankColor(0, 128, 255, 255);
    size_t const numHintDots = m_game.m_textDots.size();
    for (int dotIndex = 0; dotIndex < 300; ++dotIndex)
    {
        m_game.BankDot(bankColor);
    }
    // Alphabetical: B to K are wrong (245 dots), then T is right (18 dots).
    m_driver.Tap({'B', 'C', 'D', 'E', 'F', 'G', 'H', 'J', 'K', 'T'});
    ASSERT_TRUE(m_game.m_isLetterRevealed[0]);
    ASSERT_EQ(m_game.m_bankedDots.size(), 37u);

    for (int state : {GAME_STATE_PLAYING, GAME_STATE_END_SCREEN})
    {
        SCOPED_TRACE(state);
        m_game.m_state = state;
        m_game.Render();
        ExpectedPicture expected =
            PaintPuzzle(m_game.m_worldCamera.GetOrthoBottomLeft(), numHintDots, bankColor);
        expected.PaintText("T", 1.f, Vec2(82.f - 2.5f, 106.f), 0.f, Rgba8(255, 255, 128, 255));
        if (state != GAME_STATE_END_SCREEN)
        {
            expected.PaintText("BCDEFGHJ", 1.f, Vec2(80.f, 50.f), 12.f, Rgba8::RED);
            expected.PaintText("K", 1.f, Vec2(80.f, 38.f), 12.f, Rgba8::RED);
        }
        EXPECT_TRUE(expected.Matches(CaptureFrame()));
    }
}

// After a break the whole world, flying dots, cursor and underlines alike, is
// drawn through the shaken camera. "Dot Num %d" at half scale with its lower-left
// at (20, 150), in green, goes through the fixed screen view, and only with F4.
TEST_F(GameDrawingTest, TheShakeMovesTheWorldAndTheDotCountShowsOnlyWithF4WhereItIs)
{
    m_driver.Tap(KEYCODE_F4);
    for (int dotIndex = 0; dotIndex < 7; ++dotIndex)
    {
        m_game.BankDot(Rgba8::WHITE);
    }
    m_game.m_cursor->m_position = Vec2(64.f, 160.f);  // over the hint's first line
    m_driver.Tap(KEYCODE_SPACE);
    Vec2 const shake = m_game.m_worldCamera.GetOrthoBottomLeft();
    ASSERT_GE(std::max(shake.x, shake.y), 0.5f) << "the shake must move the world by two pixels or more";

    m_game.Render();
    std::vector<Rgba8> const frameWithCount = CaptureFrame();
    m_driver.m_app.m_debugDisplay = false;
    m_game.Render();
    std::vector<Rgba8> const frame = CaptureFrame();
    size_t const numTextDots = m_game.m_textDots.size();
    EXPECT_TRUE(PaintPuzzle(shake, numTextDots).Matches(frame));
    EXPECT_FALSE(PaintPuzzle(Vec2(0.f, 0.f), numTextDots).Matches(frame)) << "the picture did not move";

    ExpectedPicture expected{Vec2(0.f, 0.f), frame};
    expected.PaintText("Dot Num " + std::to_string(m_game.GetDotCount()), 0.5f, Vec2(20.f, 150.f), 4.f,
                       Rgba8::GREEN);
    EXPECT_TRUE(expected.Matches(frameWithCount));
}

// The debug helpers: a thick line covers its segment widened by half its
// thickness all round, and nothing else; a ring of 64 chords lies within half its
// thickness of its radius (the chords sag a little) and closes, with no gap at any angle.
TEST_F(GameDrawingTest, DrawLineCoversItsWidenedSegmentAndDrawRingIsAClosedBandAroundItsRadius)
{
    BeginBlackWorldView();
    DrawLine(Vec2(100.f, 100.f), Vec2(110.f, 100.f), Rgba8::GREEN, 2.f);
    ExpectedPicture expected{Vec2(0.f, 0.f)};
    expected.PaintBox(AABB2(99.f, 99.f, 111.f, 101.f), Rgba8::GREEN);
    EXPECT_TRUE(expected.Matches(CaptureFrame()));

    Vec2 const CENTER(128.f, 96.f);
    float const RADIUS = 40.f, THICKNESS = 2.f, MARGIN = 0.3f;  // the chords' sag and their square ends
    BeginBlackWorldView();
    DrawRing(CENTER, RADIUS, Rgba8::GREEN, THICKNESS);
    std::vector<Rgba8> const frame = CaptureFrame();
    int numStrayPixels = 0;
    for (size_t index = 0; index < frame.size(); ++index)
    {
        float const distance = (GetPixelCentre(index, Vec2()) - CENTER).GetLength();
        numStrayPixels +=
            frame[index] != Rgba8::BLACK && std::fabs(distance - RADIUS) > THICKNESS / 2.f + MARGIN;
    }
    EXPECT_EQ(numStrayPixels, 0);
    for (int degrees = 0; degrees < 360; ++degrees)
    {
        Vec2 const pixel = (CENTER + Vec2::MakeFromPolarDegrees(degrees + 0.5f, RADIUS)) * PIXELS_PER_UNIT;
        EXPECT_EQ(
            frame[static_cast<size_t>(static_cast<int>(pixel.y) * VIEW_WIDTH + static_cast<int>(pixel.x))],
            Rgba8::GREEN)
            << degrees;
    }
}

// The font sheet the build draws from the game's glyph table, used through the
// engine's bitmap font: in cells of 16 x 16 pixels from (8, 16), two pixels per
// glyph texel, each pixel is the tint where its glyph bit is set (row 0 on top,
// bit 7 on the left) and the background everywhere else, also in the empty cells
// of the space and of code 200.
TEST_F(GameDrawingTest, TheFontSheetDrawsTextAsExactlyTheLitPixelsOfTheGameGlyphs)
{
    constexpr int TEXT_LEFT = 8, TEXT_BOTTOM = 16, CELL_PIXELS = 16, PIXELS_PER_TEXEL = 2;
    std::string const text = "Dotsunder, 42 \xC8?!Wq";
    Rgba8 const background(20, 40, 60), tint(255, 200, 0);
    Camera camera;
    camera.SetOrthoView(Vec2(0.f, 0.f), Vec2(VIEW_WIDTH, VIEW_HEIGHT));
    m_renderer.BeginCamera(camera);
    m_renderer.ClearScreen(background);
    BitmapFont const* font = m_renderer.CreateOrGetBitmapFont(DOTSUNDER_FONT_SHEET_NAME);
    std::vector<Vertex_PCU> verts;
    font->AddVertsForText2D(verts, Vec2(TEXT_LEFT, TEXT_BOTTOM), CELL_PIXELS, text, tint);
    m_renderer.BindTexture(&font->GetTexture());
    m_renderer.DrawVertexArray(verts);

    std::vector<Rgba8> const frame = CaptureFrame();
    int numWrongPixels = 0, numLitPixels = 0;
    for (size_t index = 0; index < frame.size(); ++index)
    {
        int const textX = static_cast<int>(index % VIEW_WIDTH) - TEXT_LEFT;
        int const textY = static_cast<int>(index / VIEW_WIDTH) - TEXT_BOTTOM;
        bool const isInText = textX >= 0 && textX < static_cast<int>(text.size()) * CELL_PIXELS &&
                              textY >= 0 && textY < CELL_PIXELS;
        int const code =
            isInText ? static_cast<unsigned char>(text[static_cast<size_t>(textX / CELL_PIXELS)]) : 0;
        int const glyphRow = 7 - textY / PIXELS_PER_TEXEL,
                  glyphBit = 7 - (textX % CELL_PIXELS) / PIXELS_PER_TEXEL;
        bool const isLit = isInText && ((m_game.m_dotFont->m_glyphs[code][glyphRow] >> glyphBit) & 1) != 0;
        numLitPixels += isLit ? 1 : 0;
        if (frame[index] != (isLit ? tint : background) && ++numWrongPixels <= 5)
        {
            ADD_FAILURE() << "pixel (" << textX + TEXT_LEFT << ", " << textY + TEXT_BOTTOM << ") is "
                          << frame[index].GetAsString();
        }
    }
    EXPECT_EQ(numWrongPixels, 0);
    EXPECT_GT(numLitPixels, 200 * PIXELS_PER_TEXEL * PIXELS_PER_TEXEL);  // the line is really there
}
