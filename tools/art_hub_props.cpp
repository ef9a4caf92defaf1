#include "art_hub_kit.hpp"
namespace hub_art {
void RegisterHubPropArt(PainterRegistry&) {}
}
