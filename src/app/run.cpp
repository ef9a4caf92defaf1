#include "app/run.hpp"

#include "app/main_data.hpp"
#include "app/places.hpp"
#include "app/run_report.hpp"

#include <SFML/Graphics/Texture.hpp>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <algorithm>
#include <iostream>
#include <memory>

namespace {

// Replays the script lines of one frame through the same path as real input.
class ScriptPlayer {
public:
    explicit ScriptPlayer(const std::vector<ScriptLine>& script) : script_(script) {}

    // Returns the screenshot paths asked for in this frame. A place the
    // scene does not have is named on standard error and fails the run.
    std::vector<std::string> Play(MainData& main, long frame, int& status)
    {
        std::vector<std::string> shots;
        for (; next_ < script_.size() && script_[next_].frame <= frame; next_++) {
            const ScriptLine& line = script_[next_];
            if (line.action == SCRIPT_SCREENSHOT) {
                shots.push_back(line.path);
            } else if (line.action == SCRIPT_QUIT) {
                CloseWindow(main);
            } else if (line.action == SCRIPT_WARP) {
                main.game.player.hitbox.setPosition(line.warp);  // a test's shortcut across a level
            } else if (line.action == SCRIPT_GOTO) {
                if (!GoToPlace(main.game, line.path)) {
                    std::cerr << "Tidewrack: frame " << frame << ": goto " << line.path << ": no such place in the "
                              << SceneName(CurrentScene(main.game)) << "\n";
                    status = 1;
                }
            } else {
                Inject(main, line.event);
            }
        }
        return shots;
    }

private:
    static void Feed(MainData& main, const sf::Event& event)
    {
        main.event = event;
        FeedInput(main.input, event);
        DispatchEvent(main);
    }

    // A real mouse is at a place before it clicks there.
    static void Inject(MainData& main, sf::Event event)
    {
        if (event.type == sf::Event::MouseButtonPressed) {
            const sf::Vector2i at{event.mouseButton.x, event.mouseButton.y};
            if (MousePosition(main.input) != at) {
                sf::Event move{};
                move.type = sf::Event::MouseMoved;
                move.mouseMove = {at.x, at.y};
                Feed(main, move);
            }
        }
        if (event.type == sf::Event::MouseButtonReleased) {
            const sf::Vector2i at = MousePosition(main.input);  // a release happens where the mouse is
            event.mouseButton.x = at.x;
            event.mouseButton.y = at.y;
        }
        Feed(main, event);
    }

    const std::vector<ScriptLine>& script_;
    size_t next_ = 0;
};

// During a scripted run the real keyboard and mouse are ignored, so the
// replay is the same whatever the display does; closing still works.
void PollRealEvents(MainData& main, bool scripted)
{
    if (!scripted) {
        PollEvents(main);
        return;
    }
    sf::Event event{};
    while (main.window.pollEvent(event))
        if (event.type == sf::Event::Closed) {
            main.event = event;
            DispatchEvent(main);
        }
}

bool SaveFrame(const sf::RenderWindow& window, const std::string& path)
{
    sf::Texture frame;
    frame.create(window.getSize().x, window.getSize().y);
    frame.update(window);
    if (frame.copyToImage().saveToFile(path))
        return true;
    std::cerr << "Tidewrack: cannot write the screenshot \"" << path << "\"\n";
    return false;
}

}  // namespace

int RunGame(const RunOptions& options, const std::filesystem::path& executable)
{
    auto main = std::make_unique<MainData>();
    if (!FindAssetRoot(main->assets, executable)) {
        std::error_code error;
        std::cerr << "Tidewrack: no \"Assets\" folder in the working directory ("
                  << std::filesystem::current_path(error).string() << ") nor beside the program ("
                  << std::filesystem::absolute(executable, error).parent_path().string() << ")\n";
        return 1;
    }
    main->fixedDt = options.fixedDt;
    if (const char* strict = std::getenv("TIDEWRACK_STRICT_MANIFEST"); strict && std::string(strict) == "1")
        main->assets.strictManifest = true;
    InitMain(*main, options.seed.value_or(static_cast<unsigned>(std::time(nullptr))));
    if (options.fixedDt > 0.f)
        main->window.setFramerateLimit(0);  // simulated time: no need to wait for the clock
    const bool scripted = !options.script.empty();
    ScriptPlayer player(options.script);
    sf::Texture lastFrame;
    bool captured = false;
    int status = 0;
    RunStats stats;
    const int loadsAtStart = main->assets.loads;
    for (long frame = 0; main->open; frame++) {
        const std::vector<std::string> shots = player.Play(*main, frame, status);
        PollRealEvents(*main, scripted);
        const auto updateStart = std::chrono::steady_clock::now();
        UpdateMain(*main);
        const auto updateTime = std::chrono::steady_clock::now() - updateStart;
        stats.slowestUpdateMicros = std::max<long>(
            stats.slowestUpdateMicros, std::chrono::duration_cast<std::chrono::microseconds>(updateTime).count());
        stats.frames = frame + 1;
        const bool last = !main->open || frame + 1 == options.frames;
        if (frame % options.drawEvery == 0 || !shots.empty() || last) {
            RenderMain(*main);
            for (const std::string& path : shots)
                status |= SaveFrame(main->window, path) ? 0 : 1;
            if (!options.screenshot.empty()) {
                if (!captured)
                    captured = lastFrame.create(main->window.getSize().x, main->window.getSize().y);
                lastFrame.update(main->window);
            }
            main->window.display();
        }
        if (frame + 1 == options.frames)
            CloseWindow(*main);
    }
    if (captured && !lastFrame.copyToImage().saveToFile(options.screenshot)) {
        std::cerr << "Tidewrack: cannot write the screenshot \"" << options.screenshot << "\"\n";
        status = 1;
    }
    stats.filesReadDuringPlay = main->assets.loads - loadsAtStart;
    if (!options.report.empty() && !WriteRunReport(options.report, *main, stats))
        status = 1;
    DestroyMain(*main);
    return status;
}
