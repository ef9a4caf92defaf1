#pragma once
// The screen the whole game is laid out on. Pure data: the game, the asset
// generator and the tests read the same numbers.

// The camera's view is exactly the window: a world pixel is a screen pixel.
inline constexpr int kScreenWidth = 1920;
inline constexpr int kScreenHeight = 1080;
inline constexpr float kScreenHalfWidth = kScreenWidth / 2.f;
inline constexpr float kScreenHalfHeight = kScreenHeight / 2.f;
