// The swings' reaches.
#include "player/player_table.hpp"

namespace {

// Per combo step: how far in from the body's leading edge the reach starts,
// its height above the body's middle, its length and twice its thickness.
// Facing left the shapes are not mirror images of the right ones.
struct Reach {
    float left, top, width, height;
};
constexpr Reach kReachRight[kComboSteps] = {{0, 40, 200, 80}, {150, 40, 220, 125}, {0, 0, 80, 300}, {50, -40, 120, 350}};
constexpr Reach kReachLeft[kComboSteps] = {{0, 40, 200, 80}, {-150, 40, 220, 125}, {0, 0, 80, 300}, {30, -40, 120, 350}};

// The shape's origin, whatever its size: facing left its width is negative,
// so it reaches out to the left of that point.
constexpr float kOriginX = 40.f;
constexpr float kOriginY = 75.f;

}  // namespace

BodyRect SwingReach(int step, bool right, float bodyWidth, float bodyHeight)
{
    const Reach& r = right ? kReachRight[step] : kReachLeft[step];
    const float top = bodyHeight / 2.f + r.top - kOriginY;
    if (right)
        return {bodyWidth - r.left - kOriginX, top, r.width, r.height / 2.f};
    return {bodyWidth / 2.f - r.left - kOriginX - r.width, top, r.width, r.height / 2.f};
}
