// Start-up and per-frame costs of every drawn scene, measured on a real
// window (run on a display, or under xvfb-run). Drawing is what software
// OpenGL makes slow, so each scene's frame is set against the renderer's
// floor measured in the same run just before it: a frame that clears,
// draws one full-screen picture and displays. `xFloor` is the scene's
// update + draw + display as a multiple of that floor; `updateP99us` and
// `updateMeanUs` are its update alone.
#include "app/loading.hpp"
#include "app/main_data.hpp"
#include "engine/input.hpp"

#include <SFML/Graphics/Sprite.hpp>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace {

using BenchClock = std::chrono::steady_clock;
constexpr float kFrameTime = 1.f / 60.f;
constexpr int kSceneFrames = 180;  // three seconds of game time
constexpr int kSettleFrames = 30;

std::unique_ptr<MainData> StartMenu()
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
    main->fixedDt = kFrameTime;
    return main;
}

// The menu up and the whole game built behind it.
std::unique_ptr<MainData> StartGame()
{
    auto main = StartMenu();
    FinishStartup(*main);
    return main;
}

double Seconds(BenchClock::duration d) { return std::chrono::duration<double>(d).count(); }

// The renderer's floor: clear, one full-screen blended picture, display.
// Returns its seconds; the scene's view is left as it was.
double FloorFrame(MainData& main, const sf::Sprite& wallpaper)
{
    const sf::View before = main.window.getView();
    main.window.setView(main.window.getDefaultView());
    const auto start = BenchClock::now();
    main.window.clear(sf::Color::Black);
    main.window.draw(wallpaper);
    main.window.display();
    const double seconds = Seconds(BenchClock::now() - start);
    main.window.setView(before);
    return seconds;
}

void Frames(MainData& main, int count)
{
    for (int frame = 0; frame < count; frame++)
        UpdateMain(main);
}

// The loading screen asked for, its pictures decoded, the next place built.
void LoadThrough(MainData& main, int next)
{
    main.game.mode = MODE_GAME;
    StartLoading(main.game, next);
    FinishDecoding(main.assets);
    for (int frame = 0; frame < 2000 && main.game.loadingScreen.loadingActive == 1; frame++)
        UpdateMain(main);
}

// A scene is set up once, then kept as it is between frames by `upkeep`
// (untimed): coins topped up, the player kept alive.
struct SceneSetup {
    std::function<void(MainData&)> enter;
    std::function<void(MainData&)> upkeep;
};

// A floor frame before every scene frame: the machine's load (other work
// on the same cores) weighs on both alike, so their ratio holds steady.
void MeasureScene(benchmark::State& state, const SceneSetup& scene, bool draw)
{
    auto main = StartGame();
    scene.enter(*main);
    const sf::Sprite wallpaper(GetTexture(main->assets, "Assets/Sprites/Menu/Wallpaper.png"));
    std::vector<double> updates;
    double total = 0., floor = 0.;
    for (auto _ : state) {
        if (scene.upkeep)
            scene.upkeep(*main);
        if (draw)
            floor += FloorFrame(*main, wallpaper);
        const auto start = BenchClock::now();
        UpdateMain(*main);
        const auto updated = BenchClock::now();
        if (draw) {
            RenderMain(*main);
            main->window.display();
        }
        const auto end = BenchClock::now();
        updates.push_back(Seconds(updated - start));
        total += Seconds(end - start);
        state.SetIterationTime(Seconds(end - start));
    }
    const double count = static_cast<double>(updates.size());
    std::sort(updates.begin(), updates.end());
    double updateSum = 0.;
    for (double u : updates)
        updateSum += u;
    state.SetLabel(main->game.mode == MODE_GAME    ? SceneName(CurrentScene(main->game))
                   : main->game.mode == MODE_PAUSE ? "pause"
                                                   : "menu");
    state.counters["updateMeanUs"] = 1e6 * updateSum / count;
    state.counters["updateP99us"] = 1e6 * updates[updates.size() * 99 / 100];
    if (draw) {
        state.counters["floorMs"] = 1e3 * floor / count;
        state.counters["xFloor"] = total / floor;
    }
    DestroyMain(*main);
}

// ---- The scenes --------------------------------------------------------------

void KeepAlive(MainData& main)
{
    Player& player = main.game.player;
    if (player.health < 50)
        player.health = 100;
}

void EnterMenu(MainData& main)
{
    main.game.mode = MODE_MENU;
    Frames(main, kSettleFrames);
}

// The tutorial beach with its parallax, once the cinematic has begun.
void EnterTutorial(MainData& main)
{
    main.game.mode = MODE_GAME;
    Frames(main, kSettleFrames);
}

void EnterHubWith(MainData& main, int panel)
{
    Game& game = main.game;
    game.mode = MODE_GAME;
    ResetLevel(game.level);  // as the tutorial's door leaves it
    game.level.returnToHub = 0;
    EnterHub(game);
    LoadThrough(main, LOADING_HUB);
    Frames(main, kSettleFrames);
    const sf::Vector2f centre = game.camera.view.getCenter();
    switch (panel) {
    case PANEL_SELLER: OpenSeller(game.hub, centre); break;
    case PANEL_QUESTS: OpenQuestBoard(game.hub, centre); break;
    case PANEL_CARDS: OpenCardSelector(game.hub, centre); break;
    case PANEL_RECAP: OpenRecapBoard(game.hub, centre); break;
    default: return;
    }
    game.hub.panelOpen[static_cast<std::size_t>(panel)] = 1;
}

// The hub, then a run's first level.
void EnterLevel(MainData& main)
{
    EnterHubWith(main, -1);
    LeaveHub(main.game);
    LoadThrough(main, LOADING_RUN);
    Frames(main, kSettleFrames);
}

// A level crossed at a run: the camera moves every frame, so nothing drawn
// behind the level can be kept from the frame before.
void RunRight(MainData& main)
{
    KeepAlive(main);
    main.game.player.cinematicState = CINEMATIC_NONE;  // the bench skipped the opening
    main.input.keys[static_cast<std::size_t>(ActionKey(ACTION_WALK_RIGHT))] = true;
}

void EnterPause(MainData& main)
{
    EnterLevel(main);
    main.game.mode = MODE_PAUSE;
}

sf::Vector2f ViewCorner(const MainData& main)
{
    return main.game.camera.view.getCenter() - main.game.camera.view.getSize() / 2.f;
}

// Enemies of every kind, their shots, coins, damage numbers and a spell's
// entries, all in view around the player.
void Populate(MainData& main)
{
    Enemies& enemies = main.game.enemies;
    const sf::Vector2f corner = ViewCorner(main);
    const float ground = corner.y + 700.f;
    AddTank(enemies, {corner.x + 1300.f, ground - 200.f});
    AddArcher(enemies, {corner.x + 1500.f, ground - 200.f});
    AddRat(enemies, {corner.x + 1100.f, ground - 100.f});
    AddSkeletonRat(enemies, {corner.x + 1700.f, ground - 100.f});
    AddBird(enemies, {corner.x + 900.f, corner.y + 200.f});
    AddBird(enemies, {corner.x + 1200.f, corner.y + 250.f});
}

void PopulatedUpkeep(MainData& main)
{
    KeepAlive(main);
    Game& game = main.game;
    Enemies& enemies = game.enemies;
    const sf::Vector2f corner = ViewCorner(main);
    while (enemies.shots.size() < 20)
        AddShot(enemies, corner + sf::Vector2f{1800.f, 300.f + 20.f * static_cast<float>(enemies.shots.size())}, 0,
                180.f);
    while (enemies.coins.size() < 40)
        AddCoins(enemies, corner + sf::Vector2f{400.f + 30.f * static_cast<float>(enemies.coins.size()), 300.f});
    while (enemies.damageTexts.size() < 20)
        AddDamageText(enemies, corner + sf::Vector2f{500.f + 50.f * static_cast<float>(enemies.damageTexts.size()), 400.f},
                      123);
    if (game.bombs.explosions.empty())
        AddDetonation(game.bombs, SPELL_MESPER, corner + sf::Vector2f{1000.f, 600.f});
}

void EnterPopulatedLevel(MainData& main)
{
    EnterLevel(main);
    Populate(main);
    PopulatedUpkeep(main);
}

void EnterArena(MainData& main)
{
    EnterLevel(main);
    LoadThrough(main, LOADING_ARENA);
    Frames(main, kSettleFrames);
}

// The boss on its own round of attacks, and 200 coins always falling.
void BossUpkeep(MainData& main)
{
    KeepAlive(main);
    Enemies& enemies = main.game.enemies;
    const sf::Vector2f corner = ViewCorner(main);
    for (int i = 0; enemies.coins.size() < 200; i++)
        AddCoins(enemies, corner + sf::Vector2f{100.f + static_cast<float>((i * 97) % 1700), 50.f});
}

void EnterWinScreen(MainData& main)
{
    EnterArena(main);
    ChangeBossHealth(main.game.hud, -main.game.hud.bossHealth, main.game.boss);
    for (int frame = 0; frame < 3000 && CurrentScene(main.game) != SCENE_WIN_SCREEN; frame++) {
        KeepAlive(main);
        UpdateMain(main);
    }
}

void EnterDeathScreen(MainData& main)
{
    EnterLevel(main);
    main.game.player.health = 0;
    Frames(main, kSettleFrames);
}

// The loading screen over the hub, started again whenever it ends.
void LoadingUpkeep(MainData& main)
{
    if (main.game.loadingScreen.loadingActive != 1)
        StartLoading(main.game, LOADING_HUB);
}

void EnterLoading(MainData& main)
{
    EnterHubWith(main, -1);
    StartLoading(main.game, LOADING_HUB);
}

void StartToFirstMenuFrame(benchmark::State& state)
{
    for (auto _ : state) {
        auto main = StartMenu();
        UpdateMain(*main);
        DrawMain(*main);
        state.PauseTiming();
    DestroyMain(*main);
        state.ResumeTiming();
    }
}
BENCHMARK(StartToFirstMenuFrame)->Unit(benchmark::kMillisecond)->Iterations(1);

// From start to the game built behind the menu, the menu drawn meanwhile:
// a Play clicked from then on waits for nothing.
void StartToGameReady(benchmark::State& state)
{
    for (auto _ : state) {
        auto main = StartMenu();
        long frames = 0;
        for (; main->startup != STARTUP_READY; frames++) {
            UpdateMain(*main);
            DrawMain(*main);
        }
        state.counters["menuFrames"] = static_cast<double>(frames);
        state.PauseTiming();
    DestroyMain(*main);
        state.ResumeTiming();
    }
}
BENCHMARK(StartToGameReady)->Unit(benchmark::kMillisecond)->Iterations(1);

void Floor(benchmark::State& state)
{
    auto main = StartGame();
    sf::Sprite wallpaper(GetTexture(main->assets, "Assets/Sprites/Menu/Wallpaper.png"));
    main->window.setView(main->window.getDefaultView());
    for (auto _ : state) {
        main->window.clear(sf::Color::Black);
        main->window.draw(wallpaper);
        main->window.display();
    }
    DestroyMain(*main);
}
BENCHMARK(Floor)->Unit(benchmark::kMillisecond)->Iterations(kSceneFrames);

void Register(const char* name, SceneSetup scene)
{
    for (bool draw : {false, true})
        benchmark::RegisterBenchmark((std::string(name) + (draw ? "Frame" : "Update")).c_str(),
                                     [scene, draw](benchmark::State& state) { MeasureScene(state, scene, draw); })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(kSceneFrames);
}

void RegisterScenes()
{
    const auto hub = [](int panel) { return [panel](MainData& main) { EnterHubWith(main, panel); }; };
    Register("Menu", {EnterMenu, nullptr});
    Register("Tutorial", {EnterTutorial, nullptr});
    Register("Level", {EnterLevel, KeepAlive});
    Register("RunningLevel", {EnterLevel, RunRight});
    Register("PopulatedLevel", {EnterPopulatedLevel, PopulatedUpkeep});
    Register("Pause", {EnterPause, nullptr});
    Register("BossFight", {EnterArena, BossUpkeep});
    Register("Hub", {hub(-1), nullptr});
    Register("HubSeller", {hub(PANEL_SELLER), nullptr});
    Register("HubQuests", {hub(PANEL_QUESTS), nullptr});
    Register("HubCards", {hub(PANEL_CARDS), nullptr});
    Register("HubRecap", {hub(PANEL_RECAP), nullptr});
    Register("Loading", {EnterLoading, LoadingUpkeep});
    Register("DeathScreen", {EnterDeathScreen, nullptr});
    Register("WinScreen", {EnterWinScreen, KeepAlive});
}

}  // namespace

int main(int argc, char** argv)
{
    RegisterScenes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
