#pragma once
// The one table of what every key, mouse button and gamepad control does.
// The input module resolves these names to keys when the game starts, the
// asset generator paints the controls panels from the same rows, and a test
// holds the README's table of controls to it. Pure data.
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

// The controls of an SDL-style gamepad, named by where they sit: the four
// face buttons by compass point (south is Xbox's A, PlayStation's cross),
// the shoulders and triggers, the two small middle buttons, the sticks'
// presses. PAD_LEFT to PAD_DOWN are the left stick and the d-pad alike.
enum PadControl {
    PAD_NONE,
    PAD_SOUTH,
    PAD_EAST,
    PAD_WEST,
    PAD_NORTH,
    PAD_LB,
    PAD_RB,
    PAD_LT,
    PAD_RT,
    PAD_BACK,
    PAD_START,
    PAD_LEFT_STICK_PRESS,
    PAD_RIGHT_STICK_PRESS,
    PAD_LEFT,
    PAD_RIGHT,
    PAD_UP,
    PAD_DOWN,
    PAD_CONTROL_COUNT,
};

struct KeyBinding {
    int action = 0;
    BindingDevice device = DEVICE_KEYBOARD;
    const char* name = nullptr;       // SFML's key name ("LShift"), or "left", "right", "middle"
    const char* label = nullptr;      // as a key cap shows it ("LEFT SHIFT")
    const char* alternate = nullptr;  // a second key that does the same ("Left"), or none
    const char* alternateLabel = nullptr;
    int pad = PAD_NONE;               // the gamepad control that does it
};

// One binding per action, in action order.
std::span<const KeyBinding> KeyBindings();
const KeyBinding& BindingOf(int action);
// As the controls panel and the README name a gamepad control ("LB").
const char* PadLabel(int control);

// A row of the controls panel (and of the README's table): the actions whose
// keys share a cap ("Q / D"), what they do, and the panel's column.
struct ControlsRow {
    int actions[3] = {-1, -1, -1};  // -1: no more
    const char* does = nullptr;
    int column = 0;                 // 0 left, 1 right
};

std::span<const ControlsRow> ControlsRows();

// The game's letters sit where a French (AZERTY) keyboard has them. SFML 2.5
// names a key by the symbol the layout gives it, not by its place, so the
// input module asks the X server what each of these places gives and reads
// it as the French key of that place: on any layout Q / D walk and Z climbs
// with the same fingers. `place` is XKB's name of the key's place (AC01: the
// home row's first letter key); `qwerty` is what a US keyboard has there.
struct KeyPlace {
    const char* name = nullptr;    // SFML's name of the French key
    const char* place = nullptr;
    const char* qwerty = nullptr;  // SFML's name of the US key at the same place
    const char* qwertyCap = nullptr;  // and its cap (";" for "Semicolon")
};

std::span<const KeyPlace> KeyPlaces();
// The US QWERTY cap at the place of a French key ("A" for "Q"); the label
// itself for a key whose place every layout names alike (SPACE, ESCAPE).
const char* QwertyLabel(const char* name, const char* label);
