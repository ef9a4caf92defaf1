#include "engine/assets.hpp"

#include <SFML/System/Err.hpp>
#include <iostream>
#include <sstream>

void ReportMissing(Assets& assets, const std::string& path)
{
    if (assets.missing.insert(path).second)
        std::cerr << "Tidewrack: cannot read \"" << path << "\" (looked in "
                  << AssetPath(assets, path).string() << ")\n";
}

namespace {

// SFML prints its own loader errors; we name the file ourselves, once.
template <typename Resource>
const Resource& Load(Assets& assets,
                     std::unordered_map<std::string, std::unique_ptr<Resource>>& cache,
                     const std::string& path)
{
    auto found = cache.find(path);
    if (found != cache.end())
        return *found->second;
    auto resource = std::make_unique<Resource>();
    std::ostringstream quiet;
    std::streambuf* previous = sf::err().rdbuf(quiet.rdbuf());
    bool ok = resource->loadFromFile(AssetPath(assets, path).string());
    sf::err().rdbuf(previous);
    assets.loads++;
    if (!ok) {
        resource = std::make_unique<Resource>();
        ReportMissing(assets, path);
    }
    return *cache.emplace(path, std::move(resource)).first->second;
}

}  // namespace

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
    return Load(assets, assets.textures, path);
}

const sf::Font& GetFont(Assets& assets, const std::string& path)
{
    return Load(assets, assets.fonts, path);
}

const sf::SoundBuffer& GetSoundBuffer(Assets& assets, const std::string& path)
{
    return Load(assets, assets.sounds, path);
}
