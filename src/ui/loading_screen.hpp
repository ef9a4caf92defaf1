#pragma once
// A three-second loading screen drawn over the game: a black backdrop, a
// white bar filling from the left, the creature running on its growing end
// and a treasure chest waiting at its far end. Behind it the pictures the
// next place needs are decoded; the place is built when it ends.
#include "engine/strip_animation.hpp"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <random>

struct Assets;
struct Game;

// What is built when the screen ends.
enum LoadingNext {
    LOADING_NOTHING = 0,
    LOADING_RUN,    // leaving the hub: the run's first level
    LOADING_ARENA,  // the fourth level's door: the boss arena
    LOADING_HUB,    // the first arrival in the hub: its pictures and the skins
};

struct LoadingScreen {
    sf::Sprite runnerSprite;
    const sf::Texture* runnerTexture = nullptr;
    StripAnimation runnerAnim;
    sf::Sprite treasureSprite;
    const sf::Texture* treasureTexture = nullptr;
    StripAnimation treasureAnim;
    sf::RectangleShape backdrop;
    sf::RectangleShape loadbar;
    int loadingActive = 0;  // 1 while the screen is up
    float elapsed = 0.f;    // seconds since it started
    int next = LOADING_NOTHING;
    // The bar's jitter has a stream of its own: how long a screen showed
    // never changes the levels the game's stream builds after it.
    std::minstd_rand barRandom;
};

inline constexpr float kLoadingSeconds = 3.f;
inline constexpr float kLoadbarFull = 1000.f;
// Pixels of decoded pictures handed to the cache a frame: about 15 ms of a
// software renderer's upload.
inline constexpr std::size_t kUploadBytesPerFrame = 16u << 20;

// Reads its pictures (at start-up) and shapes its pieces; nothing shows yet.
void LoadLoadingScreen(LoadingScreen& loadingScreen, Assets& assets);
// Starts the screen: the bar empty, the clock at 0, `loadingActive` 1.
void InitLoadingScreen(LoadingScreen& loadingScreen);
// Bar, runner and chest; hands decoded pictures to the cache; after three
// seconds waits for whatever is still decoding and ends the screen.
void UpdateLoadingScreen(Game& game, float dt);
// Drawn in screen space: from the top-left of the view the window draws with.
void DrawLoadingScreen(LoadingScreen& loadingScreen, sf::RenderTarget& window);
void DestroyLoadingScreen(LoadingScreen& loadingScreen);
