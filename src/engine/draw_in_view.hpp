#pragma once
// Drawing only what the view shows. A picture wholly outside the target's
// view would cost a draw call, its vertices and its clipping for no pixel;
// lists of enemies, coins, level elements and decor skip those.
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Graphics/VertexArray.hpp>

// The world rectangle the target's view shows (its rotation ignored: the
// game's views never turn).
sf::FloatRect ViewArea(const sf::RenderTarget& target);
// True when `bounds` (world coordinates) overlaps `area`, edges touching included.
bool Overlaps(const sf::FloatRect& area, const sf::FloatRect& bounds);
void DrawInView(sf::RenderTarget& target, const sf::FloatRect& area, const sf::Sprite& sprite);
void DrawInView(sf::RenderTarget& target, const sf::FloatRect& area, const sf::Text& text);
// A sprite whose picture is sparse (PicturePieces) is drawn as its pieces,
// placed by the sprite; with no pieces, as the sprite itself.
void DrawInView(sf::RenderTarget& target, const sf::FloatRect& area, const sf::Sprite& sprite,
                const sf::VertexArray* pieces);
// A sprite of a sparse picture that repeats sideways (a parallax layer): its
// pieces once for every `period` pixels its texture rectangle spans.
void DrawRepeatedPieces(sf::RenderTarget& target, const sf::Sprite& sprite, const sf::VertexArray& pieces,
                        int period);
// A sprite showing one cell of a sheet, drawn as only `part` of that cell
// (SheetCellsArea), where the whole cell would put it: the rest of the cell
// is see-through in every frame. An empty part draws the whole cell.
void DrawCellPart(sf::RenderTarget& target, const sf::FloatRect& area, const sf::Sprite& sprite,
                  const sf::IntRect& part);
