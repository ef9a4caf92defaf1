// Attack 2: the small cook lights a giant carrot and holds it up until it
// shoots into the sky; then warnings blink over four or five slots of the
// screen, one carrot falling in each.
#include "boss/boss_attacks.hpp"

#include "app/game.hpp"
#include "engine/assets.hpp"
#include "engine/layout_table.hpp"
#include "engine/sound_bank.hpp"

#include <algorithm>
#include <cstdlib>

namespace {

using namespace boss_carrots;

const sf::Color kCarrotFill{0, 128, 128, 128};
constexpr float kLaunchPhaseEnd = 10.f;  // the launch runs while the timer is below this...
constexpr float kRainPhaseStart = 100.f; // ...the rain once it is above this

// Four carrots, or five on an odd draw, each with its warning and its box.
void SpawnCarrots(Boss& boss)
{
    CarrotAttack& carrots = boss.carrots;
    Assets& assets = *boss.assets;
    carrots.carrotCount = kFewest + (std::rand() % 2 == 1 ? 1 : 0);
    carrots.carrotFall = {0.f, kFallSpeed};
    SetupAttackSprite(carrots.carrotSprite, assets, kLaunchSheet, kLaunchScale);
    carrots.fallCarrots.assign(static_cast<std::size_t>(carrots.carrotCount), sf::Sprite());
    carrots.warnings.assign(carrots.fallCarrots.size(), sf::Sprite());
    carrots.carrotHitboxes.assign(carrots.fallCarrots.size(), sf::RectangleShape());
    for (std::size_t i = 0; i < carrots.fallCarrots.size(); ++i) {
        SetupAttackSprite(carrots.fallCarrots[i], assets, kFallSheet, kFallScale);
        SetupAttackSprite(carrots.warnings[i], assets, kWarningSheet, kWarningScale);
        SetupShape(carrots.carrotHitboxes[i], kHitbox, kCarrotFill);
    }
}

// Carrot i falls somewhere inside slot i of the screen, from just above it.
void PlaceCarrots(CarrotAttack& carrots)
{
    if (carrots.fallCarrots.empty())
        return;
    const int slot = kScreenWidth / static_cast<int>(carrots.fallCarrots.size());
    for (std::size_t i = 0; i < carrots.fallCarrots.size(); ++i) {
        const sf::FloatRect b = carrots.fallCarrots[i].getGlobalBounds();
        const int room = std::max(1, static_cast<int>(static_cast<float>(slot) - b.width));
        const float x = static_cast<float>(std::rand() % room) + b.width / 2.f + static_cast<float>(slot) * static_cast<float>(i);
        carrots.fallCarrots[i].setPosition(x, -b.height);
        carrots.warnings[i].setPosition(x, kWarningY);
        carrots.carrotHitboxes[i].setPosition(x, -b.height + kHitbox.height);
    }
}

// The launch row has played: the carrot leaves the small cook's hands.
void Launch(Boss& boss)
{
    CarrotAttack& carrots = boss.carrots;
    const sf::FloatRect b = BossBounds(boss);
    const bool right = boss.bossAnim.row == BOSS_ROW_CARROTS_RIGHT;
    carrots.carrotLaunched = 1;
    const BossStrip stand{right ? BOSS_ROW_WALK_RIGHT : BOSS_ROW_WALK_LEFT, kBossStandFrames,
                          boss.bossAnim.frameTime, 1, kBossStandLoopStart};
    StartBossStrip(boss, stand);
    carrots.carrotSprite.setPosition(b.left + b.width / 2.f + (right ? kLaunchRightX : kLaunchLeftX),
                                     b.top + b.height / 2.f + kLaunchY);
    PlayPistol();
}

void StepLaunch(Boss& boss, float dt)
{
    CarrotAttack& carrots = boss.carrots;
    carrots.launchTimer -= dt;
    if (carrots.launchTimer > 0.f)
        return;
    if (carrots.carrotLaunched == 0)
        Launch(boss);
    carrots.carrotSprite.move(0.f, -kLaunchSpeed * dt);
    StepAttackStrip(carrots.launchAnim, carrots.carrotSprite, dt, *boss.assets, kLaunchSheet);
    const sf::FloatRect box = carrots.carrotSprite.getGlobalBounds();
    if (box.top + box.height < 0.f)
        carrots.launchTimer = kRainPhase;
}

// The warnings blink, then the carrots fall; the first to leave the bottom
// of the screen ends the attack at once, before any other carrot is read.
void StepRain(Boss& boss, float dt)
{
    CarrotAttack& carrots = boss.carrots;
    carrots.rainDelay -= dt;
    if (carrots.rainDelay >= 0.f) {
        for (sf::Sprite& warning : carrots.warnings)
            StepAttackStrip(carrots.warningAnim, warning, dt, *boss.assets, kWarningSheet);
        return;
    }
    if (carrots.fallCarrots.empty()) {  // nothing to fall: the rain is over
        FinishAttack(boss);
        return;
    }
    for (std::size_t i = 0; i < carrots.fallCarrots.size(); ++i) {
        sf::Sprite& carrot = carrots.fallCarrots[i];
        carrot.move(0.f, carrots.carrotFall.y * dt);
        carrots.carrotHitboxes[i].setPosition(carrot.getPosition().x, carrot.getPosition().y + kHitbox.height);
        StepAttackStrip(carrots.fallAnim, carrot, dt, *boss.assets, kFallSheet);
        if (carrot.getGlobalBounds().top > static_cast<float>(kScreenHeight)) {
            FinishAttack(boss);
            return;
        }
    }
}

}  // namespace

bool CarrotsRaining(const CarrotAttack& carrots)
{
    return carrots.running == 1 && carrots.launchTimer > kRainPhaseStart;
}

bool CarrotsFalling(const CarrotAttack& carrots)
{
    return CarrotsRaining(carrots) && carrots.rainDelay < 0.f;
}

void StartCarrots(Boss& boss, Game& game)
{
    CarrotAttack& carrots = boss.carrots;
    SpawnCarrots(boss);
    PlaceCarrots(carrots);
    const bool left = FacesLeft(boss.bossHitbox.getPosition().x, game);
    StartBossStrip(boss, BossRowOf(left ? BOSS_ROW_CARROTS_LEFT : BOSS_ROW_CARROTS_RIGHT).strip);
    carrots.rainDelay = kRainDelay;
    Assets& assets = *boss.assets;
    StartStrip(carrots.warningAnim, kWarning, SheetCell(assets, kWarningSheet));
    StartStrip(carrots.fallAnim, kFall, SheetCell(assets, kFallSheet));
    // The launch sheet's second row is the carrot thrown from the right.
    BossStrip launch = kLaunch;
    launch.row = left ? kLaunch.row : kLaunch.row + 1;
    StartStrip(carrots.launchAnim, launch, SheetCell(assets, kLaunchSheet));
    carrots.launchTimer = kLaunchTimer;
    carrots.carrotLaunched = 0;
    carrots.running = 1;
}

void StepCarrots(Boss& boss, float dt, Game&)
{
    if (boss.carrots.launchTimer < kLaunchPhaseEnd)
        StepLaunch(boss, dt);
    else if (boss.carrots.launchTimer > kRainPhaseStart)
        StepRain(boss, dt);
}

void EndCarrots(Boss& boss)
{
    CarrotAttack& carrots = boss.carrots;
    if (carrots.running == 0)
        return;
    carrots.running = 0;
    carrots.fallCarrots.clear();
    carrots.warnings.clear();
    carrots.carrotHitboxes.clear();
    carrots.carrotFall = {};
    carrots.carrotCount = 0;
    carrots.rainDelay = 0.f;
    carrots.launchTimer = 0.f;
    carrots.carrotLaunched = 0;
}
