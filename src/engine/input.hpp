#pragma once
// Every keyboard and mouse poll of the game reads this record. It is fed
// by the window's events, real or replayed from a script, so scripted runs
// and tests drive exactly the code paths a player does. What each key does
// comes from the key table (engine/key_table.hpp).
//
// Three translations happen here and nowhere else:
// - the mouse: the window shows the canvas letterboxed, and every mouse
//   position the game hears is in canvas pixels (FromWindow);
// - the keys: a key is heard as the French key at its place (FromWindow);
// - the gamepads: their state is sent on as the keyboard and mouse events of
//   the same actions (PadEvents, SteerPadPointer), so the game's dispatch and
//   polls never need to know a pad exists.
#include "engine/key_table.hpp"
#include "engine/letterbox.hpp"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using KeyPlaceMap = std::array<sf::Keyboard::Key, sf::Keyboard::KeyCount>;

struct Gamepad {
    bool connected = false;
    int make = 0;  // the gamepad table's PadMake
    std::array<bool, sf::Joystick::ButtonCount> buttons{};
    std::array<float, sf::Joystick::AxisCount> axes{};
};

// What the gamepads have sent on, so each press gets its one release.
struct PadDispatch {
    bool pointerMode = true;                   // a menu is up: the pad drives the pointer
    std::array<bool, ACTION_COUNT> held{};     // the action's press was sent, its release is owed
    std::array<bool, ACTION_COUNT> latched{};  // held through a change of mode: up until let go
    bool clickHeld = false;                    // south as the pointer's button, in a menu
    bool clickLatched = false;
    std::array<bool, 4> stepHeld{};            // the d-pad's left, right, up, down in a menu
    bool aiming = false;                       // the stick aims the pointer until the mouse moves
    sf::Vector2f aim{1.f, 0.f};                // the stick's last direction
    sf::Vector2f pointer{};                    // the pad's pointer, to the sub-pixel
};

KeyPlaceMap SameKeys();

struct Input {
    std::array<bool, sf::Keyboard::KeyCount> keys{};
    std::array<bool, sf::Mouse::ButtonCount> buttons{};
    sf::Vector2i mouse{};  // canvas pixels
    Letterbox letterbox;
    KeyPlaceMap places = SameKeys();  // a key of the player's layout -> the French key at its place
    bool focused = true;
    std::array<Gamepad, sf::Joystick::Count> pads{};
    PadDispatch pad;
};

// What the game around the pad looks like this frame.
struct PadView {
    bool pointerMode = true;             // a menu, the pause, a panel or the death screen is up
    bool inPlay = false;                 // the game runs (a panel or the death screen over it): the
                                         // controls the pointer leaves free keep their actions
    std::vector<sf::Vector2f> targets;   // its buttons' centres, canvas pixels: the d-pad steps between them
    sf::Vector2f aimFrom{};              // the player on the canvas: in play the stick aims from there
};

// The button that clicks on menus and panels and drags the volume bar.
inline constexpr sf::Mouse::Button kPointerButton = sf::Mouse::Left;

// A real event of the window as the game hears it: mouse positions in
// canvas pixels, keys by their place. A real mouse move takes the pointer
// back from the gamepad.
sf::Event FromWindow(Input& input, sf::Event event);
void SetLetterbox(Input& input, sf::Vector2u window);

void FeedInput(Input& input, const sf::Event& event);
// Releases every held key and button; the gamepads' held controls count as
// up until they are let go.
void ClearInput(Input& input);
// Treats a held button as up until it is pressed again.
void ForgetButton(Input& input, sf::Mouse::Button button);
bool IsKeyDown(const Input& input, sf::Keyboard::Key key);
bool IsButtonDown(const Input& input, sf::Mouse::Button button);
sf::Vector2i MousePosition(const Input& input);

// The bound key (or its alternate) or button of an action is held.
bool IsActionDown(const Input& input, int action);
// A key-press or button-press event's code is the action's.
bool IsActionKey(int action, sf::Keyboard::Key key);
bool IsActionButton(int action, sf::Mouse::Button button);
// The key an action is bound to (Unknown for a mouse action), and its second one.
sf::Keyboard::Key ActionKey(int action);
sf::Keyboard::Key AlternateKey(int action);

// SFML's name of a key ("A", "LShift", "Space"...), and back.
std::optional<sf::Keyboard::Key> KeyFromName(const std::string& name);
const char* KeyName(sf::Keyboard::Key key);
std::optional<sf::Mouse::Button> ButtonFromName(const std::string& name);
const char* ButtonName(sf::Mouse::Button button);

// Keys by place. `producedAt` says which key the player's layout gives at an
// XKB place ("AC01"), Unknown where it gives none SFML knows.
KeyPlaceMap MapKeyPlaces(const std::function<sf::Keyboard::Key(const char* place)>& producedAt);
// Asks the X server (SFML's only windowing system on Linux) for the layout
// in use; every key stays itself when it cannot be asked.
KeyPlaceMap ReadKeyPlaces();

// ---- Gamepads (engine/gamepad.cpp) ----
// The gamepad table's make for a pad's USB vendor, said when it connects.
void SetPadMake(Input& input, unsigned pad, unsigned vendor);
// A control of any connected pad is pressed. Sticks, hats and triggers use
// the table's thresholds; `wasDown` picks the one for letting go.
bool PadControlDown(const Input& input, int control, bool wasDown = false);
// The keyboard and mouse events the pads' state now calls for: in play,
// each bound action's press and release as its key or button; in a menu,
// south as the pointer's button and the d-pad stepping the pointer to the
// next target (over the running game, the other controls keep their
// actions). A change of mode first releases what the other mode held.
std::vector<sf::Event> PadEvents(Input& input, const PadView& view);
// Each frame: in a menu the left stick moves the pointer; in play, once the
// stick has been pushed, the pointer stands where the stick aims from the
// player. Returns the mouse move to send, if any.
std::optional<sf::Event> SteerPadPointer(Input& input, float dt, const PadView& view);
