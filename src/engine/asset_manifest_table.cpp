// The asset manifest: every file the game loads from Assets/, with the
// geometry the game's code cuts it by. Where the code does not fix a size
// outright, the entry's `why` says how the size follows from the placement.
#include <algorithm>
#include <array>

#include "engine/asset_manifest.hpp"
#include "engine/layout_table.hpp"

namespace {

// R rows of F frames each.
template <int R, int F>
inline constexpr std::array<int, R> kGrid = [] {
    std::array<int, R> a{};
    a.fill(F);
    return a;
}();

constexpr int MaxOf(std::span<const int> v) {
    int m = 0;
    for (int x : v) m = std::max(m, x);
    return m;
}

// A still picture of w x h.
constexpr AssetEntry Still(const char* path, int w, int h, const char* why = "", bool tiled = false) {
    return {path, AssetKind::Picture, w, h, w, h, 1, {}, tiled, nullptr, nullptr, why, false};
}

// A picture that is mostly holes, loaded sparse.
constexpr AssetEntry Sparsely(AssetEntry entry) {
    entry.sparse = true;
    return entry;
}

// A still picture of w x h stored without its transparent margins: a
// scenery picture hung from high above the ground is mostly empty sky.
constexpr AssetEntry Backdrop(const char* path, int w, int h, const char* why, bool tiled = false) {
    return {path, AssetKind::Picture, w, h, w, h, 1, {}, tiled, nullptr, nullptr, why, true};
}

// A pattern's scenery: a backdrop loaded sparse too, for what is left
// between its floors and walls is holes.
constexpr AssetEntry PatternBackdrop(const char* path, int w, int h, const char* why) {
    return Sparsely(Backdrop(path, w, h, why));
}

// A sheet of cells cw x ch, one row per entry of frames, as wide as its
// longest row.
constexpr AssetEntry Sheet(const char* path, int cw, int ch, std::span<const int> frames, const char* why = "") {
    return {path, AssetKind::Picture, cw * MaxOf(frames), ch * static_cast<int>(frames.size()), cw, ch,
            static_cast<int>(frames.size()), frames, false, nullptr, nullptr, why, false};
}

// A sheet as above, loaded with only its used cells, packed (see AssetEntry).
constexpr AssetEntry PackedSheet(const char* path, int cw, int ch, std::span<const int> frames, const char* why) {
    AssetEntry entry = Sheet(path, cw, ch, frames, why);
    entry.packed = true;
    return entry;
}

// A picture shown in one place only, kept folded while that place is far
// (see AssetEntry).
constexpr AssetEntry Folded(AssetEntry entry) {
    entry.folded = true;
    return entry;
}

constexpr AssetEntry Sound(const char* path) {
    return {path, AssetKind::Sound, 0, 0, 0, 0, 0, {}, false, nullptr, nullptr, "", false};
}
constexpr AssetEntry Music(const char* path) {
    return {path, AssetKind::Music, 0, 0, 0, 0, 0, {}, false, nullptr, nullptr, "", false};
}
constexpr AssetEntry Font(const char* path, const char* source, const char* licence, const char* why) {
    return {path, AssetKind::Font, 0, 0, 0, 0, 0, {}, false, source, licence, why, false};
}

// Frames per row of the sheets whose rows differ.

// The player's display sheets: idle 27/27, run 16/16, first jump 10/10,
// second jump 12/12, fall 12/12, growing arms 49, swings right 8 11 9 15,
// swings left 7 11 9 15, special pose 38.
constexpr int kPlayerRows[] = {27, 27, 16, 16, 10, 10, 12, 12, 12, 12, 49, 8, 11, 9, 15, 7, 11, 9, 15, 38};
constexpr const char* kPlayerPacking =
    "49 x 209 = 10241 by 20 x 116 = 2320 as drawn; the game keeps only the 326 cells its rows use, 39 to a line: "
    "a texture of 8151 x 1044";
// Tutorial cinematic clips 0-4 (clips 5 and 6 have no frames, so no rows).
constexpr int kCinematicRows[] = {30, 30, 30, 30, 19};
// The boss: one row per animation, 28 rows.
constexpr int kBossRows[] = {21, 21, 46, 8, 46, 8, 11, 6, 10, 3, 11, 6, 10, 3,
                             32, 32, 42, 42, 22, 22, 46, 4, 46, 4, 21, 21, 25, 25};
// Cauldron: spin left, stop left, spin right, stop right.
constexpr int kCauldronRows[] = {6, 36, 6, 36};
// Fire: burn left, die out left, burn right, die out right.
constexpr int kLaveRows[] = {26, 16, 26, 16};
// Archer body: start, (row 1 kept so row numbers match), walk left, walk
// right, airborne right, airborne left (the jump plays 35 frames).
constexpr int kArcherRows[] = {24, 24, 24, 24, 35, 35};
// Tank: idle L/R 48, walk L/R 29, shield L/R 29, charge L/R 34.
constexpr int kTankRows[] = {48, 48, 29, 29, 29, 29, 34, 34};
// Rat: idle L/R 7, walk L/R 10, throw L/R 17.
constexpr int kRatRows[] = {7, 7, 10, 10, 17, 17};
// Skeleton rat: rising 13 (row 1, its mirror, is where a finished one-shot
// row goes), walk L/R 9, throw L/R 21.
constexpr int kSkeletonRatRows[] = {13, 13, 9, 9, 21, 21};
// Statue: still/praying 30, then the blessing 35.
constexpr int kStatueRows[] = {30, 35};
// Seller: idle 16, (row 1 unused), serving 20.
constexpr int kSellerRows[] = {16, 16, 20};

// A parallax layer reaches from the layers' top down to the world's bottom.
constexpr int kLayerHeight = kScreenHeight - kLayerTop;

const AssetEntry kAssets[] = {
    // ---- Main menu and pause menu (Assets/Sprites/Menu/) --------------------
    // Where each picture stands is the layout table's (menu_layout); the
    // sizes follow from those places.
    Still("Assets/Sprites/Menu/Wallpaper.png", kScreenWidth, kScreenHeight, "full screen at the view's top-left"),
    Still("Assets/Sprites/Icon.png", 256, 256, "the window's icon, and the desktop's (installed as hicolor 256 x 256)"),
    Still("Assets/Sprites/Menu/Pannel.png", kScreenWidth, kScreenHeight,
          "options and credits panel centred on the screen, and the death screen's background placed at the "
          "view's top-left: only a full-screen picture fits both placements. Its board leaves the screen edges "
          "clear and carries a BACK plaque at the back place (kBack), exactly over the Return button it covers "
          "(options) and inside the death screen's 175 x 175 button around it"),
    Still("Assets/Sprites/Menu/CreditsPannel.png", kScreenWidth, kScreenHeight,
          "the credits screen's own panel: Pannel.png is also the options panel and the death screen, so "
          "credits text in it would show on all three. This is Pannel.png with the credits written on it, "
          "centred on the screen like it"),
    Still("Assets/Sprites/Menu/ControlsPannel.png", 1480, 840,
          "centred on the screen. The pause menu draws it alone and treats the back place (kBack) as its back "
          "area, so it carries a BACK plaque there (the size of Return.png); centred, reaching 77 px below the "
          "plaque's top makes it 840 tall. 1480 wide holds the key table's two columns"),
    Still("Assets/Sprites/Menu/PausePannel.png", 1480, 840,
          "centred on the screen, under the pause's Options, Controls and MENU buttons and the volume bar "
          "(1286 wide): 1480 wide. Its BACK plaque at the back place (kBack) marks the pause menu's invisible "
          "resume area, so it reaches as low as the controls panel: 840 tall"),
    Still("Assets/Sprites/Menu/ScreenShadow.png", kScreenWidth, kScreenHeight,
          "full screen at the view's top-left, translucent dark"),
    Still("Assets/Sprites/Menu/SoundBar.png", 1286, 64,
          "centred at kSoundBarCentre. The cursor (36 wide, centred on its position) stops kVolumeStop (134) px "
          "inside either end and starts at the right stop; volume = (cursor left - bar left - 134) / 10, so the "
          "right stop reads (W - 268 - 18) / 10 = 100 for W = 1286 and the left stop reads -1.8 (the game "
          "clamps to 0)"),
    Still("Assets/Sprites/Menu/SoundCursor.png", 36, 80, "a grip narrow enough to sit inside the bar's 134 px end stops"),
    Still("Assets/Sprites/Menu/Volume.png", 468, 120, "top-left at kVolumeLabel: 468 wide centres it on the "
          "screen, 120 tall stays clear of the bar (top at 401)"),
    // The four main buttons share one centre line (x = 258): Play, Options,
    // Credits and Quit stand where the layout table puts them.
    Still("Assets/Sprites/Menu/Play_01.png", 300, 100,
          "at kPlay, on the centre line. The four main buttons are 100 tall: Options also stands at "
          "kPauseOptions in the pause menu, and 100 tall it ends at y = 400, clear of the volume bar's click "
          "area (401..465) under it"),
    Still("Assets/Sprites/Menu/Play_02.png", 300, 100, "hover variant of Play_01"),
    Still("Assets/Sprites/Menu/Options_01.png", 480, 100, "at kOptions, on the centre line; 100 tall as Play_01"),
    Still("Assets/Sprites/Menu/Options_02.png", 480, 100, "hover variant of Options_01"),
    Still("Assets/Sprites/Menu/Credits_01.png", 466, 100, "at kCredits, on the centre line; 100 tall as Play_01"),
    Still("Assets/Sprites/Menu/Credits_02.png", 466, 100, "hover variant of Credits_01"),
    Still("Assets/Sprites/Menu/Quit_01.png", 280, 100, "at kQuit, on the centre line; 100 tall as Play_01"),
    Still("Assets/Sprites/Menu/Quit_02.png", 280, 100, "hover variant of Quit_01"),
    Still("Assets/Sprites/Menu/Return.png", 124, 70, "at the back place (kBack): 124 wide centres it on the screen"),
    Still("Assets/Sprites/Menu/Controls.png", 568, 110, "at kControlsButton on the options screen: 568 wide centres "
          "it on the screen under the volume bar"),

    // ---- Player (Assets/Sprites/Player/) ------------------------------------
    // Seven display sheets share one layout: 20 rows of 209 x 116 cells,
    // loaded packed: only 326 of the grid's 980 cells are used.
    PackedSheet("Assets/Sprites/Player/spriteSheetPlayerAllNoArms2.png", 209, 116, kPlayerRows, kPlayerPacking),
    Folded(PackedSheet("Assets/Sprites/Player/spritesheetplayerAllFini.png", 209, 116, kPlayerRows, kPlayerPacking)),
    Folded(PackedSheet("Assets/Sprites/Player/spritesheetplayerBrun.png", 209, 116, kPlayerRows, kPlayerPacking)),
    Folded(PackedSheet("Assets/Sprites/Player/spritesheetplayerRose.png", 209, 116, kPlayerRows, kPlayerPacking)),
    Folded(PackedSheet("Assets/Sprites/Player/spritesheetplayerVert.png", 209, 116, kPlayerRows, kPlayerPacking)),
    Folded(PackedSheet("Assets/Sprites/Player/spritesheetplayerVertBleu.png", 209, 116, kPlayerRows, kPlayerPacking)),
    Folded(PackedSheet("Assets/Sprites/Player/spritesheetplayerViolet.png", 209, 116, kPlayerRows, kPlayerPacking)),
    Sheet("Assets/Sprites/Player/cinematicTuto1.png", 515, 83, kCinematicRows,
          "clips 5 and 6 have no frames, so the sheet stops after clip 4's row"),
    Sheet("Assets/Sprites/Player/SpriteSheetSubstanceJump.png", 170, 143, kGrid<1, 36>),
    Still("Assets/Sprites/Player/imageHitbox2.png", 87, 162,
          "the physics body. The display sprite (209 x 116 at scale 3 = 627 x 348) sits at the hitbox's "
          "top-left - (270, 146), so its bottom is hitbox top + 202 and its centre x is hitbox left + 43.5. "
          "Standing on the display floor line y = 800 puts the hitbox top at 598; the level floors' tops are at "
          "y = 760, so the body is 760 - 598 = 162 tall; 87 wide centres it under the character (2 x 43.5)"),
    Still("Assets/Sprites/WinScreen.png", kScreenWidth, kScreenHeight,
          "origin at its middle: a full-screen picture centred on the view"),
    Still("Assets/Sprites/HUD/UpgradeDamage.png", 640, 160,
          "the damage-upgrade notice floats centred above the player's head at scale 1 (it has no place of its "
          "own; left at the world origin it would seldom be on screen): a banner wide enough to read, small "
          "enough not to hide the player"),

    // ---- World: pattern backgrounds (Assets/Sprites/BackGround/) ------------
    // Each main picture covers its pattern's width and hangs from where it is
    // placed down to the bottom of the world (y = 1080, the camera's lowest
    // view). Fronts are placed at the pattern's position (not raised) and
    // reach the same bottom. Level floors' tops are at y = 760.
    PatternBackdrop("Assets/Sprites/BackGround/Patern1 1.png", 2481, 1575,
          "pattern 0: 2481 wide; placed at (x, 452 - 947) = y -495, down to 1080"),
    PatternBackdrop("Assets/Sprites/BackGround/Patern1 2.png", 2481, 1575, "second variant of Patern1 1"),
    PatternBackdrop("Assets/Sprites/BackGround/Patern1front.png", 2481, 628, "pattern 0 front at (x, 452), down to 1080"),
    PatternBackdrop("Assets/Sprites/BackGround/Patern2 1.png", 4563, 1821,
          "pattern 1: 4563 wide; placed at (x, 206 - 947) = y -741, down to 1080"),
    PatternBackdrop("Assets/Sprites/BackGround/Patern2 2.png", 4563, 1821, "second variant of Patern2 1"),
    PatternBackdrop("Assets/Sprites/BackGround/Patern2front.png", 4563, 874, "pattern 1 front at (x, 206), down to 1080"),
    PatternBackdrop("Assets/Sprites/BackGround/Patern3 1.png", 4212, 3303,
          "pattern 2: 4212 wide; placed at (x, -1276 - 947) = y -2223, down to 1080 (its ledges climb to y -849)"),
    PatternBackdrop("Assets/Sprites/BackGround/Patern3 2.png", 4212, 3303, "second variant of Patern3 1"),
    PatternBackdrop("Assets/Sprites/BackGround/Patern4 1.png", 4584, 2611,
          "pattern 3: 4584 wide; placed at (x, -784 - 747) = y -1531, down to 1080"),
    PatternBackdrop("Assets/Sprites/BackGround/Patern4 2.png", 4584, 2611, "second variant of Patern4 1"),
    PatternBackdrop("Assets/Sprites/BackGround/Pattern 2_WO_1.png", 4563, 1735,
          "pattern 4: 4563 wide; placed at (x, -655), down to 1080"),
    PatternBackdrop("Assets/Sprites/BackGround/Pattern 2_WO_2.png", 4563, 1735, "second variant of Pattern 2_WO_1"),
    PatternBackdrop("Assets/Sprites/BackGround/Paternbrick1front.png", 4563, 1735, "pattern 4 front at (x, -655), down to 1080"),
    PatternBackdrop("Assets/Sprites/BackGround/Pattern 3_WO_1.png", 4638, 2050,
          "pattern 5: 4638 wide; placed at (x, -970), down to 1080"),
    PatternBackdrop("Assets/Sprites/BackGround/Pattern 3_WO_2.png", 4638, 2050, "second variant of Pattern 3_WO_1"),
    PatternBackdrop("Assets/Sprites/BackGround/Paternbrick2front.png", 4638, 2050, "pattern 5 front at (x, -970), down to 1080"),
    PatternBackdrop("Assets/Sprites/BackGround/Pattern 4_WO_1.png", 4563, 1782,
          "pattern 6: 4563 wide; placed at (x, -702), down to 1080"),
    PatternBackdrop("Assets/Sprites/BackGround/Pattern 4_WO_2.png", 4563, 1782, "second variant of Pattern 4_WO_1"),
    PatternBackdrop("Assets/Sprites/BackGround/Paternbrick3front.png", 4563, 1782, "pattern 6 front at (x, -702), down to 1080"),
    PatternBackdrop("Assets/Sprites/BackGround/PatternFin.png", 3985, 490,
          "end pattern: added at cursorX - 70 and advancing the level by 3915, so the level ends 3985 px right "
          "of the picture's left edge; placed at y 590, down to 1080 (its floor top is at 760)"),
    PatternBackdrop("Assets/Sprites/BackGround/PaternFrontEnd.png", 3985, 490, "end pattern front, same placement"),
    PatternBackdrop("Assets/Sprites/BackGround/PaternBoss.png", kScreenWidth, kScreenHeight,
          "boss arena at (0, 0); the camera is bounded to 1920 x (0..1080) there, so one screen is all that shows"),
    PatternBackdrop("Assets/Sprites/BackGround/PatternTutobg.png", 8466, 1340,
          "tutorial: 8466 wide; placed at (0, -260), down to 1080"),
    PatternBackdrop("Assets/Sprites/BackGround/PatternTutoFront.png", 8466, 1340, "tutorial front, same placement"),

    // ---- World: obstacles (Assets/Sprites/Obstacle/, Assets/Sprites/Maps/) ---
    Sheet("Assets/Sprites/Obstacle/porc thai.png", 324, 390, kGrid<5, 5>,
          "door: row = shown reward (0 plain, 1 card, 2 damage, 3 life, 4 coins)"),
    Sheet("Assets/Sprites/Obstacle/helic.png", 294, 438, kGrid<1, 6>),
    Still("Assets/Sprites/Obstacle/Fan1.png", 64, 64,
          "the default picture of every element and the fan's own; fans and position-less walls and ledges are "
          "never seen, so it is drawn fully transparent"),
    Sheet("Assets/Sprites/Obstacle/Fountain.png", 219, 187, kGrid<2, 30>, "row 0 idle, row 1 active"),
    Still("Assets/Sprites/Obstacle/mur.png", 24, 249,
          "decorative step wall at (boundary - 12, 719 - 249 h) for each step h: 24 wide centred on the "
          "boundary, one step (249) tall, so stacked walls meet"),
    Sheet("Assets/Sprites/Obstacle/recompance.png", 519, 861, kGrid<1, 8>),
    Still("Assets/Sprites/Obstacle/carte.png", 519, 761,
          "reward items sit at the chest's position with the chest 100 px higher (chest 519 x 861 from y -100): "
          "the item covers the chest's width down to the floor (y 0..761) so the player standing at the chest "
          "overlaps it and can take it with F; the icon floats above the lid, the rest is clear"),
    Still("Assets/Sprites/Obstacle/epe.png", 519, 761, "as carte.png"),
    Still("Assets/Sprites/Obstacle/coeur.png", 519, 761, "as carte.png"),
    Still("Assets/Sprites/Obstacle/coin.png", 519, 761, "as carte.png"),
    Sheet("Assets/Sprites/Obstacle/SpriteSheetFlyingCrate.png", 369, 582, kGrid<1, 3>),
    Sheet("Assets/Sprites/Maps/SpritesheetForge.png", 324, 390, kGrid<1, 5>),
    Sheet("Assets/Sprites/Obstacle/SpritesheetStatue.png", 219, 187, kStatueRows),

    // ---- World: parallax and decor (Assets/Sprites/Maps/) -------------------
    // Layers hang at kLayerTop (-3240, the highest view a level allows after
    // the hub) and reach the bottom of the world at the screen's height:
    // 4320 tall. Each layer's x is d / f for
    // a view left edge d, so over a level of length L it must cover
    // (L - 1920)(1 - 1/f) + 1920. The longest level is four patterns and the
    // end: 4638 + 4584 + 4638 + 4563 - 70 + 3915 = 22268, so layer 1
    // (f = 1.2) would need 5311 px and the five layers together ~320 MB of
    // texture. Instead the layers tile horizontally: the game sets the
    // textures repeated and draws each with a texture rectangle as wide as
    // it needs (the widths below are one tile).
    Backdrop("Assets/Sprites/Maps/Background/Background.png", 256, kLayerHeight,
          "the sky: a vertical gradient, so a 256 px tile repeats seamlessly; (L - 1920)(1 - 1/1.005) + 1920 = "
          "2021 px wide are needed at most", true),
    Sparsely(Backdrop("Assets/Sprites/Maps/Background/Sun.png", 1600, 3720,
          "the sun, not tiled: hung at kLayerTop like the sky, its disc low over the sea near y 240 (3480 down "
          "the picture); 1600 wide puts it right of the screen's middle, and at f = 1.005 it drifts only ~100 px "
          "over the longest level")),
    Sparsely(Backdrop("Assets/Sprites/Maps/Layer5.png", kScreenWidth, kLayerHeight, "far haze and clouds; one 1920 tile, repeated", true)),
    Sparsely(Backdrop("Assets/Sprites/Maps/Layer4.png", kScreenWidth, kLayerHeight, "far sea stacks; one 1920 tile, repeated (needs 2889 px)", true)),
    Sparsely(Backdrop("Assets/Sprites/Maps/Layer3.png", kScreenWidth, kLayerHeight, "cliffs; one 1920 tile, repeated (needs 3770 px)", true)),
    Sparsely(Backdrop("Assets/Sprites/Maps/Layer2.png", kScreenWidth, kLayerHeight, "wrecks; one 1920 tile, repeated (needs 4574 px)", true)),
    Sparsely(Backdrop("Assets/Sprites/Maps/Layer1.png", kScreenWidth, kLayerHeight, "near rocks; one 1920 tile, repeated (needs 5311 px)", true)),
    Sheet("Assets/Sprites/Maps/FirstPlan/SpritesheetBouf.png", 584, 328, kGrid<1, 18>),
    Sheet("Assets/Sprites/Maps/SecondPlan/Boat.png", 474, 308, kGrid<1, 5>),
    Sheet("Assets/Sprites/Maps/SecondPlan/BlueParrot.png", 153, 153, kGrid<1, 10>),
    Sheet("Assets/Sprites/Maps/SecondPlan/GreenParrot.png", 153, 153, kGrid<1, 10>),
    Sheet("Assets/Sprites/Maps/SecondPlan/YellowParrot.png", 153, 153, kGrid<1, 10>),

    // ---- Combat (Assets/Sprites/Bomb/, Assets/Sprites/Cards/) ---------------
    Sheet("Assets/Sprites/Bomb/Bomb.png", 75, 99, kGrid<1, 21>),
    Sheet("Assets/Sprites/Bomb/SpriteSheetSword.png", 117, 84, kGrid<1, 15>),
    Sheet("Assets/Sprites/Bomb/SpriteSheetXSword.png", 465, 384, kGrid<1, 30>),
    Sheet("Assets/Sprites/Bomb/SpriteSheetAnvil.png", 420, 300, kGrid<1, 18>),
    Sheet("Assets/Sprites/Bomb/SpriteSheetTentacles.png", 387, 225, kGrid<1, 25>),
    Sheet("Assets/Sprites/Bomb/SpriteSheetFoudre.png", 480, 657, kGrid<1, 32>),
    Sheet("Assets/Sprites/Bomb/SpriteSheetMesperExplosion.png", 321, 258, kGrid<1, 33>),
    Sheet("Assets/Sprites/Bomb/SpriteSheetMesperSolo.png", 81, 72, kGrid<1, 8>),
    Sheet("Assets/Sprites/Cards/TestCards.png", 145, 211, kGrid<1, 6>,
          "card of kind k at (145 k, 0, 145, 211), kinds 0..5 (one per spell): a strip of six cards"),
    Still("Assets/Sprites/Cards/ShowDeck.png", 120, 90,
          "the deck icon sits 100 px above the first hand card's top, 10 px in: under 100 tall so it does not "
          "touch the card"),
    Still("Assets/Sprites/Cards/CardScoreboard.png", 145, 211,
          "the recap board's card icon at (331, 205), one card's size; its count goes 50 px right of it, "
          "before the purse at x 699"),

    // ---- Enemies (Assets/Sprites/Enemies/) ----------------------------------
    // The archer's sheet is loaded as "spriteSheetMonkey.png" by the archer
    // and as "SpriteSheetMonkey.png" by its kill icon and the recap board:
    // the real name is spriteSheetMonkey.png (lower-case s); the game loads
    // that name in all three places.
    Sheet("Assets/Sprites/Enemies/spriteSheetMonkey.png", 297, 261, kArcherRows),
    Sheet("Assets/Sprites/Enemies/SpriteSheetMonkeyArm.png", 189, 186, kGrid<2, 21>,
          "row 0 aiming left (drawn turned 180 degrees), row 1 aiming right; the bow draws over 21 frames"),
    Sheet("Assets/Sprites/Enemies/SpriteSheetTank.png", 157, 103, kTankRows),
    Sheet("Assets/Sprites/Enemies/BirdSpriteSheet.png", 210, 234, kGrid<4, 22>,
          "rows 0/1 flying left/right, 2/3 attacking left/right; the attack keeps the 22-frame count"),
    Sheet("Assets/Sprites/Enemies/RatSpriteSheet.png", 228, 165, kRatRows),
    Sheet("Assets/Sprites/Enemies/SpriteSheetSkeletonRat.png", 192, 93, kSkeletonRatRows),
    Sheet("Assets/Sprites/Enemies/SpritesheetDummy.png", 273, 255, kGrid<1, 10>),
    Still("Assets/Sprites/Enemies/Bullet.png", 48, 16,
          "arrow and bird shot, drawn whole: a short dart whose box stays small against the player's 87 px body"),
    Sheet("Assets/Sprites/Enemies/Fiole.png", 54, 42, kGrid<1, 6>,
          "flying 4 frames, then breaking plays frames 4 and 5 (frame count 6)"),
    Sheet("Assets/Sprites/Enemies/Os.png", 39, 36, kGrid<1, 4>),
    Still("Assets/Sprites/Enemies/Coin.png", 36, 36, "a dropped coin; small enough that 24 from a chest read as a shower"),
    Still("Assets/Sprites/Enemies/Food.png", 48, 40, "a dropped food item, a little bigger than a coin"),
    Sheet("Assets/Sprites/Enemies/Blood.png", 87, 51, kGrid<1, 10>),
    Sheet("Assets/Sprites/Enemies/SmokeSpriteSheet.png", 132, 80, kGrid<1, 45>,
          "31 frames while the cloud lives, 45 once it fades out"),

    // ---- Boss (Assets/Sprites/Boss/) ----------------------------------------
    PackedSheet("Assets/Sprites/Boss/SpriteSheetBoss.png", 348, 219, kBossRows,
                "46 x 348 = 16008 by 28 x 219 = 6132 as drawn; the game keeps only the 594 cells its rows use, "
                "23 to a line: a texture of 8004 x 5694"),
    Sheet("Assets/Sprites/Boss/SpriteSheetSpinCauldron.png", 167, 90, kCauldronRows),
    Sheet("Assets/Sprites/Boss/SpriteSheetCarrotLaunch.png", 60, 153, kGrid<2, 8>, "row 0 thrown left, row 1 right"),
    Sheet("Assets/Sprites/Boss/SpriteSheetFallCarrot.png", 95, 197, kGrid<1, 10>),
    Sheet("Assets/Sprites/Boss/Warning.png", 30, 51, kGrid<1, 4>),
    Sheet("Assets/Sprites/Boss/SpriteSheetLave.png", 272, 192, kLaveRows),
    Sheet("Assets/Sprites/Boss/SpriteSheetWind.png", 167, 82, kGrid<2, 4>, "row 0 the left wave, row 1 the right"),
    Still("Assets/Sprites/Boss/Food/Food1.png", 32, 32, "thrown food at scale 3 (96 px), about a third of the boss's hitbox"),
    Still("Assets/Sprites/Boss/Food/Food2.png", 32, 32, "as Food1"),
    Still("Assets/Sprites/Boss/Food/Food3.png", 32, 32, "as Food1"),
    Still("Assets/Sprites/Boss/Food/Food4.png", 32, 32, "as Food1"),

    // ---- Hub (Assets/Sprites/Maps/Hub/) -------------------------------------
    Folded(Still("Assets/Sprites/Maps/Hub/TestHub.png", 3840, 2370,
                 "3840 wide, bottom at y = 1080; the hub camera reaches up to y = -1290, so 1080 + 1290 = 2370 tall")),
    Sparsely(Still("Assets/Sprites/Maps/Hub/HubDetails.png", 3840, 2374, "top-left (0, -1294), down to 1080, over the whole map")),
    Sparsely(Still("Assets/Sprites/Maps/Hub/Rocher.png", 3840, 2370,
          "foreground rock, top-left (0, -1290), down to 1080, over the whole map; may be cropped to its art's "
          "extent (its top-left stays fixed)")),
    Folded(Still("Assets/Sprites/Maps/Hub/SwordsDummy.png", 273, 240,
                 "at (3000, 530): the training dummy's width (273) from its top down to the enemies' ground line 770")),
    Folded(Still("Assets/Sprites/Maps/Hub/GlowSubstance.png", 551, 673,
                 "glow over the card selector's vat: from (1600, 100) to the vat decor's bottom-right (1860 + 291, "
                 "425 + 348)")),
    Folded(Still("Assets/Sprites/Maps/Hub/Scoreboard.png", 420, 310,
                 "at (2679, -100), standing on the long hub floor whose top is y = 210: 310 tall")),
    Folded(Still("Assets/Sprites/Maps/Hub/ScoreboardTriggered.png", 420, 310, "lit variant of Scoreboard")),
    Folded(Still("Assets/Sprites/Maps/Hub/Dressroom.png", 400, 364,
                 "at (78, -1164), standing on the upper floor whose top is y = -800: 364 tall")),
    Folded(Still("Assets/Sprites/Maps/Hub/DressroomTriggered.png", 400, 364, "lit variant of Dressroom")),
    Folded(Sheet("Assets/Sprites/Maps/Hub/BarAnimation.png", 258, 133, kGrid<2, 23>,
                 "the quest board's bar: row 0 idle, row 1 while the player stands at it")),
    Folded(Sheet("Assets/Sprites/Maps/Hub/AnimationLaboratory.png", 230, 115, kGrid<1, 28>)),
    Folded(Sheet("Assets/Sprites/Maps/Hub/FullSpriteSheetLabo.png", 426, 417, kSellerRows,
                 "row 0 idle (16), row 2 serving (20); row 1 unused but kept so the row numbers match")),
    Folded(Sheet("Assets/Sprites/Maps/Hub/FullSpriteSheetSubstance.png", 291, 348, kGrid<2, 8>,
                 "the card selector's vat: row 0 idle, row 1 while the player stands at it")),
    Folded(Sheet("Assets/Sprites/Maps/Hub/AnimationSkins.png", 228, 213, kGrid<1, 11>)),
    Folded(Still("Assets/Sprites/Maps/Hub/CardSelectorBackground.png", kScreenWidth, kScreenHeight, "full-screen panel at the view's top-left")),
    Folded(Still("Assets/Sprites/Maps/Hub/CardsSelectors.png", 742, 682,
                 "at (567, 182), over the six spell buttons (230.4 x 330.48, 2 rows of 3 from (578.2, 184.4)); the "
                 "last ends at (1307.8, 863.7)")),
    Folded(Still("Assets/Sprites/Maps/Hub/CardSelection.png", 242, 342,
                 "marker on a picked spell button (230.4 x 330.48) with a ~5 px margin; its slots are 265 apart")),
    Folded(Still("Assets/Sprites/Maps/Hub/LaboShop.png", kScreenWidth, kScreenHeight, "full-screen panel at the view's top-left")),
    Folded(Still("Assets/Sprites/Maps/Hub/LaboPotion.png", 60, 96,
                 "potion icons 65 px apart in rows 128 px apart: under 65 wide and 128 tall")),
    Folded(Still("Assets/Sprites/Maps/Hub/QuestPanel.png", kScreenWidth, kScreenHeight, "full-screen panel at the view's top-left")),
    Folded(Still("Assets/Sprites/Maps/Hub/BarQuests.png", kScreenWidth, kScreenHeight, "full-screen overlay at the view's top-left")),
    Folded(Still("Assets/Sprites/Maps/Hub/QuestSelection.png", 416, 698,
                 "marker at (301 + 436 q, 183) around quest button q (403.2 x 680.4 at (307.6 + 436.8 q, 191.8))")),
    Folded(Still("Assets/Sprites/Maps/Hub/RecapPannel.png", kScreenWidth, kScreenHeight, "full-screen panel at the view's top-left")),
    Still("Assets/Sprites/Maps/Hub/Purse.png", 96, 96,
          "HUD purse 75 px in from the top-left and the recap icon at (699, 250); its count goes 50 px right of "
          "it, before the bird icon at x 950"),

    // ---- HUD (Assets/Sprites/Hud/) ------------------------------------------
    // Bars are drawn centred on their frame's centre + (2, 1); a frame with a
    // window 8 px in from the left and 5 px from the top, as wide and tall
    // as the bar, is exactly that.
    Still("Assets/Sprites/Hud/HPBackBar.png", 344, 38, "window (8, 5, 332, 30) for the 332 x 30 bar"),
    Still("Assets/Sprites/Hud/EnergyBackBar.png", 344, 38, "window (8, 5, 332, 30), stacked right under the health frame"),
    Still("Assets/Sprites/Hud/BossBackBar.png", 676, 38, "window (8, 5, 664, 30) for the 664 x 30 boss bar"),
    Still("Assets/Sprites/Hud/RedOverlay.png", kScreenWidth, kScreenHeight, "full screen, centred on the view; tinted by alpha only"),

    // ---- Loading screen (Assets/Sprites/Load/) -------------------------------
    Sheet("Assets/Sprites/Load/PlayerRunLoading.png", 147, 126, kGrid<1, 16>),
    Sheet("Assets/Sprites/Load/Tresor.png", 357, 312, kGrid<1, 38>),

    // ---- Fonts (Assets/Fonts/), copied from Debian packages -----------------
    Font("Assets/Fonts/PixelFont.ttf", "/usr/share/fonts/truetype/dotgothic16/DotGothic16-Regular.ttf",
         "/usr/share/doc/fonts-dotgothic16/copyright",
         "DotGothic16 (fonts-dotgothic16, SIL OFL 1.1): a pixel font for the tutorial dialogue"),
    Font("Assets/Fonts/PixelPirate.ttf", "/usr/share/fonts/truetype/sixtyfour/C-64-Regular.ttf",
         "/usr/share/doc/fonts-sixtyfour/copyright",
         "Sixtyfour (fonts-sixtyfour, SIL OFL 1.1): chunky pixel digits for damage numbers and the recap board"),
    Font("Assets/Fonts/Bomberman.ttf", "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Black.otf",
         "/usr/share/doc/fonts-league-spartan/copyright",
         "League Spartan Black (fonts-league-spartan, SIL OFL 1.1): bold and blocky for the HUD (an OpenType "
         "font; FreeType reads it whatever the extension)"),
    Font("Assets/Fonts/PiratesBay.ttf", "/usr/share/fonts/truetype/blankenburg/Blankenburg_UNZ1A.ttf",
         "/usr/share/doc/fonts-blankenburg/copyright",
         "Blankenburg (fonts-blankenburg, SIL OFL 1.1): a blackletter face for the seller's prices"),

    // ---- Sounds (Assets/Sounds/) --------------------------------------------
    Music("Assets/Sounds/Musics/Menu.wav"),
    Music("Assets/Sounds/Musics/Game.wav"),
    Sound("Assets/Sounds/Sounds/AnchorFall.wav"),
    Sound("Assets/Sounds/Sounds/Auto1.wav"),
    Sound("Assets/Sounds/Sounds/Auto2.wav"),
    Sound("Assets/Sounds/Sounds/Auto3.wav"),
    Sound("Assets/Sounds/Sounds/Auto4.wav"),
    Sound("Assets/Sounds/Sounds/Bumper.wav"),
    Sound("Assets/Sounds/Sounds/Explosion.wav"),
    Sound("Assets/Sounds/Sounds/Knife.wav"),
    Sound("Assets/Sounds/Sounds/ParrotShot.wav"),
    Sound("Assets/Sounds/Sounds/Pistol.wav"),
    Sound("Assets/Sounds/Sounds/SwordCenter.wav"),
    Sound("Assets/Sounds/Sounds/Tentacles.wav"),
    Sound("Assets/Sounds/Sounds/Wind.wav"),
    Sound("Assets/Sounds/Sounds/Zap.wav"),
};

const char* const kStartupPictures[] = {
    "Assets/Sprites/Player/spriteSheetPlayerAllNoArms2.png",
    "Assets/Sprites/Player/spritesheetplayerAllFini.png",
    "Assets/Sprites/Player/cinematicTuto1.png",
    "Assets/Sprites/Player/SpriteSheetSubstanceJump.png",
    "Assets/Sprites/Player/imageHitbox2.png",
    "Assets/Sprites/WinScreen.png",
    "Assets/Sprites/HUD/UpgradeDamage.png",
    "Assets/Sprites/Hud/RedOverlay.png",
    "Assets/Sprites/BackGround/PatternTutobg.png",
    "Assets/Sprites/BackGround/PatternTutoFront.png",
    "Assets/Sprites/Obstacle/porc thai.png",
    "Assets/Sprites/Maps/Layer1.png",
    "Assets/Sprites/Maps/Layer2.png",
    "Assets/Sprites/Maps/Layer3.png",
    "Assets/Sprites/Maps/Layer4.png",
    "Assets/Sprites/Maps/Layer5.png",
    "Assets/Sprites/Maps/Background/Background.png",
    "Assets/Sprites/Maps/Background/Sun.png",
    "Assets/Sprites/Maps/SecondPlan/Boat.png",
    "Assets/Sprites/Menu/Wallpaper.png",
    "Assets/Sprites/Menu/Pannel.png",
    "Assets/Sprites/Menu/CreditsPannel.png",
    "Assets/Sprites/Menu/ControlsPannel.png",
    "Assets/Sprites/Menu/PausePannel.png",
    "Assets/Sprites/Menu/ScreenShadow.png",
    "Assets/Sprites/Bomb/SpriteSheetAnvil.png",
    "Assets/Sprites/Bomb/SpriteSheetTentacles.png",
    "Assets/Sprites/Bomb/SpriteSheetFoudre.png",
    "Assets/Sprites/Bomb/SpriteSheetMesperExplosion.png",
    "Assets/Sprites/Bomb/SpriteSheetXSword.png",
    // The boss and its biggest attacks: read while the menu starts, so no
    // frame of play waits for them when the arena opens.
    "Assets/Sprites/Boss/SpriteSheetBoss.png",
    "Assets/Sprites/Boss/SpriteSheetSpinCauldron.png",
    "Assets/Sprites/Boss/SpriteSheetLave.png",
    "Assets/Sprites/Load/PlayerRunLoading.png",
    "Assets/Sprites/Load/Tresor.png",
};

}  // namespace

std::span<const AssetEntry> AllAssets() { return kAssets; }

std::span<const char* const> StartupPictures() { return kStartupPictures; }

const AssetEntry* FindAsset(std::string_view path) {
    for (const AssetEntry& e : kAssets)
        if (path == e.path) return &e;
    return nullptr;
}
