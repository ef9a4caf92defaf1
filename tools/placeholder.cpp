// The placeholder every picture gets until its subsystem paints it.
#include <algorithm>
#include <cmath>
#include <string>

#include "art.hpp"

using paint::Canvas;
using paint::Rgba;
namespace pal = paint::pal;

namespace {

// A distinct, saturated tint per row (hues a golden angle apart).
Rgba RowTint(int row) {
    const float h = std::fmod(row * 137.508f + 20.0f, 360.0f) / 60.0f;
    const float x = 1.0f - std::fabs(std::fmod(h, 2.0f) - 1.0f);
    float r = 0, g = 0, b = 0;
    switch (static_cast<int>(h)) {
        case 0: r = 1; g = x; break;
        case 1: r = x; g = 1; break;
        case 2: g = 1; b = x; break;
        case 3: g = x; b = 1; break;
        case 4: r = x; b = 1; break;
        default: r = 1; b = x; break;
    }
    auto c = [](float v) { return static_cast<std::uint8_t>(60 + v * 170); };
    return {c(r), c(g), c(b)};
}

// The largest font scale at which text fits in the given box.
int FitScale(const std::string& text, int w, int h, int maxScale) {
    for (int s = maxScale; s > 1; --s)
        if (paint::TextWidth(text, s) + 2 * s <= w && paint::kGlyphHeight * s + 2 * s <= h) return s;
    return 1;
}

void PaintCell(Canvas& c, int x, int y, int w, int h, int row, int frame, int frames) {
    const Rgba tint = RowTint(row);
    c.FillRect(x, y, w, h, tint.WithAlpha(110));
    c.StrokeRect(x, y, w, h, tint, std::max(1, std::min(w, h) / 40));
    // A marker that walks along the bottom with the frame index, so a
    // playing animation visibly moves and its timing can be read.
    const int mw = std::max(2, w / std::max(1, frames));
    const int mh = std::max(2, h / 12);
    c.FillRect(x + std::min(w - mw, frame * w / std::max(1, frames)), y + h - mh, mw, mh, pal::White);
    const std::string label = std::to_string(frame);
    const int s = FitScale(label, w, h * 2 / 3, 12);
    const int ty = y + (h - mh - paint::kGlyphHeight * s) / 2;
    paint::DrawTextCentred(c, x + w / 2, ty, label, pal::White, s, true, pal::Ink);
    // The row number in the corner, small.
    const std::string rowLabel = "r" + std::to_string(row);
    const int rs = std::max(1, s / 3);
    if (paint::TextWidth(rowLabel, rs) + 4 <= w && paint::kGlyphHeight * rs + 4 < h - mh)
        paint::DrawText(c, x + 2 + rs, y + 2 + rs, rowLabel, pal::Ink, rs);
}

}  // namespace

void PaintPlaceholder(Canvas& canvas, const AssetEntry& entry) {
    if (entry.IsSheet()) {
        for (int row = 0; row < entry.rows; ++row)
            for (int f = 0; f < entry.FramesInRow(row); ++f)
                PaintCell(canvas, f * entry.cellWidth, row * entry.cellHeight, entry.cellWidth, entry.cellHeight, row,
                          f, entry.FramesInRow(row));
        return;
    }
    const int w = canvas.Width(), h = canvas.Height();
    const Rgba tint = RowTint(static_cast<int>(std::string_view(entry.path).size()));
    canvas.FillRect(0, 0, w, h, tint.WithAlpha(110));
    // A light grid every 120 pixels helps to line things up in screenshots.
    for (int x = 120; x < w; x += 120) canvas.FillRect(x, 0, 1, h, tint.WithAlpha(200));
    for (int y = 120; y < h; y += 120) canvas.FillRect(0, y, w, 1, tint.WithAlpha(200));
    canvas.StrokeRect(0, 0, w, h, tint, std::max(1, std::min(w, h) / 60));
    std::string name(entry.path);
    name = name.substr(name.find_last_of('/') + 1);
    const std::string label = name + "\n" + std::to_string(w) + "x" + std::to_string(h);
    const int s = FitScale(name, w - 4, h / 3, 8);
    paint::DrawTextCentred(canvas, w / 2, std::max(2, h / 2 - paint::kLineHeight * s), label, pal::White, s, true,
                           pal::Ink);
}
