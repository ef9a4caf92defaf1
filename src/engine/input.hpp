#pragma once
// Every keyboard and mouse poll of the game reads this record. It is fed
// by the window's events, real or replayed from a script, so scripted runs
// and tests drive exactly the code paths a player does. What each key does
// comes from the key table (engine/key_table.hpp).
#include "engine/key_table.hpp"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <array>
#include <optional>
#include <string>

struct Input {
    std::array<bool, sf::Keyboard::KeyCount> keys{};
    std::array<bool, sf::Mouse::ButtonCount> buttons{};
    sf::Vector2i mouse{};  // window pixels
};

// The button that clicks on menus and panels and drags the volume bar.
inline constexpr sf::Mouse::Button kPointerButton = sf::Mouse::Left;

void FeedInput(Input& input, const sf::Event& event);
void ClearInput(Input& input);
// Treats a held button as up until it is pressed again.
void ForgetButton(Input& input, sf::Mouse::Button button);
bool IsKeyDown(const Input& input, sf::Keyboard::Key key);
bool IsButtonDown(const Input& input, sf::Mouse::Button button);
sf::Vector2i MousePosition(const Input& input);

// The bound key or button of an action is held.
bool IsActionDown(const Input& input, int action);
// A key-press or button-press event's code is the action's.
bool IsActionKey(int action, sf::Keyboard::Key key);
bool IsActionButton(int action, sf::Mouse::Button button);
// The key an action is bound to (Unknown for a mouse action).
sf::Keyboard::Key ActionKey(int action);

// SFML's name of a key ("A", "LShift", "Space"...), and back.
std::optional<sf::Keyboard::Key> KeyFromName(const std::string& name);
std::optional<sf::Mouse::Button> ButtonFromName(const std::string& name);
