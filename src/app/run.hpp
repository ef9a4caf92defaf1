#pragma once
#include "app/run_options.hpp"

#include <filesystem>

// The whole program: find the assets, build everything, run frames until
// the window closes, release. Returns the exit status.
int RunGame(const RunOptions& options, const std::filesystem::path& executable);
