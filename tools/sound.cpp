#include "sound.hpp"

#include <cmath>
#include <stdexcept>
#include <string>

std::vector<std::int16_t> SynthesiseAudio(const AssetEntry& entry) {
    // A short tone until each effect has its own recipe.
    const int n = entry.kind == AssetKind::Music ? kSampleRate * 30 : kSampleRate / 4;
    std::vector<std::int16_t> out(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        out[i] = static_cast<std::int16_t>(8000 * std::sin(2 * 3.14159265 * 440 * i / kSampleRate));
    return out;
}
