// The death screen: a panel over the frozen level on which the level's
// kills appear one by one, sorted by kind, and a button to the hub.
#include "enemies/enemies.hpp"

#include "app/game.hpp"
#include "enemies/enemy_common.hpp"
#include "engine/collision.hpp"
#include "engine/layout_table.hpp"

#include <algorithm>
#include <string>

namespace {

constexpr float kFirstReveal = 0.75f;   // the first icon shows after this...
constexpr float kRevealEvery = 0.2f;    // ...then one more every 0.2 s
constexpr float kButtonSize = 175.f;
const sf::Vector2f kButtonAt{870.f, 880.f};  // around the panel's BACK plaque
constexpr int kRowWidth = 754;          // icons start a new row past this
constexpr int kRowHeight = 150;
constexpr int kArcherBeforeTank = 50;   // the last archer leaves room for the tanks
const sf::Vector2f kCountAt{kScreenHalfWidth, 215.f};  // over the panel, centred
constexpr unsigned kCountSize = 56;
constexpr float kCountOutline = 4.f;
constexpr int kFullHealth = 100;

// Where an icon goes from the running offsets (x, y), and how far x moves on.
sf::Vector2f IconPlace(int kind, sf::Vector2f corner, sf::Vector2f size, int x, int y, int& grow)
{
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    grow = static_cast<int>(size.x / 6.f);
    switch (kind) {
    case ENEMY_BIRD:
        grow = static_cast<int>(size.x / 4.f);
        return {corner.x + 500.f + fx, corner.y + 550.f - size.y + fy};
    case ENEMY_TANK: return {corner.x + 625.f - size.x / 2.f + fx, corner.y + 560.f - size.y + fy};
    case ENEMY_SKELETON_RAT: return {corner.x + 625.f - size.x / 2.f + fx, corner.y + 520.f - size.y + fy};
    case ENEMY_RAT: return {corner.x + 600.f - size.x / 2.f + fx, corner.y + 550.f - size.y + fy};
    default: return {corner.x + 500.f + fx, corner.y + 550.f - size.y + fy};  // archers
    }
}

void LayOutKillIcons(Enemies& enemies, sf::Vector2f corner)
{
    int x = 0, y = 0;
    auto& icons = enemies.killIcons;
    for (std::size_t n = 0; n < icons.size(); ++n) {
        const sf::FloatRect box = icons[n].sprite.getGlobalBounds();
        int grow = 0;
        icons[n].sprite.setPosition(IconPlace(icons[n].kind, corner, {box.width, box.height}, x, y, grow));
        x += grow;
        if (icons[n].kind == ENEMY_ARCHER && n + 1 < icons.size() && icons[n + 1].kind == ENEMY_TANK)
            x += kArcherBeforeTank;
        if (x > kRowWidth) {
            x = 0;
            y += kRowHeight;
        }
    }
}

void ShowCount(Enemies& enemies)
{
    sf::Text& count = enemies.killText;
    count.setString("KILLS " + std::to_string(enemies.shownKills));
    const sf::FloatRect local = count.getLocalBounds();
    count.setOrigin(local.left + local.width / 2.f, local.top + local.height / 2.f);
}

}  // namespace

void AddKillIcon(Enemies& enemies, int kind)
{
    const EnemyKindInfo& info = EnemyInfo(kind);
    KillIcon icon;
    icon.kind = kind;
    if (kind == ENEMY_SKELETON_RAT)  // it walks on the screen rather than rising
        icon.anim = SheetStrip(info.sheet, kSkeletonIconFrames, kSkeletonIconFrameTime, kSkeletonIconRow, 1);
    else
        icon.anim = SheetStrip(info.sheet, info.frames, info.frameTime, info.row, info.looping);
    SetPicture(enemies, icon.sprite, info.sheet);
    const sf::IntRect cell = icon.anim.frameRect;
    icon.sprite.setTextureRect({0, cell.height * icon.anim.row, cell.width, cell.height});
    icon.sprite.setScale(info.scale, info.scale);
    // After the last icon of its kind or any lower one: the list stays sorted.
    const auto at = std::upper_bound(enemies.killIcons.begin(), enemies.killIcons.end(), kind,
                                     [](int k, const KillIcon& other) { return k < other.kind; });
    enemies.killIcons.insert(at, icon);
    enemies.runKills += 1;
}

void OpenDeathScreen(Enemies& enemies, sf::Vector2f viewCentre)
{
    const sf::Vector2f corner = viewCentre - sf::Vector2f{kScreenHalfWidth, kScreenHalfHeight};
    LayOutKillIcons(enemies, corner);
    enemies.recapButton.setSize({kButtonSize, kButtonSize});
    enemies.recapButton.setPosition(corner + kButtonAt);
    enemies.panelSprite.setPosition(corner);
    enemies.shownKills = 0;
    enemies.revealTimer = 0.f;
    enemies.killText.setCharacterSize(kCountSize);
    enemies.killText.setFillColor(sf::Color::White);
    enemies.killText.setOutlineColor(sf::Color::Black);
    enemies.killText.setOutlineThickness(kCountOutline);
    ShowCount(enemies);
    enemies.killText.setPosition(corner + kCountAt);
}

void UpdateDeathScreen(Enemies& enemies, float dt)
{
    if (enemies.shownKills < static_cast<int>(enemies.killIcons.size())) {
        enemies.revealTimer += dt;
        if (enemies.revealTimer > static_cast<float>(enemies.shownKills) * kRevealEvery + kFirstReveal) {
            enemies.shownKills += 1;
            ShowCount(enemies);
        }
    }
    for (KillIcon& icon : enemies.killIcons) {
        StripAnimation& anim = icon.anim;
        anim.timer += dt;
        ShowStripFrame(anim, icon.sprite);
        if (anim.timer > anim.frameTime * static_cast<float>(anim.frameCount))
            anim.timer = anim.frameTime * static_cast<float>(anim.loopStart);
    }
}

void DeathScreenClick(Game& game, sf::Vector2i click)
{
    Enemies& enemies = game.enemies;
    const sf::Vector2f corner = ViewTopLeft(game.camera.view);
    const sf::Vector2i point{static_cast<int>(corner.x) + click.x, static_cast<int>(corner.y) + click.y};
    if (game.deathScreen != 1 || !PointInShape(point, enemies.recapButton))
        return;
    SendPlayerToHub(game);
}

void SendPlayerToHub(Game& game)
{
    Enemies& enemies = game.enemies;
    ResetLevel(game.level);
    ResetEnemies(enemies);  // the level's enemies, shots, coins and smoke go with it
    LeaveArena(game);
    ChangeHealth(game.hud, game.player, kFullHealth + game.player.bonusHealth - game.player.health);
    game.deathScreen = 0;
    game.level.returnToHub = 0;  // the arena may have been opened from the tutorial by the debug key
    enemies.runKills = enemies.runCoins = 0;
    EnterHub(game);  // the hub's one arrival point, its dummy, no bombs
}
