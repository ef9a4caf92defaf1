// The soak: the sanitized game played at random, from the menus to the
// arena, for tens of thousands of frames a seed. A seed that fails prints
// the commands that replay it. Together the seeds must reach every screen:
// the menus', the pause's, the tutorial, the loading screens, the hub and
// each of its places, levels, the death screen, the arena and, a boss
// beaten, the win screen.
#include "e2e_support.hpp"

#include <set>

namespace {

constexpr long kFrames = 20000;
const unsigned kSeeds[] = {11, 23, 47};

std::string MonkeyScript(unsigned seed, long frames, const std::filesystem::path& folder)
{
    const std::filesystem::path script = folder / ("monkey_" + std::to_string(seed) + ".script");
    const std::string command = ShellQuote(TIDEWRACK_MONKEY) + " " + std::to_string(seed) + " "
                              + std::to_string(frames) + " > " + ShellQuote(script.string());
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return script.string();
}

// The places a report's "reached" list names.
std::set<std::string> Reached(const std::string& report)
{
    std::set<std::string> names;
    const size_t from = report.find("\"reached\": [");
    const size_t to = report.find(']', from);
    if (from == std::string::npos || to == std::string::npos)
        return names;
    const std::string list = report.substr(from, to - from);
    for (size_t at = list.find('"', 12); at != std::string::npos; at = list.find('"', list.find('"', at + 1) + 1)) {
        const size_t end = list.find('"', at + 1);
        if (end == std::string::npos)
            break;
        names.insert(list.substr(at + 1, end - at - 1));
    }
    return names;
}

TEST(Soak, RandomPlayOverSeveralSeedsIsCleanAndReachesEveryScreen)
{
    REQUIRE_DISPLAY();
    REQUIRE_SANITIZED_GAME();
    const auto folder = TestFolder();
    std::set<std::string> reached;
    for (const unsigned seed : kSeeds) {
        const std::string script = MonkeyScript(seed, kFrames, folder);
        const std::string report = (folder / ("report_" + std::to_string(seed) + ".json")).string();
        const GameRun run = RunSanitizedGame({"--seed", std::to_string(seed), "--script", script, "--frames",
                                              std::to_string(kFrames), "--draw-every", "500", "--report", report},
                                             folder);
        const std::string replay = "build/tests/tidewrack_monkey " + std::to_string(seed) + " "
                                 + std::to_string(kFrames) + " > monkey.script && build-asan/tidewrack --seed "
                                 + std::to_string(seed) + " --fixed-dt 0.0166667 --script monkey.script --frames "
                                 + std::to_string(kFrames);
        EXPECT_EQ(run.status, 0) << "seed " << seed << " failed; to replay it: " << replay << "\n" << run.err;
        EXPECT_FALSE(SanitizerSpoke(run.err)) << "seed " << seed << "; to replay it: " << replay << "\n" << run.err;
        const std::set<std::string> here = Reached(ReadWhole(report));
        reached.insert(here.begin(), here.end());
    }
    for (const char* place : {"menu", "menu options", "menu credits", "menu controls", "pause", "pause options",
                              "pause controls", "tutorial", "loading", "hub", "hub seller", "hub quests", "hub cards",
                              "hub recap", "hub dressroom", "level", "door transition", "death screen", "arena",
                              "win screen"})
        EXPECT_TRUE(reached.count(place)) << "no seed reached the " << place;
}

}  // namespace
