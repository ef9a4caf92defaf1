#include "engine/draw_in_view.hpp"

sf::FloatRect ViewArea(const sf::RenderTarget& target)
{
    const sf::View& view = target.getView();
    const sf::Vector2f size = view.getSize();
    return {view.getCenter() - size / 2.f, size};
}

bool Overlaps(const sf::FloatRect& area, const sf::FloatRect& bounds)
{
    return bounds.left <= area.left + area.width && area.left <= bounds.left + bounds.width
        && bounds.top <= area.top + area.height && area.top <= bounds.top + bounds.height;
}

void DrawInView(sf::RenderTarget& target, const sf::FloatRect& area, const sf::Sprite& sprite)
{
    if (Overlaps(area, sprite.getGlobalBounds()))
        target.draw(sprite);
}

void DrawInView(sf::RenderTarget& target, const sf::FloatRect& area, const sf::Text& text)
{
    if (Overlaps(area, text.getGlobalBounds()))
        target.draw(text);
}

void DrawInView(sf::RenderTarget& target, const sf::FloatRect& area, const sf::Sprite& sprite,
                const sf::VertexArray* pieces)
{
    if (!pieces) {
        DrawInView(target, area, sprite);
        return;
    }
    if (!Overlaps(area, sprite.getGlobalBounds()))
        return;
    sf::RenderStates states(sprite.getTransform());
    states.texture = sprite.getTexture();
    target.draw(*pieces, states);
}

void DrawRepeatedPieces(sf::RenderTarget& target, const sf::Sprite& sprite, const sf::VertexArray& pieces,
                        int period)
{
    sf::RenderStates states(sprite.getTransform());
    states.texture = sprite.getTexture();
    const int width = sprite.getTextureRect().width;
    const int copies = period > 0 ? (width + period - 1) / period : 1;
    for (int copy = 0; copy < copies; ++copy) {
        target.draw(pieces, states);
        states.transform.translate(static_cast<float>(period), 0.f);
    }
}

void DrawCellPart(sf::RenderTarget& target, const sf::FloatRect& area, const sf::Sprite& sprite,
                  const sf::IntRect& part)
{
    if (part.width <= 0 || part.height <= 0) {
        DrawInView(target, area, sprite);
        return;
    }
    const sf::IntRect cell = sprite.getTextureRect();
    sf::Sprite shown = sprite;
    shown.setTextureRect({cell.left + part.left, cell.top + part.top, part.width, part.height});
    shown.setOrigin(sprite.getOrigin() - sf::Vector2f(static_cast<float>(part.left), static_cast<float>(part.top)));
    DrawInView(target, area, shown);
}
