#include "art_hub_kit.hpp"
namespace hub_art {
void SpellIcon(Canvas&, int, int, int) {}
void RegisterHubPanelArt(PainterRegistry&) {}
}
