// Writing the generated files: PNG pictures and 16-bit PCM WAV sounds.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "paint.hpp"

// Writes the canvas as a PNG. Pictures of at most 256 colours (the usual
// case: flat palette art) are stored indexed with a transparency table,
// others as 8-bit RGBA; low zlib effort keeps big sheets fast to write.
// Throws std::runtime_error on failure.
// With an offset, the file also records (in its oFFs chunk) where the
// canvas sits in a larger picture it was cut from.
struct PngOffset {
    int x = 0, y = 0;
};
void WritePng(const std::filesystem::path& path, const paint::Canvas& canvas, const PngOffset* offset = nullptr);

// Writes mono 16-bit PCM samples as a WAV file. Throws on failure.
void WriteWav(const std::filesystem::path& path, std::span<const std::int16_t> samples, int sampleRate);
