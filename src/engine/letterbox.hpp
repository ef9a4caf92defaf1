#pragma once
// The game always lays out one canvas of kScreenWidth x kScreenHeight
// pixels. A window of any other size shows it scaled to fit and centred
// between black bars: by a whole number when that fills nearly as much of
// the window, so pixels stay even, and otherwise by the exact fit, each
// pixel drawn nearest-neighbour (the textures are not smoothed).
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

struct Letterbox {
    sf::Vector2u window{1920, 1080};       // the window's size in pixels
    sf::IntRect shown{0, 0, 1920, 1080};   // where the canvas shows, in window pixels
};

// A whole-number scale is kept while it loses at most this share of the fit.
inline constexpr float kWholeScaleLoss = 0.1f;

Letterbox FitLetterbox(sf::Vector2u window);
// The views' viewport: the shown part, as parts of the window.
sf::FloatRect LetterboxViewport(const Letterbox& box);
// A window pixel to the canvas pixel shown there (outside the canvas in the
// bars), and back to the window pixel at a canvas pixel's centre.
sf::Vector2i WindowToCanvas(const Letterbox& box, sf::Vector2i pixel);
sf::Vector2i CanvasToWindow(const Letterbox& box, sf::Vector2i pixel);
