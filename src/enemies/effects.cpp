// Blood splashes that follow the enemy they came from, smoke clouds that
// hurt the player standing in them, and the damage numbers of each hit.
#include "enemies/enemies.hpp"

#include "app/game.hpp"
#include "enemies/enemy_common.hpp"
#include "engine/assets.hpp"
#include "engine/collision.hpp"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr int kBloodScatter = 25;        // a splash lands up to this far from its point, each way
constexpr int kSmokeHitLimit = 16;
constexpr float kSmokeFirstHit = 1.f;    // a cloud hurts from its first second on...
constexpr float kSmokeHitEvery = 0.25f;  // ...once a quarter second
constexpr float kSmokeLife = 4.f;        // then it plays on to its last frame
constexpr int kSmokeDamage = 3;
// The cloud's picture is centred over where the flask broke: one and a half
// scaled cells left, one scaled cell up.
constexpr float kSmokeShiftX = 198.f;
constexpr float kSmokeShiftY = 240.f;
constexpr const char* kNumberFont = "Assets/Fonts/PixelPirate.ttf";
constexpr unsigned kNumberSize = 25;
constexpr float kNumberOutline = 2.f;
constexpr float kNumberSinkSpeed = 100.f;
const sf::Color kNumberColour{191, 42, 67};

sf::Uint8 AlphaOf(float life)
{
    return static_cast<sf::Uint8>(std::clamp(static_cast<int>(life * 255.f), 0, 255));
}

// One cloud's step; true when it has ended.
bool StepSmoke(Smoke& smoke, float dt, Game& game, const sf::FloatRect& player)
{
    StripAnimation& anim = smoke.anim;
    anim.timer += dt;
    ShowStripFrame(anim, smoke.sprite);
    if (anim.timer > static_cast<float>(anim.frameCount) * anim.frameTime && anim.looping == 1)
        anim.timer = anim.frameTime * static_cast<float>(anim.loopStart);
    smoke.lifetime += dt;
    // Every hit owed since the cloud's first second is dealt as soon as the
    // player stands in it.
    const bool touching = RectsOverlap(smoke.sprite.getGlobalBounds(), player);
    for (int k = 0; k < kSmokeHitLimit; ++k)
        if (smoke.lifetime >= kSmokeFirstHit + kSmokeHitEvery * static_cast<float>(k) && smoke.ticks == k && touching) {
            ChangeHealth(game.hud, game.player, -kSmokeDamage);
            smoke.ticks += 1;
        }
    if (smoke.lifetime > kSmokeLife) {
        anim.frameCount = kSmokeFadeFrames;
        anim.looping = 0;
    }
    return anim.timer > anim.frameTime * static_cast<float>(anim.frameCount);
}

}  // namespace

void AddBlood(Enemies& enemies, sf::Vector2f point, int enemyIndex)
{
    Blood& blood = enemies.bloods.emplace_back();
    blood.anim = SheetStrip(kBloodSheet, kBloodFrames, kBloodFrameTime, 0, 0);
    blood.offset = {static_cast<float>(std::rand() % (2 * kBloodScatter + 1) - kBloodScatter),
                    static_cast<float>(std::rand() % (2 * kBloodScatter + 1) - kBloodScatter)};
    blood.enemyIndex = enemyIndex;
    SetPicture(enemies, blood.sprite, kBloodSheet);
    const sf::IntRect cell = blood.anim.frameRect;
    blood.sprite.setTextureRect(cell);
    // Centred on its point, so a mirrored splash lands in the same place.
    blood.sprite.setOrigin(static_cast<float>(cell.width) / 2.f, static_cast<float>(cell.height) / 2.f);
    blood.sprite.setPosition(point + blood.offset);
    blood.sprite.setScale(std::rand() % 2 == 1 ? 1.f : -1.f, 1.f);
}

void UpdateBloods(Enemies& enemies, float dt)
{
    for (int i = 0; i < static_cast<int>(enemies.bloods.size());) {
        Blood& blood = enemies.bloods[static_cast<std::size_t>(i)];
        if (blood.enemyIndex < 0 || blood.enemyIndex >= static_cast<int>(enemies.enemies.size())) {
            RemoveBlood(enemies, i);
            continue;
        }
        const Enemy& enemy = enemies.enemies[static_cast<std::size_t>(blood.enemyIndex)];
        blood.sprite.setPosition(Centre(enemy.sprite.getGlobalBounds()) + blood.offset);
        blood.anim.timer += dt;
        ShowStripFrame(blood.anim, blood.sprite);
        if (blood.anim.timer > blood.anim.frameTime * static_cast<float>(blood.anim.frameCount))
            RemoveBlood(enemies, i);
        else
            ++i;
    }
}

void RemoveBlood(Enemies& enemies, int index)
{
    if (index >= 0 && index < static_cast<int>(enemies.bloods.size()))
        enemies.bloods.erase(enemies.bloods.begin() + index);
}

void RemoveBloodsOf(Enemies& enemies, int enemyIndex)
{
    std::erase_if(enemies.bloods, [enemyIndex](const Blood& blood) { return blood.enemyIndex == enemyIndex; });
}

void AddSmoke(Enemies& enemies, sf::Vector2f point)
{
    Smoke& smoke = enemies.smokes.emplace_back();
    smoke.anim = SheetStrip(kSmokeSheet, kSmokeFrames, kSmokeFrameTime, 0, 1);
    smoke.anim.loopStart = kSmokeLoopStart;
    SetPicture(enemies, smoke.sprite, kSmokeSheet);
    smoke.sprite.setTextureRect(smoke.anim.frameRect);
    smoke.sprite.setScale(kSmokeScale, kSmokeScale);
    smoke.sprite.setPosition(point.x - kSmokeShiftX, point.y - kSmokeShiftY);
    smoke.lifetime = 0.f;
    smoke.ticks = 0;
}

void UpdateSmokes(Enemies& enemies, float dt, Game& game)
{
    const sf::FloatRect player = PlayerBody(game);
    for (int i = 0; i < static_cast<int>(enemies.smokes.size());) {
        if (StepSmoke(enemies.smokes[static_cast<std::size_t>(i)], dt, game, player))
            RemoveSmoke(enemies, i);
        else
            ++i;
    }
}

void RemoveSmoke(Enemies& enemies, int index)
{
    if (index >= 0 && index < static_cast<int>(enemies.smokes.size()))
        enemies.smokes.erase(enemies.smokes.begin() + index);
}

void AddDamageText(Enemies& enemies, sf::Vector2f point, int damage)
{
    DamageText& number = enemies.damageTexts.emplace_back();
    number.life = 1.f;
    if (enemies.assets)
        number.text.setFont(GetFont(*enemies.assets, kNumberFont));
    number.text.setCharacterSize(kNumberSize);
    number.text.setString(std::to_string(damage));
    number.text.setFillColor(kNumberColour);
    number.text.setOutlineThickness(kNumberOutline);
    number.text.setOutlineColor(sf::Color::Black);
    number.text.setPosition(point);
}

// A number fades out over its second while it sinks 100 pixels.
void UpdateDamageTexts(Enemies& enemies, float dt)
{
    for (int i = 0; i < static_cast<int>(enemies.damageTexts.size());) {
        DamageText& number = enemies.damageTexts[static_cast<std::size_t>(i)];
        number.life -= dt;
        const sf::Uint8 alpha = AlphaOf(number.life);
        number.text.setFillColor({kNumberColour.r, kNumberColour.g, kNumberColour.b, alpha});
        number.text.setOutlineColor({0, 0, 0, alpha});
        number.text.move(0.f, kNumberSinkSpeed * dt);
        if (number.life < 0.f)
            RemoveDamageText(enemies, i);
        else
            ++i;
    }
}

void RemoveDamageText(Enemies& enemies, int index)
{
    if (index >= 0 && index < static_cast<int>(enemies.damageTexts.size()))
        enemies.damageTexts.erase(enemies.damageTexts.begin() + index);
}
