#include "Engine/Input/KeyCodes.hpp"
#include "Game/Cursor.hpp"
#include "Game/Dot.hpp"
#include "Tests/Game/GameTestDriver.hpp"

#include <gtest/gtest.h>

namespace
{
int CountFreeTextDots(Game const& game)
{
    int numFree = 0;
    for (Dot const* dot : game.m_textDots)
    {
        numFree += dot->IsFree() ? 1 : 0;
    }
    return numFree;
}

Rgba8 SlotColor(int slotIndex)
{
    return Rgba8(static_cast<unsigned char>(slotIndex), 0, 0, 255);
}
}  // namespace

TEST(GameDotBank, SlotNLiesAtNModulo256AndNDividedBy256)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    driver.BankDots(257);
    ASSERT_EQ(game.m_bankedDots.size(), 257u);
    EXPECT_EQ(game.m_bankedDotCount, 257);
    EXPECT_EQ(game.m_bankedDots[0]->m_position, Vec2(0.f, 0.f));
    EXPECT_EQ(game.m_bankedDots[1]->m_position, Vec2(1.f, 0.f));
    EXPECT_EQ(game.m_bankedDots[255]->m_position, Vec2(255.f, 0.f));
    EXPECT_EQ(game.m_bankedDots[256]->m_position, Vec2(0.f, 1.f));
    for (Dot const* dot : game.m_bankedDots)
    {
        EXPECT_EQ(dot->m_size, 1.f);
        EXPECT_TRUE(dot->m_isUnbreakable);
        EXPECT_FALSE(dot->IsFree());
        EXPECT_EQ(dot->m_game, &game);
    }
}

TEST(GameDotBank, SpendingTakesTheNewestDotsAndTheNextFillsTheFirstFreeSlot)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    for (int slotIndex = 0; slotIndex < 40; ++slotIndex)
    {
        game.BankDot(SlotColor(slotIndex));
    }
    game.SpendBankedDots(30);
    ASSERT_EQ(game.m_bankedDots.size(), 10u);
    EXPECT_EQ(game.m_bankedDotCount, 10);
    for (int slotIndex = 0; slotIndex < 10; ++slotIndex)
    {
        EXPECT_EQ(game.m_bankedDots[slotIndex]->m_color, SlotColor(slotIndex));
    }
    game.BankDot(Rgba8::GREEN);
    EXPECT_EQ(game.m_bankedDots.back()->m_position, Vec2(10.f, 0.f));
    EXPECT_EQ(game.m_bankedDotCount, 11);
}

// The only caller checks the price first; a count beyond the bank must still lose
// nothing it does not have and leave the count equal to the list.
TEST(GameDotBank, SpendingMoreThanTheBankEmptiesItAndNothingElse)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    driver.BankDots(5);
    game.SpendBankedDots(-3);
    EXPECT_EQ(game.m_bankedDotCount, 5);
    game.SpendBankedDots(9);
    EXPECT_TRUE(game.m_bankedDots.empty());
    EXPECT_EQ(game.m_bankedDotCount, 0);
}

// A broken dot flies, leaves the world and becomes exactly one banked dot of its
// colour; on the banking frame the count is one higher until EndFrame.
TEST(GameDotBank, EveryBrokenDotIsBankedOnceWhenItLeavesTheWorld)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    int const numTextDotsAtStart = static_cast<int>(game.m_textDots.size());
    game.m_cursor->m_position = Vec2(64.f, 160.f);
    driver.Tap(KEYCODE_SPACE);
    int const numBroken = CountFreeTextDots(game);
    ASSERT_GT(numBroken, 0);

    int numFrames = 0;
    while (CountFreeTextDots(game) > 0 && numFrames < 1000)
    {
        int const dotCountBefore = game.GetDotCount();
        int const bankedBefore = game.m_bankedDotCount;
        driver.m_input.EndFrame();
        game.Update(0.0625f);
        int const newlyBanked = game.m_bankedDotCount - bankedBefore;
        EXPECT_EQ(game.GetDotCount(), dotCountBefore + newlyBanked);
        game.EndFrame();
        EXPECT_EQ(game.GetDotCount(), dotCountBefore);
        ++numFrames;
    }
    EXPECT_EQ(CountFreeTextDots(game), 0);
    EXPECT_EQ(game.m_bankedDotCount, numBroken);
    EXPECT_EQ(static_cast<int>(game.m_bankedDots.size()), numBroken);
    EXPECT_EQ(static_cast<int>(game.m_textDots.size()), numTextDotsAtStart - numBroken);
    for (Dot const* dot : game.m_bankedDots)
    {
        EXPECT_EQ(dot->m_color, Rgba8::WHITE);
    }
}

TEST(GameDotBank, ClearingDestroysFlyingDotsWithoutBankingThem)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    game.m_cursor->m_position = Vec2(64.f, 160.f);
    driver.Tap(KEYCODE_SPACE);
    ASSERT_GT(CountFreeTextDots(game), 0);
    driver.BankDots(3);
    game.m_wrongLetters[0] = 'Q';
    game.m_wrongLetterLength = 1;

    game.ClearAllDots();
    EXPECT_TRUE(game.m_textDots.empty());
    EXPECT_TRUE(game.m_bankedDots.empty());
    EXPECT_EQ(game.m_bankedDotCount, 0);
    EXPECT_EQ(game.m_wrongLetterLength, 0);
    EXPECT_EQ(game.m_wrongLetters[0], '\0');
    driver.RunFrames(100, 0.0625f);
    EXPECT_EQ(game.m_bankedDotCount, 0);
}

// A full bank refuses more dots: a dot beyond the last on-world slot would die on
// its first update and bank another in its place, frame after frame.
TEST(GameDotBank, FullBankTakesNoMoreDotsAndKeepsItsCount)
{
    GameTestDriver driver;
    Game& game = *driver.m_game;
    driver.BankDots(BANK_CAPACITY);
    ASSERT_EQ(game.m_bankedDotCount, BANK_CAPACITY);
    EXPECT_EQ(game.m_bankedDots.back()->m_position, Vec2(255.f, 211.f));
    EXPECT_FALSE(game.m_bankedDots.back()->IsOffScreen());

    game.BankDot(Rgba8::RED);
    EXPECT_EQ(game.m_bankedDotCount, BANK_CAPACITY);
    driver.RunFrames(3, 0.0625f);
    EXPECT_EQ(game.m_bankedDotCount, BANK_CAPACITY);
    EXPECT_EQ(static_cast<int>(game.m_bankedDots.size()), BANK_CAPACITY);

    game.SpendBankedDots(1);
    game.BankDot(Rgba8::RED);
    EXPECT_EQ(game.m_bankedDots.back()->m_color, Rgba8::RED);
}
