// Pictures of the main menu and the pause menu.
#include "art.hpp"

void RegisterMenuArt(PainterRegistry& registry) {
    (void)registry;
}
