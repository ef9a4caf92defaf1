#include "ui/hud.hpp"

void InitHud(Hud& hud) { hud = Hud{}; }
void UpdateHud(Hud&, float, Game&) {}
void DrawHud(Hud&, sf::RenderTarget&, Hub&) {}
void PlaceHud(Hud&, sf::Vector2f) {}
void RaiseMaxHealth(Hud& hud, int amount) { hud.maxHealth += amount; }

void ShowBossBar(Hud& hud, int maxHealth, const std::string& name)
{
    hud.bossFight = 1;
    hud.bossMaxHealth = maxHealth;
    hud.bossName = name;
}

void DestroyHud(Hud&) {}
