// The gamepads, sent on as the keyboard and mouse events of the same actions.
#include "engine/gamepad_table.hpp"
#include "engine/input.hpp"
#include "engine/layout_table.hpp"

#include <algorithm>
#include <cmath>

static_assert(sf::Joystick::X == kPadAxisX && sf::Joystick::Y == kPadAxisY && sf::Joystick::Z == kPadAxisZ
              && sf::Joystick::R == kPadAxisR && sf::Joystick::PovX == kPadAxisPovX
              && sf::Joystick::PovY == kPadAxisPovY);

namespace {

constexpr int kDirections[4] = {PAD_LEFT, PAD_RIGHT, PAD_UP, PAD_DOWN};

bool ButtonDown(const Gamepad& pad, int control)
{
    const int button = PadLayoutOf(pad.make).buttons[control];
    return button >= 0 && button < static_cast<int>(sf::Joystick::ButtonCount) && pad.buttons[button];
}

float Axis(const Gamepad& pad, int axis) { return pad.axes[static_cast<std::size_t>(axis)]; }

// How far an axis pair leans towards a direction: -x for left, y for down.
float Lean(const Gamepad& pad, int axisX, int axisY, int direction)
{
    switch (direction) {
    case PAD_LEFT: return -Axis(pad, axisX);
    case PAD_RIGHT: return Axis(pad, axisX);
    case PAD_UP: return -Axis(pad, axisY);
    default: return Axis(pad, axisY);
    }
}

bool DpadDown(const Gamepad& pad, int direction, bool wasDown)
{
    const float threshold = wasDown ? kPadRelease : kPadTilt;
    return ButtonDown(pad, direction) || Lean(pad, kPadAxisPovX, kPadAxisPovY, direction) > threshold;
}

bool ControlDown(const Gamepad& pad, int control, bool wasDown)
{
    if (!pad.connected || control <= PAD_NONE || control >= PAD_CONTROL_COUNT)
        return false;
    if (control >= PAD_LEFT)
        return DpadDown(pad, control, wasDown)
            || Lean(pad, kPadAxisX, kPadAxisY, control) > (wasDown ? kPadRelease : kPadTilt);
    if (control == PAD_LT || control == PAD_RT) {
        const int axis = PadLayoutOf(pad.make).triggerAxis[control == PAD_RT];
        if (axis >= 0 && Axis(pad, axis) > kPadPull)
            return true;
    }
    return ButtonDown(pad, control);
}

bool AnyDpadDown(const Input& input, int direction, bool wasDown)
{
    return std::any_of(input.pads.begin(), input.pads.end(),
                       [&](const Gamepad& pad) { return pad.connected && DpadDown(pad, direction, wasDown); });
}

sf::Event KeyEvent(sf::Keyboard::Key key, bool down)
{
    sf::Event event{};
    event.type = down ? sf::Event::KeyPressed : sf::Event::KeyReleased;
    event.key.code = key;
    return event;
}

sf::Event ButtonEvent(sf::Mouse::Button button, bool down, sf::Vector2i at)
{
    sf::Event event{};
    event.type = down ? sf::Event::MouseButtonPressed : sf::Event::MouseButtonReleased;
    event.mouseButton = {button, at.x, at.y};
    return event;
}

sf::Event MoveEvent(sf::Vector2i to)
{
    sf::Event event{};
    event.type = sf::Event::MouseMoved;
    event.mouseMove = {to.x, to.y};
    return event;
}

// An action's press or release, as its key or mouse button.
sf::Event ActionEvent(const Input& input, int action, bool down)
{
    const KeyBinding& binding = BindingOf(action);
    if (binding.device == DEVICE_MOUSE)
        return ButtonEvent(ButtonFromName(binding.name).value_or(kPointerButton), down, input.mouse);
    return KeyEvent(ActionKey(action), down);
}

// What one mode held is let go before the other begins; what is still held
// then counts as up until it is let go.
void ChangeMode(Input& input, bool pointerMode, std::vector<sf::Event>& out)
{
    PadDispatch& pad = input.pad;
    for (int action = 0; action < ACTION_COUNT; action++)
        if (pad.held[static_cast<std::size_t>(action)])
            out.push_back(ActionEvent(input, action, false));
    if (pad.clickHeld)
        out.push_back(ButtonEvent(kPointerButton, false, input.mouse));
    pad.pointerMode = pointerMode;
    pad.held.fill(false);
    pad.clickHeld = false;
    pad.clickLatched = PadControlDown(input, PAD_SOUTH);
    for (const KeyBinding& binding : KeyBindings())
        pad.latched[static_cast<std::size_t>(binding.action)] = PadControlDown(input, binding.pad);
    for (int i = 0; i < 4; i++)
        pad.stepHeld[static_cast<std::size_t>(i)] = AnyDpadDown(input, kDirections[i], false);
}

// A control's new state: true/false when it changed, and nothing while it
// is latched or unchanged.
std::optional<bool> Edge(bool down, bool& held, bool& latched)
{
    if (latched) {
        latched = down;
        return std::nullopt;
    }
    if (down == held)
        return std::nullopt;
    held = down;
    return down;
}

// `pointerTaken`: south and the directions drive the pointer instead.
void PlayEvents(Input& input, bool pointerTaken, std::vector<sf::Event>& out)
{
    PadDispatch& pad = input.pad;
    for (const KeyBinding& binding : KeyBindings()) {
        if (binding.pad == PAD_NONE || (pointerTaken && (binding.pad == PAD_SOUTH || binding.pad >= PAD_LEFT)))
            continue;
        const std::size_t a = static_cast<std::size_t>(binding.action);
        bool held = pad.held[a], latched = pad.latched[a];
        const std::optional<bool> edge = Edge(PadControlDown(input, binding.pad, held), held, latched);
        pad.held[a] = held;
        pad.latched[a] = latched;
        if (edge)
            out.push_back(ActionEvent(input, binding.action, *edge));
    }
}

sf::Vector2f Direction(int direction)
{
    switch (direction) {
    case PAD_LEFT: return {-1.f, 0.f};
    case PAD_RIGHT: return {1.f, 0.f};
    case PAD_UP: return {0.f, -1.f};
    default: return {0.f, 1.f};
    }
}

float Length(sf::Vector2f v) { return std::sqrt(v.x * v.x + v.y * v.y); }

// The next button from the pointer in a direction: ahead of it, nearest
// with sideways distance counting double. Off every button, the nearest one.
std::optional<sf::Vector2f> Step(const std::vector<sf::Vector2f>& targets, sf::Vector2f from, sf::Vector2f way)
{
    std::optional<sf::Vector2f> best, nearest;
    float bestScore = 0.f, nearestDistance = 0.f;
    for (const sf::Vector2f target : targets) {
        const sf::Vector2f d = target - from;
        const float distance = Length(d);
        if (!nearest || distance < nearestDistance) {
            nearest = target;
            nearestDistance = distance;
        }
        const float along = d.x * way.x + d.y * way.y;
        const float across = std::abs(d.x * way.y - d.y * way.x);
        if (along > kPadOnTarget && (!best || along + 2.f * across < bestScore)) {
            best = target;
            bestScore = along + 2.f * across;
        }
    }
    if (nearest && nearestDistance > kPadOnTarget)
        return nearest;
    return best;
}

void PointerEvents(Input& input, const PadView& view, std::vector<sf::Event>& out)
{
    PadDispatch& pad = input.pad;
    if (const std::optional<bool> edge
        = Edge(PadControlDown(input, PAD_SOUTH), pad.clickHeld, pad.clickLatched))
        out.push_back(ButtonEvent(kPointerButton, *edge, input.mouse));
    for (int i = 0; i < 4; i++) {
        bool& held = pad.stepHeld[static_cast<std::size_t>(i)];
        const bool down = AnyDpadDown(input, kDirections[i], held);
        if (down && !held) {
            const sf::Vector2f from{static_cast<float>(input.mouse.x), static_cast<float>(input.mouse.y)};
            if (const auto to = Step(view.targets, from, Direction(kDirections[i])))
                out.push_back(MoveEvent({static_cast<int>(std::lround(to->x)), static_cast<int>(std::lround(to->y))}));
        }
        held = down;
    }
}

// The left stick of the pad pushed farthest, or else the d-pad, in -1..1.
sf::Vector2f Stick(const Input& input, bool withDpad)
{
    sf::Vector2f best{};
    for (const Gamepad& pad : input.pads) {
        if (!pad.connected)
            continue;
        sf::Vector2f stick{Axis(pad, kPadAxisX) / 100.f, Axis(pad, kPadAxisY) / 100.f};
        if (Length(stick) * 100.f <= kPadDeadZone && withDpad)
            stick = {static_cast<float>(DpadDown(pad, PAD_RIGHT, false) - DpadDown(pad, PAD_LEFT, false)),
                     static_cast<float>(DpadDown(pad, PAD_DOWN, false) - DpadDown(pad, PAD_UP, false))};
        if (Length(stick) > Length(best))
            best = stick;
    }
    return best;
}

// Where a ray from the player leaves the canvas, kept on the side of the
// screen's middle it points to: the sword swings towards that side.
sf::Vector2f AimPoint(sf::Vector2f from, sf::Vector2f way)
{
    const float right = kScreenWidth - 1.f, bottom = kScreenHeight - 1.f;
    float reach = kScreenWidth + kScreenHeight;
    if (way.x > 0.f) reach = std::min(reach, (right - from.x) / way.x);
    if (way.x < 0.f) reach = std::min(reach, -from.x / way.x);
    if (way.y > 0.f) reach = std::min(reach, (bottom - from.y) / way.y);
    if (way.y < 0.f) reach = std::min(reach, -from.y / way.y);
    sf::Vector2f at = from + way * std::max(reach, 0.f);
    if (way.x > 0.f)
        at.x = std::max(at.x, kScreenHalfWidth);
    if (way.x < 0.f)
        at.x = std::min(at.x, kScreenHalfWidth - 1.f);
    return {std::clamp(at.x, 0.f, right), std::clamp(at.y, 0.f, bottom)};
}

sf::Vector2i Rounded(sf::Vector2f v) { return {static_cast<int>(std::lround(v.x)), static_cast<int>(std::lround(v.y))}; }

}  // namespace

void SetPadMake(Input& input, unsigned pad, unsigned vendor)
{
    if (pad < sf::Joystick::Count)
        input.pads[pad].make = PadMakeOf(vendor);
}

bool PadControlDown(const Input& input, int control, bool wasDown)
{
    return std::any_of(input.pads.begin(), input.pads.end(),
                       [&](const Gamepad& pad) { return ControlDown(pad, control, wasDown); });
}

std::vector<sf::Event> PadEvents(Input& input, const PadView& view)
{
    std::vector<sf::Event> out;
    if (!input.focused)
        return out;
    if (view.pointerMode != input.pad.pointerMode)
        ChangeMode(input, view.pointerMode, out);
    if (view.pointerMode)
        PointerEvents(input, view, out);
    if (!view.pointerMode || view.inPlay)
        PlayEvents(input, view.pointerMode, out);
    return out;
}

std::optional<sf::Event> SteerPadPointer(Input& input, float dt, const PadView& view)
{
    PadDispatch& pad = input.pad;
    if (!input.focused)
        return std::nullopt;
    const sf::Vector2f stick = Stick(input, !view.pointerMode);
    const float tilt = Length(stick) * 100.f;
    sf::Vector2f to;
    if (view.pointerMode) {
        if (tilt <= kPadDeadZone)
            return std::nullopt;
        if (Rounded(pad.pointer) != input.mouse)
            pad.pointer = {static_cast<float>(input.mouse.x), static_cast<float>(input.mouse.y)};
        const float speed = kPadPointerSpeed * std::min(1.f, (tilt - kPadDeadZone) / (100.f - kPadDeadZone));
        pad.pointer += stick / Length(stick) * speed * dt;
        pad.pointer = {std::clamp(pad.pointer.x, 0.f, kScreenWidth - 1.f),
                       std::clamp(pad.pointer.y, 0.f, kScreenHeight - 1.f)};
        to = pad.pointer;
    } else {
        if (tilt > kPadDeadZone) {
            pad.aim = stick / Length(stick);
            pad.aiming = true;
        }
        if (!pad.aiming)
            return std::nullopt;
        to = AimPoint(view.aimFrom, pad.aim);
    }
    if (Rounded(to) == input.mouse)
        return std::nullopt;
    return MoveEvent(Rounded(to));
}
