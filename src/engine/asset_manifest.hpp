// The list of every file the game loads from Assets/, with the geometry the
// code assumes for it. The asset generator draws each picture to exactly this
// geometry, and the tests check the generated tree against it, so the art and
// the code that cuts frames out of it cannot drift apart.
//
// Pure data: no SFML here, so the generator links it without a display.
#pragma once

#include <span>
#include <string_view>

enum class AssetKind { Picture, Font, Sound, Music };

struct AssetEntry {
    // Path below the folder that holds "Assets/" (the working directory or
    // the program's), spelled and cased exactly as the game loads it.
    const char* path;
    AssetKind kind;
    // Pictures: the size of the whole file in pixels. 0 for fonts and sounds.
    int width;
    int height;
    // Sheets: the size of one cell and how many rows of cells there are.
    // Still pictures: cell = whole picture, one row of one frame.
    int cellWidth;
    int cellHeight;
    int rows;
    // Frames in each row, top row first. Empty for still pictures. A sheet
    // whose rows all hold the same count lists that count once per row.
    std::span<const int> framesPerRow;
    // True when the game must set the texture repeated and draw a rectangle
    // wider than the picture (layers that tile horizontally).
    bool tiled;
    // Fonts: the Debian-installed file the generator copies, and its licence.
    const char* source;
    const char* licence;
    // Why the picture has this size when the code does not fix it outright.
    const char* why;
    // Stored without its fully transparent margins (tiled pictures keep
    // their full width, the period they repeat with): the file holds the
    // rectangle of the picture that shows anything, and its PNG offset
    // chunk says where that rectangle sits. The game draws it in place.
    bool trimmed;

    bool IsSheet() const { return !framesPerRow.empty(); }
    int FramesInRow(int row) const {
        return row >= 0 && row < static_cast<int>(framesPerRow.size()) ? framesPerRow[row] : 0;
    }
};

// Every asset, in a fixed order (the generator's output order).
std::span<const AssetEntry> AllAssets();

// The pictures the game loads before its first frame (the player, the
// tutorial, the parallax, the menus): the game decodes them on every core
// at once at start. A test checks this list against what start-up loads.
std::span<const char* const> StartupPictures();

// The entry for a path, or nullptr when the game loads no such file.
// The match is exact and case-sensitive, as on the game's file system.
const AssetEntry* FindAsset(std::string_view path);
