#pragma once
// The one place where the platform's key numbers meet the engine's 8-bit codes
// (Engine/Input/KeyCodes.hpp).

// From an SDL_Keycode (the key's meaning in the current layout, so the key that
// types 'q' gives 'Q' on any layout) to its code; left and right modifiers share
// one code. 0 for keys the engine does not know.
unsigned char TranslateSDLKeycodeToKeyCode(int sdlKeycode);
