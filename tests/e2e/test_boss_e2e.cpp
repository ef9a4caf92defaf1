// The boss in the real game: its arena reached through the fourth level's
// door, each of its six attacks on screen, and a scripted fight that beats
// it, shows the win screen and goes on to the hub.
//
// The boss's choices are random, so the attack screenshots and the dodges
// are placed from a first run's report, which lists every attack the boss
// started and when; the second run replays the same script (the same seed,
// the same moves until the point where a dodge or a screenshot is added, so
// the same fight) with them.
#include "e2e_support.hpp"

#include <algorithm>
#include <map>
#include <utility>

namespace {

constexpr double kFrameTime = 0.0166667;
// The frame before the fight's first: the arena is built (the last time,
// with B held) in frame 1461, and its first update counts one frame of fight.
constexpr int kFightFrameZero = 1460;

struct Attack {
    std::string name;
    double at = 0.0;  // seconds into the fight
};

// The boss's attacks as the report lists them, in order.
std::vector<Attack> ReportedAttacks(const std::string& report)
{
    std::vector<Attack> attacks;
    const std::string key = "{\"attack\": \"";
    size_t at = report.find("\"attacks\": [");
    while (at != std::string::npos && (at = report.find(key, at)) != std::string::npos) {
        at += key.size();
        Attack attack;
        attack.name = report.substr(at, report.find('"', at) - at);
        attack.at = ReportNumber(report.substr(at), "at");
        attacks.push_back(attack);
    }
    return attacks;
}

// "shock wave" -> "boss_shock_wave.png" (a script's path has no spaces).
std::string ShotName(std::string attack)
{
    std::replace(attack.begin(), attack.end(), ' ', '_');
    return "boss_" + attack + ".png";
}

int FrameAt(double fightSeconds)
{
    return kFightFrameZero + static_cast<int>(std::lround(fightSeconds / kFrameTime));
}

std::string WriteScript(const std::filesystem::path& folder, const std::string& name, const std::string& base,
                        const std::vector<std::string>& lines)
{
    const std::filesystem::path path = folder / name;
    std::ofstream out(path);
    out << ReadWhole(base);
    for (const std::string& line : lines)
        out << line << "\n";
    return path.string();
}

GameRun RunScript(const std::filesystem::path& folder, const std::string& script, int frames, const std::string& report)
{
    return RunGame({"--seed", "1", "--script", script, "--frames", std::to_string(frames), "--draw-every", "100000",
                    "--report", (folder / report).string()},
                   folder);
}

TEST(BossE2E, TheFourthLevelsDoorOpensTheArena)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    const GameRun run = RunGame({"--seed", "1", "--script", ScriptPath("boss_door.script"), "--frames", "2782",
                                 "--draw-every", "1000", "--report", (folder / "report.json").string()},
                                folder);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string report = ReadWhole(folder / "report.json");
    EXPECT_EQ(ReportText(report, "scene"), "arena");
    EXPECT_EQ(ReportNumber(report, "levelNumber"), 4.0);
    EXPECT_NE(report.find("\"boss\": {\"fight\": true, \"health\": 1000"), std::string::npos) << report;
    // The door's loading screen first (black, the white bar from (480, 810)),
    // then the boss bar, full, at the bottom of the screen.
    const sf::Image loading = LoadScreenshot(folder / "arena_loading.png");
    EXPECT_EQ(loading.getPixel(100, 100), sf::Color::Black);
    EXPECT_EQ(loading.getPixel(482, 835), sf::Color::White);
    const sf::Image shot = LoadScreenshot(folder / "boss_arena.png");
    EXPECT_EQ(shot.getPixel(700, 987), sf::Color(197, 0, 12));
    EXPECT_EQ(shot.getPixel(1250, 987), sf::Color(197, 0, 12));
}

// The player hovers high over the arena (warped up again before it can
// fall to the floor, so nothing on the floor reaches it), sweeping from
// side to side: the boss, walking after it, meets it at every distance and
// runs all six attacks.
TEST(BossE2E, EachAttackShowsOnScreen)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    constexpr int kFrames = 6300;
    std::vector<std::string> hover;
    for (int frame = 1463; frame < kFrames; frame += 6) {
        const double phase = std::fmod((frame - 1463) * kFrameTime, 31.0) / 31.0;
        const double across = phase < 0.5 ? 2.0 * phase : 2.0 - 2.0 * phase;
        hover.push_back(std::to_string(frame) + " warp " + std::to_string(static_cast<int>(40 + across * 1790)) + " -3000");
    }
    std::vector<std::string> first = {"0 mouse 258 435", "3 click left 258 435", "4 release left",
                                      "730 goto substance", "740 key F down", "830 key F up",
                                      "1460 key B down", "1462 key B up"};
    first.insert(first.end(), hover.begin(), hover.end());
    const std::string script = WriteScript(folder, "hover.script", "/dev/null", first);
    ASSERT_EQ(RunScript(folder, script, kFrames, "first.json").status, 0);
    const std::vector<Attack> attacks = ReportedAttacks(ReadWhole(folder / "first.json"));

    // Each attack's first time, and when it shows best after its start.
    const std::map<std::string, double> showing = {{"cauldron", 3.0}, {"carrots", 6.9}, {"fire", 4.0},
                                                   {"shock wave", 3.1}, {"food", 1.14},  {"melee", 1.3}};
    std::map<std::string, int> shots;
    for (const Attack& attack : attacks)
        if (showing.count(attack.name) && !shots.count(attack.name))
            shots[attack.name] = FrameAt(attack.at + showing.at(attack.name));
    ASSERT_EQ(shots.size(), 6u) << "all six attacks in " << ReadWhole(folder / "first.json");
    std::vector<std::string> second = first;
    for (const auto& [name, frame] : shots) {
        ASSERT_LT(frame, kFrames);
        second.push_back(std::to_string(frame) + " screenshot " + ShotName(name));
    }
    const std::string shotScript = WriteScript(folder, "shots.script", "/dev/null", second);
    ASSERT_EQ(RunScript(folder, shotScript, kFrames, "second.json").status, 0);
    const std::string report = ReadWhole(folder / "second.json");
    EXPECT_GT(ReportNumber(report, "health"), 0.0) << "alive: no death screen over the shots";
    const std::vector<Attack> again = ReportedAttacks(report);
    ASSERT_EQ(again.size(), attacks.size()) << "the same fight";
    for (size_t i = 0; i < attacks.size(); ++i)
        EXPECT_EQ(again[i].name, attacks[i].name);
    for (const auto& [name, frame] : shots) {
        const sf::Image shot = LoadScreenshot(folder / ShotName(name));
        EXPECT_EQ(shot.getPixel(700, 987), sf::Color(197, 0, 12)) << name << ": the arena with its boss bar";
    }
}

// The combo and the cards of the hand against the boss, dodging each
// cleaver blow by a leap into the sky: the boss falls, its coins fly to the
// player, the win screen shows the run's count, and a click on it leads to
// the hub (its first arrival here, the run having started from the
// tutorial's B: behind its loading screen).
TEST(BossE2E, TheCombatBeatsTheBossAndTheWinScreenLeadsToTheHub)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    constexpr int kFightEnd = 1460 + 75 * 60;
    constexpr int kFrames = kFightEnd + 240;  // the hub's loading screen (3 s) over
    const std::string base = ScriptPath("boss_fight.script");
    ASSERT_EQ(RunScript(folder, base, kFightEnd, "first.json").status, 0);
    std::vector<std::string> extra;
    for (const Attack& attack : ReportedAttacks(ReadWhole(folder / "first.json"))) {
        if (attack.name != "melee")
            continue;
        const int from = FrameAt(attack.at + 0.9), to = FrameAt(attack.at + 2.4);
        for (int frame = from; frame < to; frame += 6)
            extra.push_back(std::to_string(frame) + " warp 1246 -3000");
        extra.push_back(std::to_string(to) + " warp 1246 598");
    }
    extra.push_back(std::to_string(kFightEnd - 45) + " release left");
    extra.push_back(std::to_string(kFightEnd - 40) + " screenshot boss_win.png");
    extra.push_back(std::to_string(kFightEnd - 30) + " click left 960 540");
    extra.push_back(std::to_string(kFightEnd - 29) + " release left");
    extra.push_back(std::to_string(kFrames - 2) + " screenshot hub.png");
    const std::string script = WriteScript(folder, "dodging.script", base, extra);
    const GameRun run = RunScript(folder, script, kFrames, "report.json");
    ASSERT_EQ(run.status, 0) << run.err;

    const sf::Image win = LoadScreenshot(folder / "boss_win.png");
    const sf::Image picture = LoadAsset(std::string(TIDEWRACK_ASSETS) + "/Sprites/WinScreen.png");
    EXPECT_GT(MatchPicture(win, picture, {0, 0}), 0.9) << "the win screen fills the view";
    const std::string report = ReadWhole(folder / "report.json");
    EXPECT_EQ(ReportText(report, "scene"), "hub");
    EXPECT_NE(report.find("\"win screen\""), std::string::npos) << report;
    EXPECT_EQ(ReportNumber(report, "health"), 100.0) << "full health in the hub";
    EXPECT_GE(ReportNumber(report, "coins"), 200.0 * 3.0) << "the boss's coins, kept";
    EXPECT_EQ(ReportNumber(report, "spentCards"), 3.0) << "A, E and C were played on the boss";
    EXPECT_NE(report.find("\"boss\": {\"fight\": false"), std::string::npos) << report;
    const sf::Image hub = LoadScreenshot(folder / "hub.png");
    EXPECT_NE(hub.getPixel(100, 100), sf::Color::Black) << "the hub, its loading screen over";
    EXPECT_NE(hub.getPixel(700, 987), sf::Color(197, 0, 12)) << "no boss bar in the hub";
}

// A card's bomb detonated on the boss, the sword left alone: the spell
// alone takes from the boss's health. The fight's opening as in
// boss_fight.script, then slot A: imps, which fly at the boss's box.
TEST(BossE2E, ASpellsDetonationHurtsTheBoss)
{
    REQUIRE_DISPLAY();
    const auto folder = TestFolder();
    std::vector<std::string> lines;
    std::istringstream base(ReadWhole(ScriptPath("boss_fight.script")));
    for (std::string line; std::getline(base, line);)
        if (!line.empty() && line[0] != '#' && std::stoi(line) <= 1464)
            lines.push_back(line);
    for (const char* line : {"1600 key A down", "1602 key A up", "1640 click right 1500 500", "1641 release right"})
        lines.emplace_back(line);
    const std::string script = WriteScript(folder, "spell.script", "/dev/null", lines);
    ASSERT_EQ(RunScript(folder, script, 1639, "before.json").status, 0);
    ASSERT_EQ(RunScript(folder, script, 1900, "after.json").status, 0);
    const std::string before = ReadWhole(folder / "before.json"), after = ReadWhole(folder / "after.json");
    EXPECT_NE(before.find("\"boss\": {\"fight\": true, \"health\": 1000"), std::string::npos) << before;
    EXPECT_NE(before.find("\"bombActive\": true"), std::string::npos) << "the card's bomb waits for the right button";
    EXPECT_LT(ReportNumber(after.substr(after.find("\"boss\"")), "health"), 1000.0) << after;
}

}  // namespace
