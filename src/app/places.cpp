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

// The hub's places: the body stands on the floor under the place, in its
// middle (the floor is the first wall top at or below the place's top, or
// the workshop's sand).
std::optional<sf::FloatRect> OnHubFloor(const Game& game, const sf::FloatRect& place)
{
    if (game.hub.inHub != 1 || game.loadingScreen.loadingActive == 1)
        return std::nullopt;
    const float x = place.left + place.width / 2.f;
    float floor = kHubGroundY;
    for (const HubRect& wall : kHubWalls)
        if (wall.left <= x && x <= wall.Right() && wall.top >= place.top)
            floor = std::min(floor, wall.top);
    return sf::FloatRect{x, floor, 0.f, 0.f};
}

std::optional<sf::FloatRect> HubZone(const Game& game, int panel)
{
    switch (panel) {
    case PANEL_SELLER: return OnHubFloor(game, game.hub.sellerZone.getGlobalBounds());
    case PANEL_QUESTS: return OnHubFloor(game, game.hub.questZone.getGlobalBounds());
    case PANEL_CARDS: return OnHubFloor(game, game.hub.cardSelectorZone.getGlobalBounds());
    case PANEL_RECAP: return OnHubFloor(game, game.hub.scoreboard.getGlobalBounds());
    case PANEL_DRESS_ROOM: return OnHubFloor(game, game.hub.dressRoom.getGlobalBounds());
    default: return OnHubFloor(game, game.hub.exitZone.getGlobalBounds());
    }
}

std::optional<sf::FloatRect> Seller(const Game& game) { return HubZone(game, PANEL_SELLER); }
std::optional<sf::FloatRect> QuestBoard(const Game& game) { return HubZone(game, PANEL_QUESTS); }
std::optional<sf::FloatRect> CardSelector(const Game& game) { return HubZone(game, PANEL_CARDS); }
std::optional<sf::FloatRect> RecapBoard(const Game& game) { return HubZone(game, PANEL_RECAP); }
std::optional<sf::FloatRect> DressRoom(const Game& game) { return HubZone(game, PANEL_DRESS_ROOM); }
std::optional<sf::FloatRect> HubExit(const Game& game) { return HubZone(game, PANEL_COUNT); }

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
    {"seller", Seller},
    {"quests", QuestBoard},
    {"cards", CardSelector},
    {"recap", RecapBoard},
    {"dressroom", DressRoom},
    {"exit", HubExit},
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
        // The camera finds the body wherever it lands, even from a map's far edge.
        game.camera.followX = game.camera.followY = 1;
        return true;
    }
    return false;
}
