// The tables every part of the game shares, held to what else shows them.
#include "engine/asset_manifest.hpp"
#include "engine/input.hpp"
#include "engine/key_table.hpp"
#include "player/player_table.hpp"

#include <gtest/gtest.h>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string CapOf(const ControlsRow& row)
{
    std::string cap;
    for (int action : row.actions) {
        if (action < 0)
            break;
        cap += (cap.empty() ? "" : " / ") + std::string(BindingOf(action).label);
    }
    return cap;
}

// The README's table of controls, row by row ("| Q / D | walk left / right |").
std::vector<std::string> ReadmeControls()
{
    std::ifstream in(std::string(TIDEWRACK_SOURCE_DIR) + "/README.md");
    std::vector<std::string> rows;
    bool inSection = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("## ", 0) == 0)
            inSection = line == "## Controls";
        else if (inSection && line.rfind("| ", 0) == 0 && line != "| key / button | action |")
            rows.push_back(line);
    }
    return rows;
}

TEST(KeyTable, EveryActionIsBoundOnceToARealKeyOrButton)
{
    std::set<std::string> names;
    for (int action = 0; action < ACTION_COUNT; ++action) {
        const KeyBinding& binding = BindingOf(action);
        EXPECT_EQ(binding.action, action) << "in action order";
        EXPECT_TRUE(names.insert(binding.name).second) << binding.name << " bound twice";
        if (binding.device == DEVICE_MOUSE)
            EXPECT_TRUE(ButtonFromName(binding.name)) << binding.name;
        else
            EXPECT_NE(ActionKey(action), sf::Keyboard::Unknown) << binding.name;
    }
    EXPECT_TRUE(IsActionKey(ACTION_WALK_LEFT, sf::Keyboard::Q));
    EXPECT_TRUE(IsActionKey(ACTION_PAUSE, sf::Keyboard::Escape));
    EXPECT_TRUE(IsActionButton(ACTION_DETONATE, sf::Mouse::Right));
    EXPECT_FALSE(IsActionKey(ACTION_SWING, sf::Keyboard::Unknown)) << "a mouse action has no key";

    Input input;
    input.keys[sf::Keyboard::D] = true;
    input.buttons[sf::Mouse::Middle] = true;
    EXPECT_TRUE(IsActionDown(input, ACTION_WALK_RIGHT));
    EXPECT_TRUE(IsActionDown(input, ACTION_BACK_TO_MENU));
    EXPECT_FALSE(IsActionDown(input, ACTION_WALK_LEFT));
    EXPECT_FALSE(IsActionDown(input, -1));
}

TEST(KeyTable, TheControlsPanelShowsEveryActionAndTheReadmeShowsThePanel)
{
    std::multiset<int> shown;
    std::vector<std::string> expected;
    for (const ControlsRow& row : ControlsRows()) {
        for (int action : row.actions)
            if (action >= 0)
                shown.insert(action);
        expected.push_back("| " + CapOf(row) + " | " + row.does + " |");
    }
    for (int action = 0; action < ACTION_COUNT; ++action)
        EXPECT_EQ(shown.count(action), 1u) << "action " << action << " once on the panel";
    EXPECT_EQ(ReadmeControls(), expected);
}

// The generator draws each swing's blade inside the reach the game hurts with.
TEST(PlayerTable, SwingReachesStandOutFromTheBodyOnTheirSide)
{
    const AssetEntry& body = *FindAsset(kHitboxPicture);
    const float w = static_cast<float>(body.width), h = static_cast<float>(body.height);
    for (int step = 0; step < kComboSteps; ++step) {
        const BodyRect right = SwingReach(step, true, w, h);
        const BodyRect left = SwingReach(step, false, w, h);
        EXPECT_GT(right.left + right.width, w / 2.f) << "step " << step << " reaches right";
        EXPECT_LT(left.left, w / 2.f) << "step " << step << " reaches left";
        EXPECT_GT(right.width, 0.f);
        EXPECT_GT(right.height, 0.f);
    }
    // The first thrust: 200 px long, 40 thick, from 47 px in from the body's left.
    const BodyRect thrust = SwingReach(0, true, w, h);
    EXPECT_FLOAT_EQ(thrust.left, w - 40.f);
    EXPECT_FLOAT_EQ(thrust.top, h / 2.f + 40.f - 75.f);
    EXPECT_FLOAT_EQ(thrust.width, 200.f);
    EXPECT_FLOAT_EQ(thrust.height, 40.f);
}

}  // namespace
