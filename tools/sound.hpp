// The game's sound effects and musics, synthesised sample by sample.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/asset_manifest.hpp"

inline constexpr int kSampleRate = 22050;

// The mono 16-bit samples of a manifest sound or music at kSampleRate.
// Throws std::runtime_error for an entry it has no recipe for.
std::vector<std::int16_t> SynthesiseAudio(const AssetEntry& entry);
