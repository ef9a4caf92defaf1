#pragma once
// Where things sit on the screen and in the world's height, for the whole
// game. Pure data: the game, the asset generator and the tests read the
// same numbers.

// The camera's view is exactly the window: a world pixel is a screen pixel.
inline constexpr int kScreenWidth = 1920;
inline constexpr int kScreenHeight = 1080;
inline constexpr float kScreenHalfWidth = kScreenWidth / 2.f;
inline constexpr float kScreenHalfHeight = kScreenHeight / 2.f;

// Heights of the world (y grows downwards).
inline constexpr int kLayerTop = -3240;       // the sky and every parallax layer hang from here
inline constexpr int kLevelTopLimit = -10000; // a level's camera may rise this far

struct ScreenPoint {
    float x = 0.f, y = 0.f;
};

// The main menu and the pause menu, in screen pixels (each picture's
// top-left, or its centre where the name says so).
namespace menu_layout {
inline constexpr ScreenPoint kScreenCentre{kScreenHalfWidth, kScreenHalfHeight};  // panels are centred here
inline constexpr ScreenPoint kPlay{108.f, 370.f};
inline constexpr ScreenPoint kQuit{118.f, 855.f};
inline constexpr ScreenPoint kOptions{18.f, 545.f};
inline constexpr ScreenPoint kCredits{25.f, 703.f};
inline constexpr ScreenPoint kVolumeLabel{726.f, 202.f};
inline constexpr ScreenPoint kSoundBarCentre{960.f, 433.f};
inline constexpr float kVolumeStop = 134.f;       // the cursor's centre stops this far inside either end
// The BACK plaque of every panel: the menus' Return button, the pause's
// resume area and the death screen's button all sit on it.
inline constexpr ScreenPoint kBack{898.f, 883.f};
inline constexpr ScreenPoint kControlsButton{676.f, 604.f};
inline constexpr ScreenPoint kPauseOptions{300.f, 300.f};
inline constexpr ScreenPoint kPauseControls{300.f, 500.f};
inline constexpr ScreenPoint kPauseMenuButton{1300.f, 500.f};
}  // namespace menu_layout
