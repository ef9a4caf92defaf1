#include "app/recording.hpp"

#include "app/run_options.hpp"

#include <iostream>

bool StartRecording(Recording& recording, const std::string& path, unsigned seed)
{
    recording.file.open(path);
    if (!recording.file) {
        std::cerr << "Tidewrack: cannot write the replay \"" << path << "\"\n";
        return false;
    }
    recording.on = true;
    recording.frame = 0;
    ScriptLine line;
    line.action = SCRIPT_SEED;
    line.seed = seed;
    recording.file << "# A Tidewrack replay: play it with --script\n" << ScriptLineText(line) << "\n";
    return true;
}

static bool IsRecorded(const sf::Event& event)
{
    switch (event.type) {
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
    case sf::Event::MouseMoved:
    case sf::Event::MouseButtonPressed:
    case sf::Event::MouseButtonReleased:
    case sf::Event::LostFocus:
    case sf::Event::GainedFocus: return true;
    default: return false;  // the window's own (close, size) and the pads, which arrive as keys and mouse
    }
}

void RecordEvent(Recording& recording, const sf::Event& event)
{
    if (!recording.on || !IsRecorded(event))
        return;
    ScriptLine line;
    line.frame = recording.frame;
    line.event = event;
    recording.file << ScriptLineText(line) << "\n";
}

void RecordScriptLine(Recording& recording, const ScriptLine& line)
{
    if (!recording.on || (line.action != SCRIPT_WARP && line.action != SCRIPT_GOTO && line.action != SCRIPT_VISIT
                            && line.action != SCRIPT_HAND))
        return;
    ScriptLine now = line;
    now.frame = recording.frame;
    recording.file << ScriptLineText(now) << "\n";
}

void RecordFrameTime(Recording& recording, float dt)
{
    if (!recording.on)
        return;
    ScriptLine line;
    line.frame = recording.frame;
    line.action = SCRIPT_DT;
    line.dt = dt;
    recording.file << ScriptLineText(line) << "\n";
    recording.file.flush();  // a crash keeps every frame before it
}

bool StopRecording(Recording& recording)
{
    if (!recording.on)
        return true;
    ScriptLine line;
    line.frame = recording.frame;
    line.action = SCRIPT_QUIT;
    recording.file << ScriptLineText(line) << "\n";
    recording.file.close();
    recording.on = false;
    if (recording.file.fail()) {
        std::cerr << "Tidewrack: the replay could not be written whole\n";
        return false;
    }
    return true;
}
