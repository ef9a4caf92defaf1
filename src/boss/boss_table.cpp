// The boss's rows and what hurts the player.
#include "boss/boss_table.hpp"

namespace {

// row, use, facing, mirror row, strip (row, frames, frame time, looping, loop start), end, next strip
const BossRowInfo kBossRows[BOSS_ROW_COUNT] = {
    // Frames 1-6 lead from the stand into the step cycle, which loops from 7.
    {BOSS_ROW_WALK_LEFT, "walk (the stand is its first frame)", 0, BOSS_ROW_WALK_RIGHT,
     {BOSS_ROW_WALK_LEFT, 21, 0.16f, 1, 7}, BOSS_END_LOOP, {}},
    {BOSS_ROW_WALK_RIGHT, "walk (the stand is its first frame)", 1, BOSS_ROW_WALK_LEFT,
     {BOSS_ROW_WALK_RIGHT, 21, 0.16f, 1, 7}, BOSS_END_LOOP, {}},
    // The blow lands 1.125 s in (frame 27), while the melee box is live.
    {BOSS_ROW_MELEE_LEFT, "cleaver: wind-up and blow", 0, BOSS_ROW_MELEE_RIGHT,
     {BOSS_ROW_MELEE_LEFT, 46, 0.042f, 0, 0}, BOSS_END_NEXT, {BOSS_ROW_MELEE_HOLD_LEFT, 8, 0.042f, 1, 8}},
    {BOSS_ROW_MELEE_HOLD_LEFT, "cleaver: pulled free, then held", 0, BOSS_ROW_MELEE_HOLD_RIGHT,
     {BOSS_ROW_MELEE_HOLD_LEFT, 8, 0.042f, 1, 8}, BOSS_END_HOLD, {}},
    {BOSS_ROW_MELEE_RIGHT, "cleaver: wind-up and blow", 1, BOSS_ROW_MELEE_LEFT,
     {BOSS_ROW_MELEE_RIGHT, 46, 0.042f, 0, 0}, BOSS_END_NEXT, {BOSS_ROW_MELEE_HOLD_RIGHT, 8, 0.042f, 1, 8}},
    {BOSS_ROW_MELEE_HOLD_RIGHT, "cleaver: pulled free, then held", 1, BOSS_ROW_MELEE_HOLD_LEFT,
     {BOSS_ROW_MELEE_HOLD_RIGHT, 8, 0.042f, 1, 8}, BOSS_END_HOLD, {}},
    // Crouch for 0.875 s (frames 0-6), spring (7), then rise on 8-10.
    {BOSS_ROW_JUMP_LEFT, "jump: crouch, spring, rise", 0, BOSS_ROW_JUMP_RIGHT, {BOSS_ROW_JUMP_LEFT, 11, 0.125f, 1, 8},
     BOSS_END_LOOP, {}},
    {BOSS_ROW_FALL_LEFT, "falling belly first", 0, BOSS_ROW_FALL_RIGHT, {BOSS_ROW_FALL_LEFT, 6, 0.125f, 1, 2},
     BOSS_END_LOOP, {}},
    // The belly-flop (0-4), then wobbling on the floor while the waves run.
    {BOSS_ROW_LAND_LEFT, "belly-flop landing", 0, BOSS_ROW_LAND_RIGHT, {BOSS_ROW_LAND_LEFT, 10, 0.125f, 1, 5},
     BOSS_END_LOOP, {}},
    // Any row without a rule of its own goes to row 0's first frame,
    // keeping its frame time.
    {BOSS_ROW_GET_UP_LEFT, "getting up", 0, BOSS_ROW_GET_UP_RIGHT, {BOSS_ROW_GET_UP_LEFT, 3, 0.125f, 0, 0},
     BOSS_END_NEXT, {BOSS_ROW_WALK_LEFT, 1, 0.125f, 1, 0}},
    {BOSS_ROW_JUMP_RIGHT, "jump: crouch, spring, rise", 1, BOSS_ROW_JUMP_LEFT, {BOSS_ROW_JUMP_RIGHT, 11, 0.125f, 1, 8},
     BOSS_END_LOOP, {}},
    {BOSS_ROW_FALL_RIGHT, "falling belly first", 1, BOSS_ROW_FALL_LEFT, {BOSS_ROW_FALL_RIGHT, 6, 0.125f, 1, 2},
     BOSS_END_LOOP, {}},
    {BOSS_ROW_LAND_RIGHT, "belly-flop landing", 1, BOSS_ROW_LAND_LEFT, {BOSS_ROW_LAND_RIGHT, 10, 0.125f, 1, 5},
     BOSS_END_LOOP, {}},
    // The right side's getting up also ends on row 0 (left): the walk turns
    // the boss round in its next frame.
    {BOSS_ROW_GET_UP_RIGHT, "getting up", 1, BOSS_ROW_GET_UP_LEFT, {BOSS_ROW_GET_UP_RIGHT, 3, 0.125f, 0, 0},
     BOSS_END_NEXT, {BOSS_ROW_WALK_LEFT, 1, 0.125f, 1, 0}},
    // The cauldron leaves the hands 2.25 s in (frame 27); the fetch row's
    // first frame then stands alone while it rolls.
    {BOSS_ROW_CAULDRON_LEFT, "cauldron: taken off the back and bowled", 0, BOSS_ROW_CAULDRON_RIGHT,
     {BOSS_ROW_CAULDRON_LEFT, 32, 0.083f, 0, 0}, BOSS_END_NEXT, {BOSS_ROW_FETCH_LEFT, 1, 0.042f, 1, 0}},
    {BOSS_ROW_CAULDRON_RIGHT, "cauldron: taken off the back and bowled", 1, BOSS_ROW_CAULDRON_LEFT,
     {BOSS_ROW_CAULDRON_RIGHT, 32, 0.083f, 0, 0}, BOSS_END_NEXT, {BOSS_ROW_FETCH_RIGHT, 1, 0.042f, 1, 0}},
    // Lit 2.333 s in (frame 34); the last frame, mouth wide, holds while it burns.
    {BOSS_ROW_FIRE_LEFT, "fire breath: a hot pepper, then the breath", 0, BOSS_ROW_FIRE_RIGHT,
     {BOSS_ROW_FIRE_LEFT, 42, 0.067f, 1, 42}, BOSS_END_HOLD, {}},
    {BOSS_ROW_FIRE_RIGHT, "fire breath: a hot pepper, then the breath", 1, BOSS_ROW_FIRE_LEFT,
     {BOSS_ROW_FIRE_RIGHT, 42, 0.067f, 1, 42}, BOSS_END_HOLD, {}},
    // The carrot goes at the row's end (3.667 s); the attack then shows the
    // walk row's first frame.
    {BOSS_ROW_CARROTS_LEFT, "carrot launch: lit and held up", 0, BOSS_ROW_CARROTS_RIGHT,
     {BOSS_ROW_CARROTS_LEFT, 22, 0.167f, 0, 0}, BOSS_END_STAY, {}},
    {BOSS_ROW_CARROTS_RIGHT, "carrot launch: lit and held up", 1, BOSS_ROW_CARROTS_LEFT,
     {BOSS_ROW_CARROTS_RIGHT, 22, 0.167f, 0, 0}, BOSS_END_STAY, {}},
    // Thrown 1.068 s in and every 0.267 s after: frames 15, 19, 23 and 27.
    {BOSS_ROW_FOOD_LEFT, "food: four pieces lobbed from the pot", 0, BOSS_ROW_FOOD_RIGHT,
     {BOSS_ROW_FOOD_LEFT, 46, 0.067f, 0, 0}, BOSS_END_NEXT, {BOSS_ROW_FOOD_HOLD_LEFT, 4, 0.067f, 1, 3}},
    {BOSS_ROW_FOOD_HOLD_LEFT, "food: settling back", 0, BOSS_ROW_FOOD_HOLD_RIGHT,
     {BOSS_ROW_FOOD_HOLD_LEFT, 4, 0.067f, 1, 3}, BOSS_END_LOOP, {}},
    {BOSS_ROW_FOOD_RIGHT, "food: four pieces lobbed from the pot", 1, BOSS_ROW_FOOD_LEFT,
     {BOSS_ROW_FOOD_RIGHT, 46, 0.067f, 0, 0}, BOSS_END_NEXT, {BOSS_ROW_FOOD_HOLD_RIGHT, 4, 0.067f, 1, 3}},
    {BOSS_ROW_FOOD_HOLD_RIGHT, "food: settling back", 1, BOSS_ROW_FOOD_HOLD_LEFT,
     {BOSS_ROW_FOOD_HOLD_RIGHT, 4, 0.067f, 1, 3}, BOSS_END_LOOP, {}},
    {BOSS_ROW_FETCH_LEFT, "fetching the cauldron: a hurried waddle, no pot on the back", 0, BOSS_ROW_FETCH_RIGHT,
     {BOSS_ROW_FETCH_LEFT, 21, 0.167f, 1, 7}, BOSS_END_LOOP, {}},
    {BOSS_ROW_FETCH_RIGHT, "fetching the cauldron: a hurried waddle, no pot on the back", 1, BOSS_ROW_FETCH_LEFT,
     {BOSS_ROW_FETCH_RIGHT, 21, 0.167f, 1, 7}, BOSS_END_LOOP, {}},
    {BOSS_ROW_DEATH_LEFT, "death: knocked down, the last frame stays", 0, BOSS_ROW_DEATH_RIGHT,
     {BOSS_ROW_DEATH_LEFT, 25, 0.125f, 1, 25}, BOSS_END_HOLD, {}},
    {BOSS_ROW_DEATH_RIGHT, "death: knocked down, the last frame stays", 1, BOSS_ROW_DEATH_LEFT,
     {BOSS_ROW_DEATH_RIGHT, 25, 0.125f, 1, 25}, BOSS_END_HOLD, {}},
};

// source, damage, cooldown
const BossHurt kBossHurts[BOSS_HURT_COUNT] = {
    {BOSS_HURT_CONTACT, 5, 0.75f},
    {BOSS_HURT_CAULDRON, 25, 0.5f},   // only while it still rolls out
    {BOSS_HURT_CARROT, 40, 0.75f},    // each falling carrot, in order
    {BOSS_HURT_FIRE, 5, 0.1f},        // a burn that keeps ticking
    {BOSS_HURT_WAVE, 25, 0.5f},       // each wave, only while they run
    {BOSS_HURT_FOOD, 10, 0.5f},       // each food, thrown or not
    {BOSS_HURT_MELEE, 30, 2.f},       // once per blow
};

}  // namespace

const BossRowInfo& BossRowOf(int row)
{
    return kBossRows[row];
}

const BossHurt& BossHurtOf(int source)
{
    return kBossHurts[source];
}
