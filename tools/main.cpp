// tidewrack_assetgen OUTPUT_DIR [--stamp STAMP_FILE] [--only TEXT]...
//
// Writes every file of the asset manifest under OUTPUT_DIR (the folder the
// game sees as "Assets/"): pictures from their painters (or placeholders),
// synthesised sounds and musics, and the fonts copied from the system with
// their licence texts. Work is spread over the machine's cores, biggest
// pictures first. Same program, same bytes.
//
// With --stamp, a successful run also writes STAMP_FILE and STAMP_FILE.d, a
// make-style depfile naming the system files copied (the fonts and their
// licences), so the build re-runs the generator when one of them changes.
// With --only, just the files whose path contains one of the TEXTs are
// written (quick checks, and the determinism test).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "art.hpp"
#include "files.hpp"
#include "sound.hpp"

namespace fs = std::filesystem;

namespace {

// Manifest paths start with "Assets/"; the output folder stands for it.
fs::path OutputPath(const fs::path& root, const AssetEntry& entry) {
    std::string_view p = entry.path;
    constexpr std::string_view prefix = "Assets/";
    if (p.substr(0, prefix.size()) == prefix) p.remove_prefix(prefix.size());
    return root / fs::path(std::string(p));
}

void CopyFile(const fs::path& from, const fs::path& to) {
    if (!fs::exists(from))
        throw std::runtime_error("missing " + from.string() +
                                 " (install the Debian packages listed in setup/debian-packages.txt)");
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

// Writes the depfile then the stamp (the stamp last: it marks success).
void WriteStamp(const fs::path& stamp) {
    auto escape = [](std::string s) {
        std::string out;
        for (char c : s) {
            if (c == ' ' || c == '#') out += '\\';
            if (c == '$') out += '$';
            out += c;
        }
        return out;
    };
    std::string deps = escape(fs::absolute(stamp).string()) + ":";
    for (const AssetEntry& e : AllAssets())
        if (e.kind == AssetKind::Font) deps += " \\\n  " + escape(e.source) + " \\\n  " + escape(e.licence);
    deps += "\n";
    auto write = [](const fs::path& p, const std::string& text) {
        std::FILE* f = std::fopen(p.c_str(), "wb");
        if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0)
            throw std::runtime_error("cannot write " + p.string());
    };
    write(fs::path(stamp.string() + ".d"), deps);
    write(stamp, "Assets generated\n");
}

struct TrimRect {
    int x = 0, y = 0, w = 1, h = 1;
};

// The smallest rectangle holding every pixel that is not fully transparent
// (one transparent pixel for an empty canvas). A tiled picture keeps its
// whole width: that is the period it repeats with.
TrimRect VisibleRect(const paint::Canvas& canvas, bool fullWidth) {
    const int w = canvas.Width(), h = canvas.Height();
    int left = w, right = -1, top = h, bottom = -1;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (canvas.Pixels()[static_cast<std::size_t>(y) * w + x].a != 0) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = y;
            }
    if (bottom < 0) return {};
    if (fullWidth) left = 0, right = w - 1;
    return {left, top, right - left + 1, bottom - top + 1};
}

void Generate(const fs::path& root, const AssetEntry& entry, const PainterRegistry& registry) {
    const fs::path out = OutputPath(root, entry);
    fs::create_directories(out.parent_path());
    switch (entry.kind) {
        case AssetKind::Picture: {
            paint::Canvas canvas(entry.width, entry.height);
            if (const Painter* painter = registry.Find(entry.path)) (*painter)(canvas, entry);
            else PaintPlaceholder(canvas, entry);
            if (canvas.Width() != entry.width || canvas.Height() != entry.height)
                throw std::runtime_error(std::string("the painter of ") + entry.path + " resized its canvas");
            if (entry.trimmed) {
                const TrimRect keep = VisibleRect(canvas, entry.tiled);
                const PngOffset offset{keep.x, keep.y};
                WritePng(out, canvas.Crop(keep.x, keep.y, keep.w, keep.h), &offset);
            } else {
                WritePng(out, canvas);
            }
            break;
        }
        case AssetKind::Sound:
        case AssetKind::Music:
            WriteWav(out, SynthesiseAudio(entry), kSampleRate);
            break;
        case AssetKind::Font: {
            CopyFile(entry.source, out);
            fs::path licence = out;
            licence.replace_extension(".LICENSE.txt");
            CopyFile(entry.licence, licence);
            break;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    fs::path root, stamp;
    std::vector<std::string> only;
    bool usage = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if ((arg == "--stamp" || arg == "--only") && i + 1 < argc) {
            if (arg == "--stamp") stamp = argv[++i];
            else only.emplace_back(argv[++i]);
        } else if (!arg.starts_with("--") && root.empty()) {
            root = arg;
        } else {
            usage = true;
        }
    }
    if (usage || root.empty()) {
        std::fprintf(stderr,
                     "usage: %s OUTPUT_DIR [--stamp STAMP_FILE] [--only TEXT]...\n"
                     "  writes the game's Assets/ tree into OUTPUT_DIR\n",
                     argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();

    PainterRegistry registry;
    try {
        RegisterAllArt(registry);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tidewrack_assetgen: %s\n", e.what());
        return 1;
    }

    // Biggest jobs first, so the workers finish close together.
    std::vector<const AssetEntry*> jobs;
    for (const AssetEntry& e : AllAssets()) {
        const bool wanted = only.empty() || std::any_of(only.begin(), only.end(), [&](const std::string& t) {
                                return std::string_view(e.path).find(t) != std::string_view::npos;
                            });
        if (wanted) jobs.push_back(&e);
    }
    if (jobs.empty()) {
        std::fprintf(stderr, "tidewrack_assetgen: no manifest file matches the --only filter\n");
        return 2;
    }
    auto cost = [](const AssetEntry* e) {
        return e->kind == AssetKind::Picture ? static_cast<long long>(e->width) * e->height : 4'000'000LL;
    };
    std::stable_sort(jobs.begin(), jobs.end(), [&](auto* a, auto* b) { return cost(a) > cost(b); });

    std::atomic<std::size_t> next{0};
    std::mutex errorsMutex;
    std::vector<std::string> errors;
    auto worker = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            try {
                Generate(root, *jobs[i], registry);
            } catch (const std::exception& e) {
                std::lock_guard lock(errorsMutex);
                errors.push_back(std::string(jobs[i]->path) + ": " + e.what());
            }
        }
    };
    const unsigned cores = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < cores; ++t) threads.emplace_back(worker);
    for (std::thread& t : threads) t.join();

    if (!errors.empty()) {
        std::sort(errors.begin(), errors.end());
        for (const std::string& e : errors) std::fprintf(stderr, "tidewrack_assetgen: %s\n", e.c_str());
        std::fprintf(stderr, "tidewrack_assetgen: %zu of %zu files failed\n", errors.size(), jobs.size());
        return 1;
    }
    if (!stamp.empty()) {
        try {
            WriteStamp(stamp);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "tidewrack_assetgen: %s\n", e.what());
            return 1;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("tidewrack_assetgen: wrote %zu files (%zu painted, the rest placeholders or audio) to %s in %.1f s\n",
                jobs.size(), registry.Size(), root.string().c_str(), seconds);
    return 0;
}
