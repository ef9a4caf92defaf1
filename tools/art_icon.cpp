// The game's icon, for the window and the desktop's menus: the tide-pool
// creature on the wrecked coast at sunset, inside a driftwood-framed round
// badge. Drawn at 64 x 64 and shown four times larger, so its pixels read
// as the game's.
#include "art.hpp"

using paint::Canvas;
using paint::Point;
using paint::Rgba;
namespace pal = paint::pal;

namespace {

constexpr int kSize = 64;  // the drawing; the picture is the manifest's size
constexpr int kRadius = 29;
constexpr int kCentre = 32;

bool InBadge(int x, int y, int radius = kRadius)
{
    const int dx = 2 * x + 1 - 2 * kCentre, dy = 2 * y + 1 - 2 * kCentre;
    return dx * dx + dy * dy <= 4 * radius * radius;
}

// Sunset sky, sea with the sun's glitter, a wreck's broken mast, the beach.
void Scene(Canvas& c)
{
    const Rgba sky[] = {pal::Night1, pal::Night2, pal::Coral, pal::CoralLight, pal::Lantern1};
    c.GradientRect(0, 0, kSize, 34, sky);
    c.FillCircle(42, 30, 8, pal::Lantern1);
    c.FillCircle(42, 30, 6, pal::Bone);
    const Rgba sea[] = {pal::Sea1, pal::Sea0, pal::Deep1};
    c.GradientRect(0, 34, kSize, 14, sea);
    for (int y = 36; y < 47; y += 3)
        c.FillRect(38 + (y % 2), y, 8 - (y - 36) / 3, 1, pal::Lantern1);
    c.FillRect(12, 38, 18, 1, pal::Foam);
    // The wreck: a listing hull and a broken mast with a torn sail.
    const Point hull[] = {{4, 34}, {24, 31}, {22, 37}, {6, 38}};
    c.FillPolygon(hull, pal::Night0);
    c.Line(14, 33, 18, 12, pal::Night0, 2);
    const Point sail[] = {{17, 15}, {26, 18}, {22, 26}, {19, 23}};
    c.FillPolygon(sail, pal::Sea0);
    // The beach.
    c.FillRect(0, 48, kSize, 16, pal::Sand1);
    c.FillRect(0, 48, kSize, 2, pal::Sand2);
    c.FillEllipse(46, 54, 7, 2, pal::Sea1);
    c.FillRect(41, 53, 6, 1, pal::Foam);
}

// The creature: a soft round coral body, a pale belly, two eye stalks with
// lantern tips, big eyes, standing on the sand. Light from the top left.
void Creature(Canvas& c)
{
    Canvas body(kSize, kSize);
    body.FillEllipse(28, 44, 11, 12, pal::Coral);
    body.FillEllipse(26, 41, 7, 7, pal::CoralLight);
    body.FillEllipse(28, 44, 11, 12, pal::Coral);
    body.FillEllipse(25, 39, 5, 5, pal::CoralLight);
    body.FillEllipse(32, 49, 7, 6, pal::Rust1);
    body.FillEllipse(28, 48, 6, 5, pal::Sand2);
    body.FillEllipse(27, 47, 4, 3, pal::Bone);
    for (int side : {-1, 1}) {
        const int x = 28 + side * 4;
        body.Line(x, 33, x + side * 2, 27, pal::Coral);
        body.FillCircle(x + side * 2, 26, 1, pal::Lantern1);
        body.FillEllipse(28 + side * 4, 38, 3, 3, pal::White);
        body.FillRect(28 + side * 4 + 1, 38, 2, 2, pal::Ink);
    }
    body.FillRect(27, 42, 3, 1, pal::Rust0);  // a small mouth
    body.FillEllipse(21, 56, 3, 1, pal::Rust1);  // feet
    body.FillEllipse(34, 56, 3, 1, pal::Rust1);
    body.Outline(pal::Ink);
    c.FillEllipse(28, 57, 12, 2, pal::Sand0);  // its shadow on the sand
    c.Blit(body, 0, 0);
}

// The badge: everything outside the circle cleared, a driftwood ring with
// rope lashings, an ink edge.
void Badge(Canvas& c)
{
    for (int y = 0; y < kSize; y++)
        for (int x = 0; x < kSize; x++) {
            if (!InBadge(x, y, kRadius + 3))
                c.Set(x, y, pal::Clear);
            else if (!InBadge(x, y))
                c.Set(x, y, (x + y) % 5 == 0 ? pal::Wood1 : (y < kCentre ? pal::Wood3 : pal::Wood2));
        }
    for (const Point lash : {Point{kCentre, 3}, Point{kCentre, 60}, Point{3, kCentre}, Point{60, kCentre}})
        c.FillRect(lash.x - 2, lash.y - 2, 4, 4, pal::Sand1);
    c.Outline(pal::Ink);
}

}  // namespace

void RegisterIconArt(PainterRegistry& registry)
{
    registry.Add("Assets/Sprites/Icon.png", [](Canvas& picture, const AssetEntry& entry) {
        Canvas c(kSize, kSize);
        Scene(c);
        Creature(c);
        Badge(c);
        picture.BlitScaled(c, 0, 0, entry.width / kSize, false);
    });
}
