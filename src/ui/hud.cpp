#include "ui/hud.hpp"

#include "app/game.hpp"
#include "engine/assets.hpp"
#include "engine/camera.hpp"
#include "engine/layout_table.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kHealthBackPicture = "Assets/Sprites/Hud/HPBackBar.png";
constexpr const char* kManaBackPicture = "Assets/Sprites/Hud/EnergyBackBar.png";
constexpr const char* kBossBackPicture = "Assets/Sprites/Hud/BossBackBar.png";
constexpr const char* kOverlayPicture = "Assets/Sprites/Hud/RedOverlay.png";
constexpr const char* kPursePicture = "Assets/Sprites/Maps/Hub/Purse.png";
constexpr const char* kHudFont = "Assets/Fonts/Bomberman.ttf";

const sf::Color kHealthColour{197, 0, 12};
const sf::Color kManaColour{73, 36, 71};
constexpr unsigned kTextSize = 20;
constexpr unsigned kBossNameSize = 30;
constexpr float kTextOutline = 2.f;
constexpr float kMargin = 75.f;               // the frames' and the purse's distance from the screen's corner
const sf::Vector2f kBarInFrame{2.f, 1.f};     // a bar's centre against its frame's
constexpr float kCoinTextGap = 30.f;
constexpr float kCoinTextDrop = 20.f;
constexpr float kBossNameLift = 75.f;
constexpr float kSegmentTime = 0.5f;          // the white segment shows this long
constexpr float kShakeStart = 10.f;
constexpr float kShakeStep = 0.1f;            // seconds between shakes, and intensity lost per shake
constexpr float kOverlayFloorShare = 0.25f;   // below this share of health the overlay stays
constexpr int kOverlayFloor = 191;
constexpr int kFullAlpha = 255;

void CentreOrigin(sf::Transformable& piece, const sf::FloatRect& local)
{
    piece.setOrigin(local.left + local.width / 2.f, local.top + local.height / 2.f);
}

void SetupText(sf::Text& text, const sf::Font& font, unsigned size)
{
    text.setFont(font);
    text.setCharacterSize(size);
    text.setFillColor(sf::Color::White);
    text.setOutlineColor(sf::Color::Black);
    text.setOutlineThickness(kTextOutline);
}

void SetCentredString(sf::Text& text, const std::string& string)
{
    text.setString(string);
    CentreOrigin(text, text.getLocalBounds());
}

void SetupPicture(sf::Sprite& sprite, Assets& assets, const char* path)
{
    sprite.setTexture(GetTexture(assets, path), true);
    CentreOrigin(sprite, sprite.getLocalBounds());
}

// A bar's origin is the full bar's centre, whatever its length: it shrinks
// from the right and its position stays its frame's centre.
void SetupBar(sf::RectangleShape& bar, sf::Color colour, float fullWidth)
{
    bar.setFillColor(colour);
    bar.setSize({fullWidth, kBarHeight});
    bar.setOrigin(fullWidth / 2.f, kBarHeight / 2.f);
}

float BarLeft(const sf::RectangleShape& bar) { return bar.getPosition().x - bar.getOrigin().x; }
float BarRight(const sf::RectangleShape& bar) { return BarLeft(bar) + bar.getSize().x; }

// A segment's place: its left edge on the bar's right edge.
void PlaceSegmentAfter(sf::RectangleShape& segment, const sf::RectangleShape& bar)
{
    segment.setPosition(BarRight(bar) + segment.getSize().x / 2.f, bar.getPosition().y);
}

// A value shown on a bar of `scale` pixels: clamped to 0..maximum; a
// maximum below 1 shows an empty bar rather than dividing by it.
int ShowOnBar(sf::RectangleShape& bar, sf::Text& text, int value, int maximum, float scale)
{
    maximum = std::max(maximum, 0);
    value = std::clamp(value, 0, maximum);
    const float width = maximum < 1 ? 0.f : static_cast<float>(value) * scale / static_cast<float>(maximum);
    bar.setSize({width, kBarHeight});
    SetCentredString(text, std::to_string(value) + "/" + std::to_string(maximum));
    return value;
}

// The white segment of a loss: what was lost (or what was left, when the
// hit took more), ending where the bar ended before it.
void ShowLoss(sf::RectangleShape& segment, const sf::RectangleShape& bar, int before, int delta, int maximum,
              float scale)
{
    int lost = std::abs(delta);
    if (before + delta <= 0)
        lost = std::max(before, 0);
    const float width = maximum < 1 ? 0.f : static_cast<float>(lost) * scale / static_cast<float>(maximum);
    segment.setSize({width, kBarHeight});
    segment.setOrigin(width / 2.f, kBarHeight / 2.f);
    segment.setPosition(BarRight(bar) - width / 2.f, bar.getPosition().y);
}

sf::Vector2f HealthBarHome(const Hud& hud) { return hud.healthBack.getPosition() + kBarInFrame; }

sf::Vector2f AppliedShake(const Hud& hud) { return HealthIsLow(hud) ? hud.shakeOffset : sf::Vector2f{}; }

void PlaceHealthBar(Hud& hud, sf::Vector2f shake)
{
    hud.healthBar.setPosition(HealthBarHome(hud) + shake);
    hud.healthText.setPosition(HealthBarHome(hud));  // the numbers do not shake
    PlaceSegmentAfter(hud.damageBar, hud.healthBar);
}

void PlaceFrame(sf::Sprite& frame, sf::Vector2f corner)
{
    const sf::FloatRect box = frame.getGlobalBounds();
    frame.setPosition(corner.x + box.width / 2.f + kMargin, corner.y + box.height / 2.f + kMargin);
}

void PlaceCoinText(Hud& hud)
{
    const sf::Vector2f purse = hud.purse.getPosition();
    hud.coinText.setPosition(purse.x + hud.coinText.getGlobalBounds().width + kCoinTextGap, purse.y + kCoinTextDrop);
}

void PlaceBossBar(Hud& hud)
{
    const float height = hud.bossBack.getGlobalBounds().height;
    hud.bossBack.setPosition(hud.corner.x + kScreenHalfWidth, hud.corner.y + kScreenHeight - height / 2.f - kMargin);
    hud.bossHealthBar.setPosition(hud.bossBack.getPosition() + kBarInFrame);
    hud.bossHealthText.setPosition(hud.bossHealthBar.getPosition());
    PlaceSegmentAfter(hud.bossDamageBar, hud.bossHealthBar);
    hud.bossNameText.setPosition(hud.bossHealthBar.getPosition() - sf::Vector2f{0.f, kBossNameLift});
}

void SetOverlayAlpha(Hud& hud, int alpha)
{
    hud.overlayAlpha = std::clamp(alpha, 0, kFullAlpha);
    hud.redOverlay.setColor({255, 255, 255, static_cast<sf::Uint8>(hud.overlayAlpha)});
}

// Every hit flashes the overlay as strongly as health is missing; it fades
// out in a second.
void FlashOverlay(Hud& hud, int health)
{
    const float missing = hud.maxHealth < 1 ? 1.f
        : static_cast<float>(hud.maxHealth - health) / static_cast<float>(hud.maxHealth);
    hud.overlayFadeRate = kFullAlpha * missing;
    SetOverlayAlpha(hud, static_cast<int>(kFullAlpha * missing));
}

// Every 0.1 s of camera motion the bar jumps by a few pixels, less and
// less, for as long as health stays low.
void Shake(Hud& hud, float dt)
{
    hud.shakeTimer -= dt;
    if (hud.shakeTimer > 0.f || hud.shakeIntensity <= 1.f)
        return;
    PlaceFrame(hud.healthBack, hud.corner);
    PlaceHealthBar(hud, {});
    if (HealthIsLow(hud)) {
        const int k = static_cast<int>(hud.shakeIntensity);
        hud.shakeOffset.x = static_cast<float>(std::rand() % k + 1 - k / 2);
        hud.shakeOffset.y = static_cast<float>(std::rand() % k + 1 - k / 2);
        PlaceHealthBar(hud, hud.shakeOffset);
    }
    hud.shakeTimer = kShakeStep;
    hud.shakeIntensity -= kShakeStep;
}

}  // namespace

bool HealthIsLow(const Hud& hud)
{
    return hud.shownHealth <= hud.maxHealth / 100 * 50;
}

void InitHud(Hud& hud, Assets& assets, const Player& player)
{
    hud.healthSize = hud.manaSize = {kBarWidth, kBarHeight};
    hud.maxHealth = hud.maxMana = 100;
    hud.mana = hud.maxMana;
    hud.bossFight = 0;
    hud.damageTimer = hud.bossDamageTimer = 0.f;
    hud.shakeTimer = hud.shakeIntensity = 0.f;
    hud.shakeOffset = {};
    hud.overlayFadeRate = 0.f;
    SetupPicture(hud.healthBack, assets, kHealthBackPicture);
    SetupBar(hud.healthBar, kHealthColour, kBarWidth);
    SetupPicture(hud.manaBack, assets, kManaBackPicture);
    SetupBar(hud.manaBar, kManaColour, kBarWidth);
    SetupBar(hud.damageBar, sf::Color::White, 0.f);  // nothing lost yet
    const sf::Font& font = GetFont(assets, kHudFont);
    SetupText(hud.healthText, font, kTextSize);
    SetupText(hud.manaText, font, kTextSize);
    SetupText(hud.bossHealthText, font, kTextSize);
    SetupText(hud.bossNameText, font, kBossNameSize);
    SetupText(hud.coinText, font, kTextSize);
    SetupPicture(hud.redOverlay, assets, kOverlayPicture);
    SetOverlayAlpha(hud, 0);
    SetupPicture(hud.purse, assets, kPursePicture);
    SetupPicture(hud.bossBack, assets, kBossBackPicture);
    SetupBar(hud.bossHealthBar, kHealthColour, kBossBarWidth);
    SetupBar(hud.bossDamageBar, sf::Color::White, 0.f);
    RefreshHealth(hud, player);
    ChangeMana(hud, 0);
    SetCentredString(hud.coinText, "x " + std::to_string(player.coins));
    PlaceHud(hud, {kScreenHalfWidth, kScreenHalfHeight});
}

void PlaceHud(Hud& hud, sf::Vector2f viewCentre)
{
    hud.corner = viewCentre - sf::Vector2f{kScreenHalfWidth, kScreenHalfHeight};
    PlaceFrame(hud.healthBack, hud.corner);
    const sf::Vector2f health = hud.healthBack.getPosition();
    hud.manaBack.setPosition(health.x, health.y + hud.manaBack.getGlobalBounds().height);
    hud.manaBar.setPosition(hud.manaBack.getPosition() + kBarInFrame);
    hud.manaText.setPosition(hud.manaBar.getPosition());
    PlaceHealthBar(hud, AppliedShake(hud));
    hud.redOverlay.setPosition(viewCentre);
    PlaceFrame(hud.purse, hud.corner);
    PlaceCoinText(hud);
    if (hud.bossFight == 1)
        PlaceBossBar(hud);
}

void RefreshHealth(Hud& hud, const Player& player)
{
    hud.shownHealth = ShowOnBar(hud.healthBar, hud.healthText, player.health, hud.maxHealth, kBarWidth);
    PlaceHealthBar(hud, AppliedShake(hud));
}

void ChangeHealth(Hud& hud, Player& player, int delta)
{
    const int top = std::max(hud.maxHealth, 0);
    const int before = std::clamp(player.health, 0, top);
    player.health = std::clamp(before + delta, 0, top);
    if (delta < 0) {
        ShowLoss(hud.damageBar, hud.healthBar, before, delta, hud.maxHealth, kBarWidth);
        hud.damageTimer = kSegmentTime;
        FlashOverlay(hud, player.health);
    } else {
        hud.damageTimer = 0.f;
    }
    RefreshHealth(hud, player);  // the segment, placed right of the shortened bar, ends where the bar ended
    if (delta < 0 && HealthIsLow(hud))
        hud.shakeIntensity = kShakeStart;
}

void RaiseMaxHealth(Hud& hud, Player& player, int amount)
{
    const float share = hud.maxHealth < 1 ? 1.f
        : static_cast<float>(player.health) / static_cast<float>(hud.maxHealth);
    hud.maxHealth += amount;
    player.health = static_cast<int>(share * static_cast<float>(hud.maxHealth));
    RefreshHealth(hud, player);
}

void ChangeMana(Hud& hud, int delta)
{
    hud.mana = ShowOnBar(hud.manaBar, hud.manaText, hud.mana + delta, hud.maxMana, kBarWidth);
}

void ChangeCoins(Hud& hud, Player& player, int amount)
{
    player.coins += amount;
    SetCentredString(hud.coinText, "x " + std::to_string(player.coins));
    PlaceCoinText(hud);
}

void ShowBossBar(Hud& hud, int maxHealth, const std::string& name)
{
    hud.bossFight = 1;
    hud.bossMaxHealth = hud.bossHealth = maxHealth;
    hud.bossDamageTimer = 0.f;
    hud.bossDamageBar.setSize({0.f, kBarHeight});
    ShowOnBar(hud.bossHealthBar, hud.bossHealthText, hud.bossHealth, hud.bossMaxHealth, kBossBarWidth);
    SetCentredString(hud.bossNameText, name);
    PlaceBossBar(hud);
}

void HideBossBar(Hud& hud)
{
    hud.bossFight = 0;
    hud.bossDamageTimer = 0.f;
}

void ChangeBossHealth(Hud& hud, int delta, Boss& boss)
{
    const int before = hud.bossHealth;
    if (delta < 0) {
        ShowLoss(hud.bossDamageBar, hud.bossHealthBar, before, delta, hud.bossMaxHealth, kBossBarWidth);
        hud.bossDamageTimer = kSegmentTime;
    } else {
        hud.bossDamageTimer = 0.f;
    }
    hud.bossHealth = ShowOnBar(hud.bossHealthBar, hud.bossHealthText, before + delta, hud.bossMaxHealth,
                               kBossBarWidth);
    hud.bossHealthText.setPosition(hud.bossHealthBar.getPosition());
    if (hud.bossHealth < 1) {
        boss.bossActive = 0;
        boss.facing = 0;
    }
}

void UpdateHud(Hud& hud, float dt, Game& game)
{
    if (game.player.health != hud.shownHealth)
        RefreshHealth(hud, game.player);
    hud.damageTimer -= dt;
    if (hud.damageTimer < 0.f)
        hud.damageBar.setSize({0.f, 0.f});
    if (hud.bossFight == 1) {
        hud.bossDamageTimer -= dt;
        if (hud.bossDamageTimer < 0.f)
            hud.bossDamageBar.setSize({0.f, 0.f});
    }
    SetOverlayAlpha(hud, static_cast<int>(static_cast<float>(hud.overlayAlpha) - hud.overlayFadeRate * dt));
    if (static_cast<float>(hud.shownHealth) < kOverlayFloorShare * static_cast<float>(hud.maxHealth)
        && hud.overlayAlpha < kOverlayFloor)
        SetOverlayAlpha(hud, kOverlayFloor);
    if (game.camera.followX == 1 || game.camera.followY == 1)
        Shake(hud, dt);
}

void DrawHud(const Hud& hud, sf::RenderTarget& window, const Hub& hub)
{
    if (hub.inHub == 0) {
        if (hud.overlayAlpha > 0)  // a clear full-screen layer would cost a whole fill for nothing
            window.draw(hud.redOverlay);
        window.draw(hud.healthBack);
        window.draw(hud.manaBack);
        window.draw(hud.healthBar);
        window.draw(hud.manaBar);
        window.draw(hud.damageBar);
        window.draw(hud.healthText);
        window.draw(hud.manaText);
        if (hud.bossFight == 1) {
            window.draw(hud.bossBack);
            window.draw(hud.bossHealthBar);
            window.draw(hud.bossDamageBar);
            window.draw(hud.bossHealthText);
            window.draw(hud.bossNameText);
        }
    } else {
        window.draw(hud.purse);
        window.draw(hud.coinText);
    }
}

void DestroyHud(Hud& hud)
{
    hud.healthSize = hud.manaSize = {};
    hud.maxHealth = hud.maxMana = hud.mana = hud.shownHealth = 0;
    hud.bossMaxHealth = hud.bossHealth = 0;
    hud.bossFight = 0;
    hud.damageTimer = hud.bossDamageTimer = hud.shakeTimer = hud.shakeIntensity = 0.f;
    hud.overlayAlpha = 0;
    hud.overlayFadeRate = 0.f;
}
