// The hub's map: its pictures and decor, the five zones, the walls and
// gravity, the exit, the keys, the dress room's puffs, and the ways in and
// out of it.
#include "hub/hub.hpp"

#include "app/game.hpp"
#include "app/loading.hpp"
#include "engine/asset_manifest.hpp"
#include "engine/assets.hpp"
#include "engine/collision.hpp"
#include "engine/draw_in_view.hpp"
#include "engine/input.hpp"
#include "engine/layout_table.hpp"

#include <algorithm>

namespace {

// Where the body starts a run: the first level's left end.
const sf::Vector2f kRunStart{50.f, 400.f};
const sf::Vector2f kDummyHome{kDummyHomeX, kDummyHomeY};
constexpr int kFullHealth = 100;
constexpr float kZoneOutline = 2.f;
const sf::Color kZoneOutlineColour = sf::Color::Red;

sf::Vector2f At(HubPoint point) { return {point.x, point.y}; }

sf::RectangleShape ShapeOf(const HubRect& rect)
{
    sf::RectangleShape shape({rect.width, rect.height});
    shape.setPosition(rect.left, rect.top);
    shape.setOutlineColor(kZoneOutlineColour);
    return shape;
}

void AddHubWall(Hub& hub, const HubRect& rect)
{
    hub.walls.push_back(ShapeOf(rect));
    hub.wallCount = static_cast<int>(hub.walls.size());
}

void InitHubDecor(Hub& hub)
{
    for (int i = 0; i < HUB_DECOR_COUNT; i++) {
        const HubDecorInfo& info = kHubDecor[static_cast<std::size_t>(i)];
        HubDecor& decor = hub.decor[static_cast<std::size_t>(i)];
        const HubPoint cell = HubDecorFrameSize(info);
        decor.animation = StripAnimation{};
        decor.animation.frameCount = info.frames;
        decor.animation.frameTime = info.frameTime;
        decor.animation.looping = 1;
        decor.animation.frameRect = {0, 0, static_cast<int>(cell.x), static_cast<int>(cell.y)};
        decor.sprite.setScale(info.scale, info.scale);
        decor.sprite.setPosition(At(info.at));
    }
}

void ShowFirstFrame(HubDecor& decor)
{
    const sf::IntRect& cell = decor.animation.frameRect;
    decor.sprite.setTextureRect({0, cell.height * decor.animation.row, cell.width, cell.height});
}

// A hub decor strip always loops, whatever its `looping` says.
void StepDecor(HubDecor& decor, float dt)
{
    StripAnimation& strip = decor.animation;
    strip.timer += dt;
    if (strip.timer > strip.frameTime * static_cast<float>(strip.frameCount))
        strip.timer = strip.frameTime * static_cast<float>(strip.loopStart);
    ShowStripFrame(strip, decor.sprite);
}

void SetDecorRow(HubDecor& decor, int row, int frames, int loopStart)
{
    decor.animation.row = row;
    decor.animation.frameCount = frames;
    decor.animation.loopStart = loopStart;
    decor.animation.timer = 0.f;
    ShowFirstFrame(decor);
}

// A zone's rectangle (seller, quests, cards) or a lit place's sprite
// (recap, dress room) grown into the area the player stands in.
sf::FloatRect GrownRect(const sf::FloatRect& b)
{
    return {b.left - b.width, b.top - b.height, 3.f * b.width, 2.f * b.height};
}

sf::FloatRect GrownSprite(const sf::FloatRect& b)
{
    return {b.left - b.width / 2.f, b.top - b.height, 2.f * b.width, 2.f * b.height};
}

bool InteractPressed(const Game& game)
{
    return game.input && IsActionDown(*game.input, ACTION_INTERACT);
}

// F opens a panel on a new press only, and only while none is open: a
// panel just closed with F still held does not open again.
void OpenOnPress(Game& game, int panel, bool newPress)
{
    Hub& hub = game.hub;
    if (!newPress || AnyPanelOpen(hub))
        return;
    const sf::Vector2f centre = game.camera.view.getCenter();
    switch (panel) {
    case PANEL_SELLER: OpenSeller(hub, centre); break;
    case PANEL_QUESTS: OpenQuestBoard(hub, centre); break;
    case PANEL_CARDS: OpenCardSelector(hub, centre); break;
    case PANEL_RECAP: OpenRecapBoard(hub, centre); break;
    default: return;
    }
    hub.panelOpen[static_cast<std::size_t>(panel)] = 1;
}

void LightSeller(Game& game, bool inside, bool newPress)
{
    Hub& hub = game.hub;
    HubDecor& seller = hub.decor[HUB_DECOR_SELLER];
    if (inside) {
        if (seller.animation.row == kSellerIdleRow)
            SetDecorRow(seller, kSellerServingRow, kSellerServingFrames, kSellerServingLoopStart);
        hub.sellerZone.setOutlineThickness(kZoneOutline);
        OpenOnPress(game, PANEL_SELLER, newPress);
    } else {
        if (seller.animation.row == kSellerServingRow)
            SetDecorRow(seller, kSellerIdleRow, kSellerIdleFrames, 0);
        hub.sellerZone.setOutlineThickness(0.f);
    }
}

void LightQuestBoard(Game& game, bool inside, bool newPress)
{
    Hub& hub = game.hub;
    HubDecor& bar = hub.decor[HUB_DECOR_BAR];
    if (inside) {
        if (bar.animation.row == 0) {
            hub.questZone.setOutlineThickness(kZoneOutline);
            bar.animation.row = kHubDecorLitRow;
        }
        OpenOnPress(game, PANEL_QUESTS, newPress);
    } else if (bar.animation.row == kHubDecorLitRow) {
        hub.questZone.setOutlineThickness(0.f);
        bar.animation.row = 0;
    }
}

void LightCardSelector(Game& game, bool inside, bool newPress)
{
    Hub& hub = game.hub;
    hub.cardSelectorZone.setOutlineThickness(inside ? kZoneOutline : 0.f);
    hub.decor[HUB_DECOR_VAT].animation.row = inside ? kHubDecorLitRow : 0;
    if (inside)
        OpenOnPress(game, PANEL_CARDS, newPress);
}

void LightScoreboard(Game& game, bool inside, bool newPress)
{
    Hub& hub = game.hub;
    if (hub.scoreboardTexture)
        hub.scoreboard.setTexture(inside ? *hub.scoreboardLitTexture : *hub.scoreboardTexture);
    if (inside)
        OpenOnPress(game, PANEL_RECAP, newPress);
}

void LightDressRoom(Game& game, bool inside)
{
    Hub& hub = game.hub;
    if (hub.dressRoomTexture)
        hub.dressRoom.setTexture(inside ? *hub.dressRoomLitTexture : *hub.dressRoomTexture);
    game.inDressRoomZone = inside ? 1 : 0;
}

void UpdateZones(Game& game, const sf::FloatRect& body)
{
    Hub& hub = game.hub;
    const bool newPress = InteractPressed(game) && hub.interactHeld == 0;
    LightSeller(game, RectsOverlap(body, HubZoneArea(hub, PANEL_SELLER)), newPress);
    LightQuestBoard(game, RectsOverlap(body, HubZoneArea(hub, PANEL_QUESTS)), newPress);
    LightCardSelector(game, RectsOverlap(body, HubZoneArea(hub, PANEL_CARDS)), newPress);
    LightScoreboard(game, RectsOverlap(body, HubZoneArea(hub, PANEL_RECAP)), newPress);
    LightDressRoom(game, RectsOverlap(body, HubZoneArea(hub, PANEL_DRESS_ROOM)));
}

// The hub's floors hold the body from above and its walls from every side;
// above the workshop's floor line the hub pulls it down.
void StandOnWalls(Game& game, float dt)
{
    Player& player = game.player;
    const sf::FloatRect shown = player.sprite.getGlobalBounds();
    bool falling = shown.top + shown.height < kHubGravityFloorY;
    for (const sf::RectangleShape& wall : game.hub.walls) {
        const sf::Vector2f offset{player.moveX, player.velocityY * dt};
        if (ResolveSpriteAgainstRect(wall.getGlobalBounds(), player.hitbox, offset)) {
            player.airborne = 0;
            player.diving = 0;
            player.moveX = 0.f;
            player.velocityY = 0.f;
            player.jumpsLeft = 2;
            falling = false;
        }
    }
    if (falling) {
        player.diving = 1;
        player.airborne = 1;
        player.velocityY += kHubGravity * dt;
    }
}

// The middle button empties the roster on its way to the menu; coming back
// to the hub, the dummy stands again.
void KeepDummy(Game& game)
{
    if (LastDummyIndex(game.enemies) < 0)
        AddDummy(game.enemies, kDummyHome);
}

void StillPicture(sf::Sprite& sprite, Assets& assets, const char* sheet, HubPoint at)
{
    ShowVisibleArea(sprite, assets, sheet);  // the empty margins cost a software renderer their fill
    sprite.setPosition(At(at));
}

}  // namespace

void InitHub(Hub& hub, Assets& assets)
{
    hub.inHub = 0;
    hub.spellChosen = 0;
    hub.chosenSpell = 0;
    hub.panelOpen.fill(0);
    hub.potionLevels.fill(0);
    hub.potions.clear();
    hub.tallies.fill(0);
    hub.walls.clear();
    for (const HubRect& wall : kHubWalls)
        AddHubWall(hub, wall);
    hub.sellerZone = ShapeOf(kSellerZone);
    hub.questZone = ShapeOf(kQuestZone);
    hub.cardSelectorZone = ShapeOf(kCardSelectorZone);
    hub.exitZone = ShapeOf(kHubExitZone);
    hub.scoreboard.setPosition(At(kScoreboardAt));
    hub.dressRoom.setPosition(At(kDressRoomAt));
    InitHubDecor(hub);
    InitHubPanels(hub, assets);
    hub.interactHeld = 0;
    hub.runNumber = 0;
    hub.debugHitboxes = HitboxOverlayWanted() ? 1 : 0;
}

std::vector<std::string> HubOwnPictures()
{
    std::vector<std::string> paths = {kHubMapSheet, kHubDetailsSheet, kHubRockSheet, kHubSwordsSheet,
                                      kHubGlowSheet, kScoreboardSheet, kScoreboardLitSheet, kDressRoomSheet,
                                      kDressRoomLitSheet, kSkinPuffSheet, kShopSheet, kPotionSheet,
                                      kQuestPanelSheet, kQuestBarsSheet, kQuestSelectionSheet,
                                      kCardSelectorBackgroundSheet, kCardSelectorsSheet, kCardSelectionSheet,
                                      kRecapPanelSheet};
    for (const HubDecorInfo& decor : kHubDecor)
        paths.emplace_back(decor.sheet);
    return paths;
}

std::vector<std::string> HubPictures()
{
    std::vector<std::string> paths = HubOwnPictures();
    for (const RecapIconInfo& icon : kRecapIcons)
        paths.emplace_back(icon.sheet);
    for (const char* skin : kSkinSheets)
        paths.emplace_back(skin);
    return paths;
}

void DressHub(Hub& hub, Assets& assets)
{
    hub.hubMap.setTexture(GetTexture(assets, kHubMapSheet), true);
    hub.hubMap.setPosition(At(kHubMapAt));
    StillPicture(hub.hubDetails, assets, kHubDetailsSheet, kHubDetailsAt);
    hub.hubDetailsPieces = PicturePieces(assets, kHubDetailsSheet);
    StillPicture(hub.rock, assets, kHubRockSheet, kHubRockAt);
    hub.rockPieces = PicturePieces(assets, kHubRockSheet);
    StillPicture(hub.dummySwords, assets, kHubSwordsSheet, kHubSwordsAt);
    StillPicture(hub.glowSubstance, assets, kHubGlowSheet, kHubGlowAt);
    hub.scoreboardTexture = &GetTexture(assets, kScoreboardSheet);
    hub.scoreboardLitTexture = &GetTexture(assets, kScoreboardLitSheet);
    hub.dressRoomTexture = &GetTexture(assets, kDressRoomSheet);
    hub.dressRoomLitTexture = &GetTexture(assets, kDressRoomLitSheet);
    hub.scoreboard.setTexture(*hub.scoreboardTexture, true);
    hub.dressRoom.setTexture(*hub.dressRoomTexture, true);
    for (int i = 0; i < HUB_DECOR_COUNT; i++) {
        HubDecor& decor = hub.decor[static_cast<std::size_t>(i)];
        decor.sprite.setTexture(GetTexture(assets, kHubDecor[static_cast<std::size_t>(i)].sheet));
        ShowFirstFrame(decor);
    }
    hub.puffTexture = &GetTexture(assets, kSkinPuffSheet);
    DressHubPanels(hub, assets);
    hub.dressed = 1;
}

sf::FloatRect HubZoneArea(const Hub& hub, int panel)
{
    switch (panel) {
    case PANEL_SELLER: return GrownRect(hub.sellerZone.getGlobalBounds());
    case PANEL_QUESTS: return GrownRect(hub.questZone.getGlobalBounds());
    case PANEL_CARDS: return GrownRect(hub.cardSelectorZone.getGlobalBounds());
    case PANEL_RECAP: return GrownSprite(hub.scoreboard.getGlobalBounds());
    case PANEL_DRESS_ROOM: return GrownSprite(hub.dressRoom.getGlobalBounds());
    default: return {};
    }
}

bool AnyPanelOpen(const Hub& hub)
{
    return std::any_of(hub.panelOpen.begin(), hub.panelOpen.end(), [](long long open) { return open == 1; });
}

void EnterHub(Game& game)
{
    Hub& hub = game.hub;
    Player& player = game.player;
    player.hitbox.setPosition(At(kHubArrival));
    player.velocityY = 0.f;
    player.knockbackX = player.knockbackY = 0.f;
    player.climbing = 0;
    player.frozen = 0;
    ResetCamera(game.camera);
    SetCameraBounds(game.camera, kHubCameraMaxX, kHubCameraMinY);
    hub.inHub = 1;
    hub.panelOpen.fill(0);
    hub.interactHeld = 1;  // an F held on the way in must be let go first
    RemoveAllBombs(game.bombs);
    HideBossBar(game.hud);
    DestroyDialogue(game.dialogue);
    KeepDummy(game);
    if (hub.dressed == 0) {
        StartLoading(game, LOADING_HUB);
    } else if (game.assets) {
        // Back from a run or the arena: what they showed goes (the next
        // loading screen reads it again), and the hub's own pictures,
        // folded while away, are coloured again: no file read.
        ReleasePictures(*game.assets, PicturesLeftBehind(LOADING_HUB));
        UnfoldPictures(*game.assets, HubOwnPictures());
    }
}

// The zones, the exit, then the floors: leaving ends the frame's hub update,
// so the body just put at the level's start is never pushed by a hub wall.
void UpdateHub(Game& game, float dt)
{
    Hub& hub = game.hub;
    SetCameraBounds(game.camera, kHubCameraMaxX, kHubCameraMinY);
    KeepDummy(game);
    const sf::FloatRect body = game.player.hitbox.getGlobalBounds();
    UpdateZones(game, body);
    hub.interactHeld = InteractPressed(game) ? 1 : 0;
    if (RectsOverlap(body, hub.exitZone.getGlobalBounds())) {
        LeaveHub(game);
        return;
    }
    if (!AnyPanelOpen(hub))  // a panel holds the player: its fall too
        StandOnWalls(game, dt);
    for (HubDecor& decor : hub.decor)
        StepDecor(decor, dt);
    CheckQuests(hub);
    if (hub.panelOpen[PANEL_RECAP] == 1)
        StepRecapIcons(hub, dt);
}

void LeaveHub(Game& game)
{
    Hub& hub = game.hub;
    Player& player = game.player;
    KillEnemy(game.enemies, LastDummyIndex(game.enemies));  // no dummy: nothing (never a real enemy)
    RefillDeck(game.deck);
    RemoveAllBombs(game.bombs);
    game.skinAnimations.clear();
    game.skinAnimationCount = 0;
    ClearDecorAnimations(game.background);
    hub.panelOpen.fill(0);
    game.inDressRoomZone = 0;
    ResetCamera(game.camera);
    player.hitbox.setPosition(kRunStart);
    player.velocityY = 0.f;
    const int full = kFullHealth + player.bonusHealth;
    if (player.health != full)
        ChangeHealth(game.hud, player, full - player.health);
    hub.inHub = 0;
    game.level.levelNumber = 0;  // every run meets the boss after four levels
    hub.runNumber += 1;
    // Nothing shows the hub's own pictures until the player is back: they
    // are kept folded meanwhile, a quarter of their memory.
    if (game.assets)
        FoldPictures(*game.assets, HubOwnPictures());
    StartLoading(game, LOADING_RUN);
}

void StartRun(Game& game)
{
    ResetLevel(game.level);
    game.enemies.resetPending = 1;  // the run's first pattern starts from an empty roster
    RemoveAllFood(game.enemies);
    BuildLevel(game.level, game);
}

void HubKeyPressed(Game& game, int key)
{
    Hub& hub = game.hub;
    if (game.loadingScreen.loadingActive == 1 || !game.input)
        return;
    const auto code = static_cast<sf::Keyboard::Key>(key);
    const bool throwKey = IsActionKey(ACTION_CARD_1, code) || IsActionKey(ACTION_CARD_2, code)
                       || IsActionKey(ACTION_CARD_3, code);
    if (hub.spellChosen == 1 && throwKey && !AnyPanelOpen(hub)) {
        DetonateBomb(game.bombs);
        ThrowBomb(game, hub.chosenSpell, MousePosition(*game.input));
    }
    // One skin a press: the keyboard's repeats while F is held are not presses.
    if (IsActionKey(ACTION_INTERACT, code) && game.inDressRoomZone == 1 && hub.interactHeld == 0) {
        hub.interactHeld = 1;
        AddSkinAnimation(game);
        CycleSkin(game);
    }
}

void AddSkinAnimation(Game& game)
{
    HubDecor puff;
    if (game.hub.puffTexture)
        puff.sprite.setTexture(*game.hub.puffTexture);
    const AssetEntry* sheet = FindAsset(kSkinPuffSheet);
    puff.animation.frameCount = kSkinPuffFrames;
    puff.animation.frameTime = kSkinPuffFrameTime;
    puff.animation.looping = 0;
    if (sheet)
        puff.animation.frameRect = {0, 0, sheet->cellWidth, sheet->cellHeight};
    puff.sprite.setTextureRect(puff.animation.frameRect);
    const sf::FloatRect body = game.player.hitbox.getGlobalBounds();
    puff.sprite.setPosition(body.left + kSkinPuffOffset.x, body.top + kSkinPuffOffset.y);
    game.skinAnimations.push_back(puff);
    game.skinAnimationCount = static_cast<int>(game.skinAnimations.size());
}

// Every puff follows the body and steps; those that have run out go after
// the walk, so none is skipped or stepped twice.
void UpdateSkinAnimations(Game& game, float dt)
{
    const sf::FloatRect body = game.player.hitbox.getGlobalBounds();
    for (HubDecor& puff : game.skinAnimations) {
        puff.sprite.setPosition(body.left + kSkinPuffOffset.x, body.top + kSkinPuffOffset.y);
        puff.animation.timer += dt;
        ShowStripFrame(puff.animation, puff.sprite);
    }
    std::erase_if(game.skinAnimations, [](const HubDecor& puff) {
        return puff.animation.timer > puff.animation.frameTime * static_cast<float>(puff.animation.frameCount);
    });
    game.skinAnimationCount = static_cast<int>(game.skinAnimations.size());
}

void DrawHubMap(Game& game, sf::RenderTarget& window)
{
    Hub& hub = game.hub;
    window.draw(hub.decor[HUB_DECOR_LABORATORY].sprite);  // seen through the map's window
    window.draw(hub.hubMap);
    window.draw(hub.scoreboard);
    window.draw(hub.dressRoom);
    window.draw(hub.dummySwords);
    window.draw(hub.decor[HUB_DECOR_BAR].sprite);
    window.draw(hub.decor[HUB_DECOR_SELLER].sprite);
    window.draw(hub.decor[HUB_DECOR_VAT].sprite);
    DrawInView(window, ViewArea(window), hub.hubDetails, hub.hubDetailsPieces);
}

void DrawHubForeground(Game& game, sf::RenderTarget& window)
{
    DrawInView(window, ViewArea(window), game.hub.rock, game.hub.rockPieces);
    window.draw(game.hub.glowSubstance);
}

void DrawHubHitboxes(const Game& game, sf::RenderTarget& window)
{
    const Hub& hub = game.hub;
    if (hub.debugHitboxes != 1)
        return;
    for (const sf::RectangleShape& wall : hub.walls)
        OutlineBox(window, wall.getGlobalBounds(), sf::Color::Red);
    const sf::FloatRect body = game.player.hitbox.getGlobalBounds();
    for (int panel = PANEL_SELLER; panel <= PANEL_DRESS_ROOM; panel++) {
        const sf::FloatRect area = HubZoneArea(hub, panel);
        OutlineBox(window, area, sf::Color::Green, RectsOverlap(body, area) ? 8.f : kOverlayOutline);
    }
    OutlineBox(window, hub.exitZone.getGlobalBounds(), sf::Color::Blue);
    OutlineBox(window, body, sf::Color::Yellow);
}
