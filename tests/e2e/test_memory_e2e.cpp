// Resident memory over a long scripted play: the way in of
// memory_start.script, then rounds of memory_cycle.script (a run of four
// levels to a death in the arena, the hub and its panels, the menu and the
// pause), repeated. The first two rounds warm up: the first shows every
// place and panel, the second comes back to each place whose pictures were
// let go of when it was left and reads them again. No later round may hold
// more than 4 MB beyond them: whatever a round makes it must give back. tests/memory_soak.sh runs the same test for 30 minutes
// of play, drawing every frame (TIDEWRACK_MEMORY_ROUNDS,
// TIDEWRACK_MEMORY_DRAW_EVERY).
#include "e2e_support.hpp"

#include <algorithm>

namespace {

constexpr long kFirstRound = 1300;        // the hub is reached, its loading screen over
constexpr long kRoundFrames = 5000;       // a multiple of the report's 1000-frame sampling
constexpr long kSampleEvery = 1000;       // the run report's residentKB step
constexpr double kGrowthLimitKB = 4096.0;
constexpr int kWarmUpRounds = 2;
constexpr int kDefaultRounds = 4;         // two to warm up, two measured
constexpr int kDefaultDrawEvery = 50;     // often enough that every scene's pictures are drawn

int FromEnvironment(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    const int number = value ? std::atoi(value) : 0;
    return number > 0 ? number : fallback;
}

// A script's lines without comments, each frame moved by `offset`.
void AppendShifted(std::ofstream& out, const std::string& script, long offset)
{
    std::istringstream lines(ReadWhole(ScriptPath(script)));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const size_t space = line.find(' ');
        out << std::stol(line.substr(0, space)) + offset << line.substr(space) << "\n";
    }
}

std::string WriteMemoryScript(const std::filesystem::path& folder, int rounds)
{
    const std::filesystem::path path = folder / "memory.script";
    std::ofstream out(path);
    AppendShifted(out, "memory_start.script", 0);
    for (int round = 0; round < rounds; ++round)
        AppendShifted(out, "memory_cycle.script", kFirstRound + round * kRoundFrames);
    return path.string();
}

// The report's residentKB samples: frame 0, 1000, 2000, ... and the end.
std::vector<double> ResidentSamples(const std::string& report)
{
    std::vector<double> samples;
    const size_t from = report.find("\"residentKB\": [");
    if (from == std::string::npos)
        return samples;
    std::istringstream list(report.substr(from + 15, report.find(']', from) - from - 15));
    std::string number;
    while (std::getline(list, number, ','))
        samples.push_back(std::strtod(number.c_str(), nullptr));
    return samples;
}

// The highest sample taken during each round (the end's sample is left out).
std::vector<double> RoundPeaks(const std::vector<double>& samples, int rounds)
{
    std::vector<double> peaks(static_cast<size_t>(rounds), 0.0);
    for (size_t i = 0; i + 1 < samples.size(); ++i) {
        const long frame = static_cast<long>(i) * kSampleEvery;
        if (frame < kFirstRound)
            continue;
        const size_t round = static_cast<size_t>((frame - kFirstRound) / kRoundFrames);
        if (round < peaks.size())
            peaks[round] = std::max(peaks[round], samples[i]);
    }
    return peaks;
}

TEST(Memory, RoundsOfPlayAfterTheWarmUpHoldNoMoreThanFourMegabytesBeyondIt)
{
    REQUIRE_DISPLAY();
    const int rounds = FromEnvironment("TIDEWRACK_MEMORY_ROUNDS", kDefaultRounds);
    const int drawEvery = FromEnvironment("TIDEWRACK_MEMORY_DRAW_EVERY", kDefaultDrawEvery);
    ASSERT_GT(rounds, kWarmUpRounds) << "the warm-up and at least one more round";
    const std::filesystem::path folder = TestFolder();
    const long frames = kFirstRound + rounds * kRoundFrames;
    const GameRun run = RunGame({"--seed", "1", "--script", WriteMemoryScript(folder, rounds), "--frames",
                                 std::to_string(frames), "--draw-every", std::to_string(drawEvery), "--report",
                                 (folder / "report.json").string()},
                                folder);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string report = ReadWhole(folder / "report.json");
    // Every round went where it should: the last one ends in the hub after
    // as many runs as rounds, through the arena and its death screen.
    EXPECT_EQ(ReportNumber(report, "run"), static_cast<double>(rounds)) << report;
    EXPECT_EQ(ReportText(report, "scene"), "hub");
    const size_t reached = report.find("\"reached\": [");
    ASSERT_NE(reached, std::string::npos) << report;
    const std::string places = report.substr(reached, report.find(']', reached) - reached);
    for (const char* place : {"\"level\"", "\"arena\"", "\"death screen\"", "\"pause\"", "\"menu\""})
        EXPECT_NE(places.find(place), std::string::npos) << place << " never reached: " << places;

    const std::vector<double> samples = ResidentSamples(report);
    ASSERT_EQ(samples.size(), static_cast<size_t>((frames - 1) / kSampleEvery + 2)) << report;  // and the end
    const std::vector<double> peaks = RoundPeaks(samples, rounds);
    std::string shown;
    for (double kb : samples)
        shown += std::to_string(static_cast<long>(kb)) + " ";
    const double warm = *std::max_element(peaks.begin(), peaks.begin() + kWarmUpRounds);
    for (size_t round = kWarmUpRounds; round < peaks.size(); ++round)
        EXPECT_LE(peaks[round] - warm, kGrowthLimitKB)
            << "round " << round + 1 << " of " << rounds << "; resident KB every 1000 frames: " << shown;
}

}  // namespace
