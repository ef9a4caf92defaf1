// Attack 4: the cooks crouch, jump, fall belly first, and the landing sends
// a shock wave running along the floor each way; then they get up.
#include "boss/boss_attacks.hpp"

#include "app/game.hpp"
#include "engine/assets.hpp"
#include "engine/sound_bank.hpp"

namespace {

using namespace boss_wave;

void Jump(Boss& boss, const sf::FloatRect& b)
{
    ShockWaveAttack& wave = boss.wave;
    boss.velocity.y -= kJumpSpeed;
    boss.bossSprite.setPosition(b.left + b.width / 2.f - kBossHitboxOffsetX, kJumpFromY - b.height / 2.f);
    wave.jumpDelay = kJumped;
}

// The waves start where the cooks land, not before: on the ground the box
// already rests on the line, so only a fall after the jump counts.
void Land(Boss& boss)
{
    ShockWaveAttack& wave = boss.wave;
    wave.waveActive = 1;
    if (wave.landed == 1)
        return;
    wave.landed = 1;
    StartBossStrip(boss, BossRowOf(boss.facing == 0 ? BOSS_ROW_LAND_LEFT : BOSS_ROW_LAND_RIGHT).strip);
    wave.waveTime = kWaveTime;
    wave.waveEnding = 1;
    wave.waveEndDelay = kEndDelay;
    StartStrip(wave.windAnim, kLeft, wave.windAnim.frameRect);
    PlayAnchorFall();
    PlayWind();
}

// The waves move in steps 0.025 s apart; both off the screen and their
// time run out, the cooks get up and the attack ends.
void RunWaves(Boss& boss, float dt)
{
    ShockWaveAttack& wave = boss.wave;
    Assets& assets = *boss.assets;
    wave.waveStepTimer -= dt;
    wave.waveTime -= dt;
    if (wave.waveStepTimer <= 0.f) {
        wave.shockWaves[0].move(-kSpeed * dt, 0.f);
        wave.shockWaves[1].move(kSpeed * dt, 0.f);
        wave.waveStepTimer = kStepTime;
    }
    wave.windAnim.row = kLeft.row;
    StepAttackStrip(wave.windAnim, wave.shockWaves[0], dt, assets, kSheet);
    wave.windAnim.row = kRight.row;
    StepAttackStrip(wave.windAnim, wave.shockWaves[1], dt, assets, kSheet);
    const bool gone = wave.shockWaves[0].getPosition().x < kBossArenaLeft
                   && wave.shockWaves[1].getPosition().x > kBossArenaRight;
    if (!gone || wave.waveTime > 0.f)
        return;
    if (wave.waveEnding == 1) {
        StartBossStrip(boss, BossRowOf(boss.facing == 0 ? BOSS_ROW_GET_UP_LEFT : BOSS_ROW_GET_UP_RIGHT).strip);
        wave.waveEnding = 0;
    }
    wave.waveEndDelay -= dt;
    if (wave.waveEndDelay <= 0.f)
        FinishAttack(boss);
}

}  // namespace

void StartShockWave(Boss& boss, Game& game)
{
    ShockWaveAttack& wave = boss.wave;
    Assets& assets = *boss.assets;
    const sf::Texture& wind = GetTexture(assets, kSheet);
    const sf::IntRect cell = SheetCell(assets, kSheet);
    const sf::FloatRect b = BossBounds(boss);
    for (int i = 0; i < 2; ++i) {
        sf::Sprite& shock = wave.shockWaves[static_cast<std::size_t>(i)];
        shock = sf::Sprite(wind, SheetCell(assets, kSheet, i));
        // Its origin is half the whole sheet, as the picture is drawn for.
        shock.setOrigin(static_cast<float>(wind.getSize().x) / 2.f, static_cast<float>(wind.getSize().y) / 2.f);
        shock.setScale(kScale, kScale);
        shock.setPosition(b.left + b.width + static_cast<float>(cell.width), kY);
    }
    wave.waveStepTimer = kStepTime;
    wave.jumpDelay = kJumpDelay;
    const bool left = FacesLeft(boss.bossHitbox.getPosition().x, game);
    boss.facing = left ? 0 : 1;
    StartBossStrip(boss, BossRowOf(left ? BOSS_ROW_JUMP_LEFT : BOSS_ROW_JUMP_RIGHT).strip);
    StartStrip(wave.windAnim, kLeft, cell);
    wave.rising = 1;
    wave.landed = wave.waveActive = wave.waveEnding = 0;
    wave.running = 1;
}

void StepShockWave(Boss& boss, float dt, Game&)
{
    ShockWaveAttack& wave = boss.wave;
    const sf::FloatRect b = BossBounds(boss);
    wave.jumpDelay -= dt;
    if (wave.jumpDelay <= 0.f)
        Jump(boss, b);
    const bool jumped = wave.jumpDelay > kJumpDelay;
    if (jumped && boss.velocity.y >= 0.f && wave.rising == 1) {
        StartBossStrip(boss, BossRowOf(boss.facing == 0 ? BOSS_ROW_FALL_LEFT : BOSS_ROW_FALL_RIGHT).strip);
        wave.rising = 0;
    }
    if (jumped && wave.rising == 0 && b.top + b.height >= kBossGroundY)
        Land(boss);
    if (wave.waveActive == 1)
        RunWaves(boss, dt);
}

void EndShockWave(Boss& boss)
{
    ShockWaveAttack& wave = boss.wave;
    if (wave.running == 0)
        return;
    wave.running = 0;
    wave.waveStepTimer = 0.f;
    wave.waveActive = wave.rising = wave.landed = wave.waveEnding = 0;
    wave.jumpDelay = 0.f;
}
