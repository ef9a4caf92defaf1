// The entries a detonation makes, and each kind's motion, damage and end:
// the flying sword, the cross and its four blades, the falling anvil, the
// tentacle patch, the lightning strike, and the burst that splits into
// four homing imps.
#include "combat/bombs.hpp"

#include "app/game.hpp"
#include "boss/boss.hpp"
#include "engine/layout_table.hpp"

#include <cmath>
#include <cstdlib>

namespace {

constexpr float kSwordSpeed = 400.f;        // pixels a second, always to the right
constexpr int kSwordDamage = 50;
constexpr int kBladeDamage = 50;
constexpr float kAnvilGravity = 19.6f;      // speed gained each frame (not scaled by the frame time)
constexpr int kAnvilDamage = 50;
constexpr float kAnvilDamagePerPixel = 0.07f;  // the longer it fell, the harder it lands
constexpr int kTentacleDamage = 10;
constexpr float kTentacleFirstTick = 1.f;   // seconds
constexpr float kTentacleTickEvery = 0.25f;
constexpr float kTentacleLife = 4.f;
constexpr int kFoudreDamage = 10;
constexpr int kFoudreTicks = 3;             // at 1, 2 and 3 seconds, then once more as it ends
constexpr float kFoudreTickEvery = 1.f;
constexpr float kFoudreLife = 4.f;
constexpr float kImpSpeed = 200.f;
constexpr int kImpDamage = 30;
constexpr float kFarthestTarget = 100000.f; // imps ignore anything farther

sf::Vector2f Centre(const sf::FloatRect& box) { return {box.left + box.width / 2.f, box.top + box.height / 2.f}; }

int Hurt(Game& game, const Explosion& entry, int damage)
{
    return HurtEnemiesInArea(game.enemies, DamageArea(entry), entry.kind, damage, game.hub);
}

// Past this it can never come back to anything: more than a whole view
// beyond either end of the map.
bool LeftTheLevel(const sf::FloatRect& box, const Camera& camera)
{
    return box.left > static_cast<float>(camera.maxX + kScreenWidth) || box.left + box.width < -kScreenWidth;
}

// A picture and its damage box (the frame's size, when it has one), both
// centred on the detonation point.
Explosion MakeEntry(const Bombs& bombs, int kind, sf::Vector2f centre)
{
    const SpellPicture& picture = SpellDetonation(kind);
    Explosion entry;
    entry.kind = kind;
    entry.anim = SpellStrip(picture);
    ShowSpellPicture(bombs, entry.sprite, picture);
    const sf::Vector2f size{static_cast<float>(entry.anim.frameRect.width),
                            static_cast<float>(entry.anim.frameRect.height)};
    entry.sprite.setPosition(centre - size / 2.f);
    if (picture.hitbox == SPELL_HITBOX_FRAME) {
        entry.hitbox.setSize(size);
        entry.hitbox.setPosition(centre - size / 2.f);
        entry.hitbox.setFillColor(sf::Color::Red);
    }
    return entry;
}

// Blade j waits on its diagonal, its box's centre at the table's offset.
Explosion MakeBlade(sf::Vector2f centre, int j)
{
    Explosion blade;
    blade.kind = SPELL_XSWORD_BLADE;
    const SpellOffset offset = kXSwordBladeCentres[j];
    blade.hitbox.setSize({kXSwordBladeSize, kXSwordBladeSize});
    blade.hitbox.setPosition(centre.x + offset.x - kXSwordBladeSize / 2.f,
                             centre.y + offset.y - kXSwordBladeSize / 2.f);
    blade.hitbox.setFillColor(sf::Color::Red);
    blade.anchorX = centre.x;
    blade.anchorY = centre.y;
    return blade;
}

// An imp with its top-left at `position`, on a random frame of its strip.
// It turns about its centre, so mirroring it leaves it where it is.
Explosion SpawnMesperSolo(const Bombs& bombs, sf::Vector2f position)
{
    Explosion imp;
    imp.kind = SPELL_MESPER;
    imp.flipped = 0;
    imp.anim = SpellStrip(MesperImpPicture());
    imp.anim.timer = static_cast<float>(std::rand() % imp.anim.frameCount) * imp.anim.frameTime;
    ShowSpellPicture(bombs, imp.sprite, MesperImpPicture());
    ShowStripFrame(imp.anim, imp.sprite);
    const sf::Vector2f half{static_cast<float>(imp.anim.frameRect.width) / 2.f,
                            static_cast<float>(imp.anim.frameRect.height) / 2.f};
    imp.sprite.setOrigin(half);
    imp.sprite.setPosition(position + half);
    return imp;
}

bool StepSword(Game& game, int i, float dt)
{
    Explosion& sword = game.bombs.explosions[static_cast<std::size_t>(i)];
    sword.sprite.move(kSwordSpeed * dt, 0.f);
    sword.hitbox.move(kSwordSpeed * dt, 0.f);
    if (Hurt(game, sword, kSwordDamage) || LeftTheLevel(DamageArea(sword), game.camera)) {
        RemoveExplosion(game.bombs, i);
        return true;
    }
    return false;
}

// The cross picture ends once it has played.
bool StepCross(Game& game, int i)
{
    const StripAnimation& anim = game.bombs.explosions[static_cast<std::size_t>(i)].anim;
    if (anim.timer >= anim.frameTime * static_cast<float>(anim.frameCount)) {
        RemoveExplosion(game.bombs, i);
        return true;
    }
    return false;
}

// After its wait a blade flies straight back to the detonation point. A
// step never carries it past the point, so however long the frame it
// arrives there and ends instead of swinging across it.
bool StepBlade(Game& game, int i, float dt)
{
    Explosion& blade = game.bombs.explosions[static_cast<std::size_t>(i)];
    blade.age += dt;
    if (blade.age < kXSwordBladeWait)
        return false;
    const sf::Vector2f to = sf::Vector2f{blade.anchorX, blade.anchorY} - Centre(blade.hitbox.getGlobalBounds());
    const float distance = std::hypot(to.x, to.y);
    const float step = kXSwordBladeSpeed * dt;
    if (step >= distance)
        blade.hitbox.move(to);
    else
        blade.hitbox.move(to * (step / distance));
    const bool arrived = distance - step < kXSwordBladeEndDistance;
    if (Hurt(game, blade, kBladeDamage) || arrived) {
        RemoveExplosion(game.bombs, i);
        return true;
    }
    return false;
}

// It falls faster every frame and hurts the harder the longer it fell; an
// anvil that misses falls out of the world.
bool StepAnvil(Game& game, int i, float dt)
{
    Explosion& anvil = game.bombs.explosions[static_cast<std::size_t>(i)];
    anvil.anvilSpeed += kAnvilGravity;
    const float fall = anvil.anvilSpeed * dt;
    anvil.anvilFall += fall;
    anvil.sprite.move(0.f, fall);
    anvil.hitbox.move(0.f, fall);
    const int damage = static_cast<int>(static_cast<float>(kAnvilDamage) + anvil.anvilFall * kAnvilDamagePerPixel);
    if (Hurt(game, anvil, damage) || DamageArea(anvil).top > static_cast<float>(kScreenHeight)) {
        RemoveExplosion(game.bombs, i);
        return true;
    }
    return false;
}

// A tick every quarter second from its first second on, each dealt once
// however long the frame; the ticks due by its end land before it goes.
bool StepTentacles(Game& game, int i, float dt)
{
    Explosion& patch = game.bombs.explosions[static_cast<std::size_t>(i)];
    patch.age += dt;
    for (;;) {
        const float due = kTentacleFirstTick + kTentacleTickEvery * static_cast<float>(patch.ticksDone);
        if (due > kTentacleLife || patch.age < due)
            break;
        Hurt(game, patch, kTentacleDamage);
        patch.ticksDone++;
    }
    if (patch.age >= kTentacleLife) {
        RemoveExplosion(game.bombs, i);
        return true;
    }
    return false;
}

// A tick at 1, 2 and 3 seconds and a last one as it ends at 4; each stuns
// whoever survives it (area damage does that for lightning).
bool StepFoudre(Game& game, int i, float dt)
{
    Explosion& bolt = game.bombs.explosions[static_cast<std::size_t>(i)];
    bolt.age += dt;
    while (bolt.ticksDone < kFoudreTicks
           && bolt.age >= kFoudreTickEvery * static_cast<float>(bolt.ticksDone + 1)) {
        Hurt(game, bolt, kFoudreDamage);
        bolt.ticksDone++;
    }
    if (bolt.age >= kFoudreLife) {
        Hurt(game, bolt, kFoudreDamage);
        RemoveExplosion(game.bombs, i);
        return true;
    }
    return false;
}

// Once played, the burst is replaced by its four imps where its last frame
// shows them. The burst's place is read before it goes; the imps join the
// end of the list and take their first step next frame.
bool StepBurst(Game& game, int i)
{
    Bombs& bombs = game.bombs;
    const Explosion& burst = bombs.explosions[static_cast<std::size_t>(i)];
    if (burst.anim.timer <= burst.anim.frameTime * static_cast<float>(burst.anim.frameCount))
        return false;
    const sf::Vector2f centre = Centre(burst.sprite.getGlobalBounds());
    RemoveExplosion(bombs, i);
    for (const SpellOffset& offset : kMesperImpOffsets)
        bombs.explosions.push_back(SpawnMesperSolo(bombs, centre + sf::Vector2f{offset.x, offset.y}));
    bombs.explosionCount = static_cast<int>(bombs.explosions.size());
    return true;
}

struct Chase {
    sf::Vector2f from{};
    float best = kFarthestTarget;
    float angle = 0.f;  // with nothing to chase, an imp flies right
};

void Consider(Chase& chase, const sf::FloatRect& target)
{
    const sf::Vector2f to = Centre(target) - chase.from;
    const float distance = std::hypot(to.x, to.y);
    if (distance < chase.best) {
        chase.best = distance;
        chase.angle = std::atan2(to.y, to.x);
    }
}

// Imps chase only what their damage can reach, as area damage measures it:
// while a training dummy stands, only it (by the last dummy's picture);
// never an archer's arm; in the hub nothing the level left behind; the
// boss only while it can be hit.
float ImpHeading(const Game& game, const sf::FloatRect& imp)
{
    Chase chase;
    chase.from = Centre(imp);
    const Enemies& enemies = game.enemies;
    const int dummy = LastDummyIndex(enemies);
    if (dummy >= 0)
        Consider(chase, enemies.enemies[static_cast<std::size_t>(dummy)].sprite.getGlobalBounds());
    else if (game.hub.inHub != 1)
        for (const Enemy& enemy : enemies.enemies)
            if (enemy.kind != ENEMY_ARCHER_ARM)
                Consider(chase, EnemyBounds(enemy));
    if (BossCanBeHit(game))
        Consider(chase, BossBounds(game.boss));
    return chase.angle;
}

// An imp is drawn flying right: it is mirrored while it flies left.
void FaceFlight(Explosion& imp, float moveX)
{
    if (moveX < 0.f && imp.flipped == 0) {
        imp.sprite.setScale(-1.f, 1.f);
        imp.flipped = 1;
    } else if (moveX > 0.f && imp.flipped == 1) {
        imp.sprite.setScale(1.f, 1.f);
        imp.flipped = 0;
    }
}

bool StepImp(Game& game, int i, float dt)
{
    Explosion& imp = game.bombs.explosions[static_cast<std::size_t>(i)];
    const float angle = ImpHeading(game, imp.sprite.getGlobalBounds());
    const sf::Vector2f move{std::cos(angle) * kImpSpeed * dt, std::sin(angle) * kImpSpeed * dt};
    FaceFlight(imp, move.x);
    imp.sprite.move(move);
    if (Hurt(game, imp, kImpDamage) || LeftTheLevel(DamageArea(imp), game.camera)) {
        RemoveExplosion(game.bombs, i);
        return true;
    }
    return false;
}

// Entry i's motion, damage and end for this frame; true when it was removed.
bool StepEntry(Game& game, int i, float dt)
{
    const Explosion& entry = game.bombs.explosions[static_cast<std::size_t>(i)];
    switch (entry.kind) {
    case SPELL_SWORD: return StepSword(game, i, dt);
    case SPELL_XSWORD: return StepCross(game, i);
    case SPELL_XSWORD_BLADE: return StepBlade(game, i, dt);
    case SPELL_ANVIL: return StepAnvil(game, i, dt);
    case SPELL_TENTACLES: return StepTentacles(game, i, dt);
    case SPELL_FOUDRE: return StepFoudre(game, i, dt);
    case SPELL_MESPER: return IsMesperImp(entry) ? StepImp(game, i, dt) : StepBurst(game, i);
    default: return false;
    }
}

}  // namespace

void AddDetonation(Bombs& bombs, int kind, sf::Vector2f centre)
{
    if (kind < SPELL_SWORD || kind > SPELL_MESPER)
        return;
    bombs.explosions.push_back(MakeEntry(bombs, kind, centre));
    if (kind == SPELL_XSWORD)
        for (int j = 0; j < 4; j++)
            bombs.explosions.push_back(MakeBlade(centre, j));
    bombs.explosionCount = static_cast<int>(bombs.explosions.size());
}

void UpdateExplosions(Game& game, float dt)
{
    Bombs& bombs = game.bombs;
    // Only the entries there before the walk; a removal takes one off the
    // end of the walk and leaves the next entry in slot i, handled next.
    int pending = static_cast<int>(bombs.explosions.size());
    int i = 0;
    while (i < pending) {
        if (StepEntry(game, i, dt)) {
            pending--;
            continue;
        }
        AnimateExplosion(bombs.explosions[static_cast<std::size_t>(i)], dt);
        i++;
    }
}

sf::FloatRect DamageArea(const Explosion& entry)
{
    return entry.kind == SPELL_XSWORD_BLADE ? entry.hitbox.getGlobalBounds() : entry.sprite.getGlobalBounds();
}

bool IsMesperImp(const Explosion& entry)
{
    return entry.kind == SPELL_MESPER && entry.anim.frameCount != SpellFrames(SpellDetonation(SPELL_MESPER));
}

bool DealsDamage(const Explosion& entry)
{
    if (entry.kind == SPELL_MESPER)
        return IsMesperImp(entry);
    return entry.kind != SPELL_XSWORD && entry.kind >= 0 && entry.kind < kSpellEntryKinds;
}
