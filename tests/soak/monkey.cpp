// tidewrack_monkey SEED FRAMES
//
// Writes, on standard output, a script of FRAMES frames of random play for
// the game's --script option: keys of the key table held and released,
// clicks and mouse moves anywhere on the screen, the pause, the menus and
// the hub's places and panels, the debug keys, a fight with the boss now and
// then, and jumps to named places. The same seed
// always writes the same script. Every so often it clicks its way back into
// play (the BACK places, Play, the resume area), so a run that wandered into
// a menu goes on playing.
#include "app/places.hpp"
#include "engine/key_table.hpp"
#include "engine/layout_table.hpp"
#include "hub/hub_table.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// The Quit button's picture (a random click must miss it).
constexpr float kQuitWidth = 280.f, kQuitHeight = 100.f;

// The opening cinematic is over (the substance can be taken) by this frame;
// taking it holds F this long.
constexpr long kSubstanceFrom = 730;
constexpr int kSubstanceHold = 90;

// A loading screen lasts three seconds.
constexpr int kLoadingFrames = 190;
const char* const kHubPlaces[] = {"seller", "quests", "cards", "recap", "dressroom"};

// The boss fight: the body's place just out of the boss's reach, held for
// the arena's first frames; the aim; a card every seven seconds, and the
// fight's end (the boss falls at about 35 s, its win screen two seconds on).
const char* const kBesideTheBoss = "warp 1246 598";
constexpr int kStandStillFrames = 45;
constexpr long kFightFrames = 100 * 60;
constexpr long kFirstCard = 130;
constexpr long kCardEvery = 420;
constexpr double kFirstCleaver = 1.5, kOtherFirstCleaver = 9.1167, kCleaverEvery = 11.3667;
constexpr double kLeapFrom = 0.9, kLeapTo = 2.4;  // seconds after the blow starts

struct Point {
    int x, y;
};
constexpr Point kTowardsTheBoss{1500, 500};

Point Middle(float left, float top, float width, float height)
{
    return {static_cast<int>(left + width / 2.f), static_cast<int>(top + height / 2.f)};
}

class Monkey {
public:
    Monkey(unsigned seed, long frames) : random_(seed), frames_(frames), fightFrom_(Roll(static_cast<int>(kSubstanceFrom) + 1, static_cast<int>(std::max(frames / 2, kSubstanceFrom + 1)))) {}

    void Write()
    {
        std::printf("# tidewrack_monkey %ld frames\n", frames_);
        BackIntoPlay();
        while (frame_ < frames_ - 2)
            Episode();
        ReleaseAll();
    }

private:
    int Roll(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }
    bool Chance(int percent) { return Roll(0, 99) < percent; }

    void Line(const std::string& text)
    {
        if (frame_ < frames_)
            std::printf("%ld %s\n", frame_, text.c_str());
    }
    void Wait(int frames) { frame_ += frames; }
    void Click(Point at, const char* button = "left")
    {
        Line("mouse " + std::to_string(at.x) + " " + std::to_string(at.y));
        Wait(2);  // buttons light up in the update after the mouse moves over them
        Line(std::string("click ") + button + " " + std::to_string(at.x) + " " + std::to_string(at.y));
        Wait(1);
        Line(std::string("release ") + button);
        Wait(1);
    }
    // Anywhere but the main menu's Quit: a run that wanders into the menu
    // must not end there.
    Point Anywhere()
    {
        for (;;) {
            const Point at{Roll(0, kScreenWidth - 1), Roll(0, kScreenHeight - 1)};
            const bool onQuit = at.x >= menu_layout::kQuit.x - 10 && at.x <= menu_layout::kQuit.x + kQuitWidth + 10
                             && at.y >= menu_layout::kQuit.y - 10 && at.y <= menu_layout::kQuit.y + kQuitHeight + 10;
            if (!onQuit)
                return at;
        }
    }

    // The BACK places lead out of every panel, the death screen and the
    // menus' sub-screens; then Play, and the pause's resume area.
    void BackIntoPlay()
    {
        const Point back = {static_cast<int>(menu_layout::kBack.x) + 62, static_cast<int>(menu_layout::kBack.y) + 35};
        Click(back);
        Click(back);
        Click({static_cast<int>(menu_layout::kPlay.x) + 150, static_cast<int>(menu_layout::kPlay.y) + 50});
        Click(back);
    }

    void Press(const KeyBinding& binding, int hold)
    {
        if (binding.device == DEVICE_MOUSE) {
            Click(Anywhere(), binding.name);
            return;
        }
        Line(std::string("key ") + binding.name + " down");
        held_.push_back(binding.name);
        if (hold > 0) {
            Wait(hold);
            Release(binding.name);
        }
    }
    void Release(const std::string& name)
    {
        Line("key " + name + " up");
        for (auto it = held_.begin(); it != held_.end(); ++it)
            if (*it == name) {
                held_.erase(it);
                break;
            }
    }
    void ReleaseAll()
    {
        while (!held_.empty())
            Release(held_.back());
    }

    // The keys a player mostly uses; the rest now and then.
    const KeyBinding& SomeBinding()
    {
        static const int kCommon[] = {ACTION_WALK_LEFT, ACTION_WALK_RIGHT, ACTION_JUMP, ACTION_DASH, ACTION_SWING,
                                      ACTION_INTERACT, ACTION_CARD_1,    ACTION_CARD_2, ACTION_CARD_3,
                                      ACTION_DETONATE, ACTION_DIVE,       ACTION_CLIMB};
        if (Chance(85))
            return BindingOf(kCommon[Roll(0, static_cast<int>(std::size(kCommon)) - 1)]);
        // The menu comes by its own episode, which clicks its way back.
        const int action = Roll(0, ACTION_COUNT - 1);
        return BindingOf(action == ACTION_BACK_TO_MENU ? ACTION_SPECIAL_POSE : action);
    }

    void VisitSomewhere()
    {
        Line("visit " + places_[static_cast<std::size_t>(Roll(0, static_cast<int>(places_.size()) - 1))]);
        Wait(2);
    }

    // Into the hub the way a player goes (the tutorial's door, if the
    // scene has one; its first arrival waits behind a loading screen),
    // then a few of its places, each used with F: the panels clicked about
    // and closed by their BACK, the dress room's skin change.
    void HubPanels()
    {
        if (Chance(50)) {
            Line("visit door");
            Wait(2);
            Press(BindingOf(ACTION_INTERACT), 2);
            Wait(kLoadingFrames);
        }
        for (int n = Roll(1, 4); n > 0; --n) {
            Line(std::string("visit ") + kHubPlaces[Roll(0, static_cast<int>(std::size(kHubPlaces)) - 1)]);
            Wait(Roll(2, 10));
            Press(BindingOf(ACTION_INTERACT), Roll(2, 20));
            Wait(Roll(2, 30));
            for (int i = Roll(0, 4); i > 0; --i)
                Click(Chance(50) ? Anywhere() : PanelSpot());
            const HubRect quits[] = {kSellerQuit, kQuestQuit, kCardSelectorQuit, kRecapQuit};
            for (const HubRect& quit : quits)
                Click(Middle(quit.left, quit.top, quit.width, quit.height));
        }
    }

    // The arena (the debug key B, from a level) and a long fight: the body
    // held just out of the boss's reach from its first frames, so the boss
    // stands still and only its fire and cleaver come; the sword's combo
    // held towards it, a card thrown and detonated every seven seconds, and
    // a leap into the sky through every cleaver blow (the cleaver comes
    // every 11.37 s, from 1.5 s or from 9.12 s into the fight as the boss's
    // first pick falls: both are dodged). With the arms this beats the boss;
    // then a click on the win screen leads to the hub.
    void BossFight()
    {
        ReleaseAll();
        BackIntoPlay();
        Line("visit exit");  // from the hub: a new run, at full health
        Wait(kLoadingFrames + 10);
        Press(BindingOf(ACTION_DEBUG_ARENA), 1);
        const long start = frame_;
        std::vector<std::pair<long, std::string>> lines;
        for (int i = 0; i < kStandStillFrames; ++i)
            lines.emplace_back(start + i, kBesideTheBoss);
        const std::string aim = std::to_string(kTowardsTheBoss.x) + " " + std::to_string(kTowardsTheBoss.y);
        lines.emplace_back(start + kStandStillFrames, "mouse " + aim);
        lines.emplace_back(start + kStandStillFrames + 2, "click left " + aim);
        const char* const cards[] = {"A", "E", "C"};
        for (int i = 0; i * kCardEvery < kFightFrames; ++i) {
            const long at = start + kFirstCard + i * kCardEvery;
            lines.emplace_back(at, std::string("key ") + cards[i % 3] + " down");
            lines.emplace_back(at + 1, std::string("key ") + cards[i % 3] + " up");
            lines.emplace_back(at + 40, "click right " + aim);
            lines.emplace_back(at + 41, "release right");
        }
        for (const double first : {kFirstCleaver, kOtherFirstCleaver})
            for (double blow = first; blow * 60.0 < kFightFrames; blow += kCleaverEvery) {
                const long from = start + std::lround((blow + kLeapFrom) * 60.0);
                const long to = start + std::lround((blow + kLeapTo) * 60.0);
                for (long at = from; at < to; at += 6)
                    lines.emplace_back(at, "warp 1246 -3000");
                lines.emplace_back(to, kBesideTheBoss);
            }
        std::stable_sort(lines.begin(), lines.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [at, text] : lines) {
            frame_ = at;
            Line(text);
        }
        frame_ = std::max(frame_ + 1, start + kFightFrames);
        Line("release left");
        Wait(2);
        Click({kScreenWidth / 2, kScreenHeight / 2});
    }

    Point PanelSpot()
    {
        const HubRect spots[] = {BuyButtonRect(Roll(0, kPotionKinds - 1)), kQuestQuit,
                                 QuestButtonRect(Roll(0, 2)), SpellButtonRect(Roll(0, 5)),
                                 kCardSelectorQuit, kRecapQuit};
        const HubRect r = spots[Roll(0, static_cast<int>(std::size(spots)) - 1)];
        return Middle(r.left, r.top, r.width, r.height);
    }

    // The menu's screens: its buttons where they stand, then Play again.
    void MenuTour()
    {
        Click(Anywhere(), "middle");
        const Point options{static_cast<int>(menu_layout::kOptions.x) + 240, static_cast<int>(menu_layout::kOptions.y) + 50};
        const Point credits{static_cast<int>(menu_layout::kCredits.x) + 230, static_cast<int>(menu_layout::kCredits.y) + 50};
        const Point controls{static_cast<int>(menu_layout::kControlsButton.x) + 280,
                             static_cast<int>(menu_layout::kControlsButton.y) + 55};
        Click(Chance(50) ? options : credits);
        if (Chance(60))
            Click(controls);
        BackIntoPlay();
    }

    void Episode()
    {
        // What a player does first: the substance, for the arms.
        if (!armed_ && frame_ >= kSubstanceFrom) {
            BackIntoPlay();
            Line("visit substance");
            Press(BindingOf(ACTION_INTERACT), kSubstanceHold);
            armed_ = true;
            return;
        }
        // Long (about 6000 frames): once in every script.
        if (!fought_ && frame_ >= fightFrom_) {
            BossFight();
            fought_ = true;
            return;
        }
        switch (Roll(0, 23)) {
        case 0:  // the pause, a look around its screens, then back
            Press(BindingOf(ACTION_PAUSE), 1);
            for (int i = Roll(0, 3); i > 0; --i)
                Click(Chance(50) ? Anywhere() : Point{Roll(300, 700), Roll(300, 560)});
            BackIntoPlay();
            break;
        case 1:
            MenuTour();
            break;
        case 2:
        case 3:
        case 4:  // straight to a place of the scene, if it has one, and use it
            VisitSomewhere();
            Press(BindingOf(ACTION_INTERACT), Roll(1, 160));
            break;
        case 5:
        case 8:
            HubPanels();
            break;
        case 6:  // a debug key
            Press(BindingOf(Chance(50) ? ACTION_DEBUG_ARENA : ACTION_DEBUG_REBUILD), Roll(1, 3));
            break;
        case 7:  // standing still among the enemies for a while: they come
            ReleaseAll();
            Line("visit enemy");
            Wait(Roll(600, 2400));
            break;
        default:  // plain play: keys held and let go, the mouse moving
            for (int i = Roll(1, 6); i > 0; --i) {
                Press(SomeBinding(), Chance(30) ? 0 : Roll(1, 90));
                if (Chance(40)) {
                    const Point at = Anywhere();
                    Line("mouse " + std::to_string(at.x) + " " + std::to_string(at.y));
                }
                Wait(Roll(0, 30));
            }
            if (Chance(50))
                ReleaseAll();
            break;
        }
        if (Chance(5))
            BackIntoPlay();
    }

    std::mt19937 random_;
    long frames_;
    long frame_ = 0;
    long fightFrom_;      // the fight comes in the first episode from this frame on
    bool fought_ = false;
    bool armed_ = false;
    std::vector<std::string> held_;
    const std::vector<std::string> places_ = PlaceNames();
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tidewrack_monkey SEED FRAMES\n");
        return 2;
    }
    char* end = nullptr;
    const unsigned long seed = std::strtoul(argv[1], &end, 10);
    const long frames = std::strtol(argv[2], nullptr, 10);
    if (*end != '\0' || frames <= 0) {
        std::fprintf(stderr, "tidewrack_monkey: SEED and FRAMES are whole numbers, FRAMES above 0\n");
        return 2;
    }
    Monkey(static_cast<unsigned>(seed), frames).Write();
    return 0;
}
