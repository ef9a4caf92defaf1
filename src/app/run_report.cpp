#include "app/run_report.hpp"

#include "app/main_data.hpp"

#include <cstdlib>
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

const char* MenuScreenName(int screen)
{
    switch (screen) {
    case MENU_MAIN: return "menu";
    case MENU_OPTIONS: return "menu options";
    case MENU_CREDITS: return "menu credits";
    case MENU_CONTROLS: return "menu controls";
    default: return "menu ?";
    }
}

const char* PauseScreenName(int screen)
{
    switch (screen) {
    case PAUSE_MAIN: return "pause";
    case PAUSE_OPTIONS: return "pause options";
    case PAUSE_CONTROLS: return "pause controls";
    default: return "pause ?";
    }
}

const char* KindName(int kind)
{
    switch (kind) {
    case ENEMY_ARCHER: return "archer";
    case ENEMY_TANK: return "tank";
    case ENEMY_BIRD: return "bird";
    case ENEMY_RAT: return "rat";
    case ENEMY_SKELETON_RAT: return "skeleton rat";
    default: return "other";
    }
}

// The kills the death screen would count now, by kind.
std::string KillsJson(const Enemies& enemies)
{
    std::string json;
    for (int kind : {ENEMY_ARCHER, ENEMY_TANK, ENEMY_BIRD, ENEMY_RAT, ENEMY_SKELETON_RAT}) {
        int kills = 0;
        for (const KillIcon& icon : enemies.killIcons)
            kills += icon.kind == kind;
        json += (json.empty() ? "" : ", ") + Quoted(KindName(kind)) + ": " + std::to_string(kills);
    }
    return "{" + json + "}";
}

std::string NumbersJson(const std::vector<long>& numbers)
{
    std::string json;
    for (long number : numbers)
        json += (json.empty() ? "" : ", ") + std::to_string(number);
    return "[" + json + "]";
}

std::string ListJson(const std::set<std::string>& names)
{
    std::string json;
    for (const std::string& name : names)
        json += (json.empty() ? "" : ", ") + Quoted(name);
    return "[" + json + "]";
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

// The hub's panel open, or the dress room stood in, by the name `goto`
// gives its place ("hub seller"); nothing elsewhere in the hub.
const char* HubPlaceName(const Game& game)
{
    static const char* const kPanelNames[PANEL_COUNT] = {"hub seller", "hub quests", "hub cards", "hub recap",
                                                         "hub dressroom"};
    for (int panel = 0; panel < PANEL_COUNT; panel++)
        if (game.hub.panelOpen[static_cast<std::size_t>(panel)] == 1)
            return kPanelNames[panel];
    return game.inDressRoomZone == 1 ? kPanelNames[PANEL_DRESS_ROOM] : nullptr;
}

}  // namespace

namespace {

long StatusKilobytes(const std::string& field)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0)
            return std::strtol(line.c_str() + field.size(), nullptr, 10);
    return 0;
}

}  // namespace

long ResidentKilobytes() { return StatusKilobytes("VmRSS:"); }
long PeakResidentKilobytes() { return StatusKilobytes("VmHWM:"); }

void NoteWhereTheRunIs(const MainData& main, RunStats& stats)
{
    const Game& game = main.game;
    switch (game.mode) {
    case MODE_MENU: stats.reached.insert(MenuScreenName(main.menu.screen)); break;
    case MODE_PAUSE: stats.reached.insert(PauseScreenName(main.pauseMenu.screen)); break;
    case MODE_GAME: {
        const Scene scene = CurrentScene(game);
        stats.reached.insert(SceneName(scene));
        if (scene == SCENE_HUB && HubPlaceName(game))
            stats.reached.insert(HubPlaceName(game));
        break;
    }
    default: break;
    }
}

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
         << "}, " << SpellsJson(game) << ", " << BossReport(game) << ", \"kills\": " << KillsJson(game.enemies)
         << ", \"reached\": " << ListJson(stats.reached)
         // What the run cost, measured on this machine: last, apart from the game's state.
         << ", \"measured\": {\"filesReadDuringPlay\": " << stats.filesReadDuringPlay
         << ", \"slowestUpdateMicros\": " << stats.slowestUpdateMicros
         << ", \"residentKB\": " << NumbersJson(stats.residentKB) << ", \"peakKB\": " << stats.peakKB << "}}\n";
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
