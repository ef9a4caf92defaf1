// The asset manifest: every file the game loads from Assets/, with the
// geometry the game's code cuts it by. Where the code does not fix a size
// outright, the entry's `why` says how the size follows from the placement.
#include <algorithm>
#include <array>

#include "engine/asset_manifest.hpp"

namespace {

// R rows of F frames each.
template <int R, int F>
inline constexpr std::array<int, R> kGrid = [] {
    std::array<int, R> a{};
    a.fill(F);
    return a;
}();

constexpr int MaxOf(std::span<const int> v) {
    int m = 0;
    for (int x : v) m = std::max(m, x);
    return m;
}

// A still picture of w x h.
constexpr AssetEntry Still(const char* path, int w, int h, const char* why = "", bool tiled = false) {
    return {path, AssetKind::Picture, w, h, w, h, 1, {}, tiled, nullptr, nullptr, why};
}

// A sheet of cells cw x ch, one row per entry of frames, as wide as its
// longest row.
constexpr AssetEntry Sheet(const char* path, int cw, int ch, std::span<const int> frames, const char* why = "") {
    return {path, AssetKind::Picture, cw * MaxOf(frames), ch * static_cast<int>(frames.size()), cw, ch,
            static_cast<int>(frames.size()), frames, false, nullptr, nullptr, why};
}

constexpr AssetEntry Sound(const char* path) {
    return {path, AssetKind::Sound, 0, 0, 0, 0, 0, {}, false, nullptr, nullptr, ""};
}
constexpr AssetEntry Music(const char* path) {
    return {path, AssetKind::Music, 0, 0, 0, 0, 0, {}, false, nullptr, nullptr, ""};
}
constexpr AssetEntry Font(const char* path, const char* source, const char* licence, const char* why) {
    return {path, AssetKind::Font, 0, 0, 0, 0, 0, {}, false, source, licence, why};
}

const AssetEntry kAssets[] = {
    // ---- Main menu and pause menu ------------------------------------------
    Still("Assets/Sprites/Menu/Wallpaper.png", 1920, 1080, "full screen"),

    // ---- Sounds ------------------------------------------------------------
    Music("Assets/Sounds/Musics/Menu.wav"),
    Sound("Assets/Sounds/Sounds/Knife.wav"),
};

}  // namespace

std::span<const AssetEntry> AllAssets() { return kAssets; }

const AssetEntry* FindAsset(std::string_view path) {
    for (const AssetEntry& e : kAssets)
        if (path == e.path) return &e;
    return nullptr;
}
