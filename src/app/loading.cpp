#include "app/loading.hpp"

#include "app/game.hpp"
#include "engine/asset_manifest.hpp"
#include "engine/assets.hpp"
#include "player/player_table.hpp"
#include "world/pattern_table.hpp"

#include <algorithm>
#include <span>
#include <string_view>

namespace {

// What a run's levels may show that start-up has not read: every pattern
// of both biomes, the elements, the enemies and what they drop, the spells
// and cards, the HUD and the decor. Listed by folder, so a picture added
// to one of them is decoded with it.
constexpr std::string_view kRunFolders[] = {
    "Assets/Sprites/BackGround/",      "Assets/Sprites/Obstacle/",  "Assets/Sprites/Enemies/",
    "Assets/Sprites/Bomb/",            "Assets/Sprites/Cards/",     "Assets/Sprites/Hud/",
    "Assets/Sprites/HUD/",             "Assets/Sprites/Maps/Background/", "Assets/Sprites/Maps/FirstPlan/",
    "Assets/Sprites/Maps/SecondPlan/", "Assets/Sprites/Maps/SpritesheetForge.png",
};
// The arena: the boss, its attacks and its food, and the win screen.
constexpr std::string_view kArenaFolders[] = {"Assets/Sprites/Boss/", "Assets/Sprites/BackGround/PaternBoss.png",
                                              "Assets/Sprites/WinScreen.png"};

// A run's scenery: the patterns' big backdrops and their elements (doors,
// chests and their rewards, fountains, statues, crates, propellers). The
// arena has none of them.
constexpr std::string_view kSceneryFolders[] = {"Assets/Sprites/BackGround/", "Assets/Sprites/Obstacle/"};

template <std::size_t N>
std::vector<std::string> PicturesUnder(const std::string_view (&folders)[N])
{
    std::vector<std::string> paths;
    for (const AssetEntry& entry : AllAssets()) {
        if (entry.kind != AssetKind::Picture)
            continue;
        const std::string_view path = entry.path;
        for (std::string_view folder : folders)
            if (path.starts_with(folder)) {
                paths.emplace_back(path);
                break;
            }
    }
    return paths;
}

void BuildNext(Game& game, int next)
{
    switch (next) {
    case LOADING_RUN: StartRun(game); break;
    case LOADING_ARENA: OpenArena(game); break;
    case LOADING_HUB: DressHub(game.hub, *game.assets); break;
    default: break;
    }
}

// The tutorial's own pictures: the opening's clips, the armless player and
// the beach. The tutorial is played once, before the first arrival in the
// hub, and never again.
std::vector<std::string> TutorialPictures()
{
    std::vector<std::string> paths = {kCinematicSheet, kNoArmsSheet};
    if (const ObstacleKind* beach = FindObstacleKind(OBS_BACKGROUND_TUTORIAL)) {
        for (const char* picture : beach->pictures)
            if (picture)
                paths.emplace_back(picture);
        if (beach->front)
            paths.emplace_back(beach->front);
    }
    return paths;
}

bool Lists(const std::vector<std::string>& paths, std::string_view path)
{
    return std::find(paths.begin(), paths.end(), path) != paths.end();
}

bool ReadAtStartup(std::string_view path)
{
    const std::span<const char* const> startup = StartupPictures();
    return std::find(startup.begin(), startup.end(), path) != startup.end();
}

}  // namespace

std::vector<std::string> PicturesLeftBehind(int next)
{
    std::vector<std::string> behind;
    if (next == LOADING_RUN || next == LOADING_HUB)
        behind = LoadingPictures(LOADING_ARENA);
    if (next == LOADING_ARENA || next == LOADING_HUB)
        for (std::string& path : PicturesUnder(kSceneryFolders))
            if (!ReadAtStartup(path))
                behind.push_back(std::move(path));
    if (next == LOADING_HUB)
        for (std::string& path : TutorialPictures())
            behind.push_back(std::move(path));
    const std::vector<std::string> wanted = LoadingPictures(next);
    std::vector<std::string> paths;
    for (std::string& path : behind)
        if (!Lists(wanted, path) && !Lists(paths, path))
            paths.push_back(std::move(path));
    return paths;
}

std::vector<std::string> LoadingPictures(int next)
{
    switch (next) {
    case LOADING_RUN: {
        // The tutorial's beach is under the backdrops' folder, but no level shows it.
        std::vector<std::string> paths = PicturesUnder(kRunFolders);
        const std::vector<std::string> tutorial = TutorialPictures();
        std::erase_if(paths, [&](const std::string& path) { return Lists(tutorial, path); });
        return paths;
    }
    case LOADING_ARENA: return PicturesUnder(kArenaFolders);
    case LOADING_HUB: return HubPictures();
    default: return {};
    }
}

void ReadPlaceNow(Game& game, int next)
{
    if (!game.assets)
        return;
    StartDecoding(*game.assets, LoadingPictures(next));
    FinishDecoding(*game.assets);
}

void StartLoading(Game& game, int next)
{
    LoadingScreen& screen = game.loadingScreen;
    InitLoadingScreen(screen);
    screen.next = next;
    if (game.assets) {
        ReleasePictures(*game.assets, PicturesLeftBehind(next));
        StartDecoding(*game.assets, LoadingPictures(next));
    }
}

void UpdateLoading(Game& game, float dt)
{
    LoadingScreen& screen = game.loadingScreen;
    UpdateLoadingScreen(game, dt);
    if (screen.loadingActive == 1)
        return;
    const int next = screen.next;
    screen.next = LOADING_NOTHING;
    BuildNext(game, next);
}
