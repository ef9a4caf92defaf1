// The art against the body box and the swing's reach, with the debug
// outlines on: the creature's body stays inside the yellow box, and each
// swing's blade, where it leaves the body, stays inside the red-edged reach.
#include "e2e_support.hpp"

#include <unistd.h>

namespace {

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool Empty() const { return right < left; }
    bool Holds(int x, int y, int slack = 0) const
    {
        return x >= left - slack && x <= right + slack && y >= top - slack && y <= bottom + slack;
    }
    void Add(int x, int y)
    {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    }
};

bool Is(sf::Color c, sf::Color want, int slack = 0)
{
    return std::abs(c.r - want.r) <= slack && std::abs(c.g - want.g) <= slack && std::abs(c.b - want.b) <= slack;
}

// The reach is drawn see-through green over whatever lies under it.
sf::Color UnderReach(sf::Color c)
{
    const auto mix = [](int under, int over) { return static_cast<sf::Uint8>((under * 175 + over * 80) / 255); };
    return {mix(c.r, 0), mix(c.g, 255), mix(c.b, 0)};
}

bool Shows(sf::Color pixel, sf::Color art)
{
    return Is(pixel, art) || Is(pixel, UnderReach(art), 2);
}

const sf::Color kBody{226, 104, 80};
const std::array<sf::Color, 3> kBlade{sf::Color{252, 250, 240}, sf::Color{112, 112, 120}, sf::Color{166, 164, 158}};

Box Outline(const sf::Image& shot, sf::Color colour, const Box& within)
{
    Box found;
    for (int y = std::max(0, within.top); y <= std::min<int>(shot.getSize().y - 1, within.bottom); y++)
        for (int x = std::max(0, within.left); x <= std::min<int>(shot.getSize().x - 1, within.right); x++)
            if (shot.getPixel(x, y) == colour)
                found.Add(x, y);
    return found;
}

Box Screen(const sf::Image& shot)
{
    return {0, 0, static_cast<int>(shot.getSize().x) - 1, static_cast<int>(shot.getSize().y) - 1};
}

// Body pixels well inside a patch of body colour: the thin arms and small
// hands drop out, the round body stays.
bool BodyCore(const sf::Image& shot, int x, int y)
{
    constexpr int kHalf = 7;
    for (int dy = -kHalf; dy <= kHalf; dy += 2)
        for (int dx = -kHalf; dx <= kHalf; dx += 2)
            if (!Shows(shot.getPixel(x + dx, y + dy), kBody))
                return false;
    return true;
}

struct PlayerOverlay : ::testing::Test {
    static inline std::filesystem::path folder;
    static inline GameRun run;
    static void SetUpTestSuite()
    {
        if (!HaveDisplay())
            return;
        folder = SuiteFolder("PlayerOverlay");
        std::filesystem::create_directories(folder / "shots");
        ::setenv("TIDEWRACK_DEBUG_HITBOXES", "1", 1);
        run = RunGame({"--seed", "1", "--script", ScriptPath("player_overlay.script"), "--draw-every", "60"}, folder);
    }
    static void TearDownTestSuite() { RemoveSuiteFolderIfPassed(folder); }
    sf::Image Shot(const std::string& name) { return LoadScreenshot(folder / "shots" / ("overlay_" + name + ".png")); }
};

const std::vector<std::string> kSwings{"swing_right_0", "swing_right_1", "swing_right_2", "swing_right_3",
                                       "swing_left_0",  "swing_left_1",  "swing_left_2",  "swing_left_3"};

TEST_F(PlayerOverlay, TheBodyStaysInsideItsBoxInEveryPose)
{
    REQUIRE_DISPLAY();
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> poses{"idle", "run", "jump", "fall"};
    poses.insert(poses.end(), kSwings.begin(), kSwings.end());
    for (const std::string& pose : poses) {
        const sf::Image shot = Shot(pose);
        const Box box = Outline(shot, sf::Color::Yellow, Screen(shot));
        ASSERT_FALSE(box.Empty()) << pose << ": no body box drawn";
        EXPECT_NEAR(box.right - box.left + 1, 87, 1) << pose;
        long inside = 0, outside = 0;
        for (int y = std::max(8, box.top - 150); y < std::min(1072, box.bottom + 100); y++)
            for (int x = std::max(8, box.left - 250); x < std::min(1912, box.right + 250); x++)
                if (BodyCore(shot, x, y))
                    (box.Holds(x, y) ? inside : outside)++;
        EXPECT_GT(inside, 30) << pose << ": the body is missing";
        EXPECT_EQ(outside, 0) << pose << ": body pixels outside the box";
    }
}

TEST_F(PlayerOverlay, EachBladeStrikesInsideItsReach)
{
    REQUIRE_DISPLAY();
    ASSERT_EQ(run.status, 0) << run.err;
    for (const std::string& swing : kSwings) {
        const sf::Image shot = Shot(swing);
        const Box box = Outline(shot, sf::Color::Yellow, Screen(shot));
        ASSERT_FALSE(box.Empty()) << swing;
        const Box near{box.left - 260, box.top - 90, box.right + 260, box.bottom + 40};
        const Box reach = Outline(shot, sf::Color::Red, near);
        ASSERT_FALSE(reach.Empty()) << swing << ": no reach drawn";
        long inReach = 0, astray = 0;
        for (int y = std::max(0, near.top); y <= std::min(1079, near.bottom); y++)
            for (int x = std::max(0, near.left); x <= std::min(1919, near.right); x++) {
                const sf::Color c = shot.getPixel(x, y);
                if (box.Holds(x, y) || std::none_of(kBlade.begin(), kBlade.end(), [&](sf::Color b) { return Shows(c, b); }))
                    continue;
                (reach.Holds(x, y) ? inReach : astray)++;
            }
        EXPECT_GT(inReach, 60) << swing << ": no blade in the reach";
        EXPECT_LE(astray, 6) << swing << ": blade pixels outside the reach";
    }
}

}  // namespace
