#include "ui/loading_screen.hpp"

void DrawLoadingScreen(LoadingScreen&, sf::RenderTarget&) {}
