#pragma once
#include <SFML/Graphics/RenderTarget.hpp>

// A three-second loading screen drawn over the game while `loadingActive` is 1.
struct LoadingScreen {
    int loadingActive = 0;
    float elapsed = 0.f;
};

void DrawLoadingScreen(LoadingScreen& loadingScreen, sf::RenderTarget& window);
