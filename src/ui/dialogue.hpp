#pragma once
// The tutorial's speech bubble: when the opening cinematic ends the
// creature wonders, one character at a time, what the glowing thing is;
// a prompt follows, clicks complete and dismiss the line, and a small slime
// slides off to the right before the bubble goes.
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Text.hpp>
#include <string>

struct Assets;
struct Player;

struct Dialogue {
    const sf::Font* font = nullptr;
    sf::Text text;
    std::string buffer;      // the part of the line shown so far
    int bufferSize = 52;     // the line's 51 characters and the end of the string
    sf::Text prompt;
    float timer = 0.f;       // seconds since the bubble started
    float charDelay = 0.03f; // seconds a character
    sf::RectangleShape slime;
    int closing = 0;         // the player dismissed the line
    int active = 0;          // the bubble is up
    int started = 0;         // it showed once this game: it never starts again
};

inline constexpr const char* kDialogueLine = "Mais qu'est ce que c'est \nque cette chose gluante ?";
inline constexpr const char* kDialoguePrompt = "Appuyer pour continuer";

// Reads the font (at start-up) and shapes the texts; nothing shows yet.
void LoadDialogue(Dialogue& dialogue, Assets& assets);
// Starts the bubble over the creature; the line follows it while it shows.
void InitDialogue(Dialogue& dialogue, const Player& player);
void UpdateDialogue(Dialogue& dialogue, float dt, const Player& player);
// One click: first completes the line, then dismisses it, then (while the
// slime slides) sends the slime away at once.
void DialogueClick(Dialogue& dialogue);
void DrawDialogue(const Dialogue& dialogue, sf::RenderTarget& window);
// Safe at any time, as often as wanted, started or not.
void DestroyDialogue(Dialogue& dialogue);
// Seconds until the whole line shows (from the start, or after a completing click).
float DialogueFullTime(const Dialogue& dialogue);
