#include "engine/assets.hpp"

#include "engine/asset_manifest.hpp"

#include <SFML/System/Err.hpp>
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <png.h>
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

// A picture decoded from its file: RGBA pixels, row after row, and the
// rectangle of its visible pixels.
struct DecodedPicture {
    std::unique_ptr<sf::Uint8[]> pixels;  // left uninitialised: the decoder writes every byte
    sf::Vector2u size;
    sf::Vector2i offset;  // of the file in its picture
    sf::IntRect visible;  // in the file's own coordinates
    bool ok = false;
};

sf::IntRect FindVisibleArea(const DecodedPicture& picture)
{
    const sf::Vector2u size = picture.size;
    const sf::Uint8* pixels = picture.pixels.get();
    int left = static_cast<int>(size.x), right = -1, top = static_cast<int>(size.y), bottom = -1;
    for (int y = 0; y < static_cast<int>(size.y); y++) {
        const sf::Uint8* row = pixels + static_cast<size_t>(y) * size.x * 4;
        int first = -1, last = -1;
        for (int x = 0; x < static_cast<int>(size.x); x++)
            if (row[x * 4 + 3] != 0) {
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

// libpng reads our pictures about twice as fast as SFML's own loader, and
// start-up is mostly spent decoding. Touches no shared state: the preloader
// runs it on several threads.
DecodedPicture DecodePicture(const std::filesystem::path& file)
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
        picture.offset = ReadPictureOffset(file);
    }
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
}

bool UploadPicture(Assets& assets, sf::Texture& texture, const std::string& path, const DecodedPicture& picture)
{
    if (!picture.ok || !texture.create(picture.size.x, picture.size.y))
        return false;
    texture.update(picture.pixels.get());
    RecordAreas(assets, path, picture);
    return true;
}

bool LoadPicture(Assets& assets, sf::Texture& texture, const std::string& path)
{
    return UploadPicture(assets, texture, path, DecodePicture(AssetPath(assets, path)));
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
    if (found != cache.end())
        return *found->second;
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
    return *cache.emplace(path, std::move(resource)).first->second;
}

}  // namespace

// ---- Decoding behind the game -----------------------------------------------

struct BackgroundDecoding {
    std::vector<std::string> paths;
    std::vector<DecodedPicture> pictures;
    std::unique_ptr<std::atomic<bool>[]> decoded;  // per picture: its pixels are ready
    std::atomic<std::size_t> next{0};               // the next picture a thread takes
    std::atomic<bool> stop{false};                  // the cache is going: take no more
    std::vector<std::thread> workers;
    std::size_t uploaded = 0;                       // pictures handed to the cache, in order
    std::unique_ptr<sf::Texture> partial;           // the picture going up in bands
    unsigned rowsUp = 0;                            // its rows already uploaded

    ~BackgroundDecoding()
    {
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
    decoding->stop.store(true);
    delete decoding;
}

namespace {

bool DecodingWants(const BackgroundDecoding& decoding, const std::string& path)
{
    return std::find(decoding.paths.begin() + static_cast<std::ptrdiff_t>(decoding.uploaded), decoding.paths.end(),
                     path) != decoding.paths.end();
}

// The picture of index i has left the decoding: the cache holds it, or an
// empty texture and its name on standard error.
void HandOver(Assets& assets, BackgroundDecoding& decoding, std::unique_ptr<sf::Texture> texture, bool ok)
{
    const std::string& path = decoding.paths[decoding.uploaded];
    const DecodedPicture& picture = decoding.pictures[decoding.uploaded];
    if (ok) {
        RecordAreas(assets, path, picture);
    } else {
        texture = std::make_unique<sf::Texture>();
        ReportMissing(assets, path);
    }
    assets.textures.emplace(path, std::move(texture));
    assets.loadsBehind++;
    decoding.pictures[decoding.uploaded] = DecodedPicture{};  // its pixels are on the texture now
    decoding.partial.reset();
    decoding.rowsUp = 0;
    decoding.uploaded++;
}

// Uploads rows of the next picture in order until the budget is spent;
// false when that picture is not decoded yet.
bool UploadSome(Assets& assets, BackgroundDecoding& decoding, std::size_t& budget)
{
    const std::size_t i = decoding.uploaded;
    if (!decoding.decoded[i].load())
        return false;
    const DecodedPicture& picture = decoding.pictures[i];
    if (!decoding.partial) {
        decoding.partial = std::make_unique<sf::Texture>();
        if (!picture.ok || !decoding.partial->create(picture.size.x, picture.size.y)) {
            HandOver(assets, decoding, nullptr, false);
            return true;
        }
    }
    const std::size_t rowBytes = std::size_t{picture.size.x} * 4;
    const unsigned rows = static_cast<unsigned>(
        std::clamp<std::size_t>(budget / rowBytes, 1, picture.size.y - decoding.rowsUp));
    decoding.partial->update(picture.pixels.get() + rowBytes * decoding.rowsUp, picture.size.x, rows, 0,
                             decoding.rowsUp);
    decoding.rowsUp += rows;
    budget -= std::min(budget, rowBytes * rows);
    if (decoding.rowsUp >= picture.size.y)
        HandOver(assets, decoding, std::move(decoding.partial), true);
    return true;
}

}  // namespace

void StartDecoding(Assets& assets, const std::vector<std::string>& paths)
{
    FinishDecoding(assets);  // one decoding at a time
    auto decoding = std::unique_ptr<BackgroundDecoding, BackgroundDecodingEnd>(new BackgroundDecoding);
    for (const std::string& path : paths)
        if (!assets.textures.count(path) && !DecodingWants(*decoding, path)) {
            ManifestEntry(assets, path);
            decoding->paths.push_back(path);
        }
    const std::size_t count = decoding->paths.size();
    if (count == 0)
        return;
    decoding->pictures.resize(count);
    decoding->decoded = std::make_unique<std::atomic<bool>[]>(count);
    BackgroundDecoding* shared = decoding.get();
    const std::filesystem::path root = assets.root;
    const auto worker = [shared, root] {
        for (std::size_t i = shared->next++; i < shared->paths.size() && !shared->stop.load(); i = shared->next++) {
            shared->pictures[i] = DecodePicture(root.empty() ? std::filesystem::path(shared->paths[i]) : root / shared->paths[i]);
            shared->decoded[i].store(true);
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
    while (decoding->uploaded < decoding->paths.size() && byteBudget > 0)
        if (!UploadSome(assets, *decoding, byteBudget))
            break;
    if (decoding->uploaded < decoding->paths.size())
        return false;
    assets.decoding.reset();  // joins the threads, all done
    return true;
}

void FinishDecoding(Assets& assets)
{
    if (!assets.decoding)
        return;
    for (std::thread& worker : assets.decoding->workers)
        worker.join();
    UploadDecodedPictures(assets, static_cast<std::size_t>(-1));
}

bool DecodingPending(const Assets& assets)
{
    return assets.decoding != nullptr;
}

bool FindAssetRoot(Assets& assets, const std::filesystem::path& executable)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path candidates[] = {fs::current_path(error), fs::absolute(executable, error).parent_path()};
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
    if (assets.decoding && !assets.textures.count(path) && DecodingWants(*assets.decoding, path))
        FinishDecoding(assets);  // asked for before its turn: wait rather than read it twice
    return Load(assets, assets.textures, path);
}

void PreloadPictures(Assets& assets, std::span<const char* const> paths)
{
    std::vector<std::string> wanted;
    for (const char* path : paths)
        if (!assets.textures.count(path)) {
            ManifestEntry(assets, path);
            wanted.emplace_back(path);
        }
    std::vector<DecodedPicture> decoded(wanted.size());
    std::atomic<size_t> next{0};
    const auto worker = [&] {
        for (size_t i = next++; i < wanted.size(); i = next++)
            decoded[i] = DecodePicture(AssetPath(assets, wanted[i]));
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
        assets.textures.emplace(wanted[i], std::move(texture));
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
    return {entry->cellWidth * frame, entry->cellHeight * row, entry->cellWidth, entry->cellHeight};
}

int SheetFrames(Assets& assets, const std::string& path, int row)
{
    const AssetEntry* entry = ManifestEntry(assets, path);
    return entry ? entry->FramesInRow(row) : 0;
}
