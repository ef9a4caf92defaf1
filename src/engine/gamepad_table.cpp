#include "engine/gamepad_table.hpp"

namespace {

// Button numbers in PadControl order: none, south, east, west, north, LB,
// RB, LT, RT, back, start, left stick press, right stick press, then the
// d-pad's left, right, up and down where a driver gives them as buttons.
const PadLayout kLayouts[PAD_MAKE_COUNT] = {
    // xpad: A B X Y LB RB BACK START GUIDE LS RS, then the d-pad buttons
    // when it sends them (dpad_to_buttons); the triggers are Z and R.
    {"xbox", 0, {-1, 0, 1, 2, 3, 4, 5, -1, -1, 6, 7, 9, 10, 11, 12, 13, 14}, {kPadAxisZ, kPadAxisR}},
    // hid-playstation: cross circle triangle square L1 R1 L2 R2 share
    // options PS L3 R3; L2 and R2 are buttons as well as axes.
    {"playstation", 0x054c, {-1, 0, 1, 3, 2, 4, 5, 6, 7, 8, 9, 11, 12, -1, -1, -1, -1}, {-1, -1}},
};

}  // namespace

const PadLayout& PadLayoutOf(int make)
{
    return kLayouts[make >= 0 && make < PAD_MAKE_COUNT ? make : PAD_MAKE_XBOX];
}

int PadMakeOf(unsigned vendor)
{
    for (int make = 0; make < PAD_MAKE_COUNT; make++)
        if (kLayouts[make].vendor != 0 && kLayouts[make].vendor == vendor)
            return make;
    return PAD_MAKE_XBOX;
}
