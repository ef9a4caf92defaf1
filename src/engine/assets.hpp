#pragma once
// The one resource cache: every picture, font and sound is loaded from disk
// once, the first time a subsystem asks for it, and shared from then on.
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <array>
#include <filesystem>
#include <memory>
#include <set>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

// Pictures being decoded on background threads (assets.cpp): the threads
// never outlive the cache, which joins them when it goes.
struct BackgroundDecoding;
struct BackgroundDecodingEnd {
    void operator()(BackgroundDecoding* decoding) const;
};

// A folded picture (AssetEntry::folded): its pixels as indices into its
// palette's colours, a byte each. Pictures whose indices are the same (skins
// that differ only in their colours) share them.
struct Fold {
    std::shared_ptr<const std::vector<sf::Uint8>> indices;
    std::array<sf::Uint8, 256 * 4> colours{};  // RGBA, transparency included
    sf::Vector2u size;
};

struct Assets {
    std::filesystem::path root;  // the folder that holds "Assets/"
    std::unordered_map<std::string, std::unique_ptr<sf::Texture>> textures;
    std::unordered_map<std::string, std::unique_ptr<sf::Font>> fonts;
    std::unordered_map<std::string, std::unique_ptr<sf::SoundBuffer>> sounds;
    std::unordered_map<std::string, sf::IntRect> visibleAreas;  // per picture, found at load
    std::unordered_map<std::string, sf::Vector2i> fileOffsets;  // where a trimmed file sits in its picture
    std::unordered_map<std::string, sf::VertexArray> pieces;    // a sparse picture's quads, over its texture
    std::set<std::string> missing;  // each named once on standard error
    std::set<std::string> released;  // pictures whose pixels were let go (ReleasePictures, FoldPictures)
    std::unordered_map<std::string, Fold> folds;  // folded pictures, kept for good once read
    std::set<std::string> opaque;    // pictures without a single see-through pixel
    std::unordered_map<std::string, sf::IntRect> cellsAreas;  // per sheet, found at load (SheetCellsArea)
    int loads = 0;                  // files actually read from disk, in the frame that asked
    int loadsBehind = 0;            // pictures decoded on background threads
    std::unique_ptr<BackgroundDecoding, BackgroundDecodingEnd> decoding;  // null when none runs
    // Asking for a file the asset manifest does not list is a fault in the
    // code (a typo the generator would never draw): debug builds and tests
    // throw on it; a release build names it once and goes on.
#ifdef NDEBUG
    bool strictManifest = false;
#else
    bool strictManifest = true;
#endif
};

// Looks for "Assets/" in the working directory, then beside the executable,
// then in share/tidewrack beside the executable's bin folder (an installed
// game). Returns false (and leaves root empty) when none has it.
bool FindAssetRoot(Assets& assets, const std::filesystem::path& executable);

// Full path of a game path such as "Assets/Sprites/Menu/Play_01.png".
std::filesystem::path AssetPath(const Assets& assets, const std::string& path);

// Decodes the pictures on every core at once, then uploads them in order,
// so a long list costs a fraction of loading it one by one. Pictures already
// cached are skipped; failures are reported as GetTexture would.
void PreloadPictures(Assets& assets, std::span<const char* const> paths);

// Starts decoding the pictures that are not cached yet on background
// threads (one per core) and returns at once. They reach the cache through
// UploadDecodedPictures, on the drawing thread. Asking for one of them
// before then (GetTexture) waits for the decoding and uploads it all.
void StartDecoding(Assets& assets, const std::vector<std::string>& paths);
// Hands decoded pictures to the cache, in the order they were asked for,
// up to about `byteBudget` bytes of pixels a call: a big picture goes up in
// bands over several calls, so a frame never stalls on one. True once every
// picture asked for is in the cache (and when nothing was asked for).
bool UploadDecodedPictures(Assets& assets, std::size_t byteBudget);
// Waits for the decoding and uploads whatever is left.
void FinishDecoding(Assets& assets);
bool DecodingPending(const Assets& assets);

// Lets go of pictures' pixels while a place that shows them is far off:
// each texture stays where it is, empty, until it is decoded again
// (StartDecoding) or asked for (GetTexture), so the sprites that point to
// it show it again then. Nothing may draw them meanwhile.
void ReleasePictures(Assets& assets, const std::vector<std::string>& paths);

// Empties the textures of folded pictures (the skins not worn): each is
// coloured again from its fold, not read from its file, when next asked
// for (GetTexture). A picture without a fold keeps its texture.
void FoldPictures(Assets& assets, const std::vector<std::string>& paths);
// Colours again those of the pictures that FoldPictures emptied, all at
// once, reading no file; the others are left as they are.
void UnfoldPictures(Assets& assets, const std::vector<std::string>& paths);

// Names a file that could not be read, once.
void ReportMissing(Assets& assets, const std::string& path);

// A missing or unreadable file is reported once and yields an empty
// resource (an empty texture draws nothing), so the game goes on.
const sf::Texture& GetTexture(Assets& assets, const std::string& path);
// The smallest rectangle of a picture that holds all its visible (not fully
// transparent) pixels, in the whole picture's coordinates. Drawing only that
// part saves the fill of its empty margins, which is what a software
// renderer spends its time on.
sf::IntRect VisibleArea(Assets& assets, const std::string& path);
// The same rectangle in the texture's coordinates. They differ for a picture
// whose file leaves out its transparent margins (scenery hung high above
// the ground): the file's offset chunk says where it sits in the picture.
sf::IntRect VisibleTextureArea(Assets& assets, const std::string& path);
// Where a file's pixels sit in the picture it was cut from; (0, 0) for a
// file without an offset chunk, or one that cannot be read.
sf::Vector2i ReadPictureOffset(const std::filesystem::path& file);
// Gives a still sprite its picture, cut to the visible area, with the origin
// moved so that the sprite's position still names the whole picture's
// top-left corner (at any scale).
void ShowVisibleArea(sf::Sprite& sprite, Assets& assets, const std::string& path);

// What a sheet's cells show, all of them together: the smallest rectangle,
// in a cell's own coordinates, holding every visible pixel of every cell.
// A frame drawn as that part of its cell (DrawCellPart) fills no more than
// it must. The whole cell for a sheet that could not be read.
sf::IntRect SheetCellsArea(Assets& assets, const std::string& path);

// True when every pixel of the picture is wholly opaque: drawn, it hides
// all under it (and needs no blending). False for one that cannot be read.
bool PictureIsOpaque(Assets& assets, const std::string& path);

// A sparse picture's pieces (see AssetEntry::sparse): quads over its
// texture, placed as ShowVisibleArea places a sprite's picture, so a sprite
// set up by it positions them (DrawPieces). Null for any other picture, and
// for one that could not be read.
const sf::VertexArray* PicturePieces(Assets& assets, const std::string& path);

const sf::Font& GetFont(Assets& assets, const std::string& path);

// Where the asset manifest cuts a sheet: the cell of `frame` on `row` (the
// texture rectangle that shows it), and how many frames the row holds. Every
// sheet is cut with the manifest's geometry, the same the generator draws
// it to, so a drawing and its cutting cannot drift apart. A packed sheet's
// cells are not where the grid puts them: frames of it are always cut with
// SheetCell (an empty rectangle for a cell its rows do not use).
sf::IntRect SheetCell(Assets& assets, const std::string& path, int row = 0, int frame = 0);
int SheetFrames(Assets& assets, const std::string& path, int row = 0);
// A packed sheet's cells to a texture line, 0 for a sheet cut on its grid
// (an Animation's `columns`).
int SheetColumns(Assets& assets, const std::string& path);
const sf::SoundBuffer& GetSoundBuffer(Assets& assets, const std::string& path);
