#pragma once
// Health, mana, coins and the boss bar, fixed to the screen.
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/System/Vector2.hpp>
#include <string>

struct Game;
struct Hub;

struct Hud {
    int maxHealth = 100;
    int bossFight = 0;  // 1 while the boss fight runs
    int bossMaxHealth = 0;
    std::string bossName;
};

void InitHud(Hud& hud);
void UpdateHud(Hud& hud, float dt, Game& game);
void DrawHud(Hud& hud, sf::RenderTarget& window, Hub& hub);
void PlaceHud(Hud& hud, sf::Vector2f viewCentre);
void RaiseMaxHealth(Hud& hud, int amount);
void ShowBossBar(Hud& hud, int maxHealth, const std::string& name);
void DestroyHud(Hud& hud);
