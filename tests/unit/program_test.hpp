#pragma once
// A whole program record, built as start-up builds it, without a window:
// the game, the menu and the pause over the build folder's Assets/ (a path
// the manifest does not list is a fault). False when there is no Assets/.
#include "app/main_data.hpp"

inline bool BuildProgram(MainData& main, float fixedDt = 0.f)
{
    if (!FindAssetRoot(main.assets, ""))
        return false;
    main.assets.strictManifest = true;
    main.open = true;
    main.fixedDt = fixedDt;
    InitGame(main);
    InitMenu(main);
    InitPauseMenu(main.pauseMenu, main.menu, main);
    return true;
}
