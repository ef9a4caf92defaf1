#pragma once
// The recap board's seven running tallies, by what each counts. Pure data:
// the enemies' table names the tally each kind's kills raise.
enum HubTally {
    TALLY_THIRD_SLOT_CARDS = 0,  // cards played from the hand's third slot
    TALLY_COINS = 1,             // coins collected
    TALLY_BIRDS = 2,             // kills by spells, per kind from here on
    TALLY_TANKS = 3,
    TALLY_ARCHERS = 4,
    TALLY_RATS = 5,
    TALLY_SKELETON_RATS = 6,
    TALLY_COUNT = 7,
};
