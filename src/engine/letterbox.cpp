#include "engine/letterbox.hpp"

#include "engine/layout_table.hpp"

#include <algorithm>
#include <cmath>

Letterbox FitLetterbox(sf::Vector2u window)
{
    Letterbox box;
    box.window = {std::max(window.x, 1u), std::max(window.y, 1u)};
    const float fit = std::min(static_cast<float>(box.window.x) / kScreenWidth,
                               static_cast<float>(box.window.y) / kScreenHeight);
    const float whole = std::floor(fit);
    const float scale = whole >= 1.f && whole >= fit * (1.f - kWholeScaleLoss) ? whole : fit;
    const int width = std::clamp(static_cast<int>(std::lround(kScreenWidth * scale)), 1, static_cast<int>(box.window.x));
    const int height = std::clamp(static_cast<int>(std::lround(kScreenHeight * scale)), 1, static_cast<int>(box.window.y));
    box.shown = {(static_cast<int>(box.window.x) - width) / 2, (static_cast<int>(box.window.y) - height) / 2, width,
                 height};
    return box;
}

sf::FloatRect LetterboxViewport(const Letterbox& box)
{
    const float w = static_cast<float>(box.window.x), h = static_cast<float>(box.window.y);
    return {box.shown.left / w, box.shown.top / h, box.shown.width / w, box.shown.height / h};
}

// Pixel centres map to pixel centres, as the drawing does.
sf::Vector2i WindowToCanvas(const Letterbox& box, sf::Vector2i pixel)
{
    const double x = (pixel.x + 0.5 - box.shown.left) * kScreenWidth / box.shown.width;
    const double y = (pixel.y + 0.5 - box.shown.top) * kScreenHeight / box.shown.height;
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

sf::Vector2i CanvasToWindow(const Letterbox& box, sf::Vector2i pixel)
{
    const double x = (pixel.x + 0.5) * box.shown.width / kScreenWidth + box.shown.left;
    const double y = (pixel.y + 0.5) * box.shown.height / kScreenHeight + box.shown.top;
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}
