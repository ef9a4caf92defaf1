#include "app/run.hpp"

#include <filesystem>
#include <iostream>
#include <malloc.h>

namespace {

// The program's own file, even when it was started through PATH or a link
// (argv[0] then names no real place).
std::filesystem::path ProgramFile(int argc, char** argv)
{
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self;
    return argc > 0 ? argv[0] : "tidewrack";
}

}  // namespace

// Pictures' pixels (decoded, or on the software renderer's textures) are
// buffers of megabytes. Each gets its own mapping, so a place's pictures
// let go of go back to the system at once: left to itself the allocator
// keeps freed ones for smaller requests, and resident memory only grows.
constexpr int kOwnMappingBytes = 1 << 20;

int main(int argc, char** argv)
{
    mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
    RunOptions options;
    std::string error;
    if (!ParseRunOptions(argc, argv, options, error)) {
        std::cerr << "tidewrack: " << error << "\n" << RunOptionsHelp();
        return 2;
    }
    if (options.help) {
        std::cout << RunOptionsHelp();
        return 0;
    }
    return RunGame(options, ProgramFile(argc, argv));
}
