#include "app/run_options.hpp"

#include "app/places.hpp"
#include "engine/input.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

namespace {


template <typename Number>
bool ParseNumber(const std::string& text, Number& value)
{
    if constexpr (std::is_floating_point_v<Number>) {
        std::istringstream in(text);
        in >> value;
        return in && in.peek() == std::char_traits<char>::eof();
    } else {
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        return error == std::errc() && end == text.data() + text.size();
    }
}

sf::Event MouseEvent(sf::Event::EventType type, sf::Mouse::Button button, int x, int y)
{
    sf::Event event{};
    event.type = type;
    event.mouseButton = {button, x, y};
    return event;
}

// One non-comment line: "FRAME verb arguments…".
bool ParseScriptLine(const std::string& text, ScriptLine& line, std::string& why)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    if (words.size() < 2 || !ParseNumber(words[0], line.frame) || line.frame < 0)
        return why = "expected \"FRAME verb ...\" with a frame number from 0", false;
    const std::string& verb = words[1];
    const auto argument = [&](size_t i) { return i < words.size() ? words[i] : std::string(); };
    int x = 0, y = 0;
    if (verb == "key" && words.size() == 4) {
        const auto key = KeyFromName(words[2]);
        if (!key)
            return why = "unknown key \"" + words[2] + "\"", false;
        if (words[3] != "down" && words[3] != "up")
            return why = "a key goes \"down\" or \"up\"", false;
        line.event.type = words[3] == "down" ? sf::Event::KeyPressed : sf::Event::KeyReleased;
        line.event.key.code = *key;
        return true;
    }
    if (verb == "mouse" && words.size() == 4 && ParseNumber(words[2], x) && ParseNumber(words[3], y)) {
        line.event.type = sf::Event::MouseMoved;
        line.event.mouseMove = {x, y};
        return true;
    }
    const std::optional<sf::Mouse::Button> button = words.size() > 2 ? ButtonFromName(words[2]) : std::nullopt;
    if (verb == "click" && words.size() == 5 && button && ParseNumber(words[3], x)
        && ParseNumber(words[4], y)) {
        line.event = MouseEvent(sf::Event::MouseButtonPressed, *button, x, y);
        return true;
    }
    // A release happens where the mouse is, so it names only the button.
    if (verb == "release" && words.size() == 3 && button) {
        line.event = MouseEvent(sf::Event::MouseButtonReleased, *button, 0, 0);
        return true;
    }
    if (verb == "screenshot" && words.size() == 3) {
        line.action = SCRIPT_SCREENSHOT;
        line.path = argument(2);
        return true;
    }
    float wx = 0.f, wy = 0.f;
    if (verb == "warp" && words.size() == 4 && ParseNumber(words[2], wx) && ParseNumber(words[3], wy)) {
        line.action = SCRIPT_WARP;
        line.warp = {wx, wy};
        return true;
    }
    if (verb == "goto" && words.size() == 3) {
        if (!IsPlaceName(words[2]))
            return why = "no place called \"" + words[2] + "\"", false;
        line.action = SCRIPT_GOTO;
        line.path = words[2];
        return true;
    }
    if (verb == "quit" && words.size() == 2) {
        line.action = SCRIPT_QUIT;
        return true;
    }
    return why = "cannot read \"" + verb + "\" with these arguments", false;
}

}  // namespace

bool ParseScript(std::istream& in, std::vector<ScriptLine>& script, std::string& error)
{
    std::string text;
    for (int number = 1; std::getline(in, text); number++) {
        text = text.substr(0, text.find('#'));
        if (text.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        ScriptLine line;
        std::string why;
        if (!ParseScriptLine(text, line, why)) {
            error = "script line " + std::to_string(number) + ": " + why;
            return false;
        }
        script.push_back(line);
    }
    std::stable_sort(script.begin(), script.end(),
                     [](const ScriptLine& a, const ScriptLine& b) { return a.frame < b.frame; });
    return true;
}

bool ParseRunOptions(int argc, const char* const* argv, RunOptions& options, std::string& error)
{
    for (int i = 1; i < argc; i++) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
            continue;
        }
        if (i + 1 >= argc)
            return error = option + ": unknown option or missing value", false;
        const std::string value = argv[++i];
        bool ok = true;
        if (option == "--seed") {
            unsigned seed = 0;
            ok = ParseNumber(value, seed);
            options.seed = seed;
        } else if (option == "--fixed-dt") {
            ok = ParseNumber(value, options.fixedDt) && options.fixedDt > 0.f && options.fixedDt <= 1.f;
        } else if (option == "--frames") {
            ok = ParseNumber(value, options.frames) && options.frames > 0;
        } else if (option == "--draw-every") {
            ok = ParseNumber(value, options.drawEvery) && options.drawEvery > 0;
        } else if (option == "--screenshot") {
            options.screenshot = value;
        } else if (option == "--report") {
            options.report = value;
        } else if (option == "--script") {
            std::ifstream file(value);
            if (!file)
                return error = "--script: cannot read \"" + value + "\"", false;
            if (!ParseScript(file, options.script, error))
                return error = value + ": " + error, false;
        } else {
            return error = option + ": unknown option", false;
        }
        if (!ok)
            return error = option + ": bad value \"" + value + "\"", false;
    }
    return true;
}

std::string RunOptionsHelp()
{
    std::string places;
    for (const std::string& name : PlaceNames())
        places += (places.empty() ? "" : ", ") + name;
    return "usage: tidewrack [options]\n"
           "  --seed N         seed the random stream with N instead of the time\n"
           "  --fixed-dt S     every frame lasts S seconds (0 < S <= 1) instead of the clock's time\n"
           "  --script FILE    replay input from FILE (real keyboard and mouse are then ignored)\n"
           "  --frames N       close the window after N frames\n"
           "  --screenshot P   save the last drawn frame to the PNG file P at exit\n"
           "  --draw-every N   draw only every Nth frame (and every frame a screenshot is taken)\n"
           "  --report P       write the run report (one JSON object) to P at exit\n"
           "script lines (FRAME counts from 0; '#' starts a comment):\n"
           "  FRAME key NAME down|up        SFML key names: A, Space, LShift, Escape, ...\n"
           "  FRAME mouse X Y               move the mouse (window pixels)\n"
           "  FRAME click left|right|middle X Y\n"
           "  FRAME release left|right|middle\n"
           "  FRAME screenshot PATH\n"
           "  FRAME warp X Y                put the player's body at world (X, Y)\n"
           "  FRAME goto PLACE              put it at a place of the scene: " + places + "\n"
           "  FRAME quit\n";
}
