#pragma once
// The volume bar shared by the main and pause menus. Everything here is in
// window pixels (the frame the mouse and the bar's stored bounds are in);
// the cursor's sprite is drawn at that place plus the view offset the menu
// was last anchored to, so the volume is right however far the camera has
// scrolled.
#include "engine/layout_table.hpp"
#include "ui/menu_element.hpp"

using menu_layout::kVolumeStop;

// Drags the cursor or jumps it to a click on the bar, either way no further
// than the stops; returns the volume it now stands for.
float UpdateVolumeBar(const MenuImage& bar, MenuButton& cursor, sf::Vector2f mouse, bool buttonDown,
                      sf::Vector2f offset);
// Puts the cursor's centre at window x `x` on the bar's middle line.
void PlaceVolumeCursor(MenuButton& cursor, const MenuImage& bar, float x, sf::Vector2f offset);
// (cursor left − bar left − 134) / 10, kept within 0..100.
float VolumeFromCursor(const MenuImage& bar, const MenuButton& cursor);
