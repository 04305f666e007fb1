#pragma once
// The platform half of the game controllers: four XInput-style slots over SDL's
// game controllers, one per XboxController (NUM_XBOX_CONTROLLERS). Values come in
// XInput's units and signs.

// XInput's wButtons bits.
constexpr unsigned short XINPUT_BIT_DPAD_UP = 0x0001;
constexpr unsigned short XINPUT_BIT_DPAD_DOWN = 0x0002;
constexpr unsigned short XINPUT_BIT_DPAD_LEFT = 0x0004;
constexpr unsigned short XINPUT_BIT_DPAD_RIGHT = 0x0008;
constexpr unsigned short XINPUT_BIT_START = 0x0010;
constexpr unsigned short XINPUT_BIT_BACK = 0x0020;
constexpr unsigned short XINPUT_BIT_LEFT_THUMB = 0x0040;
constexpr unsigned short XINPUT_BIT_RIGHT_THUMB = 0x0080;
constexpr unsigned short XINPUT_BIT_LEFT_SHOULDER = 0x0100;
constexpr unsigned short XINPUT_BIT_RIGHT_SHOULDER = 0x0200;
constexpr unsigned short XINPUT_BIT_A = 0x1000;
constexpr unsigned short XINPUT_BIT_B = 0x2000;
constexpr unsigned short XINPUT_BIT_X = 0x4000;
constexpr unsigned short XINPUT_BIT_Y = 0x8000;

struct ControllerSlotState
{
    bool m_isConnected = false;
    unsigned short m_buttonBits = 0;  // XINPUT_BIT_* of the buttons held
    unsigned char m_leftTrigger = 0;  // 0 released .. 255 fully pulled
    unsigned char m_rightTrigger = 0;
    short m_leftThumbX = 0;  // -32768 .. 32767, +x right
    short m_leftThumbY = 0;  // +y up
    short m_rightThumbX = 0;
    short m_rightThumbY = 0;
};

// Reads the device list once: unplugged controllers leave their slots, then each
// newly plugged one takes the lowest free slot; a controller keeps its slot while
// it stays plugged. Starts SDL's controller support on first use; where that
// fails, every slot reads as disconnected. Once per frame, before the slots are read.
void RefreshControllerSlots();
// The slot as the last refresh left it; outside 0..3 it reads as disconnected.
ControllerSlotState PollControllerSlot(int slotIndex);
// Both motors, 0..65535, until changed; a slot without a controller ignores it, and
// a controller that leaves its slot takes no vibration to the next one.
void SetControllerSlotVibration(int slotIndex, unsigned short lowFrequencyMotorSpeed,
                                unsigned short highFrequencyMotorSpeed);
// Closes every controller and stops SDL's controller support; polling starts it again.
void ShutdownControllerBackend();

// Conversions from SDL's units, exposed for their edges.
unsigned char ConvertTriggerAxisToByte(int sdlTriggerAxis);  // 0..32767 onto 0..255
short ConvertStickAxisYToUpPositive(int sdlStickAxisY);      // SDL's y points down
