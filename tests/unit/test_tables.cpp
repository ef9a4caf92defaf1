// The tables every part of the game shares, held to what else shows them.
#include "engine/asset_manifest.hpp"
#include "engine/input.hpp"
#include "engine/key_table.hpp"
#include "player/player_table.hpp"

#include <gtest/gtest.h>
#include <functional>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// One column of a row of the controls table: each action's cap, joined
// as the panel joins them ("Q / D"); empty when no action has one.
std::string Column(const ControlsRow& row, const std::function<const char*(const KeyBinding&)>& capOf)
{
    std::string cap;
    for (int action : row.actions) {
        if (action < 0)
            break;
        const char* one = capOf(BindingOf(action));
        if (one && *one)
            cap += (cap.empty() ? "" : " / ") + std::string(one);
    }
    return cap;
}

std::string CapOf(const ControlsRow& row)
{
    return Column(row, [](const KeyBinding& binding) { return binding.label; });
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
        else if (inSection && line.rfind("| ", 0) == 0 && line.rfind("| key ", 0) != 0)
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
    // The arrows and the gamepad's controls: each does one thing.
    std::set<int> controls;
    for (const KeyBinding& binding : KeyBindings()) {
        if (binding.alternate) {
            EXPECT_TRUE(names.insert(binding.alternate).second) << binding.alternate << " bound twice";
            EXPECT_NE(AlternateKey(binding.action), sf::Keyboard::Unknown) << binding.alternate;
            EXPECT_TRUE(binding.alternateLabel) << binding.alternate;
        }
        if (binding.pad != PAD_NONE) {
            EXPECT_TRUE(controls.insert(binding.pad).second) << PadLabel(binding.pad) << " bound twice";
        }
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
        std::string qwerty = Column(row, [](const KeyBinding& b) { return QwertyLabel(b.name, b.label); });
        if (qwerty == CapOf(row))
            qwerty.clear();  // the same everywhere
        const std::string arrows = Column(row, [](const KeyBinding& b) { return b.alternateLabel; });
        const std::string pad = Column(row, [](const KeyBinding& b) { return PadLabel(b.pad); });
        expected.push_back("| " + CapOf(row) + " | " + qwerty + " | " + arrows + " | " + pad + " | " + row.does + " |");
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
