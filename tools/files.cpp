#include "files.hpp"

#include <png.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};

std::uint32_t Key(paint::Rgba c) {
    // Fully transparent pixels are all the same colour in the file.
    if (c.a == 0) return 0;
    return (std::uint32_t(c.r) << 24) | (std::uint32_t(c.g) << 16) | (std::uint32_t(c.b) << 8) | c.a;
}

// The palette as the file stores it: translucent entries first, so the
// transparency table stays short (entries past its end are opaque).
struct FilePalette {
    std::vector<int> remap;  // palette index -> file slot
    std::vector<png_color> colours;
    std::vector<png_byte> alphas;  // of the translucent slots
    int translucent = 0;
    int depth = 8;  // bits per pixel
};

FilePalette OrderPalette(const std::vector<paint::Rgba>& palette) {
    FilePalette out;
    std::vector<int> order;  // palette indices in file order
    for (int i = 0; i < static_cast<int>(palette.size()); ++i)
        if (palette[i].a != 255) order.push_back(i);
    out.translucent = static_cast<int>(order.size());
    for (int i = 0; i < static_cast<int>(palette.size()); ++i)
        if (palette[i].a == 255) order.push_back(i);
    out.remap.resize(palette.size());
    out.colours.resize(palette.size());
    out.alphas.resize(static_cast<std::size_t>(out.translucent));
    for (int slot = 0; slot < static_cast<int>(order.size()); ++slot) {
        const paint::Rgba c = palette[order[slot]];
        out.remap[order[slot]] = slot;
        out.colours[slot] = {c.r, c.g, c.b};
        if (slot < out.translucent) out.alphas[slot] = c.a;
    }
    if (palette.size() <= 2) out.depth = 1;
    else if (palette.size() <= 4) out.depth = 2;
    else if (palette.size() <= 16) out.depth = 4;
    return out;
}

}  // namespace

void WritePng(const std::filesystem::path& path, const paint::Canvas& canvas, const PngOffset* offset) {
    const int w = canvas.Width(), h = canvas.Height();
    if (w <= 0 || h <= 0) throw std::runtime_error("cannot write an empty picture to " + path.string());
    const auto& px = canvas.Pixels();

    // Try an indexed palette, in order of first use so output is stable.
    std::unordered_map<std::uint32_t, int> index;
    std::vector<paint::Rgba> palette;
    bool indexed = true;
    for (const paint::Rgba& c : px) {
        const std::uint32_t k = Key(c);
        if (index.find(k) != index.end()) continue;
        if (palette.size() == 256) { indexed = false; break; }
        index.emplace(k, static_cast<int>(palette.size()));
        palette.push_back(c.a == 0 ? paint::Rgba{0, 0, 0, 0} : c);
    }

    // Worked out before libpng starts: its errors jump back past anything
    // created after the jump point.
    const FilePalette filePalette = indexed ? OrderPalette(palette) : FilePalette{};
    const std::vector<int>& remap = filePalette.remap;
    const int translucent = filePalette.translucent, depth = filePalette.depth;

    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) throw std::runtime_error("cannot open " + path.string() + " for writing");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng could not start writing " + path.string());
    }
    std::vector<png_byte> rowBuf(static_cast<std::size_t>(w) * (indexed ? 1 : 4));
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng failed while writing " + path.string());
    }
    png_init_io(png, file.get());
    // Level 2 with the Sub/Up filters: a fraction of the default's time for
    // nearly the same size on flat-colour art.
    png_set_compression_level(png, 2);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, indexed ? PNG_FILTER_NONE : (PNG_FILTER_SUB | PNG_FILTER_UP));
    if (offset) png_set_oFFs(png, info, offset->x, offset->y, PNG_OFFSET_PIXEL);
    if (indexed) {
        png_set_IHDR(png, info, w, h, depth, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_set_PLTE(png, info, filePalette.colours.data(), static_cast<int>(filePalette.colours.size()));
        if (translucent > 0) png_set_tRNS(png, info, filePalette.alphas.data(), translucent, nullptr);
        png_write_info(png, info);
        if (depth < 8) png_set_packing(png);
        for (int y = 0; y < h; ++y) {
            const paint::Rgba* row = px.data() + static_cast<std::size_t>(y) * w;
            std::uint32_t lastKey = Key(row[0]) ^ 1u;
            int lastSlot = 0;
            for (int x = 0; x < w; ++x) {
                const std::uint32_t k = Key(row[x]);
                if (k != lastKey) { lastKey = k; lastSlot = remap[index.find(k)->second]; }
                rowBuf[x] = static_cast<png_byte>(lastSlot);
            }
            png_write_row(png, rowBuf.data());
        }
    } else {
        png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < h; ++y) {
            const paint::Rgba* row = px.data() + static_cast<std::size_t>(y) * w;
            for (int x = 0; x < w; ++x) {
                const paint::Rgba c = row[x].a == 0 ? paint::Rgba{0, 0, 0, 0} : row[x];
                rowBuf[4 * x] = c.r; rowBuf[4 * x + 1] = c.g; rowBuf[4 * x + 2] = c.b; rowBuf[4 * x + 3] = c.a;
            }
            png_write_row(png, rowBuf.data());
        }
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (std::fflush(file.get()) != 0) throw std::runtime_error("cannot finish writing " + path.string());
}

namespace {
void Put16(std::vector<char>& out, std::uint32_t v) {
    out.push_back(static_cast<char>(v & 0xff));
    out.push_back(static_cast<char>((v >> 8) & 0xff));
}
void Put32(std::vector<char>& out, std::uint32_t v) {
    Put16(out, v & 0xffff);
    Put16(out, v >> 16);
}
}  // namespace

void WriteWav(const std::filesystem::path& path, std::span<const std::int16_t> samples, int sampleRate) {
    std::vector<char> out;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    Put32(out, 36 + dataBytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, static_cast<std::uint32_t>(sampleRate));
    Put32(out, static_cast<std::uint32_t>(sampleRate) * 2);
    Put16(out, 2);
    Put16(out, 16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    Put32(out, dataBytes);
    for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
    std::ofstream f(path, std::ios::binary);
    f.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!f) throw std::runtime_error("cannot write " + path.string());
}
