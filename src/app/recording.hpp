#pragma once
// A replay in the making (`--record FILE`): the seed, then every key, mouse
// and focus event the game hears and each frame's time, written as script
// lines as they happen, so `--script FILE` plays the same run again and a
// replay survives a crash. A gamepad is written as the keys and mouse
// events it was sent on as.
#include <SFML/Window/Event.hpp>
#include <fstream>
#include <string>

struct ScriptLine;

struct Recording {
    std::ofstream file;
    long frame = 0;  // the frame being run
    bool on = false;
};

// False, naming the file on standard error, when it cannot be written.
bool StartRecording(Recording& recording, const std::string& path, unsigned seed);
void RecordEvent(Recording& recording, const sf::Event& event);
// A script's own line that changes the run (warp, goto): a replay of a
// scripted run needs it too.
void RecordScriptLine(Recording& recording, const ScriptLine& line);
void RecordFrameTime(Recording& recording, float dt);
// The last frame: playing back stops where the recorded run stopped.
// False when the file could not be written whole.
bool StopRecording(Recording& recording);
