#pragma once
// The hub's layout: where its pictures, walls, zones and decor stand in the
// world, and where each panel's pieces and clickable areas sit on the
// screen. Pure data: the hub's code places its sprites and rectangles from
// here and the asset generator paints the map and the panels from the same
// numbers, so every floor is painted under its wall and every button is
// painted under its click rectangle. Cell sizes are the asset manifest's
// (one home for them): this table names the sheets.
//
// World positions are in world pixels (y grows downwards; the hub reaches up
// to y = -1290 and down to y = 1080). Panel positions are screen pixels from
// the view's top-left corner (the view's centre minus half the screen).
#include <array>

struct HubPoint {
    float x = 0.f, y = 0.f;
};

struct HubRect {
    float left = 0.f, top = 0.f, width = 0.f, height = 0.f;
    constexpr float Right() const { return left + width; }
    constexpr float Bottom() const { return top + height; }
};

#define HUB_SPRITES "Assets/Sprites/Maps/Hub/"

// ---- The map and its still pictures --------------------------------------

inline constexpr const char* kHubMapSheet = HUB_SPRITES "TestHub.png";
inline constexpr const char* kHubDetailsSheet = HUB_SPRITES "HubDetails.png";
inline constexpr const char* kHubRockSheet = HUB_SPRITES "Rocher.png";
inline constexpr const char* kHubSwordsSheet = HUB_SPRITES "SwordsDummy.png";
inline constexpr const char* kHubGlowSheet = HUB_SPRITES "GlowSubstance.png";
inline constexpr const char* kScoreboardSheet = HUB_SPRITES "Scoreboard.png";
inline constexpr const char* kScoreboardLitSheet = HUB_SPRITES "ScoreboardTriggered.png";
inline constexpr const char* kDressRoomSheet = HUB_SPRITES "Dressroom.png";
inline constexpr const char* kDressRoomLitSheet = HUB_SPRITES "DressroomTriggered.png";

// The hub is one screen-tall strip of 3840 wide whose bottom is the world's
// bottom (y = 1080); the camera may rise to its top.
inline constexpr float kHubWidth = 3840.f;
inline constexpr float kHubBottom = 1080.f;
inline constexpr float kHubTop = -1290.f;
// The camera's limits in the hub: right edge and top edge.
inline constexpr int kHubCameraMaxX = 3840;
inline constexpr int kHubCameraMinY = -1290;

// The map's top-left: its bottom row is the world's bottom, so the map is
// placed at (0, kHubBottom - its height), which is (0, kHubTop).
inline constexpr HubPoint kHubMapAt{0.f, kHubTop};
// The details are 4 px taller than the map and hang 4 px higher.
inline constexpr HubPoint kHubDetailsAt{0.f, -1294.f};
inline constexpr HubPoint kHubRockAt{0.f, kHubTop};
// The swords stuck in the sand beside the training dummy (the dummy is
// added at kDummySpawn; its picture and the swords share their left edge).
inline constexpr HubPoint kHubSwordsAt{3000.f, 530.f};
inline constexpr HubPoint kDummySpawn{3000.f, 610.f};
// The vat's light, drawn in front of everything, rising from the vat.
inline constexpr HubPoint kHubGlowAt{1600.f, 100.f};
// Both stand on a floor: the scoreboard on the long deck (its bottom is the
// deck's top, y 210), the dress room on the upper floor (bottom y -800).
inline constexpr HubPoint kScoreboardAt{2679.f, -100.f};
inline constexpr HubPoint kDressRoomAt{78.f, -1164.f};

// Where the player's body (its top-left) is put on arriving in the hub, by
// any way in: standing on the left block (wall 1, top y 210) with its
// 162 px tall body, clear of every other wall, in the first screen.
inline constexpr HubPoint kHubArrival{100.f, 48.f};

// ---- Walls ------------------------------------------------------------------
// Added in this order; never drawn. The player is pushed out of each in turn
// and stands on the tops. Below the long deck lies the workshop: its floor is
// the player's own floor line (body bottom y 760), not a wall.
inline constexpr int kHubWallCount = 10;
inline constexpr std::array<HubRect, kHubWallCount> kHubWalls{{
    {600.f, 210.f, 3500.f, 168.f},    // 0: the long deck, from the shaft to past the exit
    {0.f, 210.f, 200.f, 600.f},       // 1: the left block, on the far side of the shaft
    {3330.f, 335.f, 150.f, 500.f},    // 2: the post closing the workshop under the deck on the right
    {700.f, -185.f, 725.f, 100.f},    // 3: the bar's roof
    {2000.f, -350.f, 660.f, 100.f},   // 4: the hanging ledge over the deck
    {3200.f, -550.f, 650.f, 150.f},   // 5: the rock shelf over the exit
    {0.f, -800.f, 2475.f, 100.f},     // 6: the upper floor, where the dress room is
    {-80.f, -1290.f, 80.f, 2370.f},   // 7: the left edge of the world
    {0.f, -1300.f, 3840.f, 80.f},     // 8: the cave's roof
    {3830.f, -1290.f, 80.f, 800.f},   // 9: the right cave wall, above the exit
}};
// The player's floor line in the hub as in a level: the body's bottom at
// the workshop's sand (the display's bottom at y 800).
inline constexpr float kHubGroundY = 760.f;
// Below this line (the bottom of the display sprite's bounds) the hub adds
// no gravity.
inline constexpr float kHubGravityFloorY = 720.f;
inline constexpr float kHubGravity = 3500.f;

// ---- Zones ------------------------------------------------------------------
// Standing in a zone's interaction area lights its place; F opens its panel.
// The seller, quest and card-selector zones are rectangles; the scoreboard's
// and the dress room's are their sprites' bounds.
inline constexpr HubRect kSellerZone{1228.f, 496.f, 100.f, 200.f};      // the laboratory's counter
inline constexpr HubRect kQuestZone{875.f, 20.f, 100.f, 200.f};         // the quest board at the bar
inline constexpr HubRect kCardSelectorZone{1921.f, 478.f, 180.f, 165.f};  // the glowing vat
// Leaving the hub: walking into the opening at the deck's right end.
inline constexpr HubRect kHubExitZone{3839.f, -301.f, 105.f, 485.f};

// ---- Decor --------------------------------------------------------------------
// Four looping animations; each starts on row 0 at frame 0. The frame size
// is the sheet's cell (FindAsset(sheet)).
struct HubDecorInfo {
    const char* sheet = nullptr;
    int frames = 0;          // frames of row 0
    float frameTime = 0.f;   // seconds a frame
    float scale = 1.f;
    HubPoint at{};           // the sprite's top-left
};

enum HubDecorIndex {
    HUB_DECOR_BAR = 0,          // the quest board's bar, on the deck
    HUB_DECOR_LABORATORY = 1,   // the laboratory's back wall, drawn behind the map through its window
    HUB_DECOR_SELLER = 2,       // the rat alchemist at the counter
    HUB_DECOR_VAT = 3,          // the card selector's vat
    HUB_DECOR_COUNT = 4,
};

inline constexpr std::array<HubDecorInfo, HUB_DECOR_COUNT> kHubDecor{{
    {HUB_SPRITES "BarAnimation.png", 23, 0.084f, 3.f, {677.f, -175.f}},
    {HUB_SPRITES "AnimationLaboratory.png", 28, 0.084f, 3.f, {995.f, 385.f}},
    {HUB_SPRITES "FullSpriteSheetLabo.png", 16, 0.125f, 1.f, {1101.f, 380.f}},
    {HUB_SPRITES "FullSpriteSheetSubstance.png", 8, 0.1f, 1.f, {1860.f, 425.f}},
}};

// While the player stands at the bar or the vat their decor shows row 1.
inline constexpr int kHubDecorLitRow = 1;
// While the player stands at the counter the seller serves: row 2, looping
// its last frames (holding the potion out); back on row 0 it idles.
inline constexpr int kSellerIdleRow = 0;
inline constexpr int kSellerIdleFrames = 16;
inline constexpr int kSellerServingRow = 2;
inline constexpr int kSellerServingFrames = 20;
inline constexpr int kSellerServingLoopStart = 15;

// The dress room's puff, one per skin change, over the player.
inline constexpr const char* kSkinPuffSheet = HUB_SPRITES "AnimationSkins.png";
inline constexpr int kSkinPuffFrames = 11;
inline constexpr float kSkinPuffFrameTime = 0.125f;
// Its top-left against the top-left of the player's body (the hitbox): the
// 228 x 213 puff is then centred on the 87 x 162 body. (Against the display
// sprite, 627 x 348, it would burst far up and left of the creature.)
inline constexpr HubPoint kSkinPuffOffset{-70.f, -50.f};
inline constexpr const char* kPlayerBodySheet = "Assets/Sprites/Player/imageHitbox2.png";

// ---- Panels: common --------------------------------------------------------
// Every panel is drawn over the whole screen from the view's top-left.

// ---- Seller -------------------------------------------------------------------
inline constexpr const char* kShopSheet = HUB_SPRITES "LaboShop.png";
inline constexpr const char* kPotionSheet = HUB_SPRITES "LaboPotion.png";
inline constexpr int kPotionKinds = 4;      // health, blade, spell, coin
inline constexpr int kPotionMaxLevel = 8;   // a kind stops selling at this many potions
inline constexpr float kPriceTextSize = 70.f;  // the price font's character size

// One row per potion kind, 128 px apart: its buy button, its price, its
// shelf of bought potions.
inline constexpr float kShopRowStep = 128.f;
inline constexpr HubPoint kBuyButtonFirst{1177.f, 384.f};
inline constexpr float kBuyButtonSize = 64.f;
inline constexpr HubPoint kPriceTextFirst{1402.f, 362.f};
// Bought potions stand left to right from this x, one slot every 65 px; the
// first row's icons have their top at y 379.
inline constexpr HubPoint kPotionShelfFirst{630.f, 379.f};
inline constexpr float kPotionSlotStep = 65.f;
inline constexpr HubRect kSellerQuit{1375.f, 206.f, 105.f, 105.f};

constexpr HubRect BuyButtonRect(int kind)
{
    return {kBuyButtonFirst.x, kBuyButtonFirst.y + kShopRowStep * kind, kBuyButtonSize, kBuyButtonSize};
}
constexpr HubPoint PriceTextPlace(int kind)
{
    return {kPriceTextFirst.x, kPriceTextFirst.y + kShopRowStep * kind};
}
// The top-left of the potion icon in slot (0 .. kPotionMaxLevel - 1) of a kind's shelf.
constexpr HubPoint PotionIconPlace(int kind, int slot)
{
    return {kPotionShelfFirst.x + kPotionSlotStep * slot, kPotionShelfFirst.y + kShopRowStep * kind};
}

// ---- Quest board --------------------------------------------------------------
inline constexpr const char* kQuestPanelSheet = HUB_SPRITES "QuestPanel.png";
inline constexpr const char* kQuestBarsSheet = HUB_SPRITES "BarQuests.png";  // the three quest notes, over the marker
inline constexpr const char* kQuestSelectionSheet = HUB_SPRITES "QuestSelection.png";
inline constexpr int kQuestCount = 3;
// What each quest asks: coins collected, spells thrown, enemies killed.
inline constexpr std::array<int, kQuestCount> kQuestTargets{40, 20, 10};

// The three quest buttons share the area: each is 30 % of its width and
// 90 % of its height, centred vertically, with equal gaps between them and
// at both ends.
inline constexpr HubRect kQuestArea{274.f, 154.f, 1344.f, 756.f};
inline constexpr float kQuestButtonWidthShare = 0.3f;
inline constexpr float kQuestButtonHeightShare = 0.9f;
constexpr HubRect QuestButtonRect(int quest)
{
    const float w = kQuestArea.width * kQuestButtonWidthShare;
    const float h = kQuestArea.height * kQuestButtonHeightShare;
    const float gap = (kQuestArea.width - kQuestCount * w) / (kQuestCount + 1);
    return {kQuestArea.left + w * quest + gap * (quest + 1), kQuestArea.top + (kQuestArea.height - h) / 2.f, w, h};
}
// The marker around the selected quest's button; with none selected it
// waits off screen at x kQuestSelectionHiddenX.
inline constexpr HubPoint kQuestSelectionFirst{301.f, 183.f};
inline constexpr float kQuestSelectionStep = 436.f;
inline constexpr float kQuestSelectionHiddenX = -500.f;
constexpr HubPoint QuestSelectionPlace(int quest)
{
    return {kQuestSelectionFirst.x + kQuestSelectionStep * quest, kQuestSelectionFirst.y};
}
inline constexpr HubRect kQuestQuit{1653.f, 57.f, 113.f, 113.f};

// ---- Card selector -------------------------------------------------------------
inline constexpr const char* kCardSelectorBackgroundSheet = HUB_SPRITES "CardSelectorBackground.png";
inline constexpr const char* kCardSelectorsSheet = HUB_SPRITES "CardsSelectors.png";  // the six spell cards
inline constexpr const char* kCardSelectionSheet = HUB_SPRITES "CardSelection.png";   // the marker, under the cards
inline constexpr int kSpellChoices = 6;  // the spell kinds, in their order: sword, cross, anvil, tentacles, lightning, imps
inline constexpr int kSpellChoiceColumns = 3;

inline constexpr HubPoint kCardSelectorsAt{567.f, 182.f};
// The six buttons in two rows of three share the area: each is 30 % of its
// width and 45 % of its height; the gaps are a quarter of the width's 10 %
// and of the height's 10 %.
inline constexpr HubRect kCardSelectorArea{384.f + 175.f, 216.f - 50.f, 768.f, 734.4f};
inline constexpr float kSpellButtonWidthShare = 0.3f;
inline constexpr float kSpellButtonHeightShare = 0.45f;
constexpr HubRect SpellButtonRect(int spell)
{
    const float w = kCardSelectorArea.width * kSpellButtonWidthShare;
    const float h = kCardSelectorArea.height * kSpellButtonHeightShare;
    const float gapX = kCardSelectorArea.width * 0.1f / 4.f;
    const float gapY = kCardSelectorArea.height * 0.1f / 4.f;
    const int column = spell % kSpellChoiceColumns, row = spell / kSpellChoiceColumns;
    return {kCardSelectorArea.left + gapX * (column + 1) + w * column,
            kCardSelectorArea.top + gapY * (row + 1) + h * row, w, h};
}
// The marker's places, one per spell: 265 px apart, rows at y 177 and 536.
inline constexpr float kCardSelectionFirstX = 562.f;
inline constexpr float kCardSelectionStep = 265.f;
inline constexpr std::array<float, 2> kCardSelectionRowY{177.f, 536.f};
constexpr HubPoint CardSelectionPlace(int spell)
{
    return {kCardSelectionFirstX + kCardSelectionStep * (spell % kSpellChoiceColumns),
            kCardSelectionRowY[spell / kSpellChoiceColumns]};
}
inline constexpr HubRect kCardSelectorQuit{1478.f, 260.f, 105.f, 105.f};

// ---- Recap board ----------------------------------------------------------------
inline constexpr const char* kRecapPanelSheet = HUB_SPRITES "RecapPannel.png";
inline constexpr int kTallyCount = 7;

// Each tally's icon: the sheet, the texture rectangle of its first frame,
// its scale, and its top-left on the screen. Icons 2..6 animate along their
// row from that rectangle; icons 0 and 1 are still.
struct RecapIconInfo {
    const char* sheet = nullptr;
    int frameLeft = 0, frameTop = 0, frameWidth = 0, frameHeight = 0;
    float scale = 1.f;
    HubPoint at{};
    int frames = 0;          // 0: a still icon
    int row = 0;
    float frameTime = 0.f;
    // The tally's number goes this far right of the icon's right edge.
    float textGap = 0.f;
};

inline constexpr std::array<RecapIconInfo, kTallyCount> kRecapIcons{{
    // 0: cards played from the hand's third slot
    {"Assets/Sprites/Cards/CardScoreboard.png", 0, 0, 145, 211, 1.f, {331.f, 205.f}, 0, 0, 0.f, 50.f},
    // 1: coins collected
    {HUB_SPRITES "Purse.png", 0, 0, 96, 96, 1.f, {699.f, 250.f}, 0, 0, 0.f, 50.f},
    // 2..6: enemies killed by spells, each walking on its sheet's row
    {"Assets/Sprites/Enemies/BirdSpriteSheet.png", 0, 234, 210, 234, 1.f, {950.f, 200.f}, 22, 1, 0.045f, 50.f},
    {"Assets/Sprites/Enemies/SpriteSheetTank.png", 0, 103, 157, 103, 3.f, {1200.f, 100.f}, 48, 1, 0.042f, 50.f},
    {"Assets/Sprites/Enemies/spriteSheetMonkey.png", 0, 261, 297, 261, 1.f, {300.f, 425.f}, 24, 1, 0.045f, -50.f},
    {"Assets/Sprites/Enemies/RatSpriteSheet.png", 0, 165, 228, 165, 1.f, {600.f, 500.f}, 7, 1, 0.125f, 0.f},
    {"Assets/Sprites/Enemies/SpriteSheetSkeletonRat.png", 0, 279, 192, 93, 1.f, {939.f, 500.f}, 9, 3, 0.1f, 50.f},
}};
// The numbers' rows: tallies 0..3 on the first, 4..6 on the second.
inline constexpr int kRecapFirstRowCount = 4;
inline constexpr std::array<float, 2> kRecapTextRowY{250.f, 530.f};
inline constexpr float kRecapTextSize = 70.f;
constexpr float RecapTextY(int tally) { return kRecapTextRowY[tally < kRecapFirstRowCount ? 0 : 1]; }
// The screen rectangle an icon covers (its frame at its scale).
constexpr HubRect RecapIconRect(int tally)
{
    const RecapIconInfo& icon = kRecapIcons[tally];
    return {icon.at.x, icon.at.y, icon.frameWidth * icon.scale, icon.frameHeight * icon.scale};
}
// Any button closes the recap board here; the BACK plaque of the menus'
// panel (at (898, 883)) sits inside it.
inline constexpr HubRect kRecapQuit{870.f, 880.f, 175.f, 175.f};

// The frame size of a decor's sheet: its cell in the asset manifest, before
// the decor's scale.
HubPoint HubDecorFrameSize(const HubDecorInfo& decor);

#undef HUB_SPRITES
