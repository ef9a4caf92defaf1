#include "app/run_report.hpp"

#include "app/main_data.hpp"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

const char* ModeName(int mode)
{
    switch (mode) {
    case MODE_MENU: return "menu";
    case MODE_GAME: return "game";
    case MODE_PAUSE: return "pause";
    default: return "?";
    }
}

// Our names and numbers need no escaping but a quote or a backslash.
std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

// The hand's three cards by spell name ("spent" for an empty slot), how
// many cards are spent, the mana, and the spells' live entries.
std::string SpellsJson(const Game& game)
{
    std::ostringstream json;
    json << "\"hand\": [";
    for (int i = 0; i < game.deck.cardCount && i < kHandSize; i++) {
        const int kind = game.deck.cards[static_cast<std::size_t>(i)].kind;
        json << (i > 0 ? ", " : "") << Quoted(kind == SPELL_SPENT ? "spent" : SpellName(kind));
    }
    json << "], \"spentCards\": " << SpentCards(game.deck) << ", \"mana\": " << game.hud.mana
         << ", \"bombActive\": " << (game.bombs.bombActive == 1 ? "true" : "false")
         << ", \"liveEntries\": " << game.bombs.explosions.size();
    return json.str();
}

}  // namespace

std::string RunReportJson(const MainData& main, const RunStats& stats)
{
    const Game& game = main.game;
    const Player& player = game.player;
    const sf::Vector2f body = player.hitbox.getPosition();
    std::ostringstream json;
    json << "{\"frames\": " << stats.frames << ", \"mode\": " << Quoted(ModeName(game.mode))
         << ", \"scene\": " << Quoted(SceneName(CurrentScene(game))) << ", \"levelNumber\": " << game.level.levelNumber
         << ", \"player\": {\"x\": " << body.x << ", \"y\": " << body.y << ", \"health\": " << player.health
         << ", \"coins\": " << player.coins << ", \"hasArms\": " << (player.hasArms == 1 ? "true" : "false")
         << "}, " << SpellsJson(game) << ", \"filesReadDuringPlay\": " << stats.filesReadDuringPlay
         << ", \"slowestUpdateMicros\": " << stats.slowestUpdateMicros << "}\n";
    return json.str();
}

bool WriteRunReport(const std::string& path, const MainData& main, const RunStats& stats)
{
    std::ofstream out(path);
    if (out << RunReportJson(main, stats) && out.flush())
        return true;
    std::cerr << "Tidewrack: cannot write the run report \"" << path << "\"\n";
    return false;
}
