// tidewrack_monkey SEED FRAMES
//
// Writes, on standard output, a script of FRAMES frames of random play for
// the game's --script option: keys of the key table held and released,
// clicks and mouse moves anywhere on the screen, the pause, the menus and
// the hub's panels, the debug keys, and jumps to named places. The same seed
// always writes the same script. Every so often it clicks its way back into
// play (the BACK places, Play, the resume area), so a run that wandered into
// a menu goes on playing.
#include "app/places.hpp"
#include "engine/key_table.hpp"
#include "engine/layout_table.hpp"
#include "hub/hub_table.hpp"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

// The Quit button's picture (a random click must miss it).
constexpr float kQuitWidth = 280.f, kQuitHeight = 100.f;

struct Point {
    int x, y;
};

Point Middle(float left, float top, float width, float height)
{
    return {static_cast<int>(left + width / 2.f), static_cast<int>(top + height / 2.f)};
}

class Monkey {
public:
    Monkey(unsigned seed, long frames) : random_(seed), frames_(frames) {}

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

    void HubPanels()
    {
        VisitSomewhere();
        Press(BindingOf(ACTION_INTERACT), Roll(2, 20));
        for (int i = Roll(1, 6); i > 0; --i)
            Click(Chance(50) ? Anywhere() : PanelSpot());
        Click(Middle(kSellerQuit.left, kSellerQuit.top, kSellerQuit.width,
                     kSellerQuit.height));
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
