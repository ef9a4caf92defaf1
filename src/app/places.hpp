#pragma once
// Named places a script can send the player to ("FRAME goto door"): found
// in whatever level is built, so a script stays right whatever the random
// stream made of the level.
#include <string>
#include <vector>

struct Game;

// The names `goto` knows.
std::vector<std::string> PlaceNames();
bool IsPlaceName(const std::string& name);
// Puts the player's body at the place, standing; false (and the body left
// where it was) when the scene has no such place.
bool GoToPlace(Game& game, const std::string& name);
