#pragma once
// A game record fed by an input record the test presses keys on. The
// pictures come from the build folder's Assets/ and are read once a suite.
#include "app/game.hpp"
#include "engine/assets.hpp"
#include "engine/input.hpp"

#include <gtest/gtest.h>
#include <memory>

struct GameTest : ::testing::Test {
    static inline Assets* assets = nullptr;
    std::unique_ptr<Game> game = std::make_unique<Game>();
    Input input;

    static void SetUpTestSuite()
    {
        assets = new Assets;
        assets->strictManifest = true;  // a path the manifest does not list is a fault
        FindAssetRoot(*assets, "");
    }
    static void TearDownTestSuite()
    {
        delete assets;
        assets = nullptr;
    }
    void SetUp() override
    {
        game->assets = assets;
        game->input = &input;
    }
    void Hold(sf::Keyboard::Key key, bool down = true) { input.keys[key] = down; }
};
