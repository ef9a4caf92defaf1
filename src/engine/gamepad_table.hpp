#pragma once
// How a gamepad's make numbers its buttons and axes under Linux's joystick
// interface, which SFML reads. A pad is told apart by its USB vendor; any
// other make is taken to number its controls as an Xbox pad does, as most
// Linux drivers (xpad, xone, Steam's and 8BitDo's X-input modes) present them.
// Pure data: the axis numbers are SFML's (X, Y, Z, R, U, V, PovX, PovY =
// 0 to 7), the button numbers the driver's.
#include "engine/key_table.hpp"

inline constexpr int kPadAxisX = 0;     // left stick, right is positive
inline constexpr int kPadAxisY = 1;     // left stick, down is positive
inline constexpr int kPadAxisZ = 2;
inline constexpr int kPadAxisR = 3;
inline constexpr int kPadAxisPovX = 6;  // d-pad as a hat, right is positive
inline constexpr int kPadAxisPovY = 7;  // d-pad as a hat, down is positive (as the kernel reports it)

// Axes read -100 to 100. A stick or hat counts as pushed past kPadTilt and
// as let go again below kPadRelease, so a stick held near the edge does not
// flicker; a trigger rests at -100 (or 0) and counts as pulled past kPadPull.
inline constexpr float kPadTilt = 50.f;
inline constexpr float kPadRelease = 40.f;
inline constexpr float kPadPull = 50.f;
inline constexpr float kPadDeadZone = 20.f;  // below this a stick steers nothing

struct PadLayout {
    const char* make = nullptr;
    unsigned vendor = 0;                   // USB vendor id; 0: every other make
    int buttons[PAD_CONTROL_COUNT] = {};   // each control's button number, -1: none
    int triggerAxis[2] = {-1, -1};         // the axes of LT and RT, -1: buttons only
};

enum PadMake { PAD_MAKE_XBOX, PAD_MAKE_PLAYSTATION, PAD_MAKE_COUNT };

const PadLayout& PadLayoutOf(int make);
// The make a pad of this USB vendor numbers its controls like.
int PadMakeOf(unsigned vendor);

// The pad's pointer in a menu crosses the canvas's width in about 1.6 s at
// full tilt; in play the stick aims from the player to the canvas's edge.
inline constexpr float kPadPointerSpeed = 1200.f;  // canvas pixels per second
// A d-pad step goes first to the nearest button when the pointer is farther
// than this from every button.
inline constexpr float kPadOnTarget = 8.f;
