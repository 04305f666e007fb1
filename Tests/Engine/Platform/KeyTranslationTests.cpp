#include "Engine/Input/KeyCodes.hpp"
#include "Engine/Platform/KeyTranslation.hpp"

#include <SDL2/SDL_keyboard.h>
#include <gtest/gtest.h>

TEST(TranslateSDLKeycodeToKeyCode, GivesTheVirtualKeyOfEveryKeyTheEngineKnows)
{
    struct Case
    {
        SDL_Keycode sdlKeycode;
        unsigned char expected;
    };
    Case const CASES[] = {
        {SDLK_ESCAPE, 27}, {SDLK_SPACE, 32},    {SDLK_LEFT, 37},     {SDLK_UP, 38},     {SDLK_RIGHT, 39},
        {SDLK_DOWN, 40},   {SDLK_RETURN, 13},   {SDLK_KP_ENTER, 13}, {SDLK_TAB, 9},     {SDLK_BACKSPACE, 8},
        {SDLK_LSHIFT, 16}, {SDLK_RSHIFT, 16},   {SDLK_LCTRL, 17},    {SDLK_RCTRL, 17},  {SDLK_LALT, 18},
        {SDLK_RALT, 18},   {SDLK_F1, 112},      {SDLK_F4, 115},      {SDLK_F8, 119},    {SDLK_F12, 123},
        {SDLK_0, 48},      {SDLK_9, 57},        {SDLK_a, 65},        {SDLK_m, 77},      {SDLK_z, 90},
        {SDLK_KP_0, 96},   {SDLK_KP_1, 97},     {SDLK_KP_9, 105},    {SDLK_DELETE, 46}, {SDLK_SEMICOLON, 186},
        {SDLK_QUOTE, 222}, {SDLK_PAGEDOWN, 34},
    };
    for (Case const& testCase : CASES)
    {
        SCOPED_TRACE(SDL_GetKeyName(testCase.sdlKeycode));
        EXPECT_EQ(TranslateSDLKeycodeToKeyCode(testCase.sdlKeycode), testCase.expected);
    }
    for (int offset = 0; offset < 26; ++offset)
    {
        EXPECT_EQ(TranslateSDLKeycodeToKeyCode(SDLK_a + offset), KEYCODE_A + offset);
    }
    for (int offset = 0; offset < 12; ++offset)
    {
        EXPECT_EQ(TranslateSDLKeycodeToKeyCode(SDLK_F1 + offset), KEYCODE_F1 + offset);
    }
}

TEST(TranslateSDLKeycodeToKeyCode, UnknownKeysGiveZero)
{
    SDL_Keycode const UNKNOWN[] = {SDLK_UNKNOWN,
                                   SDLK_F13,
                                   SDLK_AUDIOPLAY,
                                   SDLK_EXCLAIM,
                                   SDLK_UNDERSCORE,
                                   SDLK_z + 1,
                                   0x0436 /* Cyrillic zhe */,
                                   -1};
    for (SDL_Keycode const sdlKeycode : UNKNOWN)
    {
        EXPECT_EQ(TranslateSDLKeycodeToKeyCode(sdlKeycode), 0) << sdlKeycode;
    }
}
