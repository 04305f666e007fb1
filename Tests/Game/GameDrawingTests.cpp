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
                Vec2 const center =
                    cameraBottomLeft + Vec2(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f) *
                                           (1.f / PIXELS_PER_UNIT);
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
                       << "pixel " << index << " is " << frame[index].GetAsString();
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

    void BeginWorldView(Rgba8 const& background = Rgba8::BLACK)
    {
        Camera camera;
        camera.SetOrthoView(Vec2(0.f, 0.f), Vec2(WORLD_WIDTH, WORLD_HEIGHT));
        m_renderer.BeginCamera(camera);
        m_renderer.ClearScreen(background);
        m_renderer.BindTexture(nullptr);
    }

    GLTestContext m_glContext{VIEW_WIDTH, VIEW_HEIGHT};
    RenderContext m_renderer;
    RenderContext* m_previousRenderer = g_theRenderer;
    ScriptedInputDriver m_driver;
    Game& m_game = m_driver.GetGame();
};
}  // namespace

// TIME MACHINE with nine wrong letters and its T bought, then broken into. The
// whole world, flying dots, cursor and underlines (none under the space) alike, is
// drawn through the shaken camera. The T shows in the reveal colour at its slot;
// wrong letters are listed in red, centred on (128, 50), eight to a line with 4
// extra units between letters, and not on the end screen; the bank's dots keep
// their own colour. (F4's dot count on the screen view: the end-to-end run.)
TEST_F(GameDrawingTest, TheWorldLettersAndBankThroughTheShakenCamera)
{
    m_game.m_puzzleIndex = 13;
    m_game.SetupPuzzle();
    Rgba8 const bankColor(0, 128, 255, 255);
    for (int dotIndex = 0; dotIndex < 300; ++dotIndex)
    {
        m_game.BankDot(bankColor);
    }
    size_t const numHintDots = m_game.m_textDots.size();
    // Alphabetical: the wrong letters (240 dots), then T (18 dots).
    m_driver.Tap({'B', 'D', 'F', 'G', 'J', 'K', 'L', 'O', 'P', 'T'});
    ASSERT_TRUE(m_game.m_isLetterRevealed[0]);
    m_game.m_cursor->m_position = Vec2(128.f, 152.f);  // over the hint
    m_driver.Tap(KEYCODE_SPACE);
    Vec2 const shake = m_game.m_worldCamera.GetOrthoBottomLeft();
    ASSERT_GE(std::max(shake.x, shake.y), 0.5f) << "the shake must move the world by two pixels or more";

    // The hint's dots in white, the bank in its colour, the cursor's corners (both
    // arms a third of the side long, 1 thick, reaching half their thickness past
    // both ends), and the underlines: 8 long, 12 apart, 0.5 thick, the row centred
    // on x = 128 at y = 106.
    ExpectedPicture puzzle{shake};
    puzzle.PaintDots(m_game.m_textDots, numHintDots, Rgba8::WHITE);
    puzzle.PaintDots(m_game.m_bankedDots, m_game.m_bankedDots.size(), bankColor);
    for (Vec2 const& corner : {Vec2(-8.f, -8.f), Vec2(-8.f, 8.f), Vec2(8.f, -8.f), Vec2(8.f, 8.f)})
    {
        Vec2 const tip = m_game.m_cursor->m_position + corner;
        Vec2 const middle = m_game.m_cursor->m_position + corner * (2.f / 3.f);
        float const arm = 8.f / 3.f + 0.5f;
        puzzle.PaintBox(AABB2(middle.x - arm, tip.y - 0.5f, middle.x + arm, tip.y + 0.5f), Rgba8::RED);
        puzzle.PaintBox(AABB2(tip.x - 0.5f, middle.y - arm, tip.x + 0.5f, middle.y + arm), Rgba8::RED);
    }
    for (int slot = 0; slot < 12; ++slot)
    {
        float const x = 58.f + 12.f * static_cast<float>(slot);
        if (slot != 4)
        {
            puzzle.PaintBox(AABB2(x - 0.25f, 105.75f, x + 8.25f, 106.25f), Rgba8::WHITE);
        }
    }
    puzzle.PaintText("T", 1.f, Vec2(58.f - 2.5f, 106.f), 0.f, Rgba8(255, 255, 128, 255));

    for (int state : {GAME_STATE_END_SCREEN, GAME_STATE_PLAYING})
    {
        SCOPED_TRACE(state);
        m_game.m_state = state;
        m_game.Render();
        ExpectedPicture expected = puzzle;
        if (state == GAME_STATE_PLAYING)
        {
            expected.PaintText("BDFGJKLO", 1.f, Vec2(80.f, 50.f), 12.f, Rgba8::RED);
            expected.PaintText("P", 1.f, Vec2(80.f, 38.f), 12.f, Rgba8::RED);
        }
        EXPECT_TRUE(expected.Matches(CaptureFrame()));
    }
}

// The debug helpers: a thick line covers its segment widened by half its
// thickness all round, and nothing else; a ring of 64 chords is a closed band of
// its thickness around its radius, give or take the chords' sag and square ends.
TEST_F(GameDrawingTest, DrawLineCoversItsWidenedSegmentAndDrawRingIsAClosedBandAroundItsRadius)
{
    BeginWorldView();
    DrawLine(Vec2(100.f, 100.f), Vec2(110.f, 100.f), Rgba8::GREEN, 2.f);
    ExpectedPicture expected{Vec2(0.f, 0.f)};
    expected.PaintBox(AABB2(99.f, 99.f, 111.f, 101.f), Rgba8::GREEN);
    EXPECT_TRUE(expected.Matches(CaptureFrame()));

    Vec2 const CENTER(128.f, 96.f);
    BeginWorldView();
    DrawRing(CENTER, 40.f, Rgba8::GREEN, 2.f);
    std::vector<Rgba8> const frame = CaptureFrame();
    int numWrongPixels = 0;
    for (int index = 0; index < VIEW_WIDTH * VIEW_HEIGHT; ++index)
    {
        Vec2 const pixelCenter(static_cast<float>(index % VIEW_WIDTH) + 0.5f,
                               static_cast<float>(index / VIEW_WIDTH) + 0.5f);
        float const offRadius = std::fabs((pixelCenter / PIXELS_PER_UNIT - CENTER).GetLength() - 40.f);
        Rgba8 const pixel = frame[static_cast<size_t>(index)];
        numWrongPixels += offRadius < 0.7f   ? pixel != Rgba8::GREEN
                          : offRadius > 1.3f ? pixel != Rgba8::BLACK
                                             : 0;
    }
    EXPECT_EQ(numWrongPixels, 0);
}

// The font sheet the build draws from the game's glyph table, used through the
// engine's bitmap font: each glyph texel is the tint where the glyph's dot is and
// the background everywhere else, also in the empty cells of the space and of
// code 200.
TEST_F(GameDrawingTest, TheFontSheetDrawsTextAsExactlyTheLitPixelsOfTheGameGlyphs)
{
    std::string const text = "Dotsunder, 42 \xC8?!Wq";
    Rgba8 const background(20, 40, 60), tint(255, 200, 0);
    Vec2 const origin(2.f, 4.f);
    float const CELL = 4.f;  // two pixels a texel
    BeginWorldView(background);
    BitmapFont const* font = m_renderer.CreateOrGetBitmapFont(DOTSUNDER_FONT_SHEET_NAME);
    std::vector<Vertex_PCU> verts;
    font->AddVertsForText2D(verts, origin, CELL, text, tint);
    m_renderer.BindTexture(&font->GetTexture());
    m_renderer.DrawVertexArray(verts);

    // At half scale a letter's dots span (1.5, 1.5) to (5.5, 5.5) from its origin,
    // texel for texel what its cell should show.
    ExpectedPicture expected{Vec2(0.f, 0.f), std::vector<Rgba8>(VIEW_WIDTH * VIEW_HEIGHT, background)};
    expected.PaintText(text, 0.5f, origin - Vec2(1.5f, 1.5f), CELL, tint);
    EXPECT_TRUE(expected.Matches(CaptureFrame()));
}
