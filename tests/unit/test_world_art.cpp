// The generated pattern pictures agree with the pattern table: every hitbox
// a player can stand on is painted with a lit top exactly on its top row,
// and no front covers the path the player walks.
#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <string>

#include "engine/asset_manifest.hpp"
#include "engine/assets.hpp"
#include "world/pattern_table.hpp"

namespace {

constexpr int kFloorTop = 760;
constexpr float kMinLitShare = 0.9f;

int Brightness(sf::Color c) { return (c.r * 3 + c.g * 6 + c.b) / 10; }

// The whole picture as the game places it: a trimmed file is put back
// where it sits in its picture.
sf::Image LoadPicture(const char* path)
{
    sf::Image file;
    EXPECT_TRUE(file.loadFromFile(path)) << path;
    const AssetEntry* entry = FindAsset(path);
    if (!entry)
        return file;
    sf::Image whole;
    whole.create(static_cast<unsigned>(entry->width), static_cast<unsigned>(entry->height), sf::Color::Transparent);
    const sf::Vector2i at = ReadPictureOffset(path);
    whole.copy(file, static_cast<unsigned>(at.x), static_cast<unsigned>(at.y));
    return whole;
}

// The world y of a picture's top row: tall backgrounds hang above their position.
int PictureTop(const Pattern& pattern)
{
    return static_cast<int>(pattern.background.y) - FindObstacleKind(pattern.backgroundType)->hangY;
}

// Along the top row of a hitbox the picture is opaque and brighter than
// what lies just above it.
float LitShareOfTop(const sf::Image& picture, const Pattern& pattern, const PatternElement& element)
{
    const int x0 = static_cast<int>(element.hitbox.left - pattern.background.x);
    const int y = static_cast<int>(element.hitbox.top) - PictureTop(pattern);
    const int width = static_cast<int>(element.hitbox.width);
    int samples = 0, lit = 0;
    for (int x = x0 + 8; x < x0 + width - 8; x += 13) {
        if (x < 0 || x >= static_cast<int>(picture.getSize().x) || y < 3 || y >= static_cast<int>(picture.getSize().y))
            continue;
        const sf::Color top = picture.getPixel(x, y), above = picture.getPixel(x, y - 3);
        samples++;
        lit += top.a == 255 && (above.a == 0 || Brightness(top) > Brightness(above) + 20);
    }
    return samples == 0 ? 0.f : static_cast<float>(lit) / static_cast<float>(samples);
}

TEST(WorldArt, EveryWalkableTopIsPaintedWhereItsHitboxIs)
{
    for (const Pattern& pattern : AllPatterns()) {
        const ObstacleKind* kind = FindObstacleKind(pattern.backgroundType);
        for (const char* path : kind->pictures) {
            if (!path)
                continue;
            const sf::Image picture = LoadPicture(path);
            for (const PatternElement& element : pattern.elements) {
                if (!element.collides)
                    continue;
                EXPECT_GE(LitShareOfTop(picture, pattern, element), kMinLitShare)
                    << path << ": element of type " << element.type << " at (" << element.hitbox.left << ", "
                    << element.hitbox.top << ")";
            }
        }
    }
}

// Fronts are drawn over the enemies: above the floor line they stay clear.
TEST(WorldArt, FrontsLeaveThePlayersPathClear)
{
    for (const Pattern& pattern : AllPatterns()) {
        const ObstacleKind* kind = FindObstacleKind(pattern.backgroundType);
        if (!kind->front)
            continue;
        const sf::Image front = LoadPicture(kind->front);
        const int floorRow = kFloorTop - static_cast<int>(pattern.background.y);
        int covered = 0;
        for (int y = 0; y < floorRow && y < static_cast<int>(front.getSize().y); y += 2)
            for (unsigned x = 0; x < front.getSize().x; x += 2)
                covered += front.getPixel(x, y).a != 0;
        EXPECT_EQ(covered, 0) << kind->front;
    }
}

}  // namespace
