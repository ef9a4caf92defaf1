#include "app/run.hpp"

#include <filesystem>
#include <iostream>

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

int main(int argc, char** argv)
{
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
