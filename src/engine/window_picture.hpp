#pragma once
// A picture of the whole window, pixel for pixel, kept to be shown again in
// place of drawing what made it: a software renderer spends its time
// filling pixels, and one opaque copy costs a fraction of the layers under it.
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Texture.hpp>

// Takes what the window holds now into `picture`, made the window's size if
// it is not; false when it cannot be made.
bool TakeWindowPicture(sf::Texture& picture, sf::RenderWindow& window);
// Shows it over the whole window, unblended, whatever the window's view.
void ShowWindowPicture(const sf::Texture& picture, sf::RenderWindow& window);
