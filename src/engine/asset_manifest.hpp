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
    // Sheets: stored as drawn (a row per animation, as wide as its longest
    // row) but loaded packed: only the cells the rows use, one after another
    // in row order, PackedColumns() of them to a line of the texture.
    // SheetCell gives a cell's packed rectangle. For a sheet whose rows
    // leave much of the grid empty (the boss's: 594 of 1288 cells), and
    // whose full width only the biggest graphics cards take.
    bool packed = false;
    // Still pictures: loaded in square pieces (kPieceSize a side), of which
    // only those that show anything are kept, side by side in one texture,
    // and drawn piece by piece where they sit. For big pictures that are
    // mostly holes (the patterns' scenery, the hub's rock): the holes cost
    // neither memory nor a software renderer's fill.
    bool sparse = false;
    // Pictures shown in one place only (the hub's own, the dress room's
    // skins, of which one at a time is worn): kept in memory as their
    // palette's indices, a byte a pixel where a texture takes four, and
    // coloured into their texture only while shown (FoldPictures). A file
    // without a palette is kept as any other picture.
    bool folded = false;

    bool IsSheet() const { return !framesPerRow.empty(); }
    int FramesInRow(int row) const {
        return row >= 0 && row < static_cast<int>(framesPerRow.size()) ? framesPerRow[row] : 0;
    }
    int PackedColumns() const { return cellWidth > 0 ? kPackedSheetWidth / cellWidth : 0; }
    int PackedCellCount() const {
        int cells = 0;
        for (int frames : framesPerRow) cells += frames;
        return cells;
    }
    // The place of (row, frame) among the packed cells; -1 for a cell the
    // rows do not use.
    int PackedIndex(int row, int frame) const {
        if (frame < 0 || frame >= FramesInRow(row)) return -1;
        int index = frame;
        for (int r = 0; r < row; ++r) index += framesPerRow[r];
        return index;
    }
    int PackedWidth() const { return PackedColumns() * cellWidth; }
    int PackedHeight() const {
        const int columns = PackedColumns();
        return columns > 0 ? (PackedCellCount() + columns - 1) / columns * cellHeight : 0;
    }

    // The widest packed texture: every graphics card of the last decade
    // takes 8192 pixels a side.
    static constexpr int kPackedSheetWidth = 8192;
    // A sparse picture's piece, and how many pieces a line of its texture holds.
    static constexpr int kPieceSize = 64;
    static constexpr int kPiecesPerLine = kPackedSheetWidth / kPieceSize;
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
