// Pictures of the hub: the map and its layers (art_hub_map.cpp), the decor
// and props standing in it (art_hub_props.cpp) and the panels opened in it
// (art_hub_panels.cpp). The kit they share is art_hub_kit.hpp; every place
// they paint comes from the hub table.
#include "art_hub_kit.hpp"

void RegisterHubArt(PainterRegistry& registry) {
    hub_art::RegisterHubMapArt(registry);
    hub_art::RegisterHubPropArt(registry);
    hub_art::RegisterHubPanelArt(registry);
}
