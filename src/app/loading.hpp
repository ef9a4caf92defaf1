#pragma once
// The loading screen in play: started when the player leaves the hub for a
// run, when the fourth level's door opens the arena, and on the first
// arrival in the hub. Behind it the pictures of the next place that are not
// yet read are decoded; the place is built when it ends.
#include "ui/loading_screen.hpp"

#include <string>
#include <vector>

struct Game;

// The pictures decoded behind a loading screen leading to `next`.
std::vector<std::string> LoadingPictures(int next);
void StartLoading(Game& game, int next);
// One frame of the screen (the place behind it is held); builds the next
// place the frame it ends.
void UpdateLoading(Game& game, float dt);
