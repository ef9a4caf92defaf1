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

// The boss: its fight, health, state and attack, and every attack it started.
std::string BossReport(const Game& game)
{
    const Boss& boss = game.boss;
    const sf::Vector2f at = boss.bossHitbox.getPosition();
    std::ostringstream json;
    json << "\"boss\": {\"fight\": " << (game.hud.bossFight == 1 ? "true" : "false")
         << ", \"health\": " << game.hud.bossHealth << ", \"state\": " << Quoted(BossStateName(boss))
         << ", \"attack\": " << Quoted(BossAttackName(boss)) << ", \"x\": " << at.x << ", \"y\": " << at.y
         << ", \"fightTime\": " << boss.fightTime << ", \"attacks\": [";
    for (std::size_t i = 0; i < boss.attackLog.size(); ++i)
        json << (i ? ", " : "") << "{\"attack\": " << Quoted(AttackName(boss.attackLog[i].attack))
             << ", \"at\": " << boss.attackLog[i].at << "}";
    json << "]}";
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
         << "}, " << BossReport(game)
         << ", \"filesReadDuringPlay\": " << stats.filesReadDuringPlay
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
