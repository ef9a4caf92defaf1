// The painter registry: which function draws which picture of Assets/.
//
// Each subsystem has one art file (art_player.cpp, art_world.cpp, ...) with a
// Register...Art function that adds a painter for each picture it draws. A
// picture without a painter gets the numbered, row-tinted placeholder, so
// every file exists with the right geometry from day one and subsystems can
// replace their placeholders one at a time.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "engine/asset_manifest.hpp"
#include "paint.hpp"

// Draws one picture. The canvas arrives clear at the manifest's full size
// (entry.width x entry.height); the painter fills it.
using Painter = std::function<void(paint::Canvas& canvas, const AssetEntry& entry)>;

class PainterRegistry {
public:
    // Registers the painter of a manifest picture. Throws std::runtime_error
    // for a path the manifest does not list as a picture (a typo would
    // otherwise leave the placeholder in place without a word) and for a
    // path that already has a painter.
    void Add(std::string_view path, Painter painter);
    // The painter for path, or nullptr when it keeps the placeholder.
    const Painter* Find(std::string_view path) const;
    std::size_t Size() const { return painters_.size(); }

private:
    std::map<std::string, Painter, std::less<>> painters_;
};

// The numbered, row-tinted placeholder: each cell framed, tinted by its row
// and labelled with its row and frame; still pictures show their name.
void PaintPlaceholder(paint::Canvas& canvas, const AssetEntry& entry);

// One registration function per subsystem; main calls them all.
void RegisterMenuArt(PainterRegistry& registry);
void RegisterPlayerArt(PainterRegistry& registry);
void RegisterWorldArt(PainterRegistry& registry);  // calls the two below
void RegisterWorldPropArt(PainterRegistry& registry);
void RegisterWorldSkyArt(PainterRegistry& registry);
void RegisterEnemiesArt(PainterRegistry& registry);
void RegisterCombatArt(PainterRegistry& registry);
void RegisterBossArt(PainterRegistry& registry);
void RegisterHubArt(PainterRegistry& registry);
void RegisterUiArt(PainterRegistry& registry);
void RegisterHudArt(PainterRegistry& registry);
void RegisterIconArt(PainterRegistry& registry);

inline void RegisterAllArt(PainterRegistry& registry) {
    RegisterMenuArt(registry);
    RegisterPlayerArt(registry);
    RegisterWorldArt(registry);
    RegisterEnemiesArt(registry);
    RegisterCombatArt(registry);
    RegisterBossArt(registry);
    RegisterHubArt(registry);
    RegisterUiArt(registry);
    RegisterHudArt(registry);
    RegisterIconArt(registry);
}
