#include "ui/loading_screen.hpp"

#include "app/game.hpp"
#include "engine/assets.hpp"
#include "engine/camera.hpp"
#include "engine/layout_table.hpp"

#include <algorithm>

namespace {

constexpr const char* kRunnerSheet = "Assets/Sprites/Load/PlayerRunLoading.png";
constexpr const char* kTreasureSheet = "Assets/Sprites/Load/Tresor.png";
constexpr int kRunnerFrames = 16;
constexpr float kRunnerFrameTime = 0.05f;
constexpr int kTreasureFrames = 38;
constexpr float kTreasureFrameTime = 0.1f;
constexpr float kLoadbarHeight = 50.f;
constexpr int kLoadbarMaxStep = 20;  // pixels a frame, 1 to 20
// The bar's place is given for its centre origin: its top-left is (480, 810).
const sf::Vector2f kScreenCentre{kScreenHalfWidth, kScreenHalfHeight};
const sf::Vector2f kLoadbarPlace{1440.f, 1350.f};
constexpr float kRunnerLift = 100.f;     // above the bar's middle
constexpr float kTreasureAlong = 1225.f; // from the bar's left edge
constexpr float kTreasureDrop = 40.f;    // below the bar, less half the chest, less the lift

StripAnimation Strip(Assets& assets, const char* sheet, int frames, float frameTime)
{
    StripAnimation strip;
    strip.frameCount = frames;
    strip.frameTime = frameTime;
    strip.looping = 1;
    strip.frameRect = SheetCell(assets, sheet);
    return strip;
}

void StepLoop(StripAnimation& strip, float dt, sf::Sprite& sprite)
{
    strip.timer += dt;
    if (strip.timer > strip.frameTime * static_cast<float>(strip.frameCount))
        strip.timer = strip.frameTime * static_cast<float>(strip.loopStart);
    ShowStripFrame(strip, sprite);
}

void ShowFirstCell(sf::Sprite& sprite, const StripAnimation& strip)
{
    const sf::IntRect& cell = strip.frameRect;
    sprite.setTextureRect({0, cell.height * strip.row, cell.width, cell.height});
    sprite.setOrigin(static_cast<float>(cell.width) / 2.f, static_cast<float>(cell.height) / 2.f);
    sprite.setPosition(kScreenCentre);
}

// The bar grows until it is full; the runner stays on its end, the chest
// waits at its far end. Screen coordinates: drawing adds the view's corner.
void StepBar(LoadingScreen& screen)
{
    sf::Vector2f size = screen.loadbar.getSize();
    if (size.x >= kLoadbarFull)
        return;
    const int step = static_cast<int>(screen.barRandom() % kLoadbarMaxStep) + 1;
    size.x = std::min(size.x + static_cast<float>(step), kLoadbarFull);
    screen.loadbar.setSize(size);
    screen.loadbar.setPosition(kLoadbarPlace);
    const sf::FloatRect bar = screen.loadbar.getGlobalBounds();
    screen.runnerSprite.setPosition(bar.left + bar.width, bar.top + bar.height / 2.f - kRunnerLift);
    const float halfChest = static_cast<float>(screen.treasureAnim.frameRect.height) / 2.f;
    screen.treasureSprite.setPosition(bar.left + kTreasureAlong,
                                      bar.top + bar.height + kTreasureDrop - halfChest - kRunnerLift);
}

}  // namespace

void LoadLoadingScreen(LoadingScreen& screen, Assets& assets)
{
    screen.runnerTexture = &GetTexture(assets, kRunnerSheet);
    screen.treasureTexture = &GetTexture(assets, kTreasureSheet);
    screen.runnerAnim = Strip(assets, kRunnerSheet, kRunnerFrames, kRunnerFrameTime);
    screen.treasureAnim = Strip(assets, kTreasureSheet, kTreasureFrames, kTreasureFrameTime);
    screen.runnerSprite.setTexture(*screen.runnerTexture);
    screen.treasureSprite.setTexture(*screen.treasureTexture);
    screen.backdrop.setSize({static_cast<float>(kScreenWidth), static_cast<float>(kScreenHeight)});
    screen.backdrop.setFillColor(sf::Color::Black);
    screen.loadbar.setFillColor(sf::Color::White);
    for (sf::RectangleShape* shape : {&screen.backdrop, &screen.loadbar}) {
        shape->setOrigin(kScreenCentre);
        shape->setPosition(kScreenCentre);
    }
    screen.loadingActive = 0;
    screen.elapsed = 0.f;
}

void InitLoadingScreen(LoadingScreen& screen)
{
    screen.runnerAnim.timer = 0.f;
    screen.treasureAnim.timer = 0.f;
    ShowFirstCell(screen.runnerSprite, screen.runnerAnim);
    ShowFirstCell(screen.treasureSprite, screen.treasureAnim);
    screen.loadbar.setSize({0.f, kLoadbarHeight});
    screen.loadbar.setPosition(kScreenCentre);
    screen.elapsed = 0.f;
    screen.loadingActive = 1;
}

void UpdateLoadingScreen(Game& game, float dt)
{
    LoadingScreen& screen = game.loadingScreen;
    if (screen.loadingActive != 1)
        return;
    screen.elapsed += dt;
    StepBar(screen);
    StepLoop(screen.runnerAnim, dt, screen.runnerSprite);
    StepLoop(screen.treasureAnim, dt, screen.treasureSprite);
    if (game.assets)
        UploadDecodedPictures(*game.assets, kUploadBytesPerFrame);
    if (screen.elapsed >= kLoadingSeconds) {
        if (game.assets)
            FinishDecoding(*game.assets);  // a slow machine waits here, once, for the rest
        DestroyLoadingScreen(screen);
    }
}

// Everything is kept in screen coordinates and shifted to the view's
// corner only for the draw, so the screen stays put whatever the camera did.
void DrawLoadingScreen(LoadingScreen& screen, sf::RenderTarget& window)
{
    const sf::Vector2f corner = ViewTopLeft(window.getView());
    sf::RenderStates shifted;
    shifted.transform.translate(corner);
    window.draw(screen.backdrop, shifted);
    window.draw(screen.loadbar, shifted);
    window.draw(screen.treasureSprite, shifted);
    window.draw(screen.runnerSprite, shifted);
}

void DestroyLoadingScreen(LoadingScreen& screen)
{
    screen.loadingActive = 0;
    screen.elapsed = 0.f;
}
