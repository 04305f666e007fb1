// What the Game draws, read back from a real GL context. Each test builds the
// picture it expects from the layout rules, square by square, and compares it
// with every pixel of the frame: whatever is not expected must stay black.

#include "Engine/Core/Rgba8.hpp"
#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Math/AABB2.hpp"
#include "Engine/Renderer/RenderContext.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Game/DotFont.hpp"
#include "Tests/Game/GameTestDriver.hpp"
#include "Tests/TestSupport/GLTestContext.hpp"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace
{
// Four pixels per world unit, so unshaken squares start and end on pixel edges.
constexpr int VIEW_WIDTH = 1024;
constexpr int VIEW_HEIGHT = 768;
constexpr float PIXELS_PER_UNIT = 4.f;
// A pixel whose centre is nearer than this to a square's edge may go either way.
constexpr float EDGE_MARGIN = 0.1f;  // world units

Rgba8 const TEXT_WHITE(255, 255, 255, 255);
Rgba8 const REVEAL_COLOR(255, 255, 128, 255);
Rgba8 const WRONG_RED(255, 0, 0, 255);
Rgba8 const CURSOR_RED(255, 0, 0, 255);
Rgba8 const COUNT_GREEN(0, 255, 0, 255);
Rgba8 const BLACK(0, 0, 0, 255);

std::vector<Rgba8> CaptureFrame()
{
    static_assert(sizeof(Rgba8) == 4, "read straight into the colours");
    std::vector<Rgba8> frame(VIEW_WIDTH * VIEW_HEIGHT);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, VIEW_WIDTH, VIEW_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, frame.data());
    return frame;
}

class ExpectedPicture
{
public:
    // Squares are painted through a camera showing 256 x 192 units from this corner,
    // over a black screen or over a frame already drawn.
    explicit ExpectedPicture(
        Vec2 const& cameraBottomLeft,
        std::vector<Rgba8> const& background = std::vector<Rgba8>(VIEW_WIDTH * VIEW_HEIGHT, BLACK))
        : m_colors(background), m_isCertain(background.size(), true), m_cameraBottomLeft(cameraBottomLeft)
    {
    }

    // Later squares cover earlier ones, as later triangles do.
    void PaintBox(AABB2 const& box, Rgba8 const& color)
    {
        Vec2 const margin(EDGE_MARGIN, EDGE_MARGIN);
        AABB2 const surelyCovered(box.mins + margin, box.maxs - margin);
        AABB2 const maybeCovered(box.mins - margin, box.maxs + margin);
        Vec2 const first = (maybeCovered.mins - m_cameraBottomLeft) * PIXELS_PER_UNIT;
        Vec2 const last = (maybeCovered.maxs - m_cameraBottomLeft) * PIXELS_PER_UNIT;
        for (int y = std::max(0, static_cast<int>(first.y) - 1);
             y <= std::min(VIEW_HEIGHT - 1, static_cast<int>(last.y)); ++y)
        {
            for (int x = std::max(0, static_cast<int>(first.x) - 1);
                 x <= std::min(VIEW_WIDTH - 1, static_cast<int>(last.x)); ++x)
            {
                Vec2 const center =
                    m_cameraBottomLeft +
                    Vec2(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f) / PIXELS_PER_UNIT;
                size_t const index = static_cast<size_t>(y * VIEW_WIDTH + x);
                if (surelyCovered.IsPointInside(center))
                {
                    m_colors[index] = color;
                    m_isCertain[index] = true;
                }
                else if (maybeCovered.IsPointInside(center))
                {
                    m_isCertain[index] = false;
                }
            }
        }
    }

    // Each dot's square, from its position up by its size.
    void PaintDots(std::vector<Dot*> const& dots, size_t count, Rgba8 const& color)
    {
        for (size_t dotIndex = 0; dotIndex < count; ++dotIndex)
        {
            Dot const* dot = dots[dotIndex];
            PaintBox(AABB2(dot->m_position, dot->m_position + Vec2(dot->m_size, dot->m_size)), color);
        }
    }

    // A character's squares: the glyph's pixel (row r, bit c) covers (10 - c, 10 - r)
    // to one unit past it, scaled and moved to the origin. Letter dots are the same squares.
    void PaintChar(char character, float scale, Vec2 const& origin, Rgba8 const& color)
    {
        DotFont glyphTable;
        glyphTable.InitGlyphs();
        std::vector<Dot*> squares;
        glyphTable.SpawnLetterDots(squares, character, scale, origin, color, false);
        PaintDots(squares, squares.size(), color);
        for (Dot* square : squares)
        {
            delete square;
        }
    }

    ::testing::AssertionResult Matches(std::vector<Rgba8> const& frame) const
    {
        int numMismatches = 0;
        std::string report;
        for (size_t index = 0; index < frame.size(); ++index)
        {
            if (m_isCertain[index] && frame[index] != m_colors[index] && ++numMismatches <= 8)
            {
                report += "\n  pixel (" + std::to_string(index % VIEW_WIDTH) + ", " +
                          std::to_string(index / VIEW_WIDTH) + ") is " + DescribeColor(frame[index]) +
                          ", expected " + DescribeColor(m_colors[index]);
            }
        }
        if (numMismatches == 0)
        {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << numMismatches << " pixels differ" << report;
    }

private:
    std::vector<Rgba8> m_colors;
    std::vector<bool> m_isCertain;
    Vec2 m_cameraBottomLeft;
};

// Only the corners: each side keeps its outer thirds, lines 1 thick reaching
// half their thickness past both ends.
void PaintCursor(ExpectedPicture& picture, Vec2 const& center, float size)
{
    float const a = -size / 2.f;
    float const b = a + size / 3.f;
    float const c = a + (size * 2.f) / 3.f;
    float const d = size / 2.f;
    float const arms[8][4] = {
        {a, a, a, b}, {a, c, a, d}, {a, a, b, a}, {c, a, d, a},
        {d, a, d, b}, {d, c, d, d}, {a, d, b, d}, {c, d, d, d},
    };
    for (float const* arm : arms)
    {
        Vec2 const start = center + Vec2(arm[0], arm[1]);
        Vec2 const end = center + Vec2(arm[2], arm[3]);
        AABB2 const box(std::min(start.x, end.x) - 0.5f, std::min(start.y, end.y) - 0.5f,
                        std::max(start.x, end.x) + 0.5f, std::max(start.y, end.y) + 0.5f);
        picture.PaintBox(box, CURSOR_RED);
    }
}

// 8 long, 12 apart, the row centred on x = 128 at y = 106, 0.5 thick; none under a space.
void PaintUnderlines(ExpectedPicture& picture, char const* answer)
{
    float const length = static_cast<float>(std::strlen(answer));
    float const firstX = 128.f - (12.f * length - 4.f) / 2.f;
    for (int slot = 0; answer[slot] != '\0'; ++slot)
    {
        float const x = firstX + 12.f * static_cast<float>(slot);
        if (answer[slot] != ' ')
        {
            picture.PaintBox(AABB2(x - 0.25f, 105.75f, x + 8.25f, 106.25f), TEXT_WHITE);
        }
    }
}

// A real GL context the size of four pixels per world unit, drawn to through
// g_theRenderer, and a Game driven by keys.
class GameDrawingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_glContext.IsCurrent()) << m_glContext.GetFailure();
        m_renderer.Startup();
        g_theRenderer = &m_renderer;
    }
    void TearDown() override { g_theRenderer = m_previousRenderer; }

    Vec2 GetWorldCameraBottomLeft() const { return m_game.m_worldCamera.GetOrthoBottomLeft(); }

    // The first text dots in white, the cursor and the answer's underlines.
    ExpectedPicture PaintPuzzle(Vec2 const& cameraBottomLeft, size_t numWhiteDots, char const* answer) const
    {
        ExpectedPicture picture(cameraBottomLeft);
        picture.PaintDots(m_game.m_textDots, numWhiteDots, TEXT_WHITE);
        PaintCursor(picture, m_game.m_cursor->GetPosition(), 16.f);
        PaintUnderlines(picture, answer);
        return picture;
    }

    // SPACE over the hint's first line, then one frame of the shake it starts.
    void BreakHintUnderCursor()
    {
        m_game.m_cursor->m_position = Vec2(64.f, 160.f);
        m_driver.Press(KEYCODE_SPACE);
        m_driver.RunFrame(0.f);
        m_driver.Release(KEYCODE_SPACE);
        m_driver.RunFrame(GameTestDriver::DEFAULT_DELTA_SECONDS);
    }

    GLTestContext m_glContext{VIEW_WIDTH, VIEW_HEIGHT};
    RenderContext m_renderer;
    RenderContext* m_previousRenderer = g_theRenderer;
    GameTestDriver m_driver;
    Game& m_game = *m_driver.m_game;
};
}  // namespace

// Drawn before any update, the world camera is the unshaken view the Game was
// built with (the offsets an update applies are kept for the whole process, so an
// earlier test's shake would linger): every square starts and ends on a pixel
// edge, and the picture is checked pixel for pixel.
TEST_F(GameDrawingTest, APuzzleShowsItsWhiteTextDotsUnderlinesAndCursorCornersToThePixel)
{
    struct Case
    {
        int puzzleIndex;
        char const* answer;
    };
    Case const CASES[] = {{0, "TUTORIAL"}, {13, "TIME MACHINE"}};
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(testCase.answer);
        m_game.m_puzzleIndex = testCase.puzzleIndex;
        m_game.SetupPuzzle();
        EXPECT_EQ(GetWorldCameraBottomLeft(), Vec2(0.f, 0.f));
        EXPECT_EQ(m_game.m_worldCamera.GetOrthoTopRight(), Vec2(256.f, 192.f));
        ASSERT_FALSE(m_game.m_textDots.empty());

        m_game.Render();

        ExpectedPicture const expected =
            PaintPuzzle(Vec2(0.f, 0.f), m_game.m_textDots.size(), testCase.answer);
        EXPECT_TRUE(expected.Matches(CaptureFrame()));
    }
}

// A right guess shows the letter in the reveal colour at its slot; wrong ones are
// listed in red under the answer, eight to a line with 4 extra units between
// letters, and not on the end screen. The bank's dots keep their own colour.
TEST_F(GameDrawingTest, RevealedLettersWrongLettersAndTheBankAreDrawnInTheirColoursAndPlaces)
{
    Rgba8 const bankColor(0, 128, 255, 255);
    size_t const numHintDots = m_game.m_textDots.size();
    m_driver.BankDots(300, bankColor);
    // Alphabetical: B to K are wrong (245 dots), then T is right (18 dots).
    m_driver.Tap({'B', 'C', 'D', 'E', 'F', 'G', 'H', 'J', 'K', 'T'});
    ASSERT_TRUE(m_game.m_isLetterRevealed[0]);
    ASSERT_EQ(m_game.m_bankedDots.size(), 37u);

    for (int state : {GAME_STATE_PLAYING, GAME_STATE_END_SCREEN})
    {
        SCOPED_TRACE(state);
        m_game.m_state = state;
        m_game.Render();

        ExpectedPicture expected = PaintPuzzle(GetWorldCameraBottomLeft(), numHintDots, "TUTORIAL");
        float const firstSlotX = 128.f - (12.f * 8.f - 4.f) / 2.f;
        expected.PaintChar('T', 1.f, Vec2(firstSlotX - 2.5f, 106.f), REVEAL_COLOR);
        expected.PaintBox(AABB2(0.f, 0.f, 37.f, 1.f), bankColor);  // slots 0 to 36, touching
        if (state != GAME_STATE_END_SCREEN)
        {
            // Two lines centred on (128, 50): 8 letters of 12 units wide, 24 high.
            char const* const lines[] = {"BCDEFGHJ", "K"};
            for (int lineIndex = 0; lineIndex < 2; ++lineIndex)
            {
                for (int charIndex = 0; lines[lineIndex][charIndex] != '\0'; ++charIndex)
                {
                    Vec2 const origin(128.f - 48.f + 12.f * static_cast<float>(charIndex),
                                      50.f - 12.f * static_cast<float>(lineIndex));
                    expected.PaintChar(lines[lineIndex][charIndex], 1.f, origin, WRONG_RED);
                }
            }
        }
        EXPECT_TRUE(expected.Matches(CaptureFrame()));
    }
}

// "Dot Num %d" at half scale with its lower-left at (20, 150), in green, through
// the screen camera: it stays put while the world shakes, and only F4 shows it.
TEST_F(GameDrawingTest, TheDotCountShowsOnlyWithTheDebugDisplayAndIgnoresTheShake)
{
    ScopedApp scopedApp;
    m_driver.BankDots(7);
    BreakHintUnderCursor();
    Vec2 const shake = GetWorldCameraBottomLeft();
    ASSERT_GE(std::max(shake.x, shake.y), 0.5f) << "the shake must move the world by two pixels or more";

    scopedApp.app.m_debugDisplay = false;
    m_game.Render();
    std::vector<Rgba8> const frameWithout = CaptureFrame();
    EXPECT_EQ(std::count(frameWithout.begin(), frameWithout.end(), COUNT_GREEN), 0);

    scopedApp.app.m_debugDisplay = true;
    m_game.Render();
    ExpectedPicture expected(Vec2(0.f, 0.f), frameWithout);
    std::string const text =
        "Dot Num " + std::to_string(m_game.m_textDots.size() + m_game.m_bankedDots.size());
    for (size_t charIndex = 0; charIndex < text.size(); ++charIndex)
    {
        expected.PaintChar(text[charIndex], 0.5f, Vec2(20.f + 4.f * static_cast<float>(charIndex), 150.f),
                           COUNT_GREEN);
    }
    EXPECT_TRUE(expected.Matches(CaptureFrame()));
}

// After a break everything in the world, flying dots, cursor and underlines
// alike, is drawn displaced by the shake offset.
TEST_F(GameDrawingTest, AfterABreakTheWholeWorldIsDrawnThroughTheShakenCamera)
{
    BreakHintUnderCursor();
    Vec2 const shake = GetWorldCameraBottomLeft();
    ASSERT_GE(std::max(shake.x, shake.y), 0.5f) << "the shake must move the world by two pixels or more";
    EXPECT_EQ(m_game.m_worldCamera.GetOrthoTopRight(), shake + Vec2(256.f, 192.f));

    m_game.Render();
    std::vector<Rgba8> const frame = CaptureFrame();

    size_t const numTextDots = m_game.m_textDots.size();
    EXPECT_TRUE(PaintPuzzle(shake, numTextDots, "TUTORIAL").Matches(frame));
    EXPECT_FALSE(PaintPuzzle(Vec2(0.f, 0.f), numTextDots, "TUTORIAL").Matches(frame))
        << "the picture did not move";
}
