// The game with one of its files missing, cut short, or replaced by bytes
// that are not its format: it names the file once on standard error, in
// its own words, and plays on through every screen, with no sanitizer
// report. A run tries a sample of the files, drawn from a seed that changes
// from run to run and is printed; TIDEWRACK_BROKEN_SEED=N replays a sample,
// and TIDEWRACK_BROKEN_ALL=1 (tests/broken_assets.sh) tries every file.
#include "e2e_support.hpp"

#include "engine/asset_manifest.hpp"

#include <chrono>
#include <random>

namespace {

// Each file is tried three ways, each a tour of about 6000 frames under
// the sanitizers: two files keep a run within a few minutes.
constexpr int kFilesARun = 2;
// The tour quits by the menu at about frame 5800; a run still going here failed to.
constexpr int kTourCap = 6500;

enum Breakage { MISSING, TRUNCATED, NOT_ITS_FORMAT };
const char* const kBreakageNames[] = {"missing", "truncated", "not its format"};

// Assets/ for one run: links to the generated files, but for the broken one.
void MirrorAssets(const std::filesystem::path& into, const std::string& broken, Breakage how)
{
    namespace fs = std::filesystem;
    const fs::path generated = fs::path(TIDEWRACK_ASSETS).parent_path();
    for (const AssetEntry& entry : AllAssets()) {
        const fs::path to = into / entry.path;
        fs::create_directories(to.parent_path());
        const fs::path from = generated / entry.path;
        if (entry.path != broken) {
            fs::create_symlink(from, to);
            continue;
        }
        if (how == TRUNCATED) {
            const std::string bytes = ReadWhole(from);
            std::ofstream(to, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
        } else if (how == NOT_ITS_FORMAT) {
            std::ofstream(to, std::ios::binary) << "These bytes are no picture, sound or font at all.\n";
        }
    }
}

// Every line on standard error is either the one naming the file or the
// display's own note about vertical sync.
std::string StrayLines(const std::string& err, const std::string& path)
{
    std::istringstream lines(err);
    std::string stray;
    for (std::string line; std::getline(lines, line);)
        if (line.find("\"" + path + "\"") == std::string::npos && line != "Setting vertical sync not supported")
            stray += line + "\n";
    return stray;
}

bool EveryFile()
{
    const char* all = std::getenv("TIDEWRACK_BROKEN_ALL");
    return all && std::string(all) == "1";
}

unsigned SampleSeed()
{
    if (const char* seed = std::getenv("TIDEWRACK_BROKEN_SEED"))
        return static_cast<unsigned>(std::strtoul(seed, nullptr, 10));
    return static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count() % 100000);
}

TEST(BrokenAssets, EachBrokenFileIsNamedOnceAndTheGamePlaysOn)
{
    REQUIRE_DISPLAY();
    REQUIRE_SANITIZED_GAME();
    const unsigned seed = SampleSeed();
    const auto all = AllAssets();
    const int files = EveryFile() ? static_cast<int>(all.size()) : kFilesARun;
    if (EveryFile())
        std::printf("broken assets: all %d files of the manifest\n", files);
    else
        std::printf("broken-asset sample seed %u (TIDEWRACK_BROKEN_SEED=%u replays it)\n", seed, seed);
    std::mt19937 pick(seed);
    for (int n = 0; n < files; ++n) {
        const AssetEntry& entry = EveryFile()
                                    ? all[static_cast<std::size_t>(n)]
                                    : all[std::uniform_int_distribution<std::size_t>(0, all.size() - 1)(pick)];
        for (const Breakage how : {MISSING, TRUNCATED, NOT_ITS_FORMAT}) {
            const auto folder = TestFolder() / std::to_string(n * 3 + static_cast<int>(how));
            std::filesystem::create_directories(folder);
            MirrorAssets(folder, entry.path, how);
            // A game that could not quit by its menu stops at the cap, and says so.
            const GameRun run = RunSanitizedGame({"--seed", "1", "--script", ScriptPath("tour.script"), "--draw-every",
                                                  "25", "--frames", std::to_string(kTourCap), "--report",
                                                  (folder / "report.json").string()},
                                                 folder);
            const std::string what = std::string(entry.path) + " " + kBreakageNames[how] + " (seed " +
                                     std::to_string(seed) + ")";
            EXPECT_EQ(run.status, 0) << what << "\n" << run.err;
            EXPECT_FALSE(SanitizerSpoke(run.err)) << what << "\n" << run.err;
            const std::string named = "\"" + std::string(entry.path) + "\"";
            EXPECT_NE(run.err.find(named), std::string::npos) << what << ": the file is not named";
            EXPECT_EQ(run.err.find(named), run.err.rfind(named)) << what << ": named more than once\n" << run.err;
            EXPECT_EQ(StrayLines(run.err, entry.path), "") << what;
            EXPECT_LT(ReportNumber(ReadWhole(folder / "report.json"), "frames"), kTourCap)
                << what << ": the menu's Quit did not end the tour";
            std::filesystem::remove_all(folder);
        }
    }
}

}  // namespace
