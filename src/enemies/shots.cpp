// What enemies throw: arrows and bird shots fly straight, bones arc and
// fall, flasks arc and break into smoke when they come down on a block.
#include "enemies/enemies.hpp"

#include "app/game.hpp"
#include "enemies/enemy_common.hpp"
#include "engine/asset_manifest.hpp"
#include "engine/collision.hpp"
#include "engine/layout_table.hpp"

#include <cmath>
#include <numbers>

namespace {

constexpr float kShotSpeed = 600.f;
constexpr float kShotGravity = 14.7f;    // added to the fall speed (pixels a frame) each second
constexpr float kFlaskBreakLine = 770.f; // a flask whose top passes this breaks
constexpr int kShotDamage = 5;
// A shot this far out of the view (one view's size beyond each edge), or
// below the bottom of the world, can never come back: it is dropped.
constexpr float kKeepMarginX = kScreenWidth;
constexpr float kKeepMarginY = kScreenHeight;
constexpr float kWorldBottom = kScreenHeight;

void StepShotAnimation(Shot& shot, float dt)
{
    StripAnimation& anim = shot.anim;
    anim.timer += dt;
    ShowStripFrame(anim, shot.sprite);
    if (anim.timer > static_cast<float>(anim.frameCount) * anim.frameTime && anim.looping == 1)
        anim.timer = 0.f;
}

void BreakFlask(Shot& flask)
{
    flask.anim.frameCount = kFlaskBreakFrames;
    flask.anim.loopStart = kFlaskFlightFrames;
    flask.anim.timer = static_cast<float>(kFlaskFlightFrames) * flask.anim.frameTime;
    flask.anim.looping = 0;
}

bool FlaskBreaks(const sf::FloatRect& flask, float fallingBy, const Level& level)
{
    for (const Obstacle& block : level.obstacles)
        if (IsBlock(block) && ((RectsOverlap(flask, block.hitbox) && fallingBy > 0.f) || flask.top > kFlaskBreakLine))
            return true;
    return false;
}

bool OutOfPlay(const sf::FloatRect& shot, const sf::View& view)
{
    const sf::Vector2f corner = ViewTopLeft(view);
    const sf::FloatRect kept{corner.x - kKeepMarginX, corner.y - kKeepMarginY, view.getSize().x + 2.f * kKeepMarginX,
                             view.getSize().y + 2.f * kKeepMarginY};
    return shot.top > kWorldBottom || !RectsOverlap(shot, kept);
}

// One shot's step; true when it was removed (the next shot is then at i).
bool StepShot(Enemies& enemies, int i, float dt, Game& game, const sf::FloatRect& player)
{
    Shot& shot = enemies.shots[static_cast<std::size_t>(i)];
    const sf::FloatRect before = shot.sprite.getGlobalBounds();
    const sf::Vector2f move{std::cos(shot.angle) * kShotSpeed * dt, std::sin(shot.angle) * kShotSpeed * dt};
    if (shot.kind == SHOT_FLASK) {
        if (shot.anim.frameCount != kFlaskBreakFrames) {
            shot.fallSpeed += kShotGravity * dt;
            shot.sprite.move(0.f, shot.fallSpeed);
            shot.sprite.move(move);
            if (FlaskBreaks(before, shot.fallSpeed + move.y, game.level))
                BreakFlask(shot);
        }
        StepShotAnimation(shot, dt);
        if (shot.anim.loopStart == kFlaskFlightFrames) {
            RemoveShot(enemies, i);
            AddSmoke(enemies, {before.left, before.top});
            return true;
        }
    } else {
        if (shot.kind == SHOT_BONE) {
            shot.fallSpeed += kShotGravity * dt;
            shot.sprite.move(0.f, shot.fallSpeed);
            StepShotAnimation(shot, dt);
        }
        shot.sprite.move(move);
        if (RectsOverlap(before, player)) {
            RemoveShot(enemies, i);
            ChangeHealth(game.hud, game.player, -kShotDamage);
            return true;
        }
    }
    if (OutOfPlay(enemies.shots[static_cast<std::size_t>(i)].sprite.getGlobalBounds(), game.camera.view)) {
        RemoveShot(enemies, i);
        return true;
    }
    return false;
}

}  // namespace

void AddShot(Enemies& enemies, sf::Vector2f start, int kind, float angle)
{
    const ShotKindInfo* info = ShotInfo(kind);
    const AssetEntry* picture = info ? FindAsset(info->picture) : nullptr;
    if (!picture)
        return;
    Shot& shot = enemies.shots.emplace_back();
    shot.kind = kind;
    shot.angle = angle;
    shot.fallSpeed = 0.f;
    SetPicture(enemies, shot.sprite, info->picture);
    if (info->frames > 0) {
        shot.anim = SheetStrip(info->picture, info->frames, info->frameTime, 0, 1);
        shot.sprite.setTextureRect(shot.anim.frameRect);
    } else {
        // A dart: centred on its path and pointing along it.
        shot.sprite.setTextureRect({0, 0, picture->width, picture->height});
        shot.sprite.setOrigin(static_cast<float>(picture->width) / 2.f, static_cast<float>(picture->height) / 2.f);
        shot.sprite.setRotation(angle * 180.f / std::numbers::pi_v<float>);
    }
    shot.sprite.setPosition(start);
}

void UpdateShots(Enemies& enemies, float dt, Game& game)
{
    const sf::FloatRect player = PlayerBody(game);
    for (int i = 0; i < static_cast<int>(enemies.shots.size());)
        if (!StepShot(enemies, i, dt, game, player))
            ++i;
}

void RemoveShot(Enemies& enemies, int index)
{
    if (index >= 0 && index < static_cast<int>(enemies.shots.size()))
        enemies.shots.erase(enemies.shots.begin() + index);
}
