// The end of the run: once the cooks are down and their coins collected,
// the picture of the victory fills the screen with the run's kills and
// coins written in its dark panel; a click on it leads to the hub.
#include "boss/boss.hpp"

#include "app/game.hpp"
#include "engine/assets.hpp"
#include "engine/camera.hpp"
#include "engine/draw_in_view.hpp"
#include "engine/layout_table.hpp"

#include <string>

namespace {

void SetLine(sf::Text& text, const std::string& line, sf::Vector2f centre)
{
    text.setString(line);
    const sf::FloatRect local = text.getLocalBounds();
    text.setOrigin(local.left + local.width / 2.f, local.top + local.height / 2.f);
    text.setPosition(centre);
}

// The death row has played and the coins are in the purse (or it has been
// long enough); never over the death screen.
bool WinIsDue(const Boss& boss, const Game& game)
{
    const BossStrip& death = BossRowOf(BOSS_ROW_DEATH_LEFT).strip;
    const float deathRow = death.frameTime * static_cast<float>(death.frames);
    const bool settled = boss.win.sinceDeath >= deathRow && game.enemies.coins.empty();
    return game.deathScreen == 0 && (settled || boss.win.sinceDeath >= kWinLatest);
}

void OpenWinScreen(Boss& boss, Game& game)
{
    WinScreen& win = boss.win;
    win.shown = 1;
    win.shownFor = 0.f;
    win.opaque = game.assets && PictureIsOpaque(*game.assets, kWinPicture);
    const sf::Vector2f corner = ViewTopLeft(game.camera.view);
    game.player.winSprite.setPosition(corner + sf::Vector2f{kScreenHalfWidth, kScreenHalfHeight});
    // One line each in the upper and the lower half of the panel.
    const float x = corner.x + kWinPanelLeft + kWinPanelWidth / 2.f;
    const float third = kWinPanelHeight / 3.f;
    SetLine(win.kills, "KILLS " + std::to_string(game.enemies.runKills), {x, corner.y + kWinPanelTop + third});
    SetLine(win.coins, "COINS " + std::to_string(game.enemies.runCoins), {x, corner.y + kWinPanelTop + 2.f * third});
}

}  // namespace

void InitWinScreen(WinScreen& win, Assets& assets)
{
    win.shown = 0;
    win.sinceDeath = win.shownFor = 0.f;
    const sf::Font& font = GetFont(assets, kWinFont);
    for (sf::Text* text : {&win.kills, &win.coins}) {
        text->setFont(font);
        text->setCharacterSize(kWinTextSize);
        text->setFillColor(sf::Color::White);
        text->setOutlineColor(sf::Color::Black);
        text->setOutlineThickness(kWinTextOutline);
    }
}

void UpdateWinScreen(Boss& boss, float dt, Game& game)
{
    WinScreen& win = boss.win;
    if (win.shown == 1) {
        win.shownFor += dt;
        return;
    }
    win.sinceDeath += dt;
    if (WinIsDue(boss, game))
        OpenWinScreen(boss, game);
}

bool WinScreenHidesArena(const Game& game, const sf::RenderTarget& window)
{
    if (game.hud.bossFight != 1 || game.boss.win.shown != 1 || !game.boss.win.opaque)
        return false;
    const sf::FloatRect picture = game.player.winSprite.getGlobalBounds(), view = ViewArea(window);
    return picture.left <= view.left && picture.top <= view.top && picture.left + picture.width >= view.left + view.width
        && picture.top + picture.height >= view.top + view.height;
}

void DrawWinScreen(const Game& game, sf::RenderTarget& window)
{
    const WinScreen& win = game.boss.win;
    if (game.hud.bossFight != 1 || win.shown != 1)
        return;
    window.draw(game.player.winSprite, win.opaque ? sf::BlendNone : sf::BlendAlpha);
    window.draw(win.kills);
    window.draw(win.coins);
}

bool WinScreenClick(Game& game)
{
    const WinScreen& win = game.boss.win;
    if (game.hud.bossFight != 1 || win.shown != 1 || win.shownFor < kWinClickAfter)
        return false;
    SendPlayerToHub(game);
    return true;
}
