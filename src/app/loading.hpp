#pragma once
// The loading screen in play: started when the player leaves the hub for a
// run, when the fourth level's door opens the arena, and on the first
// arrival in the hub. Behind it the pictures of the next place that are not
// yet read are decoded, and the big ones of a place left far behind are let
// go; the place is built when it ends.
#include "ui/loading_screen.hpp"

#include <string>
#include <vector>

struct Game;

// The pictures decoded behind a loading screen leading to `next`.
std::vector<std::string> LoadingPictures(int next);
// The pictures let go of as it starts, read again on the way back: a run
// leaves the arena's behind (the boss above all), the arena the run's
// scenery, and the hub both, and the tutorial's for good. The hub lets go
// of them at every arrival, whether its loading screen runs or not.
std::vector<std::string> PicturesLeftBehind(int next);
void StartLoading(Game& game, int next);
// Reads the pictures of `next` at once, for a debug key that goes there
// without its loading screen (they may have been let go of).
void ReadPlaceNow(Game& game, int next);
// One frame of the screen (the place behind it is held); builds the next
// place the frame it ends.
void UpdateLoading(Game& game, float dt);
