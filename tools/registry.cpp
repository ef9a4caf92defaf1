#include <stdexcept>

#include "art.hpp"

void PainterRegistry::Add(std::string_view path, Painter painter) {
    const AssetEntry* entry = FindAsset(path);
    if (entry == nullptr)
        throw std::runtime_error("painter registered for \"" + std::string(path) +
                                 "\", which is not in the asset manifest (check the spelling and case)");
    if (entry->kind != AssetKind::Picture)
        throw std::runtime_error("painter registered for \"" + std::string(path) + "\", which is not a picture");
    if (!painter) throw std::runtime_error("empty painter registered for \"" + std::string(path) + "\"");
    if (!painters_.emplace(std::string(path), std::move(painter)).second)
        throw std::runtime_error("two painters registered for \"" + std::string(path) + "\"");
}

const Painter* PainterRegistry::Find(std::string_view path) const {
    const auto it = painters_.find(path);
    return it == painters_.end() ? nullptr : &it->second;
}
