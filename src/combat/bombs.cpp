// The thrown bomb: its throw towards the mouse, its flight down to the
// ground line and its roll, its detonation, and the drawing of the bomb
// and the entries.
#include "combat/bombs.hpp"

#include "app/game.hpp"
#include "engine/assets.hpp"
#include "engine/camera.hpp"
#include "engine/collision.hpp"
#include "engine/draw_in_view.hpp"
#include "engine/sound_bank.hpp"
#include "hub/hub.hpp"
#include "ui/hud.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float kRestingAngle = std::numbers::pi_v<float> / 6.f;  // before the first throw
constexpr float kThrowSpeed = 1000.f;    // pixels a second along the throw
constexpr float kGravity = 9.8f;         // the fall's speed, in pixels a frame, gains this much a second
constexpr float kRollFriction = 14.7f;   // ... and, rolling on, loses this much a second
constexpr float kRollTurn = 10.f;        // degrees the box turns each rolling frame
constexpr int kThrowCost = 10;           // mana
const sf::Color kBombOutline{255, 105, 180};  // pink: the bomb and what spells hurt

// Every picture a throw or a detonation shows.
void ReadSpellPictures(Assets& assets)
{
    GetTexture(assets, BombPicture().sheet);
    GetTexture(assets, MesperImpPicture().sheet);
    for (int kind = 0; kind < kSpellEntryKinds; kind++)
        if (SpellDetonation(kind).sheet)
            GetTexture(assets, SpellDetonation(kind).sheet);
}

// The bomb picture follows the box's centre (the box turns as it rolls;
// the picture's frames show the tumble, so it stays upright).
void PlaceBombSprite(Bombs& bombs)
{
    bombs.bombSprite.setPosition(bombs.bombHb.getPosition());
}

// It flies along the throw and falls faster and faster, eased in over its
// first second, until its box's bottom reaches the ground line; it stops
// on the line rather than sinking below it.
void FlightStep(Bombs& bombs, float dt)
{
    bombs.fallSpeed += kGravity * dt;
    const sf::Vector2f move{kThrowSpeed * std::cos(bombs.throwAngle) * dt,
                            kThrowSpeed * std::sin(bombs.throwAngle) * dt + bombs.fallSpeed * bombs.fallRamp};
    bombs.bombHb.move(move);
    const sf::Vector2f at = bombs.bombHb.getPosition();
    if (at.y > kBombRestCentreY)
        bombs.bombHb.setPosition(at.x, kBombRestCentreY);
}

// On the ground it rolls on along the throw, slowing down, and lies still
// once its speed is spent (it never rolls back).
void RollStep(Bombs& bombs, float dt)
{
    bombs.fallSpeed = std::max(0.f, bombs.fallSpeed - kRollFriction * dt);
    bombs.bombHb.rotate(kRollTurn);
    bombs.bombHb.move(bombs.fallSpeed * std::cos(bombs.throwAngle), 0.f);
}

// The bomb plays its strip once and keeps its last frame, its resting look.
void AnimateBomb(Bombs& bombs, float dt)
{
    bombs.bombAnim.timer += dt;
    ShowStripFrame(bombs.bombAnim, bombs.bombSprite);
}

// Above the ground line it flies; on it, it rolls while it has speed. Its
// centre tells which (the box turns as it rolls, its centre stays).
void FlyBomb(Bombs& bombs, float dt)
{
    if (bombs.bombActive != 1)
        return;
    if (bombs.fallRamp < 1.f)
        bombs.fallRamp += dt;
    if (bombs.bombHb.getPosition().y < kBombRestCentreY)
        FlightStep(bombs, dt);
    else if (bombs.fallSpeed > 0.f)
        RollStep(bombs, dt);
    PlaceBombSprite(bombs);
    AnimateBomb(bombs, dt);
}

void DetonationSound(int kind)
{
    switch (kind) {
    case SPELL_SWORD: PlayKnife(); break;
    case SPELL_XSWORD: PlaySwordCenter(); break;
    case SPELL_ANVIL: PlayAnchorFall(); break;
    case SPELL_TENTACLES: PlayTentacles(); break;
    case SPELL_FOUDRE: PlayZap(); break;
    default: PlayExplosion(); break;
    }
}

}  // namespace

StripAnimation SpellStrip(const SpellPicture& picture)
{
    const SpellRect cell = SpellFrameRect(picture, 0);
    StripAnimation strip;
    strip.frameCount = SpellFrames(picture);
    strip.loopStart = picture.loopStart;
    strip.frameTime = kSpellFrameTime;
    strip.looping = picture.looping;
    strip.frameRect = {cell.left, cell.top, cell.width, cell.height};
    return strip;
}

void ShowSpellPicture(const Bombs& bombs, sf::Sprite& sprite, const SpellPicture& picture)
{
    if (bombs.assets && picture.sheet)
        sprite.setTexture(GetTexture(*bombs.assets, picture.sheet));
    const SpellRect cell = SpellFrameRect(picture, 0);
    sprite.setTextureRect({cell.left, cell.top, cell.width, cell.height});
}

void AnimateExplosion(Explosion& entry, float dt)
{
    StripAnimation& anim = entry.anim;
    anim.timer += dt;
    ShowStripFrame(anim, entry.sprite);
    if (anim.looping == 1 && anim.timer > anim.frameTime * static_cast<float>(anim.frameCount))
        anim.timer = anim.frameTime * static_cast<float>(anim.loopStart);
}

void InitBombs(Bombs& bombs, Assets* assets)
{
    bombs.assets = assets;
    bombs.throwAngle = kRestingAngle;
    bombs.bombActive = 0;
    bombs.explosions.clear();
    bombs.explosionCount = 0;
    bombs.bombHb.setSize({kBombBoxSize, kBombBoxSize});
    bombs.bombHb.setOrigin(kBombBoxSize / 2.f, kBombBoxSize / 2.f);
    if (assets)
        ReadSpellPictures(*assets);
}

void ThrowBomb(Game& game, int kind, sf::Vector2i mouse)
{
    if (kind < SPELL_SWORD || kind > SPELL_MESPER)
        return;
    Bombs& bombs = game.bombs;
    CountThrowQuest(game.hub);
    DetonateBomb(bombs);  // callers have done it already: one bomb at a time, none lost
    const sf::FloatRect body = game.player.hitbox.getGlobalBounds();
    const sf::Vector2f start{body.left + body.width / 2.f, body.top + body.height / 2.f};
    const sf::Vector2f target = ViewTopLeft(game.camera.view) + sf::Vector2f{static_cast<float>(mouse.x),
                                                                            static_cast<float>(mouse.y)};
    bombs.fallSpeed = 0.f;
    bombs.bombActive = 1;
    bombs.throwAngle = std::atan2(target.y - start.y, target.x - start.x);
    bombs.fallRamp = 0.f;
    bombs.bombHb.setRotation(0.f);
    bombs.bombHb.setPosition(start);
    bombs.bombKind = kind;
    bombs.bombAnim = SpellStrip(BombPicture());
    ShowSpellPicture(bombs, bombs.bombSprite, BombPicture());
    const sf::IntRect cell = bombs.bombAnim.frameRect;
    bombs.bombSprite.setOrigin(static_cast<float>(cell.width) / 2.f, static_cast<float>(cell.height) / 2.f);
    PlaceBombSprite(bombs);
    ChangeMana(game.hud, -kThrowCost);
}

void DetonateBomb(Bombs& bombs)
{
    if (bombs.bombActive != 1)
        return;
    AddDetonation(bombs, bombs.bombKind, bombs.bombHb.getPosition());
    bombs.bombActive = 0;
    bombs.bombHb.setRotation(0.f);
    DetonationSound(bombs.bombKind);
}

void UpdateBombs(Game& game, float dt)
{
    FlyBomb(game.bombs, dt);
    UpdateExplosions(game, dt);
}

void DrawBombs(Game& game, sf::RenderTarget& window)
{
    const Bombs& bombs = game.bombs;
    if (bombs.bombActive == 1)
        window.draw(bombs.bombSprite);
    const sf::FloatRect area = ViewArea(window);
    for (const Explosion& entry : bombs.explosions)
        if (entry.kind != SPELL_XSWORD_BLADE)
            DrawInView(window, area, entry.sprite);
}

void DrawSpellHitboxes(const Bombs& bombs, sf::RenderTarget& window)
{
    if (bombs.bombActive == 1)
        OutlineBox(window, bombs.bombHb.getGlobalBounds(), kBombOutline);
    for (const Explosion& entry : bombs.explosions)
        if (DealsDamage(entry))
            OutlineBox(window, DamageArea(entry), kBombOutline);
}

void RemoveExplosion(Bombs& bombs, int index)
{
    if (index < 0 || index >= static_cast<int>(bombs.explosions.size()))
        return;
    bombs.explosions.erase(bombs.explosions.begin() + index);
    bombs.explosionCount = static_cast<int>(bombs.explosions.size());
}

void RemoveAllBombs(Bombs& bombs)
{
    bombs.explosions.clear();
    bombs.explosionCount = 0;
    bombs.bombActive = 0;
}
