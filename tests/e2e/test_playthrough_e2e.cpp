// The whole loop played for what it costs (bench/playthrough.script): the
// menu, the tutorial, the hub, a run that ends in a death, the hub again,
// four levels and the arena, the pause. No file may be read in a frame of
// play: every picture, sound and font is read at start-up or behind a
// loading screen.
#include "e2e_support.hpp"

#include <algorithm>

namespace {

std::vector<long> Numbers(const std::string& report, const std::string& key)
{
    std::vector<long> numbers;
    const size_t at = report.find("\"" + key + "\": [");
    if (at == std::string::npos)
        return numbers;
    std::istringstream list(report.substr(report.find('[', at) + 1, report.find(']', at) - report.find('[', at) - 1));
    for (std::string number; std::getline(list, number, ',');)
        numbers.push_back(std::stol(number));
    return numbers;
}

TEST(Playthrough, TheWholeLoopReadsNoFileDuringPlayAndReportsItsPeakMemory)
{
    REQUIRE_DISPLAY();
    const std::filesystem::path folder = TestFolder();
    const GameRun run = RunGame({"--seed", "1", "--fixed-dt", "0.0166667", "--script",
                                 std::string(TIDEWRACK_TESTS) + "/../bench/playthrough.script", "--frames", "7200",
                                 "--draw-every", "100", "--report", (folder / "report.json").string()},
                                folder);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string report = ReadWhole(folder / "report.json");
    for (const char* place : {"menu", "tutorial", "hub", "level", "death screen", "door transition", "loading",
                              "arena", "pause"})
        EXPECT_NE(report.find(std::string("\"") + place + "\""), std::string::npos) << place << " not reached: " << report;
    EXPECT_EQ(ReportNumber(report, "run"), 2.0) << "the second run reached the arena";
    EXPECT_EQ(ReportNumber(report, "filesReadDuringPlay"), 0.0) << report;

    const std::vector<long> resident = Numbers(report, "residentKB");
    ASSERT_FALSE(resident.empty()) << report;
    EXPECT_GE(ReportNumber(report, "peakKB"), static_cast<double>(*std::max_element(resident.begin(), resident.end())))
        << "the peak is at least every sample taken";
}

}  // namespace
