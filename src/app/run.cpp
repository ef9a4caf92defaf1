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
            RecordScriptLine(main.recording, line);
            switch (line.action) {
            case SCRIPT_SCREENSHOT: shots.push_back(line.path); break;
            case SCRIPT_QUIT: CloseWindow(main); break;
            case SCRIPT_WARP: main.game.player.hitbox.setPosition(line.warp); break;  // a test's shortcut
            case SCRIPT_GOTO:
                if (!GoToPlace(main.game, line.path)) {
                    std::cerr << "Tidewrack: frame " << frame << ": goto " << line.path << ": no such place in the "
                              << SceneName(CurrentScene(main.game)) << "\n";
                    status = 1;
                }
                break;
            case SCRIPT_VISIT: GoToPlace(main.game, line.path); break;  // random play: anywhere will do
            case SCRIPT_DT: main.frameDt = line.dt; break;
            case SCRIPT_SEED: break;  // read before the start
            case SCRIPT_HAND: SetHand(main.game.deck, line.hand); break;  // a test's shortcut
            case SCRIPT_RESIZE:
                main.window.setSize(line.size);
                ApplyLetterbox(main, line.size);
                break;
            case SCRIPT_EVENT: TakeEvent(main, line.event); break;
            }
        }
        return shots;
    }

private:
    const std::vector<ScriptLine>& script_;
    size_t next_ = 0;
};

// During a scripted run the real keyboard, mouse and pads are ignored, so
// the replay is the same whatever the display does; closing still works
// and the window's size is still followed.
void PollRealEvents(MainData& main, bool scripted)
{
    if (!scripted) {
        PollEvents(main);
        return;
    }
    sf::Event event{};
    while (main.window.pollEvent(event))
        if (event.type == sf::Event::Closed || event.type == sf::Event::Resized)
            TakeEvent(main, event);
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
        const std::filesystem::path beside = std::filesystem::absolute(executable, error).parent_path();
        std::cerr << "Tidewrack: no \"Assets\" folder in the working directory ("
                  << std::filesystem::current_path(error).string() << "), beside the program (" << beside.string()
                  << ") nor where it is installed (" << (beside.parent_path() / "share" / "tidewrack").string()
                  << ")\n";
        return 1;
    }
    main->fixedDt = options.fixedDt;
    if (const char* strict = std::getenv("TIDEWRACK_STRICT_MANIFEST"); strict && std::string(strict) == "1")
        main->assets.strictManifest = true;
    main->windowState.fullscreen = !options.windowed;
    if (options.fixedDt > 0.f || options.scriptTimed)
        main->windowState.frameLimit = 0;  // simulated time: no need to wait for the clock
    const unsigned seed = options.seed.value_or(static_cast<unsigned>(std::time(nullptr)));
    if (!options.record.empty() && !StartRecording(main->recording, options.record, seed))
        return 1;
    InitMain(*main, seed);
    const bool scripted = !options.script.empty();
    if (!scripted)
        ConnectPresentPads(*main);
    ScriptPlayer player(options.script);
    sf::Texture lastFrame;
    bool captured = false;
    int status = 0;
    RunStats stats;
    bool sampleDue = false;
    for (long frame = 0; main->open; frame++) {
        // Start-up's files are read in the frames that finish it; play reads none.
        const bool startedUp = main->startup == STARTUP_READY;
        const int loadsBefore = main->assets.loads;
        main->recording.frame = frame;
        const std::vector<std::string> shots = player.Play(*main, frame, status);
        PollRealEvents(*main, scripted);
        const auto updateStart = std::chrono::steady_clock::now();
        UpdateMain(*main);
        const auto updateTime = std::chrono::steady_clock::now() - updateStart;
        stats.slowestUpdateMicros = std::max<long>(
            stats.slowestUpdateMicros, std::chrono::duration_cast<std::chrono::microseconds>(updateTime).count());
        stats.frames = frame + 1;
        NoteWhereTheRunIs(*main, stats);
        if (startedUp)
            stats.filesReadDuringPlay += main->assets.loads - loadsBefore;
        // Sampled outside the decoding behind loading screens, whose buffers
        // come and go with the second core's pace: the samples show what
        // play holds, the same every run (the peak is read apart).
        if (frame % kMemorySampleFrames == 0) {
            if (sampleDue)  // a window of frames all spent decoding: its sample late
                stats.residentKB.push_back(ResidentKilobytes());
            sampleDue = true;
        }
        if (sampleDue && !DecodingPending(main->assets)) {
            stats.residentKB.push_back(ResidentKilobytes());
            sampleDue = false;
        }
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
    if (sampleDue)  // one a window of frames, whatever the decoding did
        stats.residentKB.push_back(ResidentKilobytes());
    stats.residentKB.push_back(ResidentKilobytes());
    stats.peakKB = PeakResidentKilobytes();
    if (!options.report.empty() && !WriteRunReport(options.report, *main, stats))
        status = 1;
    if (!StopRecording(main->recording))
        status = 1;
    DestroyMain(*main);
    return status;
}
