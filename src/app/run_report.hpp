#pragma once
// The run report: one JSON object written at exit (`--report PATH`), for
// tests and bug reports. It says where the run ended and what it cost.
#include <string>

struct MainData;

struct RunStats {
    long frames = 0;               // frames run
    int filesReadDuringPlay = 0;   // files read in a frame after start-up (not behind a loading screen)
    long slowestUpdateMicros = 0;  // the longest update of the run
};

// The report's text, one JSON object on one line.
std::string RunReportJson(const MainData& main, const RunStats& stats);
// False, naming the file on standard error, when it cannot be written.
bool WriteRunReport(const std::string& path, const MainData& main, const RunStats& stats);
