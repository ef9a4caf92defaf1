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

template <typename List>
std::string JsonList(const List& values)
{
    std::ostringstream list;
    list << "[";
    for (std::size_t i = 0; i < values.size(); i++)
        list << (i ? ", " : "") << values[i];
    list << "]";
    return list.str();
}

// Where the scene stands in the loop, and what the hub keeps between runs.
std::string LoopJson(const Game& game)
{
    const Hub& hub = game.hub;
    std::ostringstream json;
    json << "\"run\": " << hub.runNumber << ", \"potionLevels\": " << JsonList(hub.potionLevels)
         << ", \"tallies\": " << JsonList(hub.tallies) << ", \"quests\": {\"counters\": "
         << JsonList(hub.questCounters) << ", \"selected\": " << JsonList(hub.questSelected)
         << ", \"done\": " << JsonList(hub.questDone) << "}, \"chosenSpell\": "
         << (hub.spellChosen == 1 ? std::to_string(hub.chosenSpell) : std::string("null"))
         << ", \"skin\": " << game.player.skinIndex << ", \"maxHealth\": " << game.hud.maxHealth
         << ", \"dialogueShown\": " << (game.dialogue.started == 1 ? "true" : "false");
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
         << ", \"scene\": " << Quoted(SceneName(CurrentScene(game))) << ", " << LoopJson(game)
         << ", \"levelNumber\": " << game.level.levelNumber
         << ", \"player\": {\"x\": " << body.x << ", \"y\": " << body.y << ", \"health\": " << player.health
         << ", \"coins\": " << player.coins << ", \"hasArms\": " << (player.hasArms == 1 ? "true" : "false")
         << "}, \"filesReadDuringPlay\": " << stats.filesReadDuringPlay
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
