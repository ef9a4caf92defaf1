#include "engine/assets.hpp"

#include "engine/asset_manifest.hpp"

#include <SFML/System/Err.hpp>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <cstdio>
#include <cstring>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <malloc.h>
#include <png.h>
#include <sys/mman.h>
#include <unistd.h>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <type_traits>
#include <vector>

void ReportMissing(Assets& assets, const std::string& path)
{
    if (assets.missing.insert(path).second)
        std::cerr << "Tidewrack: cannot read \"" << path << "\" (looked in "
                  << AssetPath(assets, path).string() << ")\n";
}

namespace {

// The manifest's entry for a path the game asks for, checked.
const AssetEntry* ManifestEntry(Assets& assets, const std::string& path)
{
    const AssetEntry* entry = FindAsset(path);
    if (entry)
        return entry;
    if (assets.strictManifest)
        throw std::logic_error("Tidewrack: \"" + path + "\" is not in the asset manifest");
    if (assets.missing.insert(path).second)
        std::cerr << "Tidewrack: \"" << path << "\" is not in the asset manifest\n";
    return nullptr;
}

// In the cache with its pixels, or folded: shown without reading its file.
bool Holds(const Assets& assets, const std::string& path)
{
    return assets.textures.count(path) && (!assets.released.count(path) || assets.folds.count(path));
}

// A picture read again after its release goes into the texture it had, so
// every sprite that pointed to it shows it again.
void Store(Assets& assets, const std::string& path, std::unique_ptr<sf::Texture> texture)
{
    std::unique_ptr<sf::Texture>& slot = assets.textures[path];
    if (slot)
        slot->swap(*texture);
    else
        slot = std::move(texture);
    assets.released.erase(path);
}

// A picture decoded from its file: RGBA pixels, row after row, and the
// rectangle of its visible pixels.
struct DecodedPicture {
    std::unique_ptr<sf::Uint8[]> pixels;  // left uninitialised: the decoder writes every byte
    sf::Vector2u size;
    sf::Vector2i offset;  // of the file in its picture
    sf::IntRect visible;  // in the file's own coordinates
    bool opaque = false;  // every pixel wholly opaque
    sf::IntRect cellsArea;  // a sheet's: what its cells show, all together, in a cell's coordinates
    bool ok = false;
    // A sparse picture: `pixels` hold its kept pieces side by side, and
    // `quads` put them back in place.
    bool sparse = false;
    sf::VertexArray quads;
    // A picture read as its palette's indices (a folded one, or a sparse
    // one before it is cut): `pixels` stay null.
    Fold fold;
};

std::size_t PixelBytes(const DecodedPicture& picture)
{
    if (picture.fold.indices)
        return picture.fold.indices->size();
    return picture.pixels ? std::size_t{picture.size.x} * picture.size.y * 4 : 0;
}

// `count` palette indices as RGBA, each its colour (RGBA) in `colours`.
void ColourIndices(const sf::Uint8* indices, std::size_t count, const sf::Uint8* colours, sf::Uint8* to)
{
    for (std::size_t i = 0; i < count; ++i)
        std::memcpy(to + i * 4, colours + indices[i] * 4u, 4);
}

// A whole picture's pixels as RGBA, whether decoded so or kept as its
// palette's indices (`fold`).
struct WholePixels {
    const DecodedPicture& picture;

    sf::Uint8 Alpha(std::size_t at) const
    {
        const Fold& fold = picture.fold;
        return fold.indices ? fold.colours[(*fold.indices)[at] * 4u + 3] : picture.pixels[at * 4 + 3];
    }
    // `count` pixels from the one at `at` on, to `to` as RGBA.
    void Copy(std::size_t at, std::size_t count, sf::Uint8* to) const
    {
        const Fold& fold = picture.fold;
        if (!fold.indices) {
            std::copy_n(picture.pixels.get() + at * 4, count * 4, to);
            return;
        }
        ColourIndices(fold.indices->data() + at, count, fold.colours.data(), to);
    }
};

sf::IntRect FindVisibleArea(const DecodedPicture& picture)
{
    const sf::Vector2u size = picture.size;
    const WholePixels pixels{picture};
    int left = static_cast<int>(size.x), right = -1, top = static_cast<int>(size.y), bottom = -1;
    for (int y = 0; y < static_cast<int>(size.y); y++) {
        const std::size_t row = static_cast<size_t>(y) * size.x;
        int first = -1, last = -1;
        for (int x = 0; x < static_cast<int>(size.x); x++)
            if (pixels.Alpha(row + static_cast<size_t>(x)) != 0) {
                if (first < 0)
                    first = x;
                last = x;
            }
        if (first < 0)
            continue;
        top = std::min(top, y), bottom = y;
        left = std::min(left, first), right = std::max(right, last);
    }
    return bottom < 0 ? sf::IntRect() : sf::IntRect(left, top, right - left + 1, bottom - top + 1);
}

// What a sheet's cells show, gathered a band of rows at a time: the
// smallest rectangle of a cell that holds every visible pixel of every cell
// (packed sheets keep their cells on the same grid).
struct CellsSeen {
    int cellWidth, cellHeight;
    int left = cellWidth, right = -1, top = cellHeight, bottom = -1;

    void Widen(const DecodedPicture& picture, unsigned fromRow, unsigned toRow)
    {
        const WholePixels pixels{picture};
        for (unsigned y = fromRow; y < toRow; ++y) {
            const std::size_t row = std::size_t{y} * picture.size.x;
            bool any = false;
            for (unsigned x = 0; x < picture.size.x; ++x)
                if (pixels.Alpha(row + x) != 0) {
                    const int across = static_cast<int>(x) % cellWidth;
                    left = std::min(left, across), right = std::max(right, across);
                    any = true;
                }
            if (any)
                top = std::min(top, static_cast<int>(y) % cellHeight), bottom = std::max(bottom, static_cast<int>(y) % cellHeight);
        }
    }
    sf::IntRect Area() const
    {
        return bottom < 0 ? sf::IntRect() : sf::IntRect(left, top, right - left + 1, bottom - top + 1);
    }
};

bool IsOpaque(const DecodedPicture& picture)
{
    const std::size_t count = std::size_t{picture.size.x} * picture.size.y;
    const WholePixels pixels{picture};
    for (std::size_t i = 0; i < count; ++i)
        if (pixels.Alpha(i) != 255)
            return false;
    return true;
}

// libpng reads our pictures about twice as fast as SFML's own loader, and
// start-up is mostly spent decoding. Touches no shared state: the preloader
// runs it on several threads.
DecodedPicture DecodeWholePicture(const std::filesystem::path& file)
{
    DecodedPicture picture;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str()))
        return picture;
    image.format = PNG_FORMAT_RGBA;
    picture.size = {image.width, image.height};
    picture.pixels.reset(new sf::Uint8[PNG_IMAGE_SIZE(image)]);
    picture.ok = png_image_finish_read(&image, nullptr, picture.pixels.get(), 0, nullptr) != 0;
    png_image_free(&image);
    if (picture.ok) {
        picture.visible = FindVisibleArea(picture);
        picture.opaque = IsOpaque(picture);
        picture.offset = ReadPictureOffset(file);
    }
    return picture;
}

// ---- Packed sheets ----------------------------------------------------------
// A packed sheet's file is read line by line; of each line only the cells
// its row uses are kept, at their packed places. The whole sheet is never
// held in memory, only the cells that are drawn.

// Copies the used cells' part of line y of the sheet to the packed pixels,
// as they are (`bytes` a pixel: RGBA, or a folded sheet's palette indices),
// or palette indices (a byte a pixel) given their colours as RGBA.
void PackSheetLine(const AssetEntry& sheet, int y, const sf::Uint8* line, sf::Uint8* packed, size_t bytes,
                   const sf::Uint8* palette = nullptr)
{
    const int row = y / sheet.cellHeight;
    const int columns = sheet.PackedColumns();
    const size_t outBytes = palette ? 4 : bytes, inBytes = palette ? 1 : bytes;
    const size_t cellWidth = static_cast<size_t>(sheet.cellWidth);
    for (int frame = 0; frame < sheet.FramesInRow(row); ++frame) {
        const int index = sheet.PackedIndex(row, frame);
        const size_t top = static_cast<size_t>(index / columns * sheet.cellHeight + y % sheet.cellHeight);
        sf::Uint8* to = packed + (top * static_cast<size_t>(sheet.PackedWidth()) + static_cast<size_t>(index % columns) * cellWidth) * outBytes;
        const sf::Uint8* from = line + static_cast<size_t>(frame) * cellWidth * inBytes;
        if (palette)
            ColourIndices(from, cellWidth, palette, to);
        else
            std::copy_n(from, cellWidth * bytes, to);
    }
}

// An 8-bit palette's colours as RGBA, its transparency chunk included.
void ReadPalette(png_structp png, png_infop info, sf::Uint8* colours)
{
    std::fill_n(colours, 256 * 4, sf::Uint8{0});
    png_colorp entries = nullptr;
    int count = 0;
    png_get_PLTE(png, info, &entries, &count);
    png_bytep alphas = nullptr;
    int translucent = 0;
    if (png_get_valid(png, info, PNG_INFO_tRNS))
        png_get_tRNS(png, info, &alphas, &translucent, nullptr);
    for (int i = 0; i < count && i < 256; ++i) {
        colours[i * 4] = entries[i].red;
        colours[i * 4 + 1] = entries[i].green;
        colours[i * 4 + 2] = entries[i].blue;
        colours[i * 4 + 3] = i < translucent ? alphas[i] : 255;
    }
}

// The packed rows complete once the sheet's line y is packed: every band
// of cells up to the last cell of y's row, once y ends that row.
unsigned PackedRowsDone(const AssetEntry& sheet, int y)
{
    if ((y + 1) % sheet.cellHeight != 0)
        return 0;
    int cells = 0;
    for (int row = 0; row <= y / sheet.cellHeight; ++row)
        cells += sheet.FramesInRow(row);
    const int bands = cells == sheet.PackedCellCount() ? (cells + sheet.PackedColumns() - 1) / sheet.PackedColumns()
                                                      : cells / sheet.PackedColumns();
    return static_cast<unsigned>(bands * sheet.cellHeight);
}

enum class LineRead { Done, Failed, NotByLines };

// libpng would print its own words on standard error: the game names a
// file it cannot read itself, once.
[[noreturn]] void QuietPngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}
void QuietPngWarning(png_structp, png_const_charp) {}

// Reads a non-interlaced sheet of the manifest's size line by line into
// `line` (room for one line of RGBA) and packs it, telling `rowsDone` as
// bands of packed rows complete. A palette sheet (as the generator writes
// them) is read as indices and only the kept cells get their colours; the
// rest go through libpng's own expansion. Given `keptColours`, the indices
// are packed as they are (a byte a pixel) and the palette's colours go
// there; a file without a palette is then not read (NotByLines).
// Only plain locals here: libpng reports errors by jumping back to the setjmp.
LineRead ReadPackedLines(std::FILE* in, const AssetEntry& sheet, sf::Uint8* line, sf::Uint8* packed,
                         const std::function<void(unsigned)>& rowsDone, sf::Uint8* keptColours = nullptr)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietPngError, QuietPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return LineRead::Failed;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return LineRead::Failed;
    }
    png_init_io(png, in);
    png_read_info(png, info);
    const bool fits = png_get_image_width(png, info) == static_cast<png_uint_32>(sheet.width)
                   && png_get_image_height(png, info) == static_cast<png_uint_32>(sheet.height)
                   && png_get_interlace_type(png, info) == PNG_INTERLACE_NONE;
    const bool indexed = png_get_color_type(png, info) == PNG_COLOR_TYPE_PALETTE;
    sf::Uint8 colours[256 * 4];
    if (fits && indexed) {
        ReadPalette(png, info, keptColours ? keptColours : colours);
        png_set_packing(png);  // 1, 2 and 4-bit indices a byte each
    } else if (fits && !keptColours) {
        png_set_expand(png);  // palette, low grey depths and transparency chunks to 8-bit RGB(A)
        png_set_strip_16(png);
        png_set_gray_to_rgb(png);
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    }
    if (fits)
        png_read_update_info(png, info);
    const size_t pixelBytes = indexed ? 1 : 4;
    const bool readable = fits && (indexed || !keptColours)
                       && png_get_rowbytes(png, info) == static_cast<size_t>(sheet.width) * pixelBytes;
    for (int y = 0; readable && y < sheet.height; ++y) {
        png_read_row(png, line, nullptr);
        if (keptColours)
            PackSheetLine(sheet, y, line, packed, 1);
        else
            PackSheetLine(sheet, y, line, packed, 4, indexed ? colours : nullptr);
        if (const unsigned rows = PackedRowsDone(sheet, y))
            rowsDone(rows);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return readable ? LineRead::Done : LineRead::NotByLines;
}

// Reads a folded sheet's file into `picture`'s fold: its palette's
// indices, packed. False for a file that has no palette.
bool DecodeFoldedSheet(DecodedPicture& picture, const std::filesystem::path& file, const AssetEntry& sheet)
{
    const sf::Vector2u size(static_cast<unsigned>(sheet.PackedWidth()), static_cast<unsigned>(sheet.PackedHeight()));
    // Zeroed: the slots after the last cell are never shown.
    auto indices = std::make_shared<std::vector<sf::Uint8>>(std::size_t{size.x} * size.y);
    Fold fold{nullptr, {}, size};
    LineRead read = LineRead::Failed;
    if (std::FILE* in = std::fopen(file.c_str(), "rb")) {
        auto line = std::make_unique<sf::Uint8[]>(static_cast<size_t>(sheet.width) * 4);
        read = ReadPackedLines(in, sheet, line.get(), indices->data(), [](unsigned) {}, fold.colours.data());
        std::fclose(in);
    }
    if (read != LineRead::Done)
        return false;
    fold.indices = std::move(indices);
    picture.size = size;
    picture.fold = std::move(fold);
    CellsSeen seen{sheet.cellWidth, sheet.cellHeight};
    seen.Widen(picture, 0, size.y);
    picture.cellsArea = seen.Area();
    picture.visible = {0, 0, static_cast<int>(size.x), static_cast<int>(size.y)};
    picture.ok = true;
    return true;
}

// Decodes a packed sheet into `picture`, telling `rowsDone` how many rows
// from the top are final as bands complete: those rows may be read (and
// let go of) meanwhile. Size and pixels are in place before the first.
void DecodePackedSheet(DecodedPicture& picture, const std::filesystem::path& file, const AssetEntry& sheet,
                       const std::function<void(unsigned)>& rowsDone)
{
    const size_t width = static_cast<size_t>(sheet.PackedWidth()), height = static_cast<size_t>(sheet.PackedHeight());
    picture.size = {static_cast<unsigned>(width), static_cast<unsigned>(height)};
    picture.pixels.reset(new sf::Uint8[width * height * 4]);
    // The slots after the last cell show nothing.
    const int columns = sheet.PackedColumns();
    for (int slot = sheet.PackedCellCount(); slot < static_cast<int>(height) / sheet.cellHeight * columns; ++slot)
        for (int y = 0; y < sheet.cellHeight; ++y)
            std::fill_n(picture.pixels.get()
                            + ((static_cast<size_t>(slot / columns * sheet.cellHeight + y)) * width
                               + static_cast<size_t>(slot % columns * sheet.cellWidth)) * 4,
                        static_cast<size_t>(sheet.cellWidth) * 4, sf::Uint8{0});
    CellsSeen seen{sheet.cellWidth, sheet.cellHeight};
    unsigned final = 0;
    const auto done = [&](unsigned rows) {
        seen.Widen(picture, final, rows);  // before the rows may go
        final = rows;
        rowsDone(rows);
    };
    LineRead read = LineRead::NotByLines;
    if (std::FILE* in = std::fopen(file.c_str(), "rb")) {
        auto line = std::make_unique<sf::Uint8[]>(static_cast<size_t>(sheet.width) * 4);
        read = ReadPackedLines(in, sheet, line.get(), picture.pixels.get(), done);
        std::fclose(in);
    }
    picture.ok = read == LineRead::Done;
    if (read == LineRead::NotByLines) {
        // An interlaced file cannot be read line by line: read it whole.
        const DecodedPicture whole = DecodeWholePicture(file);
        picture.ok = whole.ok && whole.size == sf::Vector2u(static_cast<unsigned>(sheet.width),
                                                            static_cast<unsigned>(sheet.height));
        for (int y = 0; picture.ok && y < sheet.height; ++y)
            PackSheetLine(sheet, y, whole.pixels.get() + static_cast<size_t>(y) * whole.size.x * 4,
                          picture.pixels.get(), 4);
        if (picture.ok)
            done(picture.size.y);
    }
    picture.cellsArea = seen.Area();
    // Every cell counts as seen: scanning the whole packed texture for its
    // margins would cost more than it saves.
    picture.visible = {0, 0, static_cast<int>(width), static_cast<int>(height)};
}

// ---- Pictures read as their palette's indices --------------------------------

// Reads a non-interlaced palette picture's indices, a byte a pixel, and its
// colours. Only plain locals here: libpng reports errors by jumping back
// to the setjmp.
bool ReadIndices(std::FILE* in, std::vector<sf::Uint8>& indices, sf::Vector2u& size, sf::Uint8* colours)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietPngError, QuietPngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, in);
    png_read_info(png, info);
    bool read = png_get_color_type(png, info) == PNG_COLOR_TYPE_PALETTE
             && png_get_interlace_type(png, info) == PNG_INTERLACE_NONE;
    if (read) {
        ReadPalette(png, info, colours);
        png_set_packing(png);  // 1, 2 and 4-bit indices a byte each
        png_read_update_info(png, info);
        size = {png_get_image_width(png, info), png_get_image_height(png, info)};
        read = png_get_rowbytes(png, info) == size.x;
    }
    if (read) {
        indices.resize(std::size_t{size.x} * size.y);
        for (unsigned y = 0; y < size.y; ++y)
            png_read_row(png, indices.data() + std::size_t{y} * size.x, nullptr);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return read;
}

// A palette picture read as its indices (`fold`), a quarter of its RGBA:
// a sparse picture is cut from them, its whole RGBA never held. Not ok for
// a file without a palette.
DecodedPicture DecodeIndexedPicture(const std::filesystem::path& file)
{
    DecodedPicture picture;
    auto indices = std::make_shared<std::vector<sf::Uint8>>();
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        return picture;
    picture.ok = ReadIndices(in, *indices, picture.size, picture.fold.colours.data());
    std::fclose(in);
    if (!picture.ok)
        return picture;
    picture.fold.indices = std::move(indices);
    picture.fold.size = picture.size;
    picture.visible = FindVisibleArea(picture);
    picture.opaque = IsOpaque(picture);
    picture.offset = ReadPictureOffset(file);
    return picture;
}

// ---- Sparse pictures --------------------------------------------------------

bool PieceShowsAnything(const DecodedPicture& whole, int left, int top)
{
    constexpr int kSide = AssetEntry::kPieceSize;
    const int right = std::min(left + kSide, static_cast<int>(whole.size.x));
    const int bottom = std::min(top + kSide, static_cast<int>(whole.size.y));
    const WholePixels pixels{whole};
    for (int y = top; y < bottom; ++y) {
        const std::size_t row = static_cast<size_t>(y) * whole.size.x;
        for (int x = left; x < right; ++x)
            if (pixels.Alpha(row + static_cast<size_t>(x)) != 0)
                return true;
    }
    return false;
}

// The quad of a piece of width x height whose pixels sit at `slot` in the
// pieces' texture, placed at `at`.
void AppendPiece(sf::VertexArray& quads, sf::Vector2f at, sf::Vector2f slot, float width, float height)
{
    quads.append({at, slot});
    quads.append({at + sf::Vector2f(width, 0.f), slot + sf::Vector2f(width, 0.f)});
    quads.append({at + sf::Vector2f(width, height), slot + sf::Vector2f(width, height)});
    quads.append({at + sf::Vector2f(0.f, height), slot + sf::Vector2f(0.f, height)});
}

// Keeps the pieces of a whole picture that show anything, side by side,
// kPiecesPerLine to a line, and the quads that put them back in place as a
// sprite cut to the visible area (ShowVisibleArea) would: (0, 0) is the
// visible area's corner, or for a picture that repeats sideways the
// picture's left edge at the visible area's top. A picture with nothing to
// show keeps one empty piece, so it still has a texture.
DecodedPicture CutIntoPieces(DecodedPicture whole, bool repeats)
{
    constexpr int kSide = AssetEntry::kPieceSize;
    DecodedPicture cut;
    cut.ok = whole.ok, cut.offset = whole.offset, cut.visible = whole.visible, cut.sparse = true;
    if (!whole.ok)
        return cut;
    std::vector<sf::Vector2i> kept;
    const sf::IntRect& visible = whole.visible;
    for (int top = visible.top; top < visible.top + visible.height; top += kSide)
        for (int left = visible.left; left < visible.left + visible.width; left += kSide)
            if (PieceShowsAnything(whole, left, top))
                kept.push_back({left, top});
    const int count = std::max<int>(1, static_cast<int>(kept.size()));
    const int columns = std::min(count, AssetEntry::kPiecesPerLine);
    cut.size = {static_cast<unsigned>(columns * kSide), static_cast<unsigned>((count + columns - 1) / columns * kSide)};
    const size_t line = static_cast<size_t>(cut.size.x) * 4;
    cut.pixels = std::make_unique<sf::Uint8[]>(line * cut.size.y);  // zeroed: a piece at the edge is part hole
    cut.quads.setPrimitiveType(sf::Quads);
    for (size_t i = 0; i < kept.size(); ++i) {
        const sf::Vector2i from = kept[i];
        const int width = std::min(kSide, static_cast<int>(whole.size.x) - from.x);
        const int height = std::min(kSide, static_cast<int>(whole.size.y) - from.y);
        const sf::Vector2i slot(static_cast<int>(i) % columns * kSide, static_cast<int>(i) / columns * kSide);
        for (int y = 0; y < height; ++y)
            WholePixels{whole}.Copy(static_cast<size_t>(from.y + y) * whole.size.x + static_cast<size_t>(from.x),
                                    static_cast<size_t>(width), cut.pixels.get() + static_cast<size_t>(slot.y + y) * line + slot.x * 4);
        AppendPiece(cut.quads, sf::Vector2f(from - sf::Vector2i(repeats ? 0 : visible.left, visible.top)), sf::Vector2f(slot), static_cast<float>(width),
                    static_cast<float>(height));
    }
    return cut;
}

// Decodes a picture as its manifest entry says: sparse, packed or whole.
// A packed sheet tells `rowsDone` of its final rows as it goes (see
// DecodePackedSheet); any other picture is put in place when whole.
void DecodePictureInto(DecodedPicture& picture, const std::filesystem::path& file, const AssetEntry* entry,
                       const std::function<void(unsigned)>& rowsDone)
{
    if (entry && entry->sparse) {
        DecodedPicture whole = DecodeIndexedPicture(file);
        picture = CutIntoPieces(whole.ok ? std::move(whole) : DecodeWholePicture(file), entry->tiled);
    } else if (entry && entry->packed && entry->IsSheet()) {
        if (!entry->folded || !DecodeFoldedSheet(picture, file, *entry))
            DecodePackedSheet(picture, file, *entry, rowsDone);
    } else {
        DecodedPicture whole = entry && entry->folded ? DecodeIndexedPicture(file) : DecodedPicture{};
        if (!whole.ok)
            whole = DecodeWholePicture(file);
        if (whole.ok && entry && entry->IsSheet() && entry->cellWidth > 0 && entry->cellHeight > 0) {
            CellsSeen seen{entry->cellWidth, entry->cellHeight};
            seen.Widen(whole, 0, whole.size.y);
            whole.cellsArea = seen.Area();
        }
        picture = std::move(whole);
    }
}

DecodedPicture DecodePicture(const std::filesystem::path& file, const AssetEntry* entry)
{
    DecodedPicture picture;
    DecodePictureInto(picture, file, entry, [](unsigned) {});
    return picture;
}

std::uint32_t BigEndian32(const unsigned char* bytes)
{
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8 | bytes[3];
}

// The visible area and the file's offset, in the whole picture's terms.
void RecordAreas(Assets& assets, const std::string& path, const DecodedPicture& picture)
{
    sf::IntRect visible = picture.visible;
    if (visible.width > 0) {
        visible.left += picture.offset.x;
        visible.top += picture.offset.y;
    }
    assets.visibleAreas[path] = visible;
    assets.fileOffsets[path] = picture.offset;
    if (picture.opaque)
        assets.opaque.insert(path);
    if (picture.cellsArea.width > 0)
        assets.cellsAreas[path] = picture.cellsArea;
    if (picture.sparse)
        assets.pieces[path] = picture.quads;
}

// Colours a fold into `texture`, a band of rows at a time: the whole
// picture's RGBA is never held beside it.
bool Unfold(sf::Texture& texture, const Fold& fold)
{
    if (!fold.indices || !texture.create(fold.size.x, fold.size.y))
        return false;
    constexpr unsigned kBandRows = 128;
    const std::size_t width = fold.size.x;
    std::vector<sf::Uint8> band(width * std::min(kBandRows, fold.size.y) * 4);
    const sf::Uint8* index = fold.indices->data();
    for (unsigned top = 0; top < fold.size.y; top += kBandRows) {
        const unsigned rows = std::min(kBandRows, fold.size.y - top);
        ColourIndices(index, width * rows, fold.colours.data(), band.data());
        index += width * rows;
        texture.update(band.data(), fold.size.x, rows, 0, top);
    }
    return true;
}

// Keeps a picture's fold for good, sharing the indices of one kept before
// when they are the same (skins that differ only in their colours).
const Fold& KeepFold(Assets& assets, const std::string& path, Fold fold)
{
    for (const auto& [other, kept] : assets.folds)
        if (other != path && kept.indices && *kept.indices == *fold.indices) {
            fold.indices = kept.indices;
            break;
        }
    return assets.folds[path] = std::move(fold);
}

bool UploadPicture(Assets& assets, sf::Texture& texture, const std::string& path, DecodedPicture& picture)
{
    if (!picture.ok)
        return false;
    if (picture.fold.indices) {
        if (!Unfold(texture, KeepFold(assets, path, std::move(picture.fold))))
            return false;
    } else {
        if (!texture.create(picture.size.x, picture.size.y))
            return false;
        texture.update(picture.pixels.get());
    }
    RecordAreas(assets, path, picture);
    return true;
}

bool LoadPicture(Assets& assets, sf::Texture& texture, const std::string& path)
{
    DecodedPicture picture = DecodePicture(AssetPath(assets, path), FindAsset(path));
    return UploadPicture(assets, texture, path, picture);
}

bool LoadResource(Assets&, sf::Font& font, const std::string& full) { return font.loadFromFile(full); }
bool LoadResource(Assets&, sf::SoundBuffer& buffer, const std::string& full) { return buffer.loadFromFile(full); }

// SFML prints its own loader errors; we name the file ourselves, once.
template <typename Resource>
const Resource& Load(Assets& assets,
                     std::unordered_map<std::string, std::unique_ptr<Resource>>& cache,
                     const std::string& path)
{
    auto found = cache.find(path);
    if (found != cache.end() && !assets.released.count(path))
        return *found->second;
    if constexpr (std::is_same_v<Resource, sf::Texture>) {
        const auto fold = assets.folds.find(path);
        if (found != cache.end() && fold != assets.folds.end()) {
            Unfold(*found->second, fold->second);  // no file read: its colours are at hand
            assets.released.erase(path);
            return *found->second;
        }
    }
    ManifestEntry(assets, path);
    auto resource = std::make_unique<Resource>();
    std::ostringstream quiet;
    std::streambuf* previous = sf::err().rdbuf(quiet.rdbuf());
    bool ok = false;
    if constexpr (std::is_same_v<Resource, sf::Texture>)
        ok = LoadPicture(assets, *resource, path);
    else
        ok = LoadResource(assets, *resource, AssetPath(assets, path).string());
    sf::err().rdbuf(previous);
    assets.loads++;
    if (!ok) {
        resource = std::make_unique<Resource>();
        ReportMissing(assets, path);
    }
    if constexpr (std::is_same_v<Resource, sf::Texture>) {
        Store(assets, path, std::move(resource));
        return *assets.textures[path];
    } else {
        return *cache.emplace(path, std::move(resource)).first->second;
    }
}

}  // namespace

// ---- Decoding behind the game -----------------------------------------------

namespace {
// Decoded pixels waiting for their upload, at most: a few frames of uploads.
constexpr std::size_t kDecodedAheadBytes = 64u << 20;
}  // namespace

struct BackgroundDecoding {
    std::vector<std::string> paths;
    std::vector<const AssetEntry*> entries;  // each path's manifest entry: how its sheet is cut
    std::vector<DecodedPicture> pictures;
    std::unique_ptr<std::atomic<bool>[]> decoded;  // per picture: its pixels are ready
    // Per picture: how many rows from the top are final while it is still
    // being decoded (a packed sheet's bands), so they can go up meanwhile.
    std::unique_ptr<std::atomic<unsigned>[]> rowsReady;
    std::atomic<std::size_t> next{0};               // the next picture a thread takes
    std::atomic<bool> stop{false};                  // the cache is going: take no more
    std::vector<std::thread> workers;
    std::unique_ptr<sf::Texture> partial;           // the picture going up in bands
    unsigned rowsUp = 0;                            // its rows already uploaded
    // The threads decode ahead of the uploads by at most kDecodedAheadBytes
    // of pixels, so a long list is never held twice over, decoded and
    // uploaded. The picture the uploads wait for is always decoded.
    std::mutex room;
    std::condition_variable handedOver;
    std::size_t uploaded = 0;                       // pictures handed to the cache, in order (under `room`)
    std::size_t bytesAhead = 0;                     // decoded pixels not handed over yet (under `room`)
    unsigned rowsUploaded = 0;                      // rows of picture `uploaded` on its texture (under `room`)

    void WaitForRoom(std::size_t i)
    {
        std::unique_lock<std::mutex> lock(room);
        handedOver.wait(lock, [&] { return stop.load() || i == uploaded || bytesAhead < kDecodedAheadBytes; });
    }
    // A packed sheet waits between its bands for the uploads to come within
    // kDecodedAheadBytes of its decoding: a big sheet is never held whole
    // beside its texture. The picture the uploads wait for never waits on
    // the others.
    void WaitForUploads(std::size_t i, unsigned rows, std::size_t rowBytes)
    {
        std::unique_lock<std::mutex> lock(room);
        handedOver.wait(lock, [&] {
            const std::size_t pending = std::size_t{rows - (i == uploaded ? std::min(rows, rowsUploaded) : 0u)} * rowBytes;
            return stop.load() || (pending <= kDecodedAheadBytes && (i == uploaded || pending + bytesAhead <= kDecodedAheadBytes));
        });
    }
    void RowsUploaded(unsigned rows)
    {
        {
            const std::lock_guard<std::mutex> lock(room);
            rowsUploaded = rows;
        }
        handedOver.notify_all();
    }
    void Decoded(std::size_t i, std::size_t bytes)
    {
        {
            const std::lock_guard<std::mutex> lock(room);
            bytesAhead += bytes;
        }
        decoded[i].store(true);
    }
    void HandedOver(std::size_t bytes)
    {
        {
            const std::lock_guard<std::mutex> lock(room);
            uploaded++;
            rowsUploaded = 0;
            bytesAhead -= std::min(bytesAhead, bytes);
        }
        handedOver.notify_all();
    }
    std::size_t Uploaded()
    {
        const std::lock_guard<std::mutex> lock(room);
        return uploaded;
    }

    ~BackgroundDecoding()
    {
        {
            const std::lock_guard<std::mutex> lock(room);
            stop.store(true);
        }
        handedOver.notify_all();
        for (std::thread& worker : workers)
            if (worker.joinable())
                worker.join();
    }
};

// A cache that goes while pictures are still being decoded (the window
// closed during a loading screen) lets each thread finish the picture in
// hand, not the whole list.
void BackgroundDecodingEnd::operator()(BackgroundDecoding* decoding) const
{
    delete decoding;
}

namespace {

bool DecodingWants(BackgroundDecoding& decoding, const std::string& path)
{
    return std::find(decoding.paths.begin() + static_cast<std::ptrdiff_t>(decoding.Uploaded()), decoding.paths.end(),
                     path) != decoding.paths.end();
}

// The picture of index i has left the decoding: the cache holds it, or an
// empty texture and its name on standard error.
void HandOver(Assets& assets, BackgroundDecoding& decoding, std::unique_ptr<sf::Texture> texture, bool ok)
{
    const std::size_t i = decoding.Uploaded();
    const std::string& path = decoding.paths[i];
    DecodedPicture& picture = decoding.pictures[i];
    const std::size_t bytes = PixelBytes(picture);
    // Nothing shows a folded picture yet: it stays folded until asked for.
    const bool folded = ok && picture.fold.indices;
    if (ok) {
        RecordAreas(assets, path, picture);
        if (folded)
            KeepFold(assets, path, std::move(picture.fold));
    } else {
        ReportMissing(assets, path);
    }
    if (!ok || folded)
        texture = std::make_unique<sf::Texture>();
    Store(assets, path, std::move(texture));
    if (folded)
        assets.released.insert(path);
    assets.loadsBehind++;
    picture = DecodedPicture{};  // its pixels are on the texture now
    decoding.partial.reset();
    decoding.rowsUp = 0;
    decoding.HandedOver(bytes);
}

// Rows on their texture are not read again: the whole memory pages among
// them go back to the system now, so a big picture is not held twice over
// (decoded and uploaded) while it goes up in bands. The pages read as zeros
// if touched again; the buffer is freed as usual.
void GiveBackPages(sf::Uint8* from, std::size_t bytes)
{
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(from) + page - 1) / page * page;
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(from) + bytes) / page * page;
    if (end > start)
        madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED);
}

// Uploads rows of the next picture in order until the budget is spent;
// false when that picture is not decoded yet.
bool UploadSome(Assets& assets, BackgroundDecoding& decoding, std::size_t& budget)
{
    const std::size_t i = decoding.Uploaded();
    const bool done = decoding.decoded[i].load();
    const DecodedPicture& picture = decoding.pictures[i];  // its size and pixels are read once rows are ready
    if (done && (!picture.ok || picture.fold.indices || (decoding.partial && decoding.rowsUp >= picture.size.y))) {
        HandOver(assets, decoding, std::move(decoding.partial), picture.ok);
        return true;
    }
    const unsigned ready = done ? picture.size.y : decoding.rowsReady[i].load();
    if (ready <= decoding.rowsUp)
        return false;  // its next rows are still being decoded
    if (!decoding.partial) {
        decoding.partial = std::make_unique<sf::Texture>();
        if (!decoding.partial->create(picture.size.x, picture.size.y)) {
            decoding.partial.reset();
            if (done)
                HandOver(assets, decoding, nullptr, false);
            return done;
        }
    }
    const std::size_t rowBytes = std::size_t{picture.size.x} * 4;
    const unsigned rows = static_cast<unsigned>(std::clamp<std::size_t>(budget / rowBytes, 1, ready - decoding.rowsUp));
    decoding.partial->update(picture.pixels.get() + rowBytes * decoding.rowsUp, picture.size.x, rows, 0,
                             decoding.rowsUp);
    GiveBackPages(picture.pixels.get() + rowBytes * decoding.rowsUp, rowBytes * rows);
    decoding.rowsUp += rows;
    decoding.RowsUploaded(decoding.rowsUp);
    budget -= std::min(budget, rowBytes * rows);
    if (done && decoding.rowsUp >= picture.size.y)
        HandOver(assets, decoding, std::move(decoding.partial), true);
    return true;
}

}  // namespace

void StartDecoding(Assets& assets, const std::vector<std::string>& paths)
{
    FinishDecoding(assets);  // one decoding at a time
    auto decoding = std::unique_ptr<BackgroundDecoding, BackgroundDecodingEnd>(new BackgroundDecoding);
    for (const std::string& path : paths)
        if (!Holds(assets, path) && !DecodingWants(*decoding, path)) {
            decoding->entries.push_back(ManifestEntry(assets, path));
            decoding->paths.push_back(path);
        }
    const std::size_t count = decoding->paths.size();
    if (count == 0)
        return;
    decoding->pictures.resize(count);
    decoding->decoded = std::make_unique<std::atomic<bool>[]>(count);
    decoding->rowsReady = std::make_unique<std::atomic<unsigned>[]>(count);
    BackgroundDecoding* shared = decoding.get();
    const std::filesystem::path root = assets.root;
    const auto worker = [shared, root] {
        for (std::size_t i = shared->next++; i < shared->paths.size() && !shared->stop.load(); i = shared->next++) {
            shared->WaitForRoom(i);
            if (shared->stop.load())
                break;
            DecodePictureInto(shared->pictures[i],
                              root.empty() ? std::filesystem::path(shared->paths[i]) : root / shared->paths[i],
                              shared->entries[i], [shared, i](unsigned rows) {
                                  shared->rowsReady[i].store(rows);
                                  shared->WaitForUploads(i, rows, std::size_t{shared->pictures[i].size.x} * 4);
                              });
            shared->Decoded(i, PixelBytes(shared->pictures[i]));
        }
    };
    decoding->workers.resize(std::max(1u, std::thread::hardware_concurrency()));
    for (std::thread& thread : decoding->workers)
        thread = std::thread(worker);
    assets.decoding = std::move(decoding);
}

bool UploadDecodedPictures(Assets& assets, std::size_t byteBudget)
{
    BackgroundDecoding* decoding = assets.decoding.get();
    if (!decoding)
        return true;
    while (decoding->Uploaded() < decoding->paths.size() && byteBudget > 0)
        if (!UploadSome(assets, *decoding, byteBudget))
            break;
    if (decoding->Uploaded() < decoding->paths.size())
        return false;
    assets.decoding.reset();  // joins the threads, all done
    malloc_trim(0);           // what the decoding freed goes back to the system
    return true;
}

void FinishDecoding(Assets& assets)
{
    // The threads wait for room the uploads make: upload while they decode,
    // in bands, each giving its pages back before the next is copied.
    constexpr std::size_t kBandBytes = 8u << 20;
    while (assets.decoding) {
        const std::size_t before = assets.decoding->Uploaded();
        const unsigned rowsBefore = assets.decoding->rowsUp;
        if (UploadDecodedPictures(assets, kBandBytes))
            break;
        if (assets.decoding->Uploaded() == before && assets.decoding->rowsUp == rowsBefore)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));  // the next one is still being decoded
    }
}

void ReleasePictures(Assets& assets, const std::vector<std::string>& paths)
{
    FinishDecoding(assets);  // none of them half uploaded
    for (const std::string& path : paths) {
        const auto found = assets.textures.find(path);
        if (found == assets.textures.end() || !assets.released.insert(path).second)
            continue;
        *found->second = sf::Texture();
    }
    malloc_trim(0);
}

void FoldPictures(Assets& assets, const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) {
        const auto found = assets.textures.find(path);
        if (found != assets.textures.end() && assets.folds.count(path) && assets.released.insert(path).second)
            *found->second = sf::Texture();
    }
}

void UnfoldPictures(Assets& assets, const std::vector<std::string>& paths)
{
    for (const std::string& path : paths) {
        const auto found = assets.textures.find(path);
        const auto fold = assets.folds.find(path);
        if (found != assets.textures.end() && fold != assets.folds.end() && assets.released.erase(path))
            Unfold(*found->second, fold->second);
    }
}

bool DecodingPending(const Assets& assets)
{
    return assets.decoding != nullptr;
}

bool FindAssetRoot(Assets& assets, const std::filesystem::path& executable)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path beside = fs::absolute(executable, error).parent_path();
    // An installed game: bin/tidewrack finds share/tidewrack/Assets.
    fs::path candidates[] = {fs::current_path(error), beside, beside.parent_path() / "share" / "tidewrack"};
    for (const fs::path& folder : candidates) {
        if (!folder.empty() && fs::is_directory(folder / "Assets", error)) {
            assets.root = folder;
            return true;
        }
    }
    assets.root.clear();
    return false;
}

std::filesystem::path AssetPath(const Assets& assets, const std::string& path)
{
    return assets.root.empty() ? std::filesystem::path(path) : assets.root / path;
}

const sf::Texture& GetTexture(Assets& assets, const std::string& path)
{
    if (assets.decoding && !Holds(assets, path) && DecodingWants(*assets.decoding, path))
        FinishDecoding(assets);  // asked for before its turn: wait rather than read it twice
    return Load(assets, assets.textures, path);
}

void PreloadPictures(Assets& assets, std::span<const char* const> paths)
{
    std::vector<std::string> wanted;
    std::vector<const AssetEntry*> entries;
    for (const char* path : paths)
        if (!Holds(assets, path)) {
            entries.push_back(ManifestEntry(assets, path));
            wanted.emplace_back(path);
        }
    std::vector<DecodedPicture> decoded(wanted.size());
    std::atomic<size_t> next{0};
    const auto worker = [&] {
        for (size_t i = next++; i < wanted.size(); i = next++)
            decoded[i] = DecodePicture(AssetPath(assets, wanted[i]), entries[i]);
    };
    std::ostringstream quiet;  // decoding threads must not race on SFML's error stream
    std::streambuf* previous = sf::err().rdbuf(quiet.rdbuf());
    std::vector<std::thread> workers(std::max(1u, std::thread::hardware_concurrency()));
    for (std::thread& thread : workers)
        thread = std::thread(worker);
    for (std::thread& thread : workers)
        thread.join();
    sf::err().rdbuf(previous);
    for (size_t i = 0; i < wanted.size(); i++) {
        auto texture = std::make_unique<sf::Texture>();
        assets.loads++;
        if (!UploadPicture(assets, *texture, wanted[i], decoded[i])) {
            texture = std::make_unique<sf::Texture>();
            ReportMissing(assets, wanted[i]);
        }
        decoded[i].pixels.reset();  // the texture has them now
        Store(assets, wanted[i], std::move(texture));
    }
}

sf::IntRect VisibleArea(Assets& assets, const std::string& path)
{
    GetTexture(assets, path);
    const auto found = assets.visibleAreas.find(path);
    return found == assets.visibleAreas.end() ? sf::IntRect() : found->second;
}

sf::IntRect VisibleTextureArea(Assets& assets, const std::string& path)
{
    sf::IntRect area = VisibleArea(assets, path);
    const auto found = assets.fileOffsets.find(path);
    if (area.width > 0 && found != assets.fileOffsets.end()) {
        area.left -= found->second.x;
        area.top -= found->second.y;
    }
    return area;
}

// The offset chunk (oFFs: x, y, unit) comes before the image data, so
// only the file's first few chunks are read.
sf::Vector2i ReadPictureOffset(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    unsigned char header[8];
    if (!in.read(reinterpret_cast<char*>(header), sizeof header))
        return {};
    unsigned char chunk[8];
    while (in.read(reinterpret_cast<char*>(chunk), sizeof chunk)) {
        const std::uint32_t length = BigEndian32(chunk);
        const std::string type(reinterpret_cast<const char*>(chunk + 4), 4);
        if (type == "IDAT" || type == "IEND")
            break;
        if (type == "oFFs" && length == 9) {
            unsigned char data[9];
            if (!in.read(reinterpret_cast<char*>(data), sizeof data) || data[8] != 0)
                return {};  // an offset in micrometres is not ours
            return {static_cast<int>(BigEndian32(data)), static_cast<int>(BigEndian32(data + 4))};
        }
        in.seekg(static_cast<std::streamoff>(length) + 4, std::ios::cur);  // the data and its check
    }
    return {};
}

void ShowVisibleArea(sf::Sprite& sprite, Assets& assets, const std::string& path)
{
    const sf::IntRect area = VisibleArea(assets, path);
    sprite.setTexture(GetTexture(assets, path));
    sprite.setTextureRect(VisibleTextureArea(assets, path));
    sprite.setOrigin(static_cast<float>(-area.left), static_cast<float>(-area.top));
}

sf::IntRect SheetCellsArea(Assets& assets, const std::string& path)
{
    GetTexture(assets, path);
    const auto found = assets.cellsAreas.find(path);
    if (found != assets.cellsAreas.end())
        return found->second;
    const AssetEntry* entry = FindAsset(path);
    return entry ? sf::IntRect(0, 0, entry->cellWidth, entry->cellHeight) : sf::IntRect();
}

bool PictureIsOpaque(Assets& assets, const std::string& path)
{
    GetTexture(assets, path);
    return assets.opaque.count(path) > 0;
}

const sf::VertexArray* PicturePieces(Assets& assets, const std::string& path)
{
    GetTexture(assets, path);
    const auto found = assets.pieces.find(path);
    return found == assets.pieces.end() ? nullptr : &found->second;
}

const sf::Font& GetFont(Assets& assets, const std::string& path)
{
    return Load(assets, assets.fonts, path);
}

const sf::SoundBuffer& GetSoundBuffer(Assets& assets, const std::string& path)
{
    return Load(assets, assets.sounds, path);
}

sf::IntRect SheetCell(Assets& assets, const std::string& path, int row, int frame)
{
    const AssetEntry* entry = ManifestEntry(assets, path);
    if (!entry)
        return {};
    if (entry->packed) {
        const int index = entry->PackedIndex(row, frame);
        if (index < 0)
            return {};  // a cell the rows do not use is not kept: it shows nothing
        const int columns = entry->PackedColumns();
        return {index % columns * entry->cellWidth, index / columns * entry->cellHeight, entry->cellWidth,
                entry->cellHeight};
    }
    return {entry->cellWidth * frame, entry->cellHeight * row, entry->cellWidth, entry->cellHeight};
}

int SheetFrames(Assets& assets, const std::string& path, int row)
{
    const AssetEntry* entry = ManifestEntry(assets, path);
    return entry ? entry->FramesInRow(row) : 0;
}

int SheetColumns(Assets& assets, const std::string& path)
{
    const AssetEntry* entry = ManifestEntry(assets, path);
    return entry && entry->packed ? entry->PackedColumns() : 0;
}
