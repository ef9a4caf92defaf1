#pragma once
// What each spell is made of: the pictures its bomb and its detonation show,
// how they play, and where their damage lies against the detonation point.
// Pure data: the spell code builds its entries from here and the asset
// generator paints every effect so that it fills the area it damages. Cell
// sizes and frame counts are the asset manifest's (one home for them); this
// table names the sheets and reads the rest from there.
#include <string_view>

// Spell kinds. A card's kind is the kind of the bomb it throws.
enum SpellKind {
    SPELL_SWORD = 0,         // one flying sword
    SPELL_XSWORD = 1,        // the cross picture plus four blades
    SPELL_ANVIL = 2,         // one falling anvil
    SPELL_TENTACLES = 3,     // one tentacle patch
    SPELL_FOUDRE = 4,        // one lightning strike
    SPELL_MESPER = 5,        // one burst, later four imps (still kind 5)
    SPELL_XSWORD_BLADE = 6,  // only made by the cross: a damage box, never drawn
    SPELL_SPENT = 7,         // the deck's mark of a played card; never thrown
};
inline constexpr int kSpellCardKinds = 6;    // kinds a card can show: SPELL_SWORD .. SPELL_MESPER
inline constexpr int kSpellEntryKinds = 7;   // kinds an explosion entry can have: 0 .. SPELL_XSWORD_BLADE

// Every spell picture, the bomb's included, shows a frame this long.
inline constexpr float kSpellFrameTime = 0.045f;

// What an entry hurts with: nothing of its own (the cross picture, an imp:
// area damage then measures the sprite), a box the size of its frame placed
// where its sprite is, or the cross blade's own box.
enum SpellHitbox { SPELL_HITBOX_NONE = 0, SPELL_HITBOX_FRAME = 1, SPELL_HITBOX_BLADE = 2 };

struct SpellPicture {
    const char* sheet = nullptr;  // the manifest's path; nullptr: nothing is drawn
    int looping = 0;              // 1: past the last frame it plays on from loopStart
    int loopStart = 0;
    SpellHitbox hitbox = SPELL_HITBOX_NONE;
};

// Whole-pixel rectangle of a sheet (left, top, width, height).
struct SpellRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// What a detonation of kind 0 .. SPELL_XSWORD_BLADE makes (kind 5: the
// burst). Its sprite and hitbox are both centred on the detonation point,
// except the blades (below), which have no sprite.
const SpellPicture& SpellDetonation(int kind);
// The imp a burst splits into: it homes on its target and is mirrored
// while it flies left, so it is drawn flying right.
const SpellPicture& MesperImpPicture();
// The thrown bomb: played once, it keeps its last frame (its resting look)
// while it waits on the ground.
const SpellPicture& BombPicture();

// From the manifest: frames of the picture's strip (0 without a sheet) and
// the rectangle of frame f in its sheet (an empty one without a sheet).
int SpellFrames(const SpellPicture& picture);
SpellRect SpellFrameRect(const SpellPicture& picture, int frame);

// ---- The bomb ----------------------------------------------------------
// Its hitbox is a square centred on the bomb's position; its sprite is
// centred on the same point. It falls until the box's bottom reaches the
// ground line, so a bomb at rest has its centre half a box above it.
inline constexpr float kBombBoxSize = 50.f;
inline constexpr float kBombGroundY = 770.f;
inline constexpr float kBombRestCentreY = kBombGroundY - kBombBoxSize / 2.f;

// ---- The cross's blades --------------------------------------------------
// Four invisible damage boxes, one on each diagonal, that wait, then fly
// back to the detonation point and end near it. The cross picture draws its
// blades along the same path at the same times, so what a player sees
// cutting is where the boxes are.
inline constexpr float kXSwordBladeSize = 75.f;
inline constexpr float kXSwordBladeReach = 200.f;       // box centre this far out on x and on y
inline constexpr float kXSwordBladeWait = 0.4f;         // seconds before it flies back
inline constexpr float kXSwordBladeSpeed = 400.f;       // pixels a second, towards the detonation point
inline constexpr float kXSwordBladeEndDistance = 50.f;  // it ends this close to the detonation point
// Blade j's box centre against the detonation point, in list order: up-left,
// up-right, down-left, down-right (its top-left is half a box less).
struct SpellOffset {
    float x = 0.f, y = 0.f;
};
inline constexpr SpellOffset kXSwordBladeCentres[4] = {{-kXSwordBladeReach, -kXSwordBladeReach},
                                                       {kXSwordBladeReach, -kXSwordBladeReach},
                                                       {-kXSwordBladeReach, kXSwordBladeReach},
                                                       {kXSwordBladeReach, kXSwordBladeReach}};

// ---- The burst's imps ------------------------------------------------------
// When the burst has played once it becomes four imps: imp j's sprite
// top-left sits at the burst's centre plus offset j, in list order. The
// burst's last frames show the imps taking shape at these places.
inline constexpr SpellOffset kMesperImpOffsets[4] = {{-75.f, -96.f}, {42.f, -131.f}, {-88.f, 54.f}, {46.f, 29.f}};

// ---- Cards ---------------------------------------------------------------
// One sheet holds the six cards, card k's picture in cell k of its strip.
inline constexpr const char* kCardSheet = "Assets/Sprites/Cards/TestCards.png";
// The deck icon above the hand, and the card icon of the recap board.
inline constexpr const char* kDeckIcon = "Assets/Sprites/Cards/ShowDeck.png";
inline constexpr const char* kCardScoreboardIcon = "Assets/Sprites/Cards/CardScoreboard.png";
// The card picture of kind 0 .. kSpellCardKinds - 1 in the card sheet. A
// spent card keeps the picture it was dealt with.
SpellRect CardRect(int kind);
// A short name for a card kind (0 .. 5), for the run report and the
// card's own label.
const char* SpellName(int kind);
// The card kind called `name` ("sword" .. "imps"), or -1.
int SpellKindNamed(std::string_view name);
