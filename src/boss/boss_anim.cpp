// The boss's and its attacks' strips, and the pieces every attack builds from.
#include "boss/boss_attacks.hpp"

#include "app/game.hpp"
#include "engine/assets.hpp"

void StartStrip(StripAnimation& anim, const BossStrip& strip, const sf::IntRect& cell)
{
    anim.row = strip.row;
    anim.frameCount = strip.frames;
    anim.frameTime = strip.frameTime;
    anim.looping = strip.looping;
    anim.loopStart = strip.loopStart;
    anim.timer = 0.f;
    anim.frameRect = {0, 0, cell.width, cell.height};
}

void StartBossStrip(Boss& boss, const BossStrip& strip)
{
    StartStrip(boss.bossAnim, strip, boss.bossAnim.frameRect);
}

void ShowCell(sf::Sprite& sprite, Assets& assets, const char* sheet, const StripAnimation& anim)
{
    const int frame = StripFrame(anim);
    if (frame < 0)
        return;
    // Past the row's frames (or on the spent row) the cell is empty: nothing shows.
    const bool drawn = frame < SheetFrames(assets, sheet, anim.row);
    sprite.setTextureRect(drawn ? SheetCell(assets, sheet, anim.row, frame) : sf::IntRect());
}

void StepAttackStrip(StripAnimation& anim, sf::Sprite& sprite, float dt, Assets& assets, const char* sheet)
{
    anim.timer += dt;
    ShowCell(sprite, assets, sheet, anim);
    if (anim.timer <= anim.frameTime * static_cast<float>(anim.frameCount))
        return;
    if (anim.looping == 1) {
        anim.timer = anim.frameTime * static_cast<float>(anim.loopStart);
    } else {
        anim.row = kSpentStripRow;
        anim.looping = 1;
        anim.timer = 0.f;
        anim.loopStart = 0;
        sprite.setTextureRect({});
    }
}

void SetupAttackSprite(sf::Sprite& sprite, Assets& assets, const char* sheet, float scale)
{
    sprite = sf::Sprite(GetTexture(assets, sheet));
    const sf::IntRect cell = SheetCell(assets, sheet);
    sprite.setTextureRect(cell);
    sprite.setOrigin(static_cast<float>(cell.width) / 2.f, static_cast<float>(cell.height) / 2.f);
    sprite.setScale(scale, scale);
}

void SetupShape(sf::RectangleShape& shape, const BossShape& size, sf::Color fill)
{
    shape.setSize({size.width, size.height});
    shape.setOrigin(size.originX, size.originY);
    shape.setFillColor(fill);
    shape.setPosition(0.f, 0.f);
}

bool FacesLeft(float x, const Game& game)
{
    return x >= PlayerCentreX(game);
}

void FinishAttack(Boss& boss)
{
    CleanUpAttack(boss);
    EndAttack(boss);
}

// Frame by frame; past the last frame a loop starts again from its loop
// frame, and a row that does not loop hands over as its table row says.
void AnimateBoss(Boss& boss, float dt)
{
    StripAnimation& anim = boss.bossAnim;
    anim.timer += dt;
    if (boss.assets)
        ShowCell(boss.bossSprite, *boss.assets, kBossSheet, anim);
    if (anim.timer <= anim.frameTime * static_cast<float>(anim.frameCount))
        return;
    if (anim.looping == 1) {
        anim.timer = anim.frameTime * static_cast<float>(anim.loopStart);
        return;
    }
    const bool known = anim.row >= 0 && anim.row < BOSS_ROW_COUNT;
    const BossRowEnd end = known ? BossRowOf(anim.row).end : BOSS_END_LOOP;
    if (end == BOSS_END_NEXT)
        StartBossStrip(boss, BossRowOf(anim.row).next);
    else if (end != BOSS_END_STAY)  // back to the stand, keeping the frame time
        StartBossStrip(boss, {BOSS_ROW_WALK_LEFT, kBossStandFrames, anim.frameTime, 1, kBossStandLoopStart});
}
