// The spells' pictures and how they play.
#include "combat/spell_table.hpp"

#include "engine/asset_manifest.hpp"

namespace {

#define BOMB "Assets/Sprites/Bomb/"

// sheet, looping, loop start, hitbox
const SpellPicture kDetonations[kSpellEntryKinds] = {
    // The sword flies on for as long as it lives: its flight is the loop.
    {BOMB "SpriteSheetSword.png", 1, 11, SPELL_HITBOX_FRAME},
    // The cross plays once while its blades fly in, then the entry ends.
    {BOMB "SpriteSheetXSword.png", 0, 0, SPELL_HITBOX_NONE},
    // The anvil appears, then keeps falling.
    {BOMB "SpriteSheetAnvil.png", 1, 11, SPELL_HITBOX_FRAME},
    // The tentacles rise once, then writhe until the patch ends.
    {BOMB "SpriteSheetTentacles.png", 1, 19, SPELL_HITBOX_FRAME},
    // The bolt strikes once, then crackles until the strike ends.
    {BOMB "SpriteSheetFoudre.png", 1, 12, SPELL_HITBOX_FRAME},
    // The burst plays once and splits into imps.
    {BOMB "SpriteSheetMesperExplosion.png", 0, 0, SPELL_HITBOX_FRAME},
    // A blade of the cross: a box of its own and no picture.
    {nullptr, 0, 0, SPELL_HITBOX_BLADE},
};

const SpellPicture kMesperImp = {BOMB "SpriteSheetMesperSolo.png", 1, 0, SPELL_HITBOX_NONE};
const SpellPicture kBomb = {BOMB "Bomb.png", 0, 0, SPELL_HITBOX_NONE};

const char* const kSpellNames[kSpellCardKinds] = {"sword", "cross", "anvil", "tentacles", "lightning", "imps"};

}  // namespace

const SpellPicture& SpellDetonation(int kind) { return kDetonations[kind]; }
const SpellPicture& MesperImpPicture() { return kMesperImp; }
const SpellPicture& BombPicture() { return kBomb; }

int SpellFrames(const SpellPicture& picture)
{
    const AssetEntry* entry = picture.sheet ? FindAsset(picture.sheet) : nullptr;
    return entry ? entry->FramesInRow(0) : 0;
}

SpellRect SpellFrameRect(const SpellPicture& picture, int frame)
{
    const AssetEntry* entry = picture.sheet ? FindAsset(picture.sheet) : nullptr;
    if (!entry)
        return {};
    return {entry->cellWidth * frame, 0, entry->cellWidth, entry->cellHeight};
}

SpellRect CardRect(int kind)
{
    const AssetEntry* entry = FindAsset(kCardSheet);
    return {entry->cellWidth * kind, 0, entry->cellWidth, entry->cellHeight};
}

const char* SpellName(int kind) { return kSpellNames[kind]; }

int SpellKindNamed(std::string_view name)
{
    for (int kind = 0; kind < kSpellCardKinds; kind++)
        if (name == kSpellNames[kind])
            return kind;
    return -1;
}
