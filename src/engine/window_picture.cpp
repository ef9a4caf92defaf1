#include "engine/window_picture.hpp"

#include <SFML/Graphics/Sprite.hpp>

bool TakeWindowPicture(sf::Texture& picture, sf::RenderWindow& window)
{
    const sf::Vector2u size = window.getSize();
    if (picture.getSize() != size && !picture.create(size.x, size.y))
        return false;
    picture.update(window);
    return true;
}

void ShowWindowPicture(const sf::Texture& picture, sf::RenderWindow& window)
{
    const sf::View view = window.getView();
    const sf::Vector2u size = window.getSize();
    window.setView(sf::View(sf::FloatRect(0.f, 0.f, static_cast<float>(size.x), static_cast<float>(size.y))));
    window.draw(sf::Sprite(picture), sf::BlendNone);
    window.setView(view);
}
