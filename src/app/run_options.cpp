#include "app/run_options.hpp"

#include "app/places.hpp"
#include "combat/spell_table.hpp"
#include "engine/input.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

namespace {

constexpr float kLongestFrame = 3600.f;  // seconds

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

const char* const kAxisNames[sf::Joystick::AxisCount] = {"X", "Y", "Z", "R", "U", "V", "PovX", "PovY"};

std::optional<sf::Joystick::Axis> AxisFromName(const std::string& name)
{
    for (int axis = 0; axis < sf::Joystick::AxisCount; axis++)
        if (name == kAxisNames[axis])
            return static_cast<sf::Joystick::Axis>(axis);
    return std::nullopt;
}

// "pad N connect|disconnect", "pad N button B down|up", "pad N axis NAME V".
bool ParsePadLine(const std::vector<std::string>& words, ScriptLine& line, std::string& why)
{
    unsigned pad = 0;
    if (words.size() < 4 || !ParseNumber(words[2], pad) || pad >= sf::Joystick::Count)
        return why = "a pad line is \"pad N connect|disconnect|button|axis ...\" with N from 0 to 7", false;
    const std::string& what = words[3];
    if ((what == "connect" || what == "disconnect") && words.size() == 4) {
        line.event.type = what == "connect" ? sf::Event::JoystickConnected : sf::Event::JoystickDisconnected;
        line.event.joystickConnect.joystickId = pad;
        return true;
    }
    unsigned button = 0;
    if (what == "button" && words.size() == 6 && ParseNumber(words[4], button) && button < sf::Joystick::ButtonCount
        && (words[5] == "down" || words[5] == "up")) {
        line.event.type = words[5] == "down" ? sf::Event::JoystickButtonPressed : sf::Event::JoystickButtonReleased;
        line.event.joystickButton = {pad, button};
        return true;
    }
    float position = 0.f;
    const std::optional<sf::Joystick::Axis> axis = words.size() == 6 ? AxisFromName(words[4]) : std::nullopt;
    if (what == "axis" && axis && ParseNumber(words[5], position) && position >= -100.f && position <= 100.f) {
        line.event.type = sf::Event::JoystickMoved;
        line.event.joystickMove = {pad, *axis, position};
        return true;
    }
    return why = "cannot read the pad's \"" + what + "\" with these arguments", false;
}

// The lines that are not input: the script's own actions.
bool ParseActionLine(const std::vector<std::string>& words, ScriptLine& line, std::string& why)
{
    const std::string& verb = words[1];
    float wx = 0.f, wy = 0.f;
    if (verb == "screenshot" && words.size() == 3) {
        line.action = SCRIPT_SCREENSHOT;
        line.path = words[2];
        return true;
    }
    if (verb == "warp" && words.size() == 4 && ParseNumber(words[2], wx) && ParseNumber(words[3], wy)) {
        line.action = SCRIPT_WARP;
        line.warp = {wx, wy};
        return true;
    }
    if ((verb == "goto" || verb == "visit") && words.size() == 3) {
        if (!IsPlaceName(words[2]))
            return why = "no place called \"" + words[2] + "\"", false;
        line.action = verb == "goto" ? SCRIPT_GOTO : SCRIPT_VISIT;
        line.path = words[2];
        return true;
    }
    if (verb == "quit" && words.size() == 2) {
        line.action = SCRIPT_QUIT;
        return true;
    }
    if (verb == "dt" && words.size() == 3) {
        line.action = SCRIPT_DT;
        // A replay's first frame holds the start-up's time, seconds long.
        if (!ParseNumber(words[2], line.dt) || !(line.dt > 0.f && line.dt <= kLongestFrame))
            return why = "a frame's time is more than 0 and at most an hour", false;
        return true;
    }
    if (verb == "seed" && words.size() == 3) {
        line.action = SCRIPT_SEED;
        if (line.frame != 0 || !ParseNumber(words[2], line.seed))
            return why = "the seed is \"0 seed N\": it starts the run", false;
        return true;
    }
    if (verb == "hand" && words.size() == 5) {
        line.action = SCRIPT_HAND;
        for (std::size_t slot = 0; slot < line.hand.size(); slot++) {
            line.hand[slot] = SpellKindNamed(words[slot + 2]);
            if (line.hand[slot] < 0)
                return why = "no spell called \"" + words[slot + 2] + "\" (sword, cross, anvil, tentacles, lightning, imps)", false;
        }
        return true;
    }
    if (verb == "resize" && words.size() == 4) {
        line.action = SCRIPT_RESIZE;
        if (!ParseNumber(words[2], line.size.x) || !ParseNumber(words[3], line.size.y) || line.size.x == 0
            || line.size.y == 0)
            return why = "a window is \"resize W H\" pixels, each more than 0", false;
        return true;
    }
    return why = "cannot read \"" + verb + "\" with these arguments", false;
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
    const sf::Mouse::Button button = words.size() > 2 ? ButtonFromName(words[2]).value_or(sf::Mouse::ButtonCount)
                                                      : sf::Mouse::ButtonCount;
    if (verb == "click" && words.size() == 5 && button != sf::Mouse::ButtonCount && ParseNumber(words[3], x)
        && ParseNumber(words[4], y)) {
        line.event = MouseEvent(sf::Event::MouseButtonPressed, button, x, y);
        return true;
    }
    // A release happens where the mouse is, so it names only the button.
    if (verb == "release" && words.size() == 3 && button != sf::Mouse::ButtonCount) {
        line.event = MouseEvent(sf::Event::MouseButtonReleased, button, 0, 0);
        return true;
    }
    if (verb == "focus" && words.size() == 3 && (words[2] == "lost" || words[2] == "gained")) {
        line.event.type = words[2] == "lost" ? sf::Event::LostFocus : sf::Event::GainedFocus;
        return true;
    }
    if (verb == "pad")
        return ParsePadLine(words, line, why);
    return ParseActionLine(words, line, why);
}

// The shortest text that reads back as the same float.
std::string FloatText(float value)
{
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    return std::string(text.data(), result.ptr);
}

std::string EventText(const sf::Event& event)
{
    const auto pad = [](unsigned id) { return "pad " + std::to_string(id) + " "; };
    switch (event.type) {
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
        return std::string("key ") + KeyName(event.key.code) + (event.type == sf::Event::KeyPressed ? " down" : " up");
    case sf::Event::MouseMoved:
        return "mouse " + std::to_string(event.mouseMove.x) + " " + std::to_string(event.mouseMove.y);
    case sf::Event::MouseButtonPressed:
        return std::string("click ") + ButtonName(event.mouseButton.button) + " " + std::to_string(event.mouseButton.x)
             + " " + std::to_string(event.mouseButton.y);
    case sf::Event::MouseButtonReleased: return std::string("release ") + ButtonName(event.mouseButton.button);
    case sf::Event::LostFocus: return "focus lost";
    case sf::Event::GainedFocus: return "focus gained";
    case sf::Event::JoystickConnected: return pad(event.joystickConnect.joystickId) + "connect";
    case sf::Event::JoystickDisconnected: return pad(event.joystickConnect.joystickId) + "disconnect";
    case sf::Event::JoystickButtonPressed:
    case sf::Event::JoystickButtonReleased:
        return pad(event.joystickButton.joystickId) + "button " + std::to_string(event.joystickButton.button)
             + (event.type == sf::Event::JoystickButtonPressed ? " down" : " up");
    case sf::Event::JoystickMoved:
        return pad(event.joystickMove.joystickId) + "axis " + kAxisNames[event.joystickMove.axis] + " "
             + FloatText(event.joystickMove.position);
    default: return "";
    }
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
    std::optional<unsigned> scriptSeed;  // --seed, wherever it stands, says otherwise
    for (int i = 1; i < argc; i++) {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
            continue;
        }
        if (option == "--windowed") {
            options.windowed = true;
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
        } else if (option == "--record") {
            options.record = value;
        } else if (option == "--script") {
            std::ifstream file(value);
            if (!file)
                return error = "--script: cannot read \"" + value + "\"", false;
            if (!ParseScript(file, options.script, error))
                return error = value + ": " + error, false;
            for (const ScriptLine& line : options.script) {
                scriptSeed = line.action == SCRIPT_SEED ? std::optional<unsigned>(line.seed) : scriptSeed;
                options.scriptTimed |= line.action == SCRIPT_DT;
            }
        } else {
            return error = option + ": unknown option", false;
        }
        if (!ok)
            return error = option + ": bad value \"" + value + "\"", false;
    }
    if (!options.seed)
        options.seed = scriptSeed;
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
           "  --record FILE    write what the player does to FILE, as a script that replays the run\n"
           "  --windowed       start in a window (F11 or Alt+Enter switch between window and full screen)\n"
           "script lines (FRAME counts from 0; '#' starts a comment):\n"
           "  FRAME key NAME down|up        SFML key names: A, Space, LShift, Escape, ...\n"
           "  FRAME mouse X Y               move the mouse (canvas pixels, 1920 x 1080 whatever the window)\n"
           "  FRAME click left|right|middle X Y\n"
           "  FRAME release left|right|middle\n"
           "  FRAME screenshot PATH\n"
           "  FRAME warp X Y                put the player's body at world (X, Y)\n"
           "  FRAME goto PLACE              put it at a place of the scene: " + places + "\n"
           "  FRAME visit PLACE             the same where the scene has the place, else nothing\n"
           "  FRAME focus lost|gained       the window loses or takes the keyboard\n"
           "  FRAME pad N connect|disconnect\n"
           "  FRAME pad N button B down|up  gamepad N's button number B (as Linux numbers them)\n"
           "  FRAME pad N axis A V          its axis A (X, Y, Z, R, U, V, PovX, PovY) at V, -100 to 100\n"
           "  FRAME hand S1 S2 S3           the hand's cards (A, E, C): sword, cross, anvil, tentacles, lightning, imps\n"
           "  FRAME resize W H              the window takes W x H pixels\n"
           "  FRAME dt S                    the frame lasts S seconds (replays give every frame's)\n"
           "  0 seed N                      the run's seed, unless --seed gives one\n"
           "  FRAME quit\n";
}

std::string ScriptLineText(const ScriptLine& line)
{
    std::string verb;
    switch (line.action) {
    case SCRIPT_EVENT: verb = EventText(line.event); break;
    case SCRIPT_SCREENSHOT: verb = "screenshot " + line.path; break;
    case SCRIPT_QUIT: verb = "quit"; break;
    case SCRIPT_WARP: verb = "warp " + FloatText(line.warp.x) + " " + FloatText(line.warp.y); break;
    case SCRIPT_GOTO: verb = "goto " + line.path; break;
    case SCRIPT_VISIT: verb = "visit " + line.path; break;
    case SCRIPT_DT: verb = "dt " + FloatText(line.dt); break;
    case SCRIPT_SEED: verb = "seed " + std::to_string(line.seed); break;
    case SCRIPT_HAND:
        verb = std::string("hand ") + SpellName(line.hand[0]) + " " + SpellName(line.hand[1]) + " " + SpellName(line.hand[2]);
        break;
    case SCRIPT_RESIZE: verb = "resize " + std::to_string(line.size.x) + " " + std::to_string(line.size.y); break;
    }
    return verb.empty() ? verb : std::to_string(line.frame) + " " + verb;
}
