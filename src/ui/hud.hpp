#pragma once
// Health, mana, coins and the boss bar, fixed to the screen. The player's
// health and coins live in the player's record: the HUD shows them, and
// the operations that change them take the player, so what the bars say
// and what the player has can never differ.
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>

struct Assets;
struct Boss;
struct Game;
struct Hub;
struct Player;

struct Hud {
    sf::RectangleShape healthBar;  // shrinks from the right: its origin stays at the full bar's centre
    sf::RectangleShape manaBar;
    sf::RectangleShape damageBar;  // the health just lost, right of what is left
    sf::Sprite healthBack;
    sf::Sprite manaBack;
    sf::Text healthText;
    sf::Text manaText;
    sf::Vector2f healthSize{};
    sf::Vector2f manaSize{};
    float damageTimer = 0.f;
    int maxHealth = 100;
    int maxMana = 100;
    int mana = 100;
    int shownHealth = 100;  // the player's health the bar was last refreshed with
    int bossFight = 0;      // 1 while the boss bar is shown
    sf::RectangleShape bossHealthBar;
    sf::RectangleShape bossDamageBar;
    sf::Sprite bossBack;
    sf::Text bossHealthText;
    sf::Text bossNameText;
    float bossDamageTimer = 0.f;
    int bossMaxHealth = 0;
    int bossHealth = 0;
    sf::Sprite purse;
    sf::Text coinText;
    sf::Sprite redOverlay;  // full screen, tinted by alpha only
    int overlayAlpha = 0;
    float overlayFadeRate = 0.f;  // alpha lost per second
    float shakeTimer = 0.f;
    float shakeIntensity = 0.f;   // the health bar shakes while this is above 1
    sf::Vector2f shakeOffset{};
    sf::Vector2f corner{};        // the view's top-left, where the layout starts
};

// Bar geometry: health and mana bars are 332 x 30 full, the boss's 664 x 30.
inline constexpr float kBarWidth = 332.f;
inline constexpr float kBossBarWidth = 664.f;
inline constexpr float kBarHeight = 30.f;

void InitHud(Hud& hud, Assets& assets, const Player& player);
void UpdateHud(Hud& hud, float dt, Game& game);
void DrawHud(const Hud& hud, sf::RenderTarget& window, const Hub& hub);
// Re-places everything from the view's centre; the camera calls it
// whenever it moves the view.
void PlaceHud(Hud& hud, sf::Vector2f viewCentre);

// The player gains (delta > 0) or loses health, never beyond 0 or the
// maximum; a loss shows the white segment, flashes the overlay and may
// start the shake.
void ChangeHealth(Hud& hud, Player& player, int delta);
// Maximum health grows; the player's health keeps its share of it.
void RaiseMaxHealth(Hud& hud, Player& player, int amount);
// Shows the player's health as it is (after a change made elsewhere).
void RefreshHealth(Hud& hud, const Player& player);
void ChangeMana(Hud& hud, int delta);
void ChangeCoins(Hud& hud, Player& player, int amount);

void ShowBossBar(Hud& hud, int maxHealth, const std::string& name);
// The boss bar goes when the arena is left, whichever way.
void HideBossBar(Hud& hud);
// The boss loses or gains health, never below 0; at 0 it falls (its
// bossActive and facing go to 0).
void ChangeBossHealth(Hud& hud, int delta, Boss& boss);
void DestroyHud(Hud& hud);

// True while health is low enough for the bar to shake (half the maximum,
// the maximum's hundreds counted whole).
bool HealthIsLow(const Hud& hud);
