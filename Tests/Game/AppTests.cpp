#include "Engine/Input/InputSystem.hpp"
#include "Engine/Input/KeyCodes.hpp"
#include "Game/App.hpp"
#include "Game/DotFont.hpp"
#include "Game/Game.hpp"

#include <gtest/gtest.h>

namespace
{
// An App with a Game but without a window or renderer: Update is all it runs.
struct AppWithGame
{
    InputSystem input;
    App app;
    InputSystem* previousInput = g_theInput;
    App* previousApp = g_theApp;

    AppWithGame()
    {
        g_theInput = &input;
        g_theApp = &app;
        app.m_game = new Game();
    }
    ~AppWithGame()
    {
        delete app.m_game;
        app.m_game = nullptr;
        g_theApp = previousApp;
        g_theInput = previousInput;
    }
    AppWithGame(AppWithGame const&) = delete;
    AppWithGame& operator=(AppWithGame const&) = delete;

    void TapAndUpdate(std::initializer_list<unsigned char> keyCodes)
    {
        for (unsigned char keyCode : keyCodes)
        {
            input.HandleKeyPressed(keyCode);
        }
        input.EndFrame();
        app.Update(0.0625f);
        app.m_game->EndFrame();
        for (unsigned char keyCode : keyCodes)
        {
            input.HandleKeyReleased(keyCode);
        }
        input.EndFrame();
        app.Update(0.0625f);
        app.m_game->EndFrame();
    }
};
}  // namespace

TEST(AppDeveloperKeys, F4FlipsTheDebugDisplayAndNothingElse)
{
    AppWithGame fixture;
    Game* const game = fixture.app.m_game;
    EXPECT_FALSE(fixture.app.m_debugDisplay);
    fixture.TapAndUpdate({KEYCODE_F4});
    EXPECT_TRUE(fixture.app.m_debugDisplay);
    EXPECT_EQ(fixture.app.m_game, game);
    fixture.TapAndUpdate({KEYCODE_F4});
    EXPECT_FALSE(fixture.app.m_debugDisplay);
    EXPECT_FALSE(fixture.app.IsQuitting());
}

// F8 builds the new Game before the old one goes, so g_theDotFont always points
// at a live glyph table, and everything starts again from puzzle 1.
TEST(AppDeveloperKeys, F8ReplacesTheGameWithAFreshOne)
{
    AppWithGame fixture;
    Game* const oldGame = fixture.app.m_game;
    oldGame->m_puzzleIndex = 7;
    oldGame->SetupPuzzle();
    oldGame->m_restarts = 4;
    oldGame->m_failTrials = 9;
    for (int dotIndex = 0; dotIndex < 50; ++dotIndex)
    {
        oldGame->BankDot(Rgba8::WHITE);
    }
    ASSERT_EQ(g_theDotFont, oldGame->m_dotFont);

    fixture.TapAndUpdate({KEYCODE_F4, KEYCODE_F8});
    Game* const newGame = fixture.app.m_game;
    ASSERT_NE(newGame, oldGame);
    EXPECT_TRUE(fixture.app.m_debugDisplay);  // F4 on the same frame still counts
    EXPECT_EQ(newGame->m_puzzleIndex, 0);
    EXPECT_STREQ(newGame->m_answer, "TUTORIAL");
    EXPECT_EQ(newGame->m_restarts, 0);
    EXPECT_EQ(newGame->m_failTrials, 0);
    EXPECT_TRUE(newGame->m_bankedDots.empty());
    EXPECT_EQ(newGame->m_state, GAME_STATE_PLAYING);
    EXPECT_EQ(g_theDotFont, newGame->m_dotFont);
    EXPECT_EQ(g_theDotFont->m_game, newGame);
    EXPECT_EQ(g_theDotFont->GetGlyphDotCount('A'), 30);
}

TEST(AppDeveloperKeys, ReleasingTheCurrentGameClearsTheGlyphTablePointer)
{
    InputSystem* const previousInput = g_theInput;
    InputSystem input;
    g_theInput = &input;
    Game* first = new Game();
    Game* second = new Game();
    EXPECT_EQ(g_theDotFont, second->m_dotFont);
    delete first;  // not the current font: left alone
    EXPECT_EQ(g_theDotFont, second->m_dotFont);
    delete second;
    EXPECT_EQ(g_theDotFont, nullptr);
    g_theInput = previousInput;
}

TEST(AppQuitting, QuitRequestsAndEscapeSetTheFlag)
{
    App app;
    EXPECT_FALSE(app.IsQuitting());
    app.HandleQuitRequested();
    EXPECT_TRUE(app.IsQuitting());

    AppWithGame fixture;
    fixture.TapAndUpdate({KEYCODE_ESCAPE});
    EXPECT_TRUE(fixture.app.IsQuitting());
}
