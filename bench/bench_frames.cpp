// Start-up and per-frame costs of the menus, measured on a real window
// (run on a display, or under xvfb-run). Logic and drawing are reported
// apart: drawing is what software OpenGL makes slow.
#include "app/main_data.hpp"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

std::unique_ptr<MainData> StartGame()
{
    auto main = std::make_unique<MainData>();
    // The benchmark lives in build/bench; the assets are one folder up.
    std::error_code error;
    const auto folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    if (!FindAssetRoot(main->assets, folder)) {
        std::fprintf(stderr, "tidewrack_bench: no \"Assets\" folder in the working directory nor in %s\n",
                     folder.parent_path().c_str());
        std::exit(1);
    }
    InitMain(*main, 1);
    main->window.setFramerateLimit(0);
    main->window.setVerticalSyncEnabled(false);
    return main;
}

void StartToFirstMenuFrame(benchmark::State& state)
{
    for (auto _ : state) {
        auto main = StartGame();
        UpdateMain(*main);
        DrawMain(*main);
        DestroyMain(*main);
    }
}
BENCHMARK(StartToFirstMenuFrame)->Unit(benchmark::kMillisecond)->Iterations(1);

// Frames of one mode at 60 frames a second of game time, logic alone or
// logic and drawing. The game frames run on the tutorial beach, with its
// parallax, once the cinematic has begun.
void ModeFrame(benchmark::State& state, int mode, bool draw)
{
    auto main = StartGame();
    main->game.mode = mode;
    main->fixedDt = 1.f / 60.f;
    for (int frame = 0; frame < 30; frame++)
        UpdateMain(*main);
    for (auto _ : state) {
        UpdateMain(*main);
        if (draw) {
            RenderMain(*main);
            main->window.display();
        }
    }
    DestroyMain(*main);
}

void MenuUpdate(benchmark::State& state) { ModeFrame(state, MODE_MENU, false); }
void MenuFrame(benchmark::State& state) { ModeFrame(state, MODE_MENU, true); }
void PauseUpdate(benchmark::State& state) { ModeFrame(state, MODE_PAUSE, false); }
void PauseFrame(benchmark::State& state) { ModeFrame(state, MODE_PAUSE, true); }
void LevelUpdate(benchmark::State& state) { ModeFrame(state, MODE_GAME, false); }
void LevelFrame(benchmark::State& state) { ModeFrame(state, MODE_GAME, true); }
// The hub with its pictures on, the player arrived; `panel` opens one of
// its panels over it (-1: none).
void HubFrameWith(benchmark::State& state, int panel)
{
    auto main = StartGame();
    Game& game = main->game;
    game.mode = MODE_GAME;
    main->fixedDt = 1.f / 60.f;
    DressHub(game.hub, main->assets);
    EnterHub(game);
    for (int frame = 0; frame < 30; frame++)
        UpdateMain(*main);
    if (panel == PANEL_SELLER) {
        OpenSeller(game.hub, game.camera.view.getCenter());
        game.hub.panelOpen[PANEL_SELLER] = 1;
    }
    for (auto _ : state) {
        UpdateMain(*main);
        RenderMain(*main);
        main->window.display();
    }
    DestroyMain(*main);
}

void HubFrame(benchmark::State& state) { HubFrameWith(state, -1); }
void HubSellerFrame(benchmark::State& state) { HubFrameWith(state, PANEL_SELLER); }
BENCHMARK(HubFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(HubSellerFrame)->Unit(benchmark::kMillisecond);

BENCHMARK(MenuUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(MenuFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(PauseUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(PauseFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(LevelUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(LevelFrame)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
