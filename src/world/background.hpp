#pragma once
// The sky and five picture layers that follow the camera at their own
// rates, and the decor that lives in front of them.
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <array>
#include <memory>
#include <vector>

struct Game;

// The statue at a level's end: still until prayed at, then its first row of
// 30 frames (the player kneels through the first 28), then the 35 of its
// second row, resting on the last.
inline constexpr const char* kStatueSheet = "Assets/Sprites/Obstacle/SpritesheetStatue.png";
inline constexpr int kPrayerFrames = 30;
inline constexpr int kPrayerPoseFrames = 28;
inline constexpr int kReturnFrames = 35;

struct DecorAnimation {
    sf::Sprite sprite;
    int frameCount = 0;   // 0 = still
    int row = 0;
    float frameDuration = 0.f;
    float elapsed = 0.f;
    int loops = 0;
    sf::IntRect firstFrame{};
    sf::IntRect shownPart{};  // of each cell: what the sheet's cells show (the rest is never drawn)
    int speed = 0;        // pixels per second (moving decor)
    int direction = 0;    // 1 right, 0 left
    int plane = 0;        // 0 with the background, 1 moving, 2 in front of the level
};

// How a layer's picture is laid: repeated sideways every `period` pixels
// (0: once), and drawn as its pieces (the cache's) where it is sparse.
struct LayerPicture {
    const sf::VertexArray* pieces = nullptr;
    int period = 0;
};

// The sky, the sun and the far haze (layer 5) lag the camera alike, from
// the same place: over the haze's rows the three are painted once, together,
// into one opaque picture, which frames show unblended (one fill where
// there were three). Painted in the layers' own coordinates, so it stays
// right wherever the layers move; painted again only if the view leaves it.
struct FarPlane {
    sf::RenderTexture picture;
    sf::IntRect area;  // what it holds, in the layers' coordinates (their top-left at 0, 0)
    bool painted = false;
};

// What a frame shows before its decor (the clear, the far plane or the
// sky, sun and haze, then the four nearer layers): while the view stands
// still (the arena's one screen, a player at rest) it is the same picture
// every frame. Taken from the window the second frame alike, it is shown
// from then on, unblended, until the view or the layers move.
// The window's size (2), the view (5), its viewport (4) and each of the
// seven layers' place and width (3 each).
using BackdropShows = std::array<float, 2 + 5 + 4 + 7 * 3>;

struct KeptBackdrop {
    sf::Texture picture;
    BackdropShows shows{};      // the view, the window's size and the layers' places it was taken with
    BackdropShows lastFrame{};  // the same, of the frame before
    bool taken = false;
};

struct Background {
    sf::Sprite layer1, layer2, layer3, layer4, sky, sun, layer5;
    LayerPicture layer1Picture, layer2Picture, layer3Picture, layer4Picture, skyPicture, sunPicture, layer5Picture;
    std::shared_ptr<FarPlane> farPlane;  // made at the first draw; copies of the game share it
    std::shared_ptr<KeptBackdrop> kept;  // likewise
    std::vector<DecorAnimation> decorAnimations;
    int decorCount = 0;
};

struct Assets;

void InitBackground(Background& background, Assets& assets);
void AddDecorAnimation(Background& background, Assets& assets, sf::Vector2f position, int kind);
void ClearDecorAnimations(Background& background);
void UpdateParallax(Background& background, sf::Vector2f viewCentre, int levelLength);
void UpdateBackground(Game& game, float dt);
void DrawBackground(Game& game, sf::RenderTarget& window);
void DrawBackgroundFront(Game& game, sf::RenderTarget& window);
