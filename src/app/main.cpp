#include "app/run.hpp"

#include <iostream>

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
    return RunGame(options, argc > 0 ? argv[0] : "tidewrack");
}
