// The key bindings: a French keyboard's letters, as the game was made for,
// with the arrow keys beside them and a gamepad's controls.
#include "engine/key_table.hpp"

#include <cstring>

namespace {

const KeyBinding kBindings[ACTION_COUNT] = {
    {ACTION_WALK_LEFT, DEVICE_KEYBOARD, "Q", "Q", "Left", "LEFT", PAD_LEFT},
    {ACTION_WALK_RIGHT, DEVICE_KEYBOARD, "D", "D", "Right", "RIGHT", PAD_RIGHT},
    {ACTION_JUMP, DEVICE_KEYBOARD, "Space", "SPACE", nullptr, nullptr, PAD_SOUTH},
    {ACTION_DIVE, DEVICE_KEYBOARD, "S", "S", "Down", "DOWN", PAD_DOWN},
    {ACTION_DASH, DEVICE_KEYBOARD, "LShift", "LEFT SHIFT", nullptr, nullptr, PAD_EAST},
    {ACTION_SPECIAL_POSE, DEVICE_KEYBOARD, "O", "O", nullptr, nullptr, PAD_RIGHT_STICK_PRESS},
    {ACTION_REPLAY_NOTICE, DEVICE_KEYBOARD, "U", "U", nullptr, nullptr, PAD_BACK},
    {ACTION_INTERACT, DEVICE_KEYBOARD, "F", "F", nullptr, nullptr, PAD_NORTH},
    {ACTION_CLIMB, DEVICE_KEYBOARD, "Z", "Z", "Up", "UP", PAD_UP},
    {ACTION_CARD_1, DEVICE_KEYBOARD, "A", "A", nullptr, nullptr, PAD_LB},
    {ACTION_CARD_2, DEVICE_KEYBOARD, "E", "E", nullptr, nullptr, PAD_RB},
    {ACTION_CARD_3, DEVICE_KEYBOARD, "C", "C", nullptr, nullptr, PAD_LT},
    {ACTION_PAUSE, DEVICE_KEYBOARD, "Escape", "ESCAPE", nullptr, nullptr, PAD_START},
    {ACTION_DEBUG_REBUILD, DEVICE_KEYBOARD, "M", "M", nullptr, nullptr, PAD_NONE},
    {ACTION_DEBUG_ARENA, DEVICE_KEYBOARD, "B", "B", nullptr, nullptr, PAD_NONE},
    {ACTION_SWING, DEVICE_MOUSE, "left", "LEFT MOUSE", nullptr, nullptr, PAD_WEST},
    {ACTION_DETONATE, DEVICE_MOUSE, "right", "RIGHT MOUSE", nullptr, nullptr, PAD_RT},
    // The pause menu's button leads back to the menu as well; a gamepad
    // button for it would empty the level at a slip of the thumb.
    {ACTION_BACK_TO_MENU, DEVICE_MOUSE, "middle", "MIDDLE MOUSE", nullptr, nullptr, PAD_NONE},
};

const char* const kPadLabels[PAD_CONTROL_COUNT] = {
    "", "SOUTH", "EAST", "WEST", "NORTH", "LB", "RB", "LT", "RT", "BACK", "START",
    "L-STICK PRESS", "R-STICK PRESS", "LEFT", "RIGHT", "UP", "DOWN",
};

const ControlsRow kRows[] = {
    {{ACTION_WALK_LEFT, ACTION_WALK_RIGHT, -1}, "walk left / right", 0},
    {{ACTION_JUMP, -1, -1}, "jump, double jump", 0},
    {{ACTION_DIVE, -1, -1}, "dive", 0},
    {{ACTION_DASH, -1, -1}, "dash", 0},
    {{ACTION_SPECIAL_POSE, -1, -1}, "special pose", 0},
    {{ACTION_REPLAY_NOTICE, -1, -1}, "damage notice", 0},
    {{ACTION_INTERACT, -1, -1}, "interact", 0},
    {{ACTION_CLIMB, -1, -1}, "climb", 0},
    {{ACTION_SWING, -1, -1}, "swing", 1},
    {{ACTION_DETONATE, -1, -1}, "detonate bomb", 1},
    {{ACTION_BACK_TO_MENU, -1, -1}, "back to menu", 1},
    {{ACTION_CARD_1, ACTION_CARD_2, ACTION_CARD_3}, "play a card", 1},
    {{ACTION_PAUSE, -1, -1}, "pause", 1},
    {{ACTION_DEBUG_REBUILD, -1, -1}, "rebuild level (debug)", 1},
    {{ACTION_DEBUG_ARENA, -1, -1}, "boss arena (debug)", 1},
};

// The three letter rows of a French keyboard, place by place, and what a US
// keyboard has at each place. Both sides hold the same 28 keys, so reading
// keys by place never gives two places one key.
const KeyPlace kPlaces[] = {
    {"A", "AD01", "Q", "Q"}, {"Z", "AD02", "W", "W"}, {"E", "AD03", "E", "E"},
    {"R", "AD04", "R", "R"}, {"T", "AD05", "T", "T"}, {"Y", "AD06", "Y", "Y"},
    {"U", "AD07", "U", "U"}, {"I", "AD08", "I", "I"}, {"O", "AD09", "O", "O"},
    {"P", "AD10", "P", "P"},
    {"Q", "AC01", "A", "A"}, {"S", "AC02", "S", "S"}, {"D", "AC03", "D", "D"},
    {"F", "AC04", "F", "F"}, {"G", "AC05", "G", "G"}, {"H", "AC06", "H", "H"},
    {"J", "AC07", "J", "J"}, {"K", "AC08", "K", "K"}, {"L", "AC09", "L", "L"},
    {"M", "AC10", "Semicolon", ";"},
    {"W", "AB01", "Z", "Z"}, {"X", "AB02", "X", "X"}, {"C", "AB03", "C", "C"},
    {"V", "AB04", "V", "V"}, {"B", "AB05", "B", "B"}, {"N", "AB06", "N", "N"},
    {"Comma", "AB07", "M", "M"}, {"Semicolon", "AB08", "Comma", ","},
};

}  // namespace

std::span<const KeyBinding> KeyBindings() { return kBindings; }

const KeyBinding& BindingOf(int action) { return kBindings[action]; }

const char* PadLabel(int control)
{
    return control > PAD_NONE && control < PAD_CONTROL_COUNT ? kPadLabels[control] : "";
}

std::span<const ControlsRow> ControlsRows() { return kRows; }

std::span<const KeyPlace> KeyPlaces() { return kPlaces; }

const char* QwertyLabel(const char* name, const char* label)
{
    for (const KeyPlace& place : kPlaces)
        if (std::strcmp(place.name, name) == 0)
            return place.qwertyCap;
    return label;
}
