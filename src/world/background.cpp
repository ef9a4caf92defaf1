#include "world/background.hpp"

#include "app/game.hpp"
#include "engine/asset_manifest.hpp"
#include "engine/assets.hpp"
#include "engine/collision.hpp"
#include "engine/draw_in_view.hpp"
#include "engine/input.hpp"
#include "engine/layout_table.hpp"
#include "engine/window_picture.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cmath>
#include <cstdlib>

namespace {

constexpr float kViewHalfWidth = kScreenHalfWidth;
const sf::Color kClearColour{49, 131, 194, 255};

constexpr const char* kSkyPicture = "Assets/Sprites/Maps/Background/Background.png";
constexpr const char* kSunPicture = "Assets/Sprites/Maps/Background/Sun.png";
constexpr const char* kLayerPictures[] = {
    "Assets/Sprites/Maps/Layer1.png", "Assets/Sprites/Maps/Layer2.png", "Assets/Sprites/Maps/Layer3.png",
    "Assets/Sprites/Maps/Layer4.png", "Assets/Sprites/Maps/Layer5.png",
};

enum DecorKind { DECOR_BOIL = 2, DECOR_BOAT = 3, DECOR_PARROT = 4, DECOR_STATUE = 5 };
enum DecorPlane { PLANE_BACK = 0, PLANE_MOVING = 1, PLANE_FRONT = 2 };

// A decor's sheet is cut with the asset manifest's cells; it plays the
// frames of its first row, or stands still until something starts it.
struct DecorKindData {
    int kind;
    const char* pictures[3];  // parrots come in three colours
    bool still;
    float frameDuration;
    int loops;
    float scale;
    int plane;
    int speed;
    int mirrorWhenDirection;  // the direction whose picture is mirrored; -1 never
};

const DecorKindData kDecorKinds[] = {
    {DECOR_BOIL, {"Assets/Sprites/Maps/FirstPlan/SpritesheetBouf.png"}, false, 0.125f, 1, 3.f, PLANE_BACK, 0, -1},
    {DECOR_BOAT, {"Assets/Sprites/Maps/SecondPlan/Boat.png"}, false, 0.141f, 1, 3.f, PLANE_MOVING, 50, 1},
    {DECOR_PARROT,
     {"Assets/Sprites/Maps/SecondPlan/BlueParrot.png", "Assets/Sprites/Maps/SecondPlan/GreenParrot.png",
      "Assets/Sprites/Maps/SecondPlan/YellowParrot.png"},
     false, 0.075f, 1, 1.f, PLANE_MOVING, 500, 0},
    {DECOR_STATUE, {kStatueSheet}, true, 0.06f, 0, 3.f, PLANE_FRONT, 0, -1},
};


const DecorKindData* FindDecorKind(int kind)
{
    for (const DecorKindData& data : kDecorKinds)
        if (data.kind == kind)
            return &data;
    return nullptr;
}

// Only the rows of a layer that hold something are drawn (its sky-high
// transparent top costs a full fill otherwise); the origin keeps the
// sprite's position on the whole picture's top-left. A tiled layer repeats
// every picture's width.
LayerPicture SetLayer(sf::Sprite& sprite, Assets& assets, const char* path, bool tiled)
{
    ShowVisibleArea(sprite, assets, path);
    LayerPicture picture{PicturePieces(assets, path), 0};
    if (tiled) {
        const AssetEntry* entry = FindAsset(path);
        picture.period = entry ? entry->width : static_cast<int>(sprite.getTexture()->getSize().x);
        assets.textures.at(path)->setRepeated(true);
        const sf::IntRect rows = VisibleTextureArea(assets, path);
        sprite.setTextureRect({0, rows.top, picture.period, rows.height});
        sprite.setOrigin(0.f, static_cast<float>(-VisibleArea(assets, path).top));
    }
    sprite.setPosition(0.f, static_cast<float>(kLayerTop));
    return picture;
}

// Layers tile sideways: the sprite is widened to whatever the lag uncovers.
void PlaceLayer(sf::Sprite& sprite, const LayerPicture& picture, float d, float factor, int length)
{
    const float x = length == 0 ? d / factor
                                : ((d * 100.f / static_cast<float>(length)) / factor) * static_cast<float>(length)
                                      / 100.f;
    sprite.setPosition(x, static_cast<float>(kLayerTop));
    if (picture.period <= 0)
        return;
    sf::IntRect rows = sprite.getTextureRect();
    rows.width = std::max(picture.period, static_cast<int>(std::ceil(d - x)) + 2 * static_cast<int>(kViewHalfWidth));
    sprite.setTextureRect(rows);
}

void DrawLayer(sf::RenderTarget& window, const sf::Sprite& sprite, const LayerPicture& picture,
               const sf::RenderStates& blend = sf::RenderStates::Default)
{
    if (picture.pieces)
        DrawRepeatedPieces(window, sprite, *picture.pieces, picture.period);
    else
        window.draw(sprite, blend);
}

// ---- The far plane -----------------------------------------------------------

// Beyond what the view's lag uncovers (at most ~110 px over the longest
// level), the far plane holds this much more on either side.
constexpr int kFarPlaneMargin = 256;

// The sky, the sun and the haze as DrawBackground draws them, with the sky
// and the haze widened to cover `right` (in the layers' coordinates).
void PaintFarLayers(const Background& background, sf::RenderTarget& target, int right)
{
    sf::Sprite sky = background.sky, haze = background.layer5;
    for (sf::Sprite* layer : {&sky, &haze}) {
        sf::IntRect rows = layer->getTextureRect();
        rows.width = std::max(rows.width, right);
        layer->setTextureRect(rows);
    }
    DrawLayer(target, sky, background.skyPicture, sf::BlendNone);
    DrawLayer(target, background.sun, background.sunPicture);
    DrawLayer(target, haze, background.layer5Picture);
}

// Paints the far plane over the haze's rows and the columns around `view`
// (both in the layers' coordinates, whose top-left is at `corner`).
bool PaintFarPlane(const Background& background, FarPlane& plane, sf::IntRect rows, sf::FloatRect view,
                   sf::Vector2f corner)
{
    const int left = static_cast<int>(std::floor(view.left)) - kFarPlaneMargin;
    const int width = static_cast<int>(std::ceil(view.width)) + 2 * kFarPlaneMargin;
    const sf::IntRect area(left, rows.top, width, rows.height);
    const sf::Vector2u size(static_cast<unsigned>(area.width), static_cast<unsigned>(area.height));
    if (plane.picture.getSize() != size && !plane.picture.create(size.x, size.y))
        return false;
    plane.picture.setView(sf::View(sf::FloatRect(corner.x + static_cast<float>(area.left),
                                                 corner.y + static_cast<float>(area.top), static_cast<float>(size.x),
                                                 static_cast<float>(size.y))));
    plane.picture.clear(kClearColour);
    PaintFarLayers(background, plane.picture, area.left + area.width);
    plane.picture.display();
    plane.area = area;
    plane.painted = true;
    return true;
}

// Shows the far plane when the view lies within the haze's rows (false,
// drawing nothing, otherwise: the three are then drawn one by one).
bool DrawFarPlane(Background& background, sf::RenderTarget& window)
{
    const sf::Vector2f corner = background.layer5.getPosition();
    if (!background.layer5Picture.pieces || background.sky.getPosition() != corner
        || background.sun.getPosition() != corner)
        return false;  // not laid as one: nothing to share
    const sf::FloatRect haze = background.layer5.getGlobalBounds();
    const sf::IntRect rows(0, static_cast<int>(std::lround(haze.top - corner.y)), 0,
                           static_cast<int>(std::lround(haze.height)));
    sf::FloatRect view = ViewArea(window);
    view.left -= corner.x, view.top -= corner.y;
    if (view.top < static_cast<float>(rows.top) || view.top + view.height > static_cast<float>(rows.top + rows.height))
        return false;
    if (!background.farPlane)
        background.farPlane = std::make_shared<FarPlane>();
    FarPlane& plane = *background.farPlane;
    const bool covered = plane.painted && plane.area.top == rows.top && plane.area.height == rows.height
                      && view.left >= static_cast<float>(plane.area.left)
                      && view.left + view.width <= static_cast<float>(plane.area.left + plane.area.width);
    if (!covered && !PaintFarPlane(background, plane, rows, view, corner))
        return false;
    sf::Sprite shown(plane.picture.getTexture());
    shown.setPosition(corner + sf::Vector2f(static_cast<float>(plane.area.left), static_cast<float>(plane.area.top)));
    window.draw(shown, sf::BlendNone);
    return true;
}

// ---- The kept backdrop --------------------------------------------------------

void DrawLayers(Background& background, sf::RenderTarget& window)
{
    window.clear(kClearColour);
    if (!DrawFarPlane(background, window)) {
        // The sky is wholly opaque: nothing under it to blend with.
        DrawLayer(window, background.sky, background.skyPicture, sf::BlendNone);
        DrawLayer(window, background.sun, background.sunPicture);
        DrawLayer(window, background.layer5, background.layer5Picture);
    }
    DrawLayer(window, background.layer4, background.layer4Picture);
    DrawLayer(window, background.layer3, background.layer3Picture);
    DrawLayer(window, background.layer2, background.layer2Picture);
    DrawLayer(window, background.layer1, background.layer1Picture);
}

// Everything the layers' picture depends on: the target's size, the view
// and its viewport, each layer's place and width.
BackdropShows BackdropKey(const Background& background, const sf::RenderTarget& window)
{
    const sf::View& view = window.getView();
    const sf::FloatRect port = view.getViewport();
    BackdropShows key{};
    std::size_t at = 0;
    for (float value : {static_cast<float>(window.getSize().x), static_cast<float>(window.getSize().y),
                        view.getCenter().x, view.getCenter().y, view.getSize().x, view.getSize().y,
                        view.getRotation(), port.left, port.top, port.width, port.height})
        key[at++] = value;
    for (const sf::Sprite* layer : {&background.sky, &background.sun, &background.layer5, &background.layer4,
                                    &background.layer3, &background.layer2, &background.layer1}) {
        key[at++] = layer->getPosition().x;
        key[at++] = layer->getPosition().y;
        key[at++] = static_cast<float>(layer->getTextureRect().width);
    }
    return key;
}

void TakeBackdrop(KeptBackdrop& kept, sf::RenderWindow& screen, const BackdropShows& shows)
{
    kept.taken = TakeWindowPicture(kept.picture, screen);
    kept.shows = shows;
}

void StepDecorAnimation(DecorAnimation& decor, float dt, Player& player)
{
    decor.elapsed += dt;
    const sf::IntRect& first = decor.firstFrame;
    for (int i = 0; i < decor.frameCount; ++i)
        if (decor.elapsed > i * decor.frameDuration && (i + 1) * decor.frameDuration > decor.elapsed)
            decor.sprite.setTextureRect({first.width * i, first.height * decor.row, first.width, first.height});
    // Every decor writes the pose; the last in the list decides.
    player.forcedPose = kPrayerPoseFrames * decor.frameDuration > decor.elapsed && decor.loops == 0
                                && decor.frameCount == kPrayerFrames && decor.row == 0
                            ? 1
                            : 0;
    if (decor.elapsed > decor.frameCount * decor.frameDuration) {
        if (decor.loops == 1) {
            decor.elapsed = 0.f;
        } else if (decor.frameCount == kPrayerFrames) {
            decor.elapsed = 0.f;
            decor.row = 1;
            decor.frameCount = kReturnFrames;
        } else if (decor.frameCount == 0) {
            decor.elapsed = 0.f;  // still until prayed at
        }
    }
}

// Past one end of the level a moving decor comes back in at the other.
// Coming back at the right end it is put just inside the level (its right
// edge on the end): put past the end, the right-end rule would throw it
// straight back to the left and it would never cross the level.
void MoveDecor(DecorAnimation& decor, float dt, int length)
{
    const double jitter = (std::rand() % 26 - 12.5) * dt;
    const float sign = decor.direction == 1 ? 1.f : -1.f;
    decor.sprite.move(sign * static_cast<float>(decor.speed) * dt, static_cast<float>(jitter));
    const sf::FloatRect bounds = decor.sprite.getGlobalBounds();
    // Placed by its bounds, so a mirrored picture lands just as a plain one.
    const sf::Vector2f fromBounds = decor.sprite.getPosition() - sf::Vector2f{bounds.left, bounds.top};
    if (bounds.left + 2.f * bounds.width < 0.f)
        decor.sprite.setPosition(static_cast<float>(length) - bounds.width + fromBounds.x, decor.sprite.getPosition().y);
    else if (bounds.left + bounds.width > static_cast<float>(length))
        decor.sprite.setPosition(-bounds.width + fromBounds.x, decor.sprite.getPosition().y);
}

void Pray(Game& game, DecorAnimation& statue, const sf::FloatRect& body)
{
    if (RectsOverlap(body, statue.sprite.getGlobalBounds()) && IsActionDown(*game.input, ACTION_INTERACT)) {
        statue.frameCount = kPrayerFrames;
        statue.row = 0;
        RefillDeck(game.deck);
    }
}

}  // namespace

void InitBackground(Background& background, Assets& assets)
{
    background.layer1Picture = SetLayer(background.layer1, assets, kLayerPictures[0], true);
    background.layer2Picture = SetLayer(background.layer2, assets, kLayerPictures[1], true);
    background.layer3Picture = SetLayer(background.layer3, assets, kLayerPictures[2], true);
    background.layer4Picture = SetLayer(background.layer4, assets, kLayerPictures[3], true);
    background.layer5Picture = SetLayer(background.layer5, assets, kLayerPictures[4], true);
    background.skyPicture = SetLayer(background.sky, assets, kSkyPicture, true);
    background.sunPicture = SetLayer(background.sun, assets, kSunPicture, false);
    ClearDecorAnimations(background);
    AddDecorAnimation(background, assets, {3840.f, 0.f}, DECOR_BOAT);
    AddDecorAnimation(background, assets, {3840.f, 200.f}, DECOR_PARROT);
}

void AddDecorAnimation(Background& background, Assets& assets, sf::Vector2f position, int kind)
{
    const DecorKindData* data = FindDecorKind(kind);
    if (!data)
        return;
    DecorAnimation decor;
    int picture = 0;
    if (kind == DECOR_PARROT)
        picture = std::rand() % 3;
    if (data->plane == PLANE_MOVING)
        decor.direction = std::rand() % 2;
    decor.frameCount = data->still ? 0 : SheetFrames(assets, data->pictures[picture]);
    decor.frameDuration = data->frameDuration;
    decor.loops = data->loops;
    decor.firstFrame = SheetCell(assets, data->pictures[picture]);
    decor.shownPart = SheetCellsArea(assets, data->pictures[picture]);
    decor.speed = data->speed;
    decor.plane = data->plane;
    decor.sprite.setTexture(GetTexture(assets, data->pictures[picture]));
    decor.sprite.setTextureRect(decor.firstFrame);
    const float mirror = decor.direction == data->mirrorWhenDirection ? -1.f : 1.f;
    decor.sprite.setScale(mirror * data->scale, data->scale);
    decor.sprite.setPosition(position);
    background.decorAnimations.push_back(decor);
    background.decorCount = static_cast<int>(background.decorAnimations.size());
}

void ClearDecorAnimations(Background& background)
{
    background.decorAnimations.clear();
    background.decorCount = 0;
}

void UpdateParallax(Background& background, sf::Vector2f viewCentre, int levelLength)
{
    const float d = viewCentre.x - kViewHalfWidth;  // the view's left edge
    PlaceLayer(background.sky, background.skyPicture, d, 1.005f, levelLength);
    PlaceLayer(background.sun, background.sunPicture, d, 1.005f, levelLength);
    PlaceLayer(background.layer5, background.layer5Picture, d, 1.005f, levelLength);
    PlaceLayer(background.layer4, background.layer4Picture, d, 1.05f, levelLength);
    PlaceLayer(background.layer3, background.layer3Picture, d, 1.1f, levelLength);
    PlaceLayer(background.layer2, background.layer2Picture, d, 1.15f, levelLength);
    PlaceLayer(background.layer1, background.layer1Picture, d, 1.2f, levelLength);
}

void UpdateBackground(Game& game, float dt)
{
    const sf::FloatRect body = game.player.hitbox.getGlobalBounds();
    for (DecorAnimation& decor : game.background.decorAnimations)
        StepDecorAnimation(decor, dt, game.player);
    for (DecorAnimation& decor : game.background.decorAnimations) {
        if (decor.plane == PLANE_MOVING)
            MoveDecor(decor, dt, game.level.cursorX);
        else if (decor.plane == PLANE_FRONT)
            Pray(game, decor, body);
    }
}

void DrawBackground(Game& game, sf::RenderTarget& window)
{
    Background& background = game.background;
    if (!background.kept)
        background.kept = std::make_shared<KeptBackdrop>();
    KeptBackdrop& kept = *background.kept;
    const BackdropShows shows = BackdropKey(background, window);
    sf::RenderWindow* screen = dynamic_cast<sf::RenderWindow*>(&window);
    if (screen && kept.taken && kept.shows == shows) {
        ShowWindowPicture(kept.picture, *screen);
    } else {
        DrawLayers(background, window);
        if (screen && shows == kept.lastFrame)
            TakeBackdrop(kept, *screen, shows);
    }
    kept.lastFrame = shows;
    const sf::FloatRect area = ViewArea(window);
    for (const DecorAnimation& decor : background.decorAnimations)
        if (decor.plane != PLANE_FRONT)
            DrawCellPart(window, area, decor.sprite, decor.shownPart);
}

void DrawBackgroundFront(Game& game, sf::RenderTarget& window)
{
    const sf::FloatRect area = ViewArea(window);
    for (const DecorAnimation& decor : game.background.decorAnimations)
        if (decor.plane == PLANE_FRONT)
            DrawCellPart(window, area, decor.sprite, decor.shownPart);
}
