#pragma once
// The picture elements of the main and pause menus. A button keeps both of
// its pictures loaded and swaps them on hover.
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Event.hpp>
#include <string>

struct Assets;

struct MenuImage {
    const sf::Texture* texture = nullptr;
    sf::Sprite sprite;
    sf::FloatRect bounds{};  // global bounds taken right after placing it at init
    sf::Vector2f home{};     // position at init, before any camera offset
};

struct MenuButton {
    const sf::Texture* texture = nullptr;       // "_01", shown normally
    const sf::Texture* hoverTexture = nullptr;  // "_02", shown under the mouse
    sf::Sprite sprite;
    long long hovered = 0;
    sf::FloatRect bounds{};
    sf::Vector2f home{};
};

// Loads the picture, centres the origin when asked, places it, stores bounds.
void InitMenuImage(MenuImage& image, Assets& assets, const std::string& path, sf::Vector2f position,
                   bool centred);
void InitMenuButton(MenuButton& button, Assets& assets, const std::string& path,
                    const std::string& hoverPath, sf::Vector2f position, bool centred);
// For a panel with wide transparent margins: draws only its visible part,
// in the same place.
void CropToVisible(MenuImage& image, Assets& assets, const std::string& path);
// The centre of stored bounds: where a gamepad's d-pad puts the pointer.
sf::Vector2f BoundsCentre(const sf::FloatRect& bounds);
// Hover from the stored bounds; shows the matching picture.
void UpdateMenuButtonHover(MenuButton& button, sf::Vector2f mouse);
