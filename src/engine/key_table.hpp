#pragma once
// The one table of what every key and mouse button does. The input module
// resolves these names to keys when the game starts, the asset generator
// paints the controls panels from the same rows, and a test holds the
// README's table of controls to it. Pure data.
#include <span>

enum Action {
    ACTION_WALK_LEFT,
    ACTION_WALK_RIGHT,
    ACTION_JUMP,
    ACTION_DIVE,
    ACTION_DASH,
    ACTION_SPECIAL_POSE,
    ACTION_REPLAY_NOTICE,
    ACTION_INTERACT,
    ACTION_CLIMB,
    ACTION_CARD_1,
    ACTION_CARD_2,
    ACTION_CARD_3,
    ACTION_PAUSE,
    ACTION_DEBUG_REBUILD,
    ACTION_DEBUG_ARENA,
    ACTION_SWING,
    ACTION_DETONATE,
    ACTION_BACK_TO_MENU,
    ACTION_COUNT,
};

enum BindingDevice { DEVICE_KEYBOARD, DEVICE_MOUSE };

struct KeyBinding {
    int action = 0;
    BindingDevice device = DEVICE_KEYBOARD;
    const char* name = nullptr;  // SFML's key name ("LShift"), or "left", "right", "middle"
    const char* label = nullptr; // as a key cap shows it ("LEFT SHIFT")
};

// One binding per action, in action order.
std::span<const KeyBinding> KeyBindings();
const KeyBinding& BindingOf(int action);

// A row of the controls panel (and of the README's table): the actions whose
// keys share a cap ("Q / D"), what they do, and the panel's column.
struct ControlsRow {
    int actions[3] = {-1, -1, -1};  // -1: no more
    const char* does = nullptr;
    int column = 0;                 // 0 left, 1 right
};

std::span<const ControlsRow> ControlsRows();
