// Pictures of the world subsystem. Add a painter per picture here:
//   registry.Add("Assets/Sprites/...", [](paint::Canvas& c, const AssetEntry& e) { ... });
// Pictures without a painter keep the numbered placeholder.
#include "art.hpp"

void RegisterWorldArt(PainterRegistry& registry) {
    (void)registry;
}
