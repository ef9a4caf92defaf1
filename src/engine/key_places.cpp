// Keys by their place on the keyboard. SFML 2.5 has no scancodes: it names a
// key by the symbol the layout gives it. So the game asks the X server what
// each place of the key table's French layout gives now, and hears that key
// as the French one: a QWERTY player walks with A / D and climbs with W.
#include "engine/input.hpp"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <cstring>
#include <memory>

KeyPlaceMap MapKeyPlaces(const std::function<sf::Keyboard::Key(const char* place)>& producedAt)
{
    KeyPlaceMap places = SameKeys();
    for (const KeyPlace& place : KeyPlaces()) {
        const sf::Keyboard::Key produced = producedAt(place.place);
        const std::optional<sf::Keyboard::Key> french = KeyFromName(place.name);
        if (produced != sf::Keyboard::Unknown && french)
            places[static_cast<std::size_t>(produced)] = *french;
    }
    return places;
}

namespace {

// The few symbols a letter row gives that SFML has keys for.
sf::Keyboard::Key KeyOfSymbol(KeySym symbol)
{
    if (symbol >= XK_a && symbol <= XK_z)
        return static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (symbol - XK_a));
    if (symbol >= XK_A && symbol <= XK_Z)
        return static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (symbol - XK_A));
    switch (symbol) {
    case XK_comma: return sf::Keyboard::Comma;
    case XK_semicolon: return sf::Keyboard::Semicolon;
    case XK_period: return sf::Keyboard::Period;
    case XK_slash: return sf::Keyboard::Slash;
    case XK_apostrophe: return sf::Keyboard::Quote;
    case XK_bracketleft: return sf::Keyboard::LBracket;
    case XK_bracketright: return sf::Keyboard::RBracket;
    case XK_minus: return sf::Keyboard::Hyphen;
    case XK_equal: return sf::Keyboard::Equal;
    default: return sf::Keyboard::Unknown;
    }
}

struct CloseDisplay {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
struct FreeKeyboard {
    void operator()(XkbDescPtr keyboard) const { XkbFreeKeyboard(keyboard, 0, True); }
};

// What a key code gives in the layout in use, as SFML would name it: the
// first symbol SFML knows among the group's levels, then the first group's.
sf::Keyboard::Key KeyOfCode(Display* display, KeyCode code, int group)
{
    for (int g : {group, 0})
        for (int level : {0, 1}) {
            const sf::Keyboard::Key key = KeyOfSymbol(XkbKeycodeToKeysym(display, code, g, level));
            if (key != sf::Keyboard::Unknown)
                return key;
        }
    return sf::Keyboard::Unknown;
}

}  // namespace

KeyPlaceMap ReadKeyPlaces()
{
    std::unique_ptr<Display, CloseDisplay> display(XOpenDisplay(nullptr));
    if (!display)
        return SameKeys();
    std::unique_ptr<_XkbDesc, FreeKeyboard> keyboard(XkbGetMap(display.get(), 0, XkbUseCoreKbd));
    if (!keyboard || XkbGetNames(display.get(), XkbKeyNamesMask, keyboard.get()) != Success || !keyboard->names
        || !keyboard->names->keys)
        return SameKeys();
    XkbStateRec state{};
    XkbGetState(display.get(), XkbUseCoreKbd, &state);
    return MapKeyPlaces([&](const char* place) {
        for (int code = keyboard->min_key_code; code <= keyboard->max_key_code; code++)
            if (std::strncmp(keyboard->names->keys[code].name, place, XkbKeyNameLength) == 0)
                return KeyOfCode(display.get(), static_cast<KeyCode>(code), state.group);
        return sf::Keyboard::Unknown;
    });
}
