#pragma once
// Every keyboard and mouse poll of the game reads this record. It is fed
// by the window's events, real or replayed from a script, so scripted runs
// and tests drive exactly the code paths a player does.
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <array>

struct Input {
    std::array<bool, sf::Keyboard::KeyCount> keys{};
    std::array<bool, sf::Mouse::ButtonCount> buttons{};
    sf::Vector2i mouse{};  // window pixels
};

void FeedInput(Input& input, const sf::Event& event);
void ClearInput(Input& input);
// Treats a held button as up until it is pressed again.
void ForgetButton(Input& input, sf::Mouse::Button button);
bool IsKeyDown(const Input& input, sf::Keyboard::Key key);
bool IsButtonDown(const Input& input, sf::Mouse::Button button);
sf::Vector2i MousePosition(const Input& input);
