// Pictures of the combat subsystem. Add a painter per picture here:
//   registry.Add("Assets/Sprites/...", [](paint::Canvas& c, const AssetEntry& e) { ... });
// Pictures without a painter keep the numbered placeholder.
#include "art.hpp"

void RegisterCombatArt(PainterRegistry& registry) {
    (void)registry;
}
