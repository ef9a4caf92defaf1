#pragma once
// The game's one window: borderless at the display's size, or a resizable
// window (F11 or Alt+Enter switch, --windowed starts in one). Whatever its
// size, it shows the game's canvas letterboxed (engine/letterbox.hpp).
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Keyboard.hpp>

struct MainData;
struct Input;

inline constexpr const char* kIconPicture = "Assets/Sprites/Icon.png";

struct WindowState {
    bool fullscreen = true;
    sf::Vector2u windowedSize{};  // the window's size when it was last windowed; 0: none yet
    unsigned frameLimit = 60;     // 0 while a script's time runs: no waiting on the clock
};

// The size a new window gets: the largest of the canvas's size at 1, 2/3,
// 1/2 and 1/3 that leaves a tenth of the display for its panels.
sf::Vector2u WindowedSize(sf::Vector2u display);
// Creates (or creates again) the window as the state says, with its frame
// limit, vertical sync, icon and the letterboxed view. Textures live on.
void OpenWindow(MainData& main);
void ToggleFullscreen(MainData& main);
// After the window took a new size: the letterbox, the views' viewport and
// the mouse's mapping follow it.
void ApplyLetterbox(MainData& main, sf::Vector2u size);
// Paints the bars around the canvas black again: a scene may clear the
// whole window to its own colour. Up to four small rectangles, after the
// frame's drawing.
void DrawLetterboxBars(MainData& main);
// F11, or Enter while an Alt key is held.
bool IsToggleKey(const Input& input, sf::Keyboard::Key key);
