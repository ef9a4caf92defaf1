#include "engine/input.hpp"

namespace {

bool IsKey(sf::Keyboard::Key key) { return key >= 0 && key < sf::Keyboard::KeyCount; }

void FeedPad(Input& input, const sf::Event& event)
{
    switch (event.type) {
    case sf::Event::JoystickConnected:
        if (event.joystickConnect.joystickId < sf::Joystick::Count)
            input.pads[event.joystickConnect.joystickId] = Gamepad{true};
        break;
    case sf::Event::JoystickDisconnected:
        if (event.joystickConnect.joystickId < sf::Joystick::Count)
            input.pads[event.joystickConnect.joystickId] = Gamepad{};
        break;
    case sf::Event::JoystickButtonPressed:
    case sf::Event::JoystickButtonReleased:
        if (event.joystickButton.joystickId < sf::Joystick::Count
            && event.joystickButton.button < sf::Joystick::ButtonCount) {
            Gamepad& pad = input.pads[event.joystickButton.joystickId];
            pad.connected = true;  // a pad present before the window opened says so this way
            pad.buttons[event.joystickButton.button] = event.type == sf::Event::JoystickButtonPressed;
        }
        break;
    case sf::Event::JoystickMoved:
        if (event.joystickMove.joystickId < sf::Joystick::Count && event.joystickMove.axis >= 0
            && static_cast<unsigned>(event.joystickMove.axis) < sf::Joystick::AxisCount) {
            Gamepad& pad = input.pads[event.joystickMove.joystickId];
            pad.connected = true;
            pad.axes[event.joystickMove.axis] = event.joystickMove.position;
        }
        break;
    default:
        break;
    }
}

}  // namespace

KeyPlaceMap SameKeys()
{
    KeyPlaceMap same{};
    for (int code = 0; code < sf::Keyboard::KeyCount; code++)
        same[static_cast<std::size_t>(code)] = static_cast<sf::Keyboard::Key>(code);
    return same;
}

void SetLetterbox(Input& input, sf::Vector2u window)
{
    input.letterbox = FitLetterbox(window);
}

sf::Event FromWindow(Input& input, sf::Event event)
{
    const auto toCanvas = [&](int& x, int& y) {
        const sf::Vector2i canvas = WindowToCanvas(input.letterbox, {x, y});
        x = canvas.x;
        y = canvas.y;
    };
    switch (event.type) {
    case sf::Event::MouseMoved:
        toCanvas(event.mouseMove.x, event.mouseMove.y);
        input.pad.aiming = false;  // the hand is on the mouse again
        break;
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased:
        toCanvas(event.mouseButton.x, event.mouseButton.y);
        break;
    case sf::Event::MouseWheelScrolled:
        toCanvas(event.mouseWheelScroll.x, event.mouseWheelScroll.y);
        break;
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
        if (IsKey(event.key.code))
            event.key.code = input.places[static_cast<std::size_t>(event.key.code)];
        break;
    default:
        break;
    }
    return event;
}

void FeedInput(Input& input, const sf::Event& event)
{
    switch (event.type) {
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
        if (IsKey(event.key.code))
            input.keys[event.key.code] = event.type == sf::Event::KeyPressed;
        break;
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased:
        if (event.mouseButton.button >= 0 && event.mouseButton.button < sf::Mouse::ButtonCount)
            input.buttons[event.mouseButton.button] = event.type == sf::Event::MouseButtonPressed;
        if (event.type == sf::Event::MouseButtonPressed)
            input.mouse = {event.mouseButton.x, event.mouseButton.y};
        break;
    case sf::Event::MouseMoved:
        input.mouse = {event.mouseMove.x, event.mouseMove.y};
        break;
    case sf::Event::LostFocus:
        input.focused = false;
        ClearInput(input);  // releases that happen elsewhere never reach us
        break;
    case sf::Event::GainedFocus:
        input.focused = true;
        ClearInput(input);  // nor do presses: what is held now waits to be let go
        break;
    default:
        FeedPad(input, event);
        break;
    }
}

void ClearInput(Input& input)
{
    input.keys.fill(false);
    input.buttons.fill(false);
    PadDispatch& pad = input.pad;
    pad.held.fill(false);
    pad.clickHeld = false;
    pad.stepHeld.fill(true);  // a d-pad held now steps only once let go and pressed again
    pad.clickLatched = PadControlDown(input, PAD_SOUTH);
    for (const KeyBinding& binding : KeyBindings())
        pad.latched[static_cast<std::size_t>(binding.action)] = PadControlDown(input, binding.pad);
}

void ForgetButton(Input& input, sf::Mouse::Button button)
{
    if (button >= 0 && button < sf::Mouse::ButtonCount)
        input.buttons[button] = false;
}

bool IsKeyDown(const Input& input, sf::Keyboard::Key key)
{
    return IsKey(key) && input.keys[key];
}

bool IsButtonDown(const Input& input, sf::Mouse::Button button)
{
    return button >= 0 && button < sf::Mouse::ButtonCount && input.buttons[button];
}

sf::Vector2i MousePosition(const Input& input)
{
    return input.mouse;
}

namespace {

// SFML's key names, in key-code order from A.
const std::array<const char*, sf::Keyboard::KeyCount> kKeyNames{
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S",
    "T", "U", "V", "W", "X", "Y", "Z", "Num0", "Num1", "Num2", "Num3", "Num4", "Num5", "Num6",
    "Num7", "Num8", "Num9", "Escape", "LControl", "LShift", "LAlt", "LSystem", "RControl", "RShift",
    "RAlt", "RSystem", "Menu", "LBracket", "RBracket", "Semicolon", "Comma", "Period", "Quote",
    "Slash", "Backslash", "Tilde", "Equal", "Hyphen", "Space", "Enter", "Backspace", "Tab",
    "PageUp", "PageDown", "End", "Home", "Insert", "Delete", "Add", "Subtract", "Multiply",
    "Divide", "Left", "Right", "Up", "Down", "Numpad0", "Numpad1", "Numpad2", "Numpad3",
    "Numpad4", "Numpad5", "Numpad6", "Numpad7", "Numpad8", "Numpad9", "F1", "F2", "F3", "F4",
    "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "F13", "F14", "F15", "Pause"};

struct ResolvedBinding {
    sf::Keyboard::Key key = sf::Keyboard::Unknown;
    sf::Keyboard::Key alternate = sf::Keyboard::Unknown;
    std::optional<sf::Mouse::Button> button;
};

sf::Keyboard::Key NamedKey(const char* name)
{
    return name ? KeyFromName(name).value_or(sf::Keyboard::Unknown) : sf::Keyboard::Unknown;
}

// The key table's names, resolved once: the table is fixed for the run.
const std::array<ResolvedBinding, ACTION_COUNT>& Resolved()
{
    static const std::array<ResolvedBinding, ACTION_COUNT> resolved = [] {
        std::array<ResolvedBinding, ACTION_COUNT> all{};
        for (const KeyBinding& binding : KeyBindings()) {
            ResolvedBinding& one = all[static_cast<std::size_t>(binding.action)];
            if (binding.device == DEVICE_MOUSE)
                one.button = ButtonFromName(binding.name);
            else
                one.key = NamedKey(binding.name);
            one.alternate = NamedKey(binding.alternate);
        }
        return all;
    }();
    return resolved;
}

const ResolvedBinding& Binding(int action)
{
    static const ResolvedBinding none{};
    return action >= 0 && action < ACTION_COUNT ? Resolved()[static_cast<std::size_t>(action)] : none;
}

}  // namespace

std::optional<sf::Keyboard::Key> KeyFromName(const std::string& name)
{
    for (int code = 0; code < sf::Keyboard::KeyCount; code++)
        if (name == kKeyNames[static_cast<std::size_t>(code)])
            return static_cast<sf::Keyboard::Key>(code);
    return std::nullopt;
}

const char* KeyName(sf::Keyboard::Key key)
{
    return IsKey(key) ? kKeyNames[static_cast<std::size_t>(key)] : "Unknown";
}

std::optional<sf::Mouse::Button> ButtonFromName(const std::string& name)
{
    if (name == "left")
        return sf::Mouse::Left;
    if (name == "right")
        return sf::Mouse::Right;
    if (name == "middle")
        return sf::Mouse::Middle;
    return std::nullopt;
}

const char* ButtonName(sf::Mouse::Button button)
{
    switch (button) {
    case sf::Mouse::Left: return "left";
    case sf::Mouse::Right: return "right";
    case sf::Mouse::Middle: return "middle";
    default: return "?";
    }
}

sf::Keyboard::Key ActionKey(int action)
{
    return Binding(action).key;
}

sf::Keyboard::Key AlternateKey(int action)
{
    return Binding(action).alternate;
}

bool IsActionDown(const Input& input, int action)
{
    const ResolvedBinding& binding = Binding(action);
    if (binding.button)
        return IsButtonDown(input, *binding.button);
    return IsKeyDown(input, binding.key) || IsKeyDown(input, binding.alternate);
}

bool IsActionKey(int action, sf::Keyboard::Key key)
{
    const ResolvedBinding& binding = Binding(action);
    return !binding.button && key != sf::Keyboard::Unknown && (binding.key == key || binding.alternate == key);
}

bool IsActionButton(int action, sf::Mouse::Button button)
{
    const ResolvedBinding& binding = Binding(action);
    return binding.button && *binding.button == button;
}
