#include "ui/menu_element.hpp"

#include "engine/asset_manifest.hpp"
#include "engine/assets.hpp"

static void Place(sf::Sprite& sprite, const sf::Texture& texture, sf::Vector2f position, bool centred)
{
    sprite.setTexture(texture, true);
    if (centred) {
        const sf::FloatRect local = sprite.getLocalBounds();
        sprite.setOrigin(local.width / 2.f, local.height / 2.f);
    }
    sprite.setPosition(position);
}

void InitMenuImage(MenuImage& image, Assets& assets, const std::string& path, sf::Vector2f position,
                   bool centred)
{
    image.texture = &GetTexture(assets, path);
    Place(image.sprite, *image.texture, position, centred);
    image.bounds = image.sprite.getGlobalBounds();
    image.home = position;
}

void CropToVisible(MenuImage& image, Assets& assets, const std::string& path)
{
    const sf::Vector2f origin = image.sprite.getOrigin();
    const sf::IntRect area = VisibleArea(assets, path);
    image.sprite.setTextureRect(VisibleTextureArea(assets, path));
    image.sprite.setOrigin(origin.x - static_cast<float>(area.left), origin.y - static_cast<float>(area.top));
}

// A button whose picture could not be read still answers where it stands:
// its area is the size the asset manifest gives that picture (Quit must
// still quit).
static sf::FloatRect StandInArea(const std::string& path, sf::Vector2f position, bool centred)
{
    const AssetEntry* entry = FindAsset(path);
    if (!entry)
        return {position, {0.f, 0.f}};
    const sf::Vector2f size{static_cast<float>(entry->width), static_cast<float>(entry->height)};
    return {centred ? position - size / 2.f : position, size};
}

void InitMenuButton(MenuButton& button, Assets& assets, const std::string& path,
                    const std::string& hoverPath, sf::Vector2f position, bool centred)
{
    button.texture = &GetTexture(assets, path);
    button.hoverTexture = &GetTexture(assets, hoverPath);
    Place(button.sprite, *button.texture, position, centred);
    button.bounds = button.sprite.getGlobalBounds();
    if (button.bounds.width <= 0.f)
        button.bounds = StandInArea(path, position, centred);
    button.home = position;
    button.hovered = 0;
}

void UpdateMenuButtonHover(MenuButton& button, sf::Vector2f mouse)
{
    button.hovered = button.bounds.contains(mouse) ? 1 : 0;
    const sf::Texture* shown = button.hovered ? button.hoverTexture : button.texture;
    if (shown)
        button.sprite.setTexture(*shown, true);
}

sf::Vector2f BoundsCentre(const sf::FloatRect& bounds)
{
    return {bounds.left + bounds.width / 2.f, bounds.top + bounds.height / 2.f};
}
