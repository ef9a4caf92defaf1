#pragma once
// Options for scripted runs (tests, bug reports, players). With none the
// game runs as it always does.
#include <SFML/Window/Event.hpp>
#include <array>
#include <istream>
#include <optional>
#include <string>
#include <vector>

enum ScriptAction {
    SCRIPT_EVENT,
    SCRIPT_SCREENSHOT,
    SCRIPT_QUIT,
    SCRIPT_WARP,
    SCRIPT_GOTO,
    SCRIPT_VISIT,  // goto, but a place the scene does not have is no fault
    SCRIPT_DT,      // the frame's time (a replay's)
    SCRIPT_SEED,    // the run's seed, unless --seed says another
    SCRIPT_RESIZE,  // the window takes a size, as a player's drag would give it
    SCRIPT_HAND,    // the hand's three cards are set (a test's shortcut)
};

struct ScriptLine {
    long frame = 0;
    ScriptAction action = SCRIPT_EVENT;
    sf::Event event{};  // applied through the same dispatch as real input
    std::string path;   // screenshot file, or the place `goto` names
    sf::Vector2f warp{};  // where the player's body is put
    float dt = 0.f;
    unsigned seed = 0;
    sf::Vector2u size{};
    std::array<int, 3> hand{};  // card kinds for slots A, E and C
};

struct RunOptions {
    std::optional<unsigned> seed;     // else the time
    float fixedDt = 0.f;              // > 0: every frame's dt
    std::vector<ScriptLine> script;   // sorted by frame, file order kept within a frame
    long frames = -1;                 // close after this many frames
    std::string screenshot;           // the last drawn frame, saved at exit
    std::string report;               // the run report, written at exit
    long drawEvery = 1;
    bool windowed = false;            // start in a window rather than borderless on the whole display
    std::string record;               // the replay written as the run goes
    bool scriptTimed = false;         // the script gives frames their time: no waiting on the clock
    bool help = false;
};

// False with a one-line reason on bad input (unknown option, bad number,
// unreadable script, a script line that does not parse, naming its line).
bool ParseRunOptions(int argc, const char* const* argv, RunOptions& options, std::string& error);
bool ParseScript(std::istream& in, std::vector<ScriptLine>& script, std::string& error);
std::string RunOptionsHelp();
// A line as the parser reads it back (without the screenshot and event
// kinds no script can hold, which give "").
std::string ScriptLineText(const ScriptLine& line);
