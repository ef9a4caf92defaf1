#pragma once
// Runs the real game binary with options and a script, and reads back what
// it printed and the screenshots it saved.
#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct GameRun {
    int status = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

inline std::string ShellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::string ReadWhole(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The folder of one test's screenshots and logs. The process number keeps
// runs apart that share the machine (two checkouts testing at once).
inline std::filesystem::path FolderOf(const ::testing::TestInfo& info)
{
    return std::filesystem::temp_directory_path() / "tidewrack-e2e"
         / (std::string(info.test_suite_name()) + "." + info.name() + "-" + std::to_string(::getpid()));
}

// A test's folder is kept when it failed, for a look, and removed when it passed.
class RemovePassedTestFolders : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& info) override
    {
        std::error_code ignored;
        if (info.result() && info.result()->Passed())
            std::filesystem::remove_all(FolderOf(info), ignored);
    }
};
inline const bool kRemovingPassedTestFolders = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new RemovePassedTestFolders);
    return true;
}();

// A fresh folder for one test's screenshots and logs.
inline std::filesystem::path TestFolder()
{
    const std::filesystem::path folder = FolderOf(*::testing::UnitTest::GetInstance()->current_test_info());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

// A folder for a suite that runs the game once and checks it in several
// tests. ctest runs each test in its own process, so each process gets its
// own folder; it is removed when the suite passed and kept for a look when
// it failed.
inline std::filesystem::path SuiteFolder(const std::string& suite)
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "tidewrack-e2e"
                                 / (suite + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline void RemoveSuiteFolderIfPassed(const std::filesystem::path& folder)
{
    const auto* suite = ::testing::UnitTest::GetInstance()->current_test_suite();
    if (!folder.empty() && suite && suite->Passed())
        std::filesystem::remove_all(folder);
}

inline std::string ScriptPath(const std::string& name)
{
    return std::string(TIDEWRACK_SCRIPTS) + "/" + name;
}

// Runs the game in `folder` (it finds its Assets/ beside the binary, and a
// script's screenshots land in the folder) at a fixed 60 frames a second of
// simulated time, with the given extra arguments.
inline GameRun RunGame(const std::vector<std::string>& args, const std::filesystem::path& folder,
                       const std::string& binary = TIDEWRACK_BINARY, const std::string& environment = "")
{
    // A file the asset manifest does not list stops the game: a typo in
    // the code fails the test instead of showing nothing.
    std::string command = "cd " + ShellQuote(folder.string()) + " && TIDEWRACK_STRICT_MANIFEST=1 " + environment
                        + " " + ShellQuote(binary) + " --fixed-dt 0.0166667";
    for (const std::string& arg : args)
        command += " " + ShellQuote(arg);
    const auto out = folder / "stdout.txt";
    const auto err = folder / "stderr.txt";
    command += " > " + ShellQuote(out.string()) + " 2> " + ShellQuote(err.string());
    GameRun run;
    // Only a refused X connection (SFML aborts before the game starts) is
    // tried again, and said; any other failure stands.
    for (int attempt = 1; attempt <= 3; attempt++) {
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadWhole(out);
        run.err = ReadWhole(err);
        if (run.status == 0 || run.err.find("Failed to open X11 display") == std::string::npos)
            break;
        std::fprintf(stderr, "e2e: the game could not open the X display (attempt %d of 3); running it again\n",
                     attempt);
    }
    return run;
}

// The game built with AddressSanitizer and UndefinedBehaviorSanitizer
// (./check builds it in build-asan); empty when there is none.
inline std::string SanitizedBinary()
{
    const std::string binary = TIDEWRACK_ASAN_BINARY;
    return std::filesystem::exists(binary) ? binary : std::string();
}

// The same run with the sanitized game: any error report fails it, leaks
// included. The software OpenGL driver is loaded before the game and stays
// loaded: left to the GL library, it is unloaded before the leak check and
// the blocks it still held at that moment read as leaks with no name.
inline GameRun RunSanitizedGame(const std::vector<std::string>& args, const std::filesystem::path& folder)
{
    const std::string environment =
        "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1 "
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 "
        "LSAN_OPTIONS=suppressions=" + ShellQuote(std::string(TIDEWRACK_TESTS) + "/lsan.supp") + " "
        "LD_PRELOAD=" + ShellQuote(std::string(TIDEWRACK_ASAN_RUNTIME) + " " + TIDEWRACK_GL_DRIVER);
    return RunGame(args, folder, SanitizedBinary(), environment);
}

// What a sanitizer said on standard error, or nothing.
inline bool SanitizerSpoke(const std::string& err)
{
    return err.find("AddressSanitizer") != std::string::npos || err.find("LeakSanitizer") != std::string::npos
        || err.find("runtime error:") != std::string::npos;
}

#define REQUIRE_SANITIZED_GAME()                                                                  \
    if (SanitizedBinary().empty())                                                                \
    GTEST_FAIL() << "no sanitized game at " TIDEWRACK_ASAN_BINARY ": ./check builds it (setup/setup.sh)"

// A number of the run report (`--report`): `key` is a JSON key such as
// "frames" or "health"; the first one in the text is taken. NaN when absent.
inline double ReportNumber(const std::string& report, const std::string& key)
{
    const std::string quoted = "\"" + key + "\": ";
    const size_t at = report.find(quoted);
    if (at == std::string::npos)
        return std::nan("");
    return std::strtod(report.c_str() + at + quoted.size(), nullptr);
}

// A string of the run report ("scene", "mode").
inline std::string ReportText(const std::string& report, const std::string& key)
{
    const std::string quoted = "\"" + key + "\": \"";
    const size_t at = report.find(quoted);
    if (at == std::string::npos)
        return "";
    const size_t from = at + quoted.size();
    return report.substr(from, report.find('"', from) - from);
}

inline bool HaveDisplay()
{
    return std::getenv("DISPLAY") != nullptr;
}

#define REQUIRE_DISPLAY()                                                                       \
    if (!HaveDisplay())                                                                         \
    GTEST_FAIL() << "no X display: run the end-to-end tests through ./check (it starts xvfb-run)"

inline sf::Image LoadScreenshot(const std::filesystem::path& path)
{
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile(path.string())) << "no screenshot at " << path;
    return image;
}

// The share of pixels of `area` in the screenshot equal to the picture's
// opaque pixels drawn with its top-left at `at`.
inline double MatchPicture(const sf::Image& shot, const sf::Image& picture, sf::Vector2i at)
{
    long opaque = 0, same = 0;
    for (unsigned y = 0; y < picture.getSize().y; y++)
        for (unsigned x = 0; x < picture.getSize().x; x++) {
            const sf::Color want = picture.getPixel(x, y);
            const int sx = at.x + static_cast<int>(x), sy = at.y + static_cast<int>(y);
            if (want.a != 255 || sx < 0 || sy < 0 || sx >= static_cast<int>(shot.getSize().x)
                || sy >= static_cast<int>(shot.getSize().y))
                continue;
            opaque++;
            const sf::Color got = shot.getPixel(sx, sy);
            same += got.r == want.r && got.g == want.g && got.b == want.b;
        }
    return opaque ? static_cast<double>(same) / static_cast<double>(opaque) : 0.0;
}

inline sf::Image LoadAsset(const std::string& path)
{
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile(path)) << "cannot read " << path;
    return image;
}
