// The boss's record, its walk and attack cycle, its physics and its death.
#include "boss/boss.hpp"

#include "app/game.hpp"
#include "boss/boss_attacks.hpp"
#include "enemies/enemy_common.hpp"
#include "engine/assets.hpp"
#include "engine/sound_bank.hpp"

#include <cstdlib>

namespace {

const sf::Color kBodyFill{255, 0, 0, 128};
constexpr int kDecorBoil = 2;                // the galley's pots steaming behind the arena
const sf::Vector2f kBoilPlace{0.f, -200.f};
constexpr float kGroundMargin = 0.5f;        // the box rests this far above the line it is held at

// Every picture the boss and its attacks show, and the coins it drops (the
// first coins of a game can be its own): read once, at start-up.
const char* const kBossPictures[] = {
    kBossSheet, boss_cauldron::kSheet, boss_carrots::kLaunchSheet, boss_carrots::kFallSheet,
    boss_carrots::kWarningSheet, boss_fire::kSheet, boss_wave::kSheet,
    boss_food::kPictures[0], boss_food::kPictures[1], boss_food::kPictures[2], boss_food::kPictures[3],
    kCoinPicture,
};

void PlaceBossHitbox(Boss& boss)
{
    boss.bossHitbox.setPosition(boss.bossSprite.getPosition() + sf::Vector2f{kBossHitboxOffsetX, kBossHitboxOffsetY});
}

// The walk rows keep their timer from one to the other, so turning round
// does not restart the step.
void SetWalkRow(Boss& boss, int row, int frames, int loopStart, int looping)
{
    StripAnimation& anim = boss.bossAnim;
    if (anim.row != BOSS_ROW_WALK_LEFT && anim.row != BOSS_ROW_WALK_RIGHT)
        anim.timer = 0.f;
    const BossStrip& walk = BossRowOf(BOSS_ROW_WALK_LEFT).strip;
    anim.row = row;
    anim.frameCount = frames;
    anim.frameTime = walk.frameTime;
    anim.loopStart = loopStart;
    anim.looping = looping;
}

// Towards the player; it stands when the player is close.
void Walk(Boss& boss, const Game& game)
{
    const float bossX = boss.bossHitbox.getPosition().x;
    const float playerX = PlayerCentreX(game);
    const BossStrip& walk = BossRowOf(BOSS_ROW_WALK_LEFT).strip;
    if (bossX > playerX) {
        boss.velocity.x = -kBossWalkSpeed;
        SetWalkRow(boss, BOSS_ROW_WALK_LEFT, walk.frames, walk.loopStart, walk.looping);
    } else if (playerX > bossX) {
        boss.velocity.x = kBossWalkSpeed;
        SetWalkRow(boss, BOSS_ROW_WALK_RIGHT, walk.frames, walk.loopStart, walk.looping);
    }
    if (playerX == bossX || (playerX > bossX - kBossStandDistance && playerX < bossX + kBossStandDistance)) {
        boss.velocity.x = 0.f;
        SetWalkRow(boss, bossX > playerX ? BOSS_ROW_WALK_LEFT : BOSS_ROW_WALK_RIGHT, kBossStandFrames,
                   kBossStandLoopStart, kBossStandLooping);
    }
}

// The box's bounds were the sprite at `at`.
sf::FloatRect BoxAt(sf::Vector2f at)
{
    return {at.x + kBossHitboxOffsetX - kBossHitboxOriginX, at.y + kBossHitboxOffsetY - kBossHitboxOriginY,
            kBossHitboxWidth, kBossHitboxHeight};
}

// Gravity and the move; the box is held inside the arena's sides and on
// its ground line.
void ApplyPhysics(Boss& boss, float dt)
{
    boss.velocity.y += kBossGravity * dt;
    sf::Sprite& sprite = boss.bossSprite;
    sprite.move(boss.velocity * dt);
    const sf::FloatRect box = BoxAt(sprite.getPosition());
    const float fromSprite = kBossHitboxOffsetX;
    if (box.left < kBossArenaLeft) {
        boss.velocity.x = 0.f;
        sprite.setPosition(kBossArenaLeft + box.width / 2.f - fromSprite, sprite.getPosition().y);
    }
    if (box.left + box.width > kBossArenaRight) {
        boss.velocity.x = 0.f;
        sprite.setPosition(kBossArenaRight - box.width / 2.f - fromSprite, sprite.getPosition().y);
    }
    // Measured a step ahead: a box about to pass the line is put on it.
    if (box.top + box.height + boss.velocity.y * dt > kBossGroundY) {
        boss.velocity.y = 0.f;
        sprite.setPosition(sprite.getPosition().x,
                           kBossGroundY - box.height / 2.f - kBossHitboxOffsetY - kGroundMargin);
    }
}

void StartAttack(Boss& boss, Game& game)
{
    boss.velocity.x = 0.f;  // every attack starts standing
    switch (boss.attackKind) {
    case BOSS_ATTACK_CAULDRON: StartCauldron(boss, game); break;
    case BOSS_ATTACK_CARROTS: StartCarrots(boss, game); break;
    case BOSS_ATTACK_FIRE: StartFire(boss, game); break;
    case BOSS_ATTACK_SHOCK_WAVE: StartShockWave(boss, game); break;
    case BOSS_ATTACK_FOOD: StartFood(boss, game); break;
    case BOSS_ATTACK_MELEE: StartMelee(boss, game); break;
    default: EndAttack(boss); break;  // no such attack: back to walking
    }
}

void StepAttack(Boss& boss, float dt, Game& game)
{
    switch (boss.attackKind) {
    case BOSS_ATTACK_CAULDRON: StepCauldron(boss, dt, game); break;
    case BOSS_ATTACK_CARROTS: StepCarrots(boss, dt, game); break;
    case BOSS_ATTACK_FIRE: StepFire(boss, dt, game); break;
    case BOSS_ATTACK_SHOCK_WAVE: StepShockWave(boss, dt, game); break;
    case BOSS_ATTACK_FOOD: StepFood(boss, dt, game); break;
    case BOSS_ATTACK_MELEE: StepMelee(boss, dt, game); break;
    default: EndAttack(boss); break;
    }
}

void UpdateLivingBoss(Boss& boss, float dt, Game& game)
{
    boss.walkTimer -= dt;
    if (boss.walkTimer > 0.f)
        Walk(boss, game);
    if (boss.bossState == BOSS_WALK && boss.walkTimer <= 0.f)
        ChooseAttack(boss, game);
    else if (boss.bossState == BOSS_ATTACK)
        StepAttack(boss, dt, game);
    ApplyPhysics(boss, dt);
    // Under the death screen nobody is there to hurt or to hurt it.
    if (game.deathScreen == 0) {
        BossHurtsPlayer(boss, dt, game);
        SpellsHitBoss(boss, dt, game);
        MeleeHitsBoss(boss, game);
    }
    PlaceBossHitbox(boss);
    AnimateBoss(boss, dt);
}

// Once: the death row, facing the player, and the coins.
void StartDeath(Boss& boss, Game& game)
{
    const int row = boss.bossHitbox.getPosition().x >= PlayerCentreX(game) ? BOSS_ROW_DEATH_LEFT
                                                                             : BOSS_ROW_DEATH_RIGHT;
    StartBossStrip(boss, BossRowOf(row).strip);
    boss.deathStarted = 1;
    const sf::Vector2f at = boss.bossHitbox.getPosition();
    for (int i = 0; i < kBossCoinDrops; ++i)
        AddCoins(game.enemies, {at.x, at.y + static_cast<float>(i)});
    PlayAnchorFall();
}

// Beaten: whatever it was doing is cleaned up once, it falls to the ground
// (from a jump too), plays its death row and holds it; then the win screen.
void UpdateFallenBoss(Boss& boss, float dt, Game& game)
{
    if (boss.deathStarted == 0) {
        CleanUpAttack(boss);
        EndAttack(boss);
        StartDeath(boss, game);
    }
    boss.velocity.x = 0.f;
    ApplyPhysics(boss, dt);
    PlaceBossHitbox(boss);
    AnimateBoss(boss, dt);
    UpdateWinScreen(boss, dt, game);
}

}  // namespace

void InitBoss(Boss& boss, Assets& assets)
{
    boss.assets = &assets;
    for (const char* picture : kBossPictures)
        GetTexture(assets, picture);
    const sf::IntRect cell = SheetCell(assets, kBossSheet);
    boss.bossSprite = sf::Sprite(GetTexture(assets, kBossSheet), cell);
    boss.bossSprite.setOrigin(static_cast<float>(cell.width) / 2.f, static_cast<float>(cell.height) / 2.f);
    boss.bossSprite.setScale(kBossScale, kBossScale);
    SetupShape(boss.bossHitbox, {kBossHitboxWidth, kBossHitboxHeight, kBossHitboxOriginX, kBossHitboxOriginY},
               kBodyFill);
    StartStrip(boss.bossAnim, BossRowOf(BOSS_ROW_WALK_LEFT).strip, cell);
    boss.bossState = BOSS_WALK;
    boss.walkTimer = kBossWalkTime;
    boss.bossActive = 0;
    boss.deathStarted = 0;
    InitWinScreen(boss.win, assets);
}

void ResetBoss(Boss& boss)
{
    CleanUpAttack(boss);
    EndAttack(boss);
    boss.bossAnim.timer = 0.f;
    boss.bossState = BOSS_WALK;
    boss.walkTimer = kBossWalkTime;
    boss.bossActive = 1;
    boss.deathStarted = 0;
    boss.win.shown = 0;
    boss.win.sinceDeath = boss.win.shownFor = 0.f;
}

void PlaceBoss(Game& game)
{
    Boss& boss = game.boss;
    if (!boss.assets)
        InitBoss(boss, *game.assets);
    ResetBoss(boss);
    // A new fight may open with any attack, and starts standing still.
    boss.lastAttack = -1;
    boss.fightTime = 0.f;
    boss.attackLog.clear();
    boss.velocity = {};
    boss.hurtCooldown = 0.f;
    boss.facing = 0;
    StartBossStrip(boss, {BOSS_ROW_WALK_LEFT, kBossStandFrames, BossRowOf(BOSS_ROW_WALK_LEFT).strip.frameTime,
                          kBossStandLooping, kBossStandLoopStart});
    boss.bossSprite.setTextureRect(SheetCell(*boss.assets, kBossSheet));
    boss.bossSprite.setPosition(kBossStartX, kBossStartY);
    PlaceBossHitbox(boss);
    // One boiling decor for the arena, however often it is built.
    ClearDecorAnimations(game.background);
    AddDecorAnimation(game.background, *game.assets, kBoilPlace, kDecorBoil);
}

void UpdateBoss(Boss& boss, float dt, Game& game)
{
    if (game.hud.bossFight != 1)
        return;
    boss.fightTime += dt;
    if (boss.bossActive == 1)
        UpdateLivingBoss(boss, dt, game);
    else
        UpdateFallenBoss(boss, dt, game);
}

void LeaveArena(Game& game)
{
    Boss& boss = game.boss;
    CleanUpAttack(boss);
    EndAttack(boss);
    boss.bossActive = 0;
    boss.deathStarted = 0;
    boss.velocity = {};
    boss.win.shown = 0;
    boss.win.sinceDeath = boss.win.shownFor = 0.f;
    HideBossBar(game.hud);  // the boss updates and draws only while its bar shows
}

void ChooseAttack(Boss& boss, Game& game)
{
    const int distance = std::abs(static_cast<int>(PlayerCentreX(game) - boss.bossHitbox.getPosition().x));
    const BossAttackPair* pair = &kBossAttackPairs[0];
    for (const BossAttackPair& candidate : kBossAttackPairs)
        if (distance >= candidate.fromDistance)
            pair = &candidate;
    int attack = boss.lastAttack;
    while (attack == boss.lastAttack)
        attack = std::rand() % 2 == 0 ? pair->even : pair->odd;
    boss.bossState = BOSS_ATTACK;
    boss.attackKind = attack;
    boss.attackLog.push_back({attack, boss.fightTime});
    StartAttack(boss, game);
    boss.lastAttack = attack;
}

void EndAttack(Boss& boss)
{
    boss.attackKind = BOSS_ATTACK_CAULDRON;
    boss.walkTimer = kBossWalkTime;
    boss.bossState = BOSS_WALK;
}

// Every attack that runs (there is at most one) is cleaned up; the clean-ups
// themselves do nothing for an attack that does not run.
void CleanUpAttack(Boss& boss)
{
    EndCauldron(boss);
    EndCarrots(boss);
    EndFire(boss);
    EndShockWave(boss);
    EndFood(boss);
    EndMelee(boss);
}

float PlayerCentreX(const Game& game)
{
    return Centre(PlayerBody(game)).x;
}

bool BossCanBeHit(const Game& game)
{
    return game.hud.bossFight == 1 && game.boss.bossActive == 1;
}

sf::FloatRect BossBounds(const Boss& boss)
{
    return boss.bossHitbox.getGlobalBounds();
}
