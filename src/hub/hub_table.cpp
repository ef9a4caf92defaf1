// The hub's layout: what is not a constant of the header.
#include "hub/hub_table.hpp"

#include "engine/asset_manifest.hpp"

HubPoint HubDecorFrameSize(const HubDecorInfo& decor)
{
    const AssetEntry* entry = FindAsset(decor.sheet);
    if (!entry)
        return {};
    return {static_cast<float>(entry->cellWidth), static_cast<float>(entry->cellHeight)};
}
