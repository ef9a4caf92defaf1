// The roster: its one per-frame update (gravity, ground, blocks, each
// kind's behaviour, the hit tint, then the lists), area damage and death.
#include "enemies/enemies.hpp"

#include "engine/layout_table.hpp"

#include "app/game.hpp"
#include "enemies/enemy_common.hpp"
#include "engine/asset_manifest.hpp"
#include "engine/assets.hpp"
#include "engine/collision.hpp"
#include "engine/layout_table.hpp"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kGravityPerFrame = 9.8f;  // added to the fall speed every frame, whatever its length
constexpr float kFallenOutY = kScreenHeight;  // an enemy whose top passes the world's bottom fell out
constexpr float kHitTintTime = 0.5f;
constexpr float kStunTime = 0.25f;
constexpr int kLightning = 4;             // the spell whose hits stun
constexpr int kSpellDamagePerPotion = 10;
const sf::Vector2f kDummyHome{kDummyHomeX, kDummyHomeY};
constexpr const char* kDeathPanel = "Assets/Sprites/Menu/Pannel.png";
constexpr const char* kNumberFont = "Assets/Fonts/PixelPirate.ttf";

bool PushedOutOfBlocks(int kind)
{
    return kind == ENEMY_ARCHER || kind == ENEMY_TANK || kind == ENEMY_RAT || kind == ENEMY_SKELETON_RAT;
}

// Gravity and the ground line, then the move: the archer's body carries its
// arm, birds fly on their own, the others move body and sprite together.
void Fall(Enemies& enemies, int i, float dt)
{
    Enemy& enemy = enemies.enemies[static_cast<std::size_t>(i)];
    const sf::FloatRect bounds = EnemyBounds(enemy);
    float dy = enemy.velocityY * dt;
    enemy.velocityY += kGravityPerFrame;
    const float ground = enemy.kind == ENEMY_ARCHER ? kArcherGroundY
                                                    : kEnemyGroundY - static_cast<float>(enemy.depthOffset);
    if (bounds.top + bounds.height > ground && enemy.falling == 0) {
        enemy.velocityY = 0.f;
        dy = 0.f;
    }
    if (enemy.kind == ENEMY_BIRD || enemy.kind == ENEMY_ARCHER_ARM)
        return;
    if (enemy.kind == ENEMY_ARCHER) {
        enemy.sprite.move(0.f, dy);
        if (i + 1 < static_cast<int>(enemies.enemies.size())) {
            Enemy& arm = enemies.enemies[static_cast<std::size_t>(i) + 1];
            arm.sprite.setPosition(bounds.left + arm.armOffset.x, bounds.top + arm.armOffset.y);
        }
        return;
    }
    enemy.hitbox.move(0.f, dy);
    enemy.sprite.move(0.f, dy);
}

void PushOutOfBlocks(Enemy& enemy, const Level& level)
{
    sf::Transformable& body = enemy.kind == ENEMY_TANK ? static_cast<sf::Transformable&>(enemy.hitbox)
                                                       : static_cast<sf::Transformable&>(enemy.sprite);
    for (const Obstacle& block : level.obstacles)
        if (IsBlock(block) && ResolveEnemyAgainstRect(block.hitbox, body, EnemyBounds(enemy)))
            enemy.velocityY = 0.f;
}

void Behave(Enemies& enemies, int i, float dt, Game& game)
{
    switch (enemies.enemies[static_cast<std::size_t>(i)].kind) {
    case ENEMY_ARCHER: UpdateArcher(enemies, i, dt, game); break;
    case ENEMY_TANK: UpdateTank(enemies, i, dt, game); break;
    case ENEMY_BIRD: UpdateBird(enemies, i, dt, game); break;
    case ENEMY_RAT: UpdateRat(enemies, i, dt, game); break;
    case ENEMY_SKELETON_RAT: UpdateSkeletonRat(enemies, i, dt, game); break;
    default: break;
    }
}

void StepHitTint(Enemy& enemy, float dt)
{
    if (enemy.flashTimer <= 0.f)
        enemy.sprite.setColor(sf::Color::White);
    else
        enemy.flashTimer -= dt;
}

// An enemy that meets a hole falls through the ground; one that falls out
// of the level dies there.
void UpdateHoles(Enemies& enemies)
{
    for (Enemy& enemy : enemies.enemies)
        for (const sf::RectangleShape& hole : enemies.holes)
            if (RectsOverlap(enemy.sprite.getGlobalBounds(), hole.getGlobalBounds()))
                enemy.falling = 1;
    for (int i = 0; i < static_cast<int>(enemies.enemies.size());) {
        if (enemies.enemies[static_cast<std::size_t>(i)].sprite.getGlobalBounds().top > kFallenOutY) {
            const int body = BodyIndex(enemies, i);
            KillEnemy(enemies, i);
            i = body;  // the entry after the dead one now sits there
        } else {
            ++i;
        }
    }
}

void PlayLevelFrame(Enemies& enemies, float dt, Game& game)
{
    game.hub.questCounters[QUEST_KILLS] = static_cast<int>(enemies.killIcons.size());
    // Skeleton rats summoned during the walk start moving next frame.
    const int bornBefore = static_cast<int>(enemies.enemies.size());
    for (int i = 0; i < bornBefore && i < static_cast<int>(enemies.enemies.size()); ++i) {
        if (enemies.enemies[static_cast<std::size_t>(i)].kind == ENEMY_DUMMY)
            continue;
        Fall(enemies, i, dt);
        if (PushedOutOfBlocks(enemies.enemies[static_cast<std::size_t>(i)].kind))
            PushOutOfBlocks(enemies.enemies[static_cast<std::size_t>(i)], game.level);
        Behave(enemies, i, dt, game);
        StepHitTint(enemies.enemies[static_cast<std::size_t>(i)], dt);
    }
    UpdateShots(enemies, dt, game);
    UpdateCoins(enemies, dt, game);
    UpdateFood(enemies, dt, game);
    UpdateHoles(enemies);
    UpdateSmokes(enemies, dt, game);
    if (game.player.health < 1) {
        game.deathScreen = 1;
        OpenDeathScreen(enemies, game.camera.view.getCenter());
    }
}

// How many entries go when the enemy at `body` dies: an archer takes its arm.
int EntriesOf(const Enemies& enemies, int body)
{
    const auto& roster = enemies.enemies;
    const bool archer = roster[static_cast<std::size_t>(body)].kind == ENEMY_ARCHER;
    const bool armFollows = body + 1 < static_cast<int>(roster.size())
                         && roster[static_cast<std::size_t>(body) + 1].kind == ENEMY_ARCHER_ARM;
    return archer && armFollows ? 2 : 1;
}

// Splashes follow their enemy by index: those of the removed entries go,
// those of later entries move down with them.
void ForgetEntries(Enemies& enemies, int first, int count)
{
    for (int k = 0; k < count; ++k)
        RemoveBloodsOf(enemies, first + k);
    for (Blood& blood : enemies.bloods)
        if (blood.enemyIndex >= first + count)
            blood.enemyIndex -= count;
}

}  // namespace

sf::FloatRect PlayerBody(const Game& game)
{
    return game.player.hitbox.getGlobalBounds();
}

int PlayerDistance(const sf::FloatRect& player, const sf::FloatRect& enemy)
{
    return static_cast<int>(std::fabs(player.left - enemy.left));
}

bool IsBlock(const Obstacle& element)
{
    return element.hitbox.width > 0.f && element.hitbox.height > 0.f;
}

sf::Vector2f Centre(const sf::FloatRect& box)
{
    return {box.left + box.width / 2.f, box.top + box.height / 2.f};
}

float AimAtPlayer(sf::Vector2f from, const sf::FloatRect& player)
{
    const sf::Vector2f target = Centre(player);
    return std::atan2(target.y - from.y, target.x - from.x);
}

bool StepStun(Enemy& enemy, float dt)
{
    if (enemy.stunned != 1)
        return false;
    enemy.stunTimer += dt;
    if (enemy.stunTimer > kStunTime) {
        enemy.stunTimer = 0.f;
        enemy.stunned = 0;
    }
    return true;
}

void SetPicture(const Enemies& enemies, sf::Sprite& sprite, const char* path)
{
    if (enemies.assets)
        sprite.setTexture(GetTexture(*enemies.assets, path));
}

StripAnimation SheetStrip(const char* sheet, int frames, float frameTime, int row, int looping)
{
    StripAnimation strip;
    strip.frameCount = frames;
    strip.frameTime = frameTime;
    strip.row = row;
    strip.looping = looping;
    if (const AssetEntry* entry = FindAsset(sheet))
        strip.frameRect = {0, 0, entry->cellWidth, entry->cellHeight};
    return strip;
}

sf::FloatRect EnemyBounds(const Enemy& enemy)
{
    return enemy.kind == ENEMY_TANK ? enemy.hitbox.getGlobalBounds() : enemy.sprite.getGlobalBounds();
}

void FlashEnemy(Enemy& enemy)
{
    enemy.sprite.setColor(sf::Color::Red);
    enemy.flashTimer = kHitTintTime;
}

int BodyIndex(const Enemies& enemies, int index)
{
    const auto& roster = enemies.enemies;
    if (index > 0 && index < static_cast<int>(roster.size())
        && roster[static_cast<std::size_t>(index)].kind == ENEMY_ARCHER_ARM
        && roster[static_cast<std::size_t>(index) - 1].kind == ENEMY_ARCHER)
        return index - 1;
    return index;
}

int LastDummyIndex(const Enemies& enemies)
{
    for (int i = static_cast<int>(enemies.enemies.size()) - 1; i >= 0; --i)
        if (enemies.enemies[static_cast<std::size_t>(i)].kind == ENEMY_DUMMY)
            return i;
    return -1;
}

void InitEnemies(Enemies& enemies, Assets& assets)
{
    enemies.assets = &assets;
    ResetEnemies(enemies);
    enemies.food.clear();
    enemies.resetPending = 1;
    AddDummy(enemies, kDummyHome);
    ShowVisibleArea(enemies.panelSprite, assets, kDeathPanel);
    enemies.killText.setFont(GetFont(assets, kNumberFont));
}

void ResetEnemies(Enemies& enemies)
{
    enemies.enemies.clear();
    enemies.triggers.clear();
    enemies.holes.clear();
    enemies.shots.clear();
    enemies.coins.clear();
    enemies.killIcons.clear();
    enemies.damageTexts.clear();
    enemies.smokes.clear();
    // The splashes follow roster entries: with the roster gone they would
    // land on whatever enemy is placed next at their index.
    enemies.bloods.clear();
    enemies.shownKills = 0;
    enemies.revealTimer = 0.f;
}

void AddHole(Enemies& enemies, const sf::FloatRect& rect)
{
    sf::RectangleShape& hole = enemies.holes.emplace_back(sf::Vector2f{rect.width, rect.height});
    hole.setPosition(rect.left, rect.top);
}

void AnimateEnemy(Enemy& enemy, float dt)
{
    StripAnimation& anim = enemy.anim;
    anim.timer += dt;
    ShowStripFrame(anim, enemy.sprite);
    if (enemy.kind == ENEMY_DUMMY || anim.timer <= anim.frameTime * static_cast<float>(anim.frameCount))
        return;
    if (enemy.kind == ENEMY_ARCHER_ARM)
        anim.frameCount = 1;  // the bow rests on its first frame
    if (anim.looping == 0) {
        // A one-shot row hands over to a looping one.
        anim.row = anim.row % 2 == 0 ? 1 : 0;
        anim.looping = 1;
        anim.timer = 0.f;
        anim.loopStart = 0;
    } else {
        anim.timer = anim.frameTime * static_cast<float>(anim.loopStart);
    }
}

void UpdateEnemies(Enemies& enemies, float dt, Game& game)
{
    if (InLevelPlay(game)) {
        if (game.deathScreen == 0)
            PlayLevelFrame(enemies, dt, game);
        else
            UpdateDeathScreen(enemies, dt);
        enemies.resetPending = 1;
    } else {
        // In the hub and the tutorial only the training dummy moves.
        for (Enemy& enemy : enemies.enemies)
            if (enemy.kind == ENEMY_DUMMY) {
                AnimateEnemy(enemy, dt);
                StepHitTint(enemy, dt);
            }
    }
    UpdateDamageTexts(enemies, dt);
    UpdateBloods(enemies, dt);
}

int HurtEnemiesInArea(Enemies& enemies, const sf::FloatRect& area, int kindOfSource, int damage, Hub& hub)
{
    const int total = damage + kSpellDamagePerPotion * hub.potionLevels[POTION_SPELL];
    int hit = 0;
    // After a kill the next enemy has moved into slot j: it is tested there.
    for (int j = 0; j < static_cast<int>(enemies.enemies.size());) {
        const int dummy = LastDummyIndex(enemies);  // while the dummy stands, only it takes damage
        Enemy& enemy = enemies.enemies[static_cast<std::size_t>(j)];
        const sf::FloatRect box = dummy >= 0 ? enemies.enemies[static_cast<std::size_t>(dummy)].sprite.getGlobalBounds()
                                             : EnemyBounds(enemy);
        if (enemy.kind == ENEMY_ARCHER_ARM || (dummy >= 0 && enemy.kind != ENEMY_DUMMY) || !RectsOverlap(area, box)) {
            ++j;
            continue;
        }
        hit = 1;
        if (enemy.kind == ENEMY_DUMMY)
            enemy.anim.timer = 0.f;
        else if (enemy.kind != ENEMY_SKELETON_RAT)
            AddBlood(enemies, Centre(box), j);
        AddDamageText(enemies, Centre(box), total);
        FlashEnemy(enemy);
        enemy.health -= total;
        if (enemy.health < 1) {
            const int tally = EnemyInfo(enemy.kind).killTally;
            if (tally >= 0)
                hub.tallies[static_cast<std::size_t>(tally)] += 1;
            KillEnemy(enemies, j);
            continue;
        }
        if (kindOfSource == kLightning)
            enemy.stunned = 1;
        ++j;
    }
    return hit;
}

void KillEnemy(Enemies& enemies, int index)
{
    if (index < 0 || index >= static_cast<int>(enemies.enemies.size()))
        return;
    const int body = BodyIndex(enemies, index);
    const Enemy& enemy = enemies.enemies[static_cast<std::size_t>(body)];
    const int kind = enemy.kind;
    const bool drops = kind != ENEMY_SKELETON_RAT && kind != ENEMY_DUMMY && kind != ENEMY_ARCHER_ARM;
    const sf::Vector2f centre = Centre(enemy.sprite.getGlobalBounds());
    const int count = EntriesOf(enemies, body);
    ForgetEntries(enemies, body, count);
    const auto first = enemies.enemies.begin() + body;
    enemies.enemies.erase(first, first + count);
    if (drops) {
        AddCoins(enemies, centre);
        AddFood(enemies, centre);
    }
    if (kind != ENEMY_DUMMY && kind != ENEMY_ARCHER_ARM)
        AddKillIcon(enemies, kind);
}

void KillAllEnemies(Game& game)
{
    const int kills = game.enemies.runKills;  // cleared away, not killed by the player
    while (!game.enemies.enemies.empty())
        KillEnemy(game.enemies, 0);
    game.enemies.runKills = kills;
}

void CalmEnemies(Enemies& enemies)
{
    for (Enemy& enemy : enemies.enemies)
        enemy.aggro = 0;
}
