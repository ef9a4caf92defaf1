#include "engine/input.hpp"

void FeedInput(Input& input, const sf::Event& event)
{
    switch (event.type) {
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
        if (event.key.code >= 0 && event.key.code < sf::Keyboard::KeyCount)
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
        ClearInput(input);  // releases that happen elsewhere never reach us
        break;
    default:
        break;
    }
}

void ClearInput(Input& input)
{
    input.keys.fill(false);
    input.buttons.fill(false);
}

void ForgetButton(Input& input, sf::Mouse::Button button)
{
    if (button >= 0 && button < sf::Mouse::ButtonCount)
        input.buttons[button] = false;
}

bool IsKeyDown(const Input& input, sf::Keyboard::Key key)
{
    return key >= 0 && key < sf::Keyboard::KeyCount && input.keys[key];
}

bool IsButtonDown(const Input& input, sf::Mouse::Button button)
{
    return button >= 0 && button < sf::Mouse::ButtonCount && input.buttons[button];
}

sf::Vector2i MousePosition(const Input& input)
{
    return input.mouse;
}
