// Pictures of the boss: the sheet of the two cooks, the attack pictures
// (art_boss_props.cpp) and the win screen (art_boss_win.cpp). The cooks are
// drawn by art_boss_cooks.cpp from the poses of art_boss_poses.cpp.
#include "art_boss_kit.hpp"

namespace boss_art {

// Each right-facing frame is drawn once and mirrored into its left row.
// Only the frames the rows play are drawn; the rest of the sheet stays clear.
void PaintBossSheet(Canvas& sheet, const AssetEntry& e)
{
    for (int row = 0; row < BOSS_ROW_COUNT; ++row) {
        const BossRowInfo& info = BossRowOf(row);
        if (info.facing != 1)
            continue;
        for (int f = 0; f < e.FramesInRow(row); ++f) {
            Canvas cell(e.cellWidth, e.cellHeight);
            DrawCooks(cell, PoseFor(row, f));
            sheet.Blit(cell, f * e.cellWidth, row * e.cellHeight, false);
            sheet.Blit(cell, f * e.cellWidth, info.mirrorRow * e.cellHeight, false, true);
        }
    }
}

}  // namespace boss_art

void RegisterBossArt(PainterRegistry& registry)
{
    registry.Add(kBossSheet, boss_art::PaintBossSheet);
    boss_art::RegisterBossPropArt(registry);
    registry.Add("Assets/Sprites/WinScreen.png", boss_art::PaintWinScreen);
}
