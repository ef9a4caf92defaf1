#pragma once
// One view the size of the screen that trails the player and never shows
// anything left of x = 0, right of the map, below the world's bottom (the
// screen's height) or above the map's top.
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/View.hpp>


struct Camera {
    sf::View view;
    sf::Vector2f lastTarget{};  // the display sprite's position last update
    float lagX = 0.f;           // trail, within ±64
    float lagY = 0.f;           // trail, within ±36
    int maxX = 0;               // right edge of the map
    int minY = -10000;          // top edge of the map (negative is up)
    int followX = 0;
    int followY = 0;
};

// The world point at the view's top-left corner: screen-fixed pieces (HUD,
// cards, panels, menus) are placed from it.
sf::Vector2f ViewTopLeft(const sf::View& view);

void InitCamera(Camera& camera, int maxX);
void ResetCamera(Camera& camera);
void SetCameraBounds(Camera& camera, int maxX, int minY);
// Follows the player: `shown` is where its display sprite stands, `body` its
// hitbox's bounds. Applies the view to the window whenever it moves it and
// returns true then: the screen-fixed pieces must be re-anchored to it.
bool UpdateCamera(Camera& camera, float dt, sf::Vector2f shown, const sf::FloatRect& body,
                  sf::RenderTarget& window);
