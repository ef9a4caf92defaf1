// Each kind's creation from its spawn point, with the values of the table.
#include "enemies/enemies.hpp"

#include "enemies/enemy_common.hpp"
#include "engine/asset_manifest.hpp"

#include <cstdlib>

namespace {

sf::Vector2i CellOf(const char* sheet)
{
    const AssetEntry* entry = FindAsset(sheet);
    return entry ? sf::Vector2i{entry->cellWidth, entry->cellHeight} : sf::Vector2i{};
}

// An enemy of the kind with its sprite's top-left at `at`, showing the
// first cell of its first row.
Enemy MakeEnemy(const Enemies& enemies, int kind, sf::Vector2f at)
{
    const EnemyKindInfo& info = EnemyInfo(kind);
    Enemy enemy;
    enemy.kind = kind;
    enemy.health = info.health;
    enemy.anim = SheetStrip(info.sheet, info.frames, info.frameTime, info.row, info.looping);
    enemy.anim.timer = info.timer;
    SetPicture(enemies, enemy.sprite, info.sheet);
    const sf::Vector2i cell = CellOf(info.sheet);
    enemy.sprite.setTextureRect({0, cell.y * info.row, cell.x, cell.y});
    enemy.sprite.setScale(info.scale, info.scale);
    enemy.sprite.setPosition(at);
    return enemy;
}

sf::Vector2f SpriteAt(int kind, sf::Vector2f spawn)
{
    const EnemyKindInfo& info = EnemyInfo(kind);
    return {spawn.x + info.spriteX, spawn.y + info.spriteY};
}

}  // namespace

void AddArcher(Enemies& enemies, sf::Vector2f position)
{
    Enemy body = MakeEnemy(enemies, ENEMY_ARCHER, SpriteAt(ENEMY_ARCHER, position));
    // The probe starts a body's width right of the spawn point, two heights up.
    const sf::Vector2i cell = CellOf(EnemyInfo(ENEMY_ARCHER).sheet);
    body.checkGroundHb.setSize({kArcherProbeWidth, kArcherProbeHeight});
    body.checkGroundHb.setPosition(position.x + static_cast<float>(cell.x), position.y - 2.f * static_cast<float>(cell.y));
    body.facingRight = 0;
    body.jumping = 0;
    Enemy arm = MakeEnemy(enemies, ENEMY_ARCHER_ARM, {});
    arm.sprite.setOrigin(kArcherArmPivotLeftX, kArcherArmPivotY);
    const sf::FloatRect bounds = body.sprite.getGlobalBounds();
    arm.sprite.setPosition(bounds.left + kArcherArmX, bounds.top + kArcherArmY);
    arm.armOffset = {kArcherArmOffsetLeftX, kArcherArmY};
    enemies.enemies.push_back(body);
    enemies.enemies.push_back(arm);  // always right after its body
}

void AddTank(Enemies& enemies, sf::Vector2f position)
{
    Enemy tank = MakeEnemy(enemies, ENEMY_TANK, {});
    tank.hitbox.setSize({kTankBoxWidth, kTankBoxHeight});
    tank.hitbox.setPosition(SpriteAt(ENEMY_TANK, position));
    const sf::Vector2f box = tank.hitbox.getPosition();
    tank.sprite.setPosition(box.x + kTankSpriteX, box.y + kTankSpriteY);
    tank.chargeDir = -1;
    tank.chargeHit = 0;
    enemies.enemies.push_back(tank);
}

void AddBird(Enemies& enemies, sf::Vector2f position)
{
    Enemy bird = MakeEnemy(enemies, ENEMY_BIRD, SpriteAt(ENEMY_BIRD, position));
    bird.phase = 0.f;
    enemies.enemies.push_back(bird);
}

void AddRat(Enemies& enemies, sf::Vector2f position)
{
    Enemy rat = MakeEnemy(enemies, ENEMY_RAT, SpriteAt(ENEMY_RAT, position));
    rat.hasThrown = 0;
    rat.canSummon = 1;  // a rat's first attack is a summon
    enemies.enemies.push_back(rat);
}

void AddSkeletonRat(Enemies& enemies, sf::Vector2f position)
{
    const int depth = std::rand() % kSkeletonDepthRange;
    Enemy skeleton = MakeEnemy(enemies, ENEMY_SKELETON_RAT, SpriteAt(ENEMY_SKELETON_RAT, position));
    skeleton.depthOffset = depth;
    skeleton.sprite.move(0.f, -static_cast<float>(depth));
    enemies.enemies.push_back(skeleton);
}

void AddDummy(Enemies& enemies, sf::Vector2f position)
{
    Enemy dummy = MakeEnemy(enemies, ENEMY_DUMMY, SpriteAt(ENEMY_DUMMY, position));
    dummy.flashTimer = 0.f;
    enemies.enemies.push_back(dummy);
}
