#pragma once
// The one place where the platform's key numbers meet the engine's 8-bit codes
// (Engine/Input/KeyCodes.hpp).

// From an SDL key event's keycode (what the key types in the current layout) and
// scancode (where it sits on the keyboard) to its code, as a Windows layout gives
// virtual keys: a key that types a Latin letter or digit gives that letter or digit
// (the key that types 'a' on a French keyboard gives 'A'); the digit row gives its
// digits on every layout; other keys with a meaning of their own (arrows, Enter,
// punctuation...) give that meaning's code; any other key, above all one that types
// a letter of another script, gives the code of the key in its place on a US
// keyboard. Left and right modifiers share one code. 0 for keys the engine does not know.
unsigned char TranslateSDLKeyToKeyCode(int sdlKeycode, int sdlScancode);
