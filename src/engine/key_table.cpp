// The key bindings: a French keyboard's letters, as the game was made for.
#include "engine/key_table.hpp"

namespace {

const KeyBinding kBindings[ACTION_COUNT] = {
    {ACTION_WALK_LEFT, DEVICE_KEYBOARD, "Q", "Q"},
    {ACTION_WALK_RIGHT, DEVICE_KEYBOARD, "D", "D"},
    {ACTION_JUMP, DEVICE_KEYBOARD, "Space", "SPACE"},
    {ACTION_DIVE, DEVICE_KEYBOARD, "S", "S"},
    {ACTION_DASH, DEVICE_KEYBOARD, "LShift", "LEFT SHIFT"},
    {ACTION_SPECIAL_POSE, DEVICE_KEYBOARD, "O", "O"},
    {ACTION_REPLAY_NOTICE, DEVICE_KEYBOARD, "U", "U"},
    {ACTION_INTERACT, DEVICE_KEYBOARD, "F", "F"},
    {ACTION_CLIMB, DEVICE_KEYBOARD, "Z", "Z"},
    {ACTION_CARD_1, DEVICE_KEYBOARD, "A", "A"},
    {ACTION_CARD_2, DEVICE_KEYBOARD, "E", "E"},
    {ACTION_CARD_3, DEVICE_KEYBOARD, "C", "C"},
    {ACTION_PAUSE, DEVICE_KEYBOARD, "Escape", "ESCAPE"},
    {ACTION_DEBUG_REBUILD, DEVICE_KEYBOARD, "M", "M"},
    {ACTION_DEBUG_ARENA, DEVICE_KEYBOARD, "B", "B"},
    {ACTION_SWING, DEVICE_MOUSE, "left", "LEFT MOUSE"},
    {ACTION_DETONATE, DEVICE_MOUSE, "right", "RIGHT MOUSE"},
    {ACTION_BACK_TO_MENU, DEVICE_MOUSE, "middle", "MIDDLE MOUSE"},
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

}  // namespace

std::span<const KeyBinding> KeyBindings() { return kBindings; }

const KeyBinding& BindingOf(int action) { return kBindings[action]; }

std::span<const ControlsRow> ControlsRows() { return kRows; }
