#include "app/places.hpp"

#include "app/game.hpp"
#include "engine/layout_table.hpp"

#include <algorithm>
#include <optional>

namespace {

// A place is a picture's bounds: the body is put in its middle, its feet
// on the picture's bottom edge (the floor the picture stands on).
using Finder = std::optional<sf::FloatRect> (*)(const Game&);

// The first door of the level (the end's first door, or the tutorial's).
std::optional<sf::FloatRect> FirstDoor(const Game& game)
{
    for (const Obstacle& element : game.level.obstacles)
        if (element.type == OBS_DOOR || element.type == OBS_PLAIN_DOOR)
            return element.sprite.getGlobalBounds();
    return std::nullopt;
}

std::optional<sf::FloatRect> Substance(const Game& game)
{
    if (game.player.cinematicState != CINEMATIC_SUBSTANCE || game.hub.inHub == 1)
        return std::nullopt;
    return game.player.substanceSprite.getGlobalBounds();
}

std::optional<sf::FloatRect> Statue(const Game& game)
{
    for (const DecorAnimation& decor : game.background.decorAnimations)
        if (decor.plane == 2)
            return decor.sprite.getGlobalBounds();
    return std::nullopt;
}

// The first enemy of the roster that walks or flies (not an archer's arm,
// not the training dummy): the body stands where it is.
std::optional<sf::FloatRect> FirstEnemy(const Game& game)
{
    for (const Enemy& enemy : game.enemies.enemies)
        if (enemy.kind != ENEMY_ARCHER_ARM && enemy.kind != ENEMY_DUMMY)
            return enemy.sprite.getGlobalBounds();
    return std::nullopt;
}

// The arena's middle, on its floor line.
std::optional<sf::FloatRect> ArenaCentre(const Game& game)
{
    if (game.hud.bossFight != 1)
        return std::nullopt;
    constexpr float kArenaFloor = 760.f;
    return sf::FloatRect{kScreenHalfWidth, kArenaFloor, 0.f, 0.f};
}

struct Place {
    const char* name;
    Finder find;
};

constexpr Place kPlaces[] = {
    {"door", FirstDoor},
    {"substance", Substance},
    {"statue", Statue},
    {"arena", ArenaCentre},
    {"enemy", FirstEnemy},
};

}  // namespace

std::vector<std::string> PlaceNames()
{
    std::vector<std::string> names;
    for (const Place& place : kPlaces)
        names.push_back(place.name);
    return names;
}

bool IsPlaceName(const std::string& name)
{
    return std::any_of(std::begin(kPlaces), std::end(kPlaces), [&](const Place& p) { return name == p.name; });
}

bool GoToPlace(Game& game, const std::string& name)
{
    for (const Place& place : kPlaces) {
        if (name != place.name)
            continue;
        const std::optional<sf::FloatRect> found = place.find(game);
        if (!found)
            return false;
        const sf::FloatRect body = game.player.hitbox.getGlobalBounds();
        constexpr float kAboveFloor = 2.f;  // just above it: the next frame lands the body
        game.player.hitbox.setPosition(found->left + found->width / 2.f - body.width / 2.f,
                                       found->top + found->height - body.height - kAboveFloor);
        return true;
    }
    return false;
}
