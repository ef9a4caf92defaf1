#pragma once
// The run report: one JSON object written at exit (`--report PATH`), for
// tests and bug reports. It says where the run ended and what it cost.
#include <set>
#include <string>
#include <vector>

struct MainData;

struct RunStats {
    long frames = 0;               // frames run
    int filesReadDuringPlay = 0;   // files read in a frame after start-up (not behind a loading screen)
    long slowestUpdateMicros = 0;  // the longest update of the run
    std::set<std::string> reached; // every screen and scene the run showed
    std::vector<long> residentKB;  // the process's resident memory every kMemorySampleFrames (outside decoding), and at the end
    long peakKB = 0;               // the most resident memory the process held, read at the end
};

// How often the run report samples resident memory.
inline constexpr long kMemorySampleFrames = 1000;

// The process's resident memory in kilobytes (VmRSS), 0 where it cannot be read.
long ResidentKilobytes();
// The most it ever held (VmHWM), 0 where it cannot be read.
long PeakResidentKilobytes();

// Notes where the run is this frame (a menu's screen, the pause's, a scene).
void NoteWhereTheRunIs(const MainData& main, RunStats& stats);

// The report's text, one JSON object on one line.
std::string RunReportJson(const MainData& main, const RunStats& stats);
// False, naming the file on standard error, when it cannot be written.
bool WriteRunReport(const std::string& path, const MainData& main, const RunStats& stats);
