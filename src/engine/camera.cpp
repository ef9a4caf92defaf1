#include "engine/camera.hpp"

#include "engine/layout_table.hpp"

namespace {

constexpr float kHalfWidth = kScreenHalfWidth;
constexpr float kHalfHeight = kScreenHalfHeight;
constexpr float kTrailLimitX = 64.f;
constexpr float kTrailLimitY = 36.f;
constexpr float kTrailGain = 0.5f;
constexpr float kTrailDecay = 0.05f;  // per frame while the player stands still
constexpr int kMapTopLimit = -10000;   // a level shows the sky this far up

// The view lags behind the motion; standing still lets it catch up.
void Trail(float& lag, float delta, int follow, float limit)
{
    if (follow == 1)
        lag += delta * kTrailGain;
    if (lag > limit)
        lag = limit;
    if (lag < -limit)
        lag = -limit;
    if (delta == 0.f) {
        lag -= lag * kTrailDecay;
        if (static_cast<int>(lag) == 0)
            lag = 0.f;
    }
}

// The window shows the view from now on; the caller re-anchors the
// screen-fixed pieces once the camera's step is over.
void ApplyView(Camera& camera, sf::RenderTarget& window, bool& applied)
{
    window.setView(camera.view);
    applied = true;
}

void SetCentreX(Camera& camera, float x)
{
    camera.view.setCenter(x, camera.view.getCenter().y);
}

void SetCentreY(Camera& camera, float y)
{
    camera.view.setCenter(camera.view.getCenter().x, y);
}

// Left then right: on a map narrower than the screen both hold and the
// right edge, applied last, wins.
void ClampX(Camera& camera, sf::Vector2f target, sf::RenderTarget& window, bool& applied)
{
    if (target.x < kHalfWidth && camera.view.getCenter().x < kHalfWidth) {
        SetCentreX(camera, kHalfWidth);
        ApplyView(camera, window, applied);
        camera.lagX = 0.f;
        camera.followX = 0;
    }
    const float rightLimit = static_cast<float>(camera.maxX) - kHalfWidth;
    if (target.x >= rightLimit && camera.view.getCenter().x >= rightLimit) {
        SetCentreX(camera, rightLimit);
        ApplyView(camera, window, applied);
        camera.lagX = 0.f;
        camera.followX = 0;
    }
}

// Nothing below the world's bottom and nothing above the map's top.
void ClampY(Camera& camera, sf::Vector2f target, sf::RenderTarget& window, bool& applied)
{
    if (target.y >= kHalfHeight && camera.view.getCenter().y >= kHalfHeight) {
        SetCentreY(camera, kHalfHeight);
        ApplyView(camera, window, applied);
        camera.lagY = 0.f;
        camera.followY = 0;
    }
    const float topLimit = static_cast<float>(camera.minY) + kHalfHeight;
    if (target.y < topLimit && camera.view.getCenter().y < topLimit) {
        SetCentreY(camera, topLimit);
        ApplyView(camera, window, applied);
        camera.lagY = 0.f;
        camera.followY = 0;
    }
}

}  // namespace

sf::Vector2f ViewTopLeft(const sf::View& view)
{
    return view.getCenter() - sf::Vector2f{kHalfWidth, kHalfHeight};
}

void InitCamera(Camera& camera, int maxX)
{
    camera.view.setSize(2.f * kHalfWidth, 2.f * kHalfHeight);
    camera.maxX = maxX;
    camera.minY = kMapTopLimit;
    ResetCamera(camera);
}

void ResetCamera(Camera& camera)
{
    camera.view.setCenter(kHalfWidth, kHalfHeight);
}

void SetCameraBounds(Camera& camera, int maxX, int minY)
{
    camera.maxX = maxX;
    camera.minY = minY;
}

bool UpdateCamera(Camera& camera, float /*dt*/, sf::Vector2f shown, const sf::FloatRect& body,
                  sf::RenderTarget& window)
{
    bool applied = false;
    const sf::Vector2f delta = shown - camera.lastTarget;
    Trail(camera.lagX, delta.x, camera.followX, kTrailLimitX);
    Trail(camera.lagY, delta.y, camera.followY, kTrailLimitY);

    const sf::Vector2f target{body.left + body.width / 2.f, body.top + body.height / 2.f};
    if (target.x >= kHalfWidth)
        camera.followX = 1;
    if (target.y <= kHalfHeight)
        camera.followY = 1;
    if (camera.followX == 1) {
        SetCentreX(camera, target.x);
        camera.view.move(-camera.lagX, 0.f);
        ApplyView(camera, window, applied);
    }
    if (camera.followY == 1) {
        SetCentreY(camera, target.y);
        camera.view.move(0.f, -camera.lagY);
        ApplyView(camera, window, applied);
    }
    ClampX(camera, target, window, applied);
    ClampY(camera, target, window, applied);
    camera.lastTarget = shown;
    return applied;
}
