// The spell table against the manifest, and the generated spell pictures
// against what the game does with them: every frame shows something and
// moves on from the last, loops join up, each effect fills the area it
// damages (centred on a bomb resting on the floor), the cross's blades are
// where their boxes fly, the burst ends with its imps where they spawn, and
// the six cards differ at a glance. Runs in the build folder, where the
// `assets` target has written Assets/.
#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/System/Vector3.hpp>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "combat/spell_table.hpp"
#include "engine/asset_manifest.hpp"

namespace {

constexpr int kFloorTop = 760;  // the level's floor: the feet of everyone standing

bool HaveSheets() { return std::filesystem::is_directory("Assets/Sprites/Bomb"); }

struct Strip {
    const SpellPicture* picture = nullptr;
    sf::Image image;
    int width = 0, height = 0, frames = 0;
};

Strip Load(const SpellPicture& picture)
{
    Strip s;
    s.picture = &picture;
    EXPECT_TRUE(s.image.loadFromFile(picture.sheet)) << picture.sheet;
    const SpellRect cell = SpellFrameRect(picture, 0);
    s.width = cell.width, s.height = cell.height, s.frames = SpellFrames(picture);
    return s;
}

std::vector<const SpellPicture*> AllPictures()
{
    std::vector<const SpellPicture*> all{&BombPicture(), &MesperImpPicture()};
    for (int kind = 0; kind < SPELL_XSWORD_BLADE; kind++)
        all.push_back(&SpellDetonation(kind));
    return all;
}

bool Opaque(const Strip& s, int f, int x, int y)
{
    return x >= 0 && y >= 0 && x < s.width && y < s.height && s.image.getPixel(f * s.width + x, y).a >= 128;
}

int OpaqueIn(const Strip& s, int f, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = std::max(0, y0); y < std::min(s.height, y1); y++)
        for (int x = std::max(0, x0); x < std::min(s.width, x1); x++)
            n += Opaque(s, f, x, y);
    return n;
}

// Pixels that change visibly between two frames.
int Differing(const Strip& s, int a, int b)
{
    int n = 0;
    for (int y = 0; y < s.height; y++)
        for (int x = 0; x < s.width; x++) {
            const sf::Color p = s.image.getPixel(a * s.width + x, y), q = s.image.getPixel(b * s.width + x, y);
            const int d = std::max({std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b), std::abs(p.a - q.a)});
            n += d > 24 && (p.a > 0 || q.a > 0);
        }
    return n;
}

// The floor's row in a frame centred on a bomb at rest.
int FloorRow(const Strip& s) { return static_cast<int>(std::lround(kFloorTop - (kBombRestCentreY - s.height / 2.f))); }

}  // namespace

TEST(SpellTable, PicturesAndRectanglesAgreeWithTheManifest)
{
    for (const SpellPicture* p : AllPictures()) {
        SCOPED_TRACE(p->sheet);
        const AssetEntry* entry = FindAsset(p->sheet);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->rows, 1);
        const int frames = SpellFrames(*p);
        EXPECT_GT(frames, 1);
        EXPECT_GE(p->loopStart, 0);
        EXPECT_LT(p->loopStart, frames);
        const SpellRect last = SpellFrameRect(*p, frames - 1);
        EXPECT_LE(last.left + last.width, entry->width);
        EXPECT_LE(last.top + last.height, entry->height);
    }
    // Each kind that hurts with its frame has a picture to take it from;
    // the blade has a box of its own and nothing to draw.
    for (int kind = 0; kind < kSpellEntryKinds; kind++) {
        const SpellPicture& p = SpellDetonation(kind);
        EXPECT_EQ(p.hitbox == SPELL_HITBOX_BLADE, kind == SPELL_XSWORD_BLADE) << kind;
        EXPECT_EQ(p.sheet == nullptr, kind == SPELL_XSWORD_BLADE) << kind;
    }
    EXPECT_EQ(SpellFrames(SpellDetonation(SPELL_XSWORD_BLADE)), 0);
    EXPECT_LE(kBombBoxSize, SpellFrameRect(BombPicture(), 0).width);

    const AssetEntry* cards = FindAsset(kCardSheet);
    ASSERT_NE(cards, nullptr);
    for (int kind = 0; kind < kSpellCardKinds; kind++) {
        const SpellRect r = CardRect(kind);
        EXPECT_EQ(r.left, kind * r.width);
        EXPECT_LE(r.left + r.width, cards->width);
        EXPECT_LE(r.top + r.height, cards->height);
        EXPECT_STRNE(SpellName(kind), "");
    }
    EXPECT_NE(FindAsset(kDeckIcon), nullptr);
    EXPECT_NE(FindAsset(kCardScoreboardIcon), nullptr);
}

TEST(SpellArt, EveryFrameShowsSomethingAndMovesOn)
{
    if (!HaveSheets())
        GTEST_SKIP() << "no Assets/ here";
    for (const SpellPicture* p : AllPictures()) {
        SCOPED_TRACE(p->sheet);
        const Strip s = Load(*p);
        for (int f = 0; f < s.frames; f++) {
            EXPECT_GE(OpaqueIn(s, f, 0, 0, s.width, s.height), 40) << "frame " << f << " is empty";
            if (f + 1 < s.frames) {
                EXPECT_GE(Differing(s, f, f + 1), 20) << "frame " << f + 1 << " repeats frame " << f;
            }
        }
    }
}

// Past its last frame a loop shows its loop start: that step is no bigger
// than the loop's own steps are on average, so the loop does not jump.
TEST(SpellArt, LoopsJoinUpSmoothly)
{
    if (!HaveSheets())
        GTEST_SKIP() << "no Assets/ here";
    for (const SpellPicture* p : AllPictures()) {
        if (!p->looping)
            continue;
        SCOPED_TRACE(p->sheet);
        const Strip s = Load(*p);
        int steps = 0, total = 0;
        for (int f = p->loopStart; f + 1 < s.frames; f++, steps++)
            total += Differing(s, f, f + 1);
        ASSERT_GT(steps, 0);
        EXPECT_LE(Differing(s, s.frames - 1, p->loopStart) * 5, total * 6 / steps);
    }
}

TEST(SpellArt, EffectsFillTheAreaTheyDamage)
{
    if (!HaveSheets())
        GTEST_SKIP() << "no Assets/ here";
    for (int kind = 0; kind < SPELL_XSWORD_BLADE; kind++) {
        const SpellPicture& p = SpellDetonation(kind);
        if (p.hitbox != SPELL_HITBOX_FRAME)
            continue;
        SCOPED_TRACE(p.sheet);
        const Strip s = Load(p);
        // From its first third on (once formed), what it shows spans the
        // frame's width.
        for (int f = std::max(p.loopStart, s.frames / 3); f < (p.looping ? s.frames : s.frames * 2 / 3); f++) {
            int left = s.width, right = -1;
            for (int x = 0; x < s.width; x++)
                if (OpaqueIn(s, f, x, 0, x + 1, s.height) > 0)
                    left = std::min(left, x), right = x;
            EXPECT_GE(right - left + 1, s.width * 4 / 5) << "frame " << f;
        }
    }
    // The tentacles stand on the floor and rise high; nothing shows below
    // the lip of their pit.
    const Strip tentacles = Load(SpellDetonation(SPELL_TENTACLES));
    const int floor = FloorRow(tentacles);
    for (int f = SpellDetonation(SPELL_TENTACLES).loopStart; f < tentacles.frames; f++) {
        EXPECT_EQ(OpaqueIn(tentacles, f, 0, floor + 12, tentacles.width, tentacles.height), 0) << "frame " << f;
        EXPECT_GT(OpaqueIn(tentacles, f, 0, 0, tentacles.width, floor / 4), 100) << "frame " << f;
        EXPECT_GT(OpaqueIn(tentacles, f, 0, floor - 4, tentacles.width, floor + 2), tentacles.width / 2);
    }
    // The bolt strikes the floor under the bomb; the storm hangs over the top.
    const Strip bolt = Load(SpellDetonation(SPELL_FOUDRE));
    const int boltFloor = FloorRow(bolt), cx = bolt.width / 2;
    for (int f = SpellDetonation(SPELL_FOUDRE).loopStart; f < bolt.frames; f++) {
        int lit = 0;
        for (int y = boltFloor - 8; y <= boltFloor; y++)
            for (int x = cx - 30; x <= cx + 30; x++) {
                const sf::Color c = bolt.image.getPixel(f * bolt.width + x, y);
                lit += c.a == 255 && c.r > 220 && c.g > 200;
            }
        EXPECT_GT(lit, 20) << "frame " << f;
        EXPECT_GT(OpaqueIn(bolt, f, 0, 0, bolt.width, bolt.height / 8), bolt.width * 4) << "frame " << f;
    }
}

TEST(SpellArt, TheBombRestsOnTheFloor)
{
    if (!HaveSheets())
        GTEST_SKIP() << "no Assets/ here";
    const Strip bomb = Load(BombPicture());
    const int last = bomb.frames - 1, floor = FloorRow(bomb);
    int lowest = -1, left = bomb.width, right = -1;
    for (int y = 0; y < bomb.height; y++)
        for (int x = 0; x < bomb.width; x++)
            if (Opaque(bomb, last, x, y))
                lowest = y, left = std::min(left, x), right = std::max(right, x);
    EXPECT_NEAR(lowest, floor, 1);
    EXPECT_NEAR((left + right) / 2.f, bomb.width / 2.f, 4.f);
}

// From the moment the flying blade boxes are wholly inside the cross's
// frame until they end, each box holds a painted blade.
TEST(SpellArt, CrossBladesAreWhereTheirBoxesFly)
{
    if (!HaveSheets())
        GTEST_SKIP() << "no Assets/ here";
    const Strip cross = Load(SpellDetonation(SPELL_XSWORD));
    const float half = kXSwordBladeSize / 2.f;
    int checked = 0;
    for (int f = 0; f < cross.frames; f++) {
        const float t = (f + 0.5f) * kSpellFrameTime;
        if (t < kXSwordBladeWait)
            continue;
        const float diagonal = std::sqrt(2.f) * kXSwordBladeReach - kXSwordBladeSpeed * (t - kXSwordBladeWait);
        if (diagonal < kXSwordBladeEndDistance)
            break;
        const float reach = diagonal / std::sqrt(2.f);
        if (cross.height / 2.f + reach + half > cross.height)
            continue;
        for (const SpellOffset& centre : kXSwordBladeCentres) {
            const float sx = centre.x / kXSwordBladeReach, sy = centre.y / kXSwordBladeReach;
            const int x = static_cast<int>(cross.width / 2.f + sx * reach - half);
            const int y = static_cast<int>(cross.height / 2.f + sy * reach - half);
            const int size = static_cast<int>(kXSwordBladeSize);
            EXPECT_GT(OpaqueIn(cross, f, x, y, x + size, y + size), 300) << "frame " << f;
        }
        checked++;
    }
    EXPECT_GE(checked, 5);
}

TEST(SpellArt, TheBurstEndsWithItsImpsWhereTheySpawn)
{
    if (!HaveSheets())
        GTEST_SKIP() << "no Assets/ here";
    const Strip burst = Load(SpellDetonation(SPELL_MESPER));
    const SpellRect imp = SpellFrameRect(MesperImpPicture(), 0);
    const int last = burst.frames - 1;
    const int total = OpaqueIn(burst, last, 0, 0, burst.width, burst.height);
    int inImps = 0;
    for (const SpellOffset& o : kMesperImpOffsets) {
        const int x = static_cast<int>(std::floor(burst.width / 2.f + o.x));
        const int y = static_cast<int>(std::floor(burst.height / 2.f + o.y));
        const int here = OpaqueIn(burst, last, x, y, x + imp.width, y + imp.height);
        EXPECT_GT(here, 400) << "no imp at (" << o.x << ", " << o.y << ")";
        inImps += here;
    }
    EXPECT_GE(inImps, total * 95 / 100) << "the last frame shows more than the imps";
}

TEST(CardArt, TheSixCardsDifferAtAGlance)
{
    if (!HaveSheets())
        GTEST_SKIP() << "no Assets/ here";
    sf::Image sheet;
    ASSERT_TRUE(sheet.loadFromFile(kCardSheet));
    // The mean colour of each card's picture (its middle), and the card
    // itself, opaque from edge to edge along its middle row.
    std::vector<sf::Vector3f> means;
    for (int kind = 0; kind < kSpellCardKinds; kind++) {
        const SpellRect r = CardRect(kind);
        sf::Vector3f sum;
        int n = 0;
        for (int y = r.height / 10; y < r.height * 6 / 10; y++)
            for (int x = r.width / 6; x < r.width * 5 / 6; x++, n++) {
                const sf::Color c = sheet.getPixel(r.left + x, r.top + y);
                sum += sf::Vector3f(c.r, c.g, c.b);
            }
        means.push_back(sum / static_cast<float>(n));
        for (int x = 0; x < r.width; x++)
            EXPECT_EQ(sheet.getPixel(r.left + x, r.top + r.height / 2).a, 255) << "card " << kind << " x " << x;
    }
    for (int a = 0; a < kSpellCardKinds; a++)
        for (int b = a + 1; b < kSpellCardKinds; b++) {
            const sf::Vector3f d = means[a] - means[b];
            EXPECT_GT(std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z), 40.f) << "cards " << a << " and " << b << " look alike";
        }
    for (const char* icon : {kDeckIcon, kCardScoreboardIcon}) {
        sf::Image image;
        ASSERT_TRUE(image.loadFromFile(icon)) << icon;
        EXPECT_EQ(image.getPixel(image.getSize().x / 2, image.getSize().y / 2).a, 255) << icon;
    }
}
