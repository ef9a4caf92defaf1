#include "ui/dialogue.hpp"

#include "engine/assets.hpp"
#include "engine/layout_table.hpp"
#include "player/player.hpp"

namespace {

constexpr const char* kDialogueFont = "Assets/Fonts/PixelFont.ttf";
constexpr unsigned kTextSize = 30;
constexpr unsigned kPromptSize = 15;
constexpr float kOutline = 1.f;
constexpr float kBubbleGap = 60.f;        // between the line's bottom and the creature's head
constexpr float kPromptAfter = 2.f;       // seconds after the line is complete
constexpr float kSlimeSize = 50.f;
const sf::Color kSlimeColour{120, 66, 129};
const sf::Vector2f kSlimeStart{1440.f, 725.f};
const sf::Vector2f kSlimeAway{10000.f, 0.f};
constexpr float kSlimeSpeed = 1000.f;     // pixels a second, to the right
constexpr float kSlimeGoneX = static_cast<float>(kScreenWidth);

void ShapeText(sf::Text& text, const sf::Font& font, unsigned size)
{
    text.setFont(font);
    text.setCharacterSize(size);
    text.setFillColor(sf::Color::White);
    text.setOutlineColor(sf::Color::Black);
    text.setOutlineThickness(kOutline);
    text.setString("");
}

// The first characters of the line the timer has reached: one more every
// `charDelay` seconds, the whole line once it has run out.
std::string TypedPart(const Dialogue& dialogue)
{
    const std::string line = kDialogueLine;
    for (int i = 0; i < dialogue.bufferSize; i++)
        if (dialogue.charDelay * static_cast<float>(i) < dialogue.timer
            && dialogue.timer <= dialogue.charDelay * static_cast<float>(i + 1))
            return line.substr(0, static_cast<std::size_t>(i));
    return line;
}

// The line stays over the speaker: centred over the creature's body, as
// the whole line will stand (the display sprite's corner lies far up and
// left of the creature, in the empty part of its cell).
void FollowSpeaker(Dialogue& dialogue, const Player& player)
{
    const sf::FloatRect body = player.hitbox.getGlobalBounds();
    sf::Text whole = dialogue.text;
    whole.setString(kDialogueLine);
    const sf::FloatRect line = whole.getLocalBounds();
    dialogue.text.setPosition(body.left + body.width / 2.f - (line.left + line.width) / 2.f,
                              body.top - kBubbleGap - (line.top + line.height));
}

void Slide(Dialogue& dialogue, float dt)
{
    dialogue.text.setString("");
    dialogue.prompt.setString("");
    dialogue.slime.move(kSlimeSpeed * dt, 0.f);
    if (dialogue.slime.getGlobalBounds().left > kSlimeGoneX)
        DestroyDialogue(dialogue);
}

}  // namespace

float DialogueFullTime(const Dialogue& dialogue)
{
    return dialogue.charDelay * static_cast<float>(dialogue.bufferSize);
}

void LoadDialogue(Dialogue& dialogue, Assets& assets)
{
    dialogue.font = &GetFont(assets, kDialogueFont);
    ShapeText(dialogue.text, *dialogue.font, kTextSize);
    ShapeText(dialogue.prompt, *dialogue.font, kPromptSize);
    dialogue.slime.setSize({kSlimeSize, kSlimeSize});
    dialogue.slime.setFillColor(kSlimeColour);
    dialogue.slime.setOrigin(kSlimeSize / 2.f, kSlimeSize / 2.f);
    dialogue.active = 0;
    dialogue.started = 0;
}

void InitDialogue(Dialogue& dialogue, const Player& player)
{
    dialogue.text.setString("");
    dialogue.prompt.setString("");
    dialogue.buffer.clear();
    dialogue.slime.setPosition(kSlimeStart);
    dialogue.timer = 0.f;
    dialogue.closing = 0;
    dialogue.active = 1;
    dialogue.started = 1;
    FollowSpeaker(dialogue, player);
}

void UpdateDialogue(Dialogue& dialogue, float dt, const Player& player)
{
    if (dialogue.active != 1)
        return;
    if (dialogue.closing == 1) {
        Slide(dialogue, dt);
        return;
    }
    dialogue.timer += dt;
    FollowSpeaker(dialogue, player);
    dialogue.buffer = TypedPart(dialogue);
    dialogue.text.setString(dialogue.buffer);
    if (dialogue.timer - kPromptAfter > DialogueFullTime(dialogue)) {
        const sf::FloatRect line = dialogue.text.getGlobalBounds();
        dialogue.prompt.setString(kDialoguePrompt);
        dialogue.prompt.setPosition(line.left, line.top + line.height);
    }
}

void DialogueClick(Dialogue& dialogue)
{
    if (dialogue.active != 1)
        return;
    if (dialogue.closing == 1)
        dialogue.slime.setPosition(kSlimeAway);  // gone at the next update
    else if (dialogue.timer < DialogueFullTime(dialogue))
        dialogue.timer = DialogueFullTime(dialogue);  // the whole line at once, not dismissed yet
    else
        dialogue.closing = 1;
}

void DrawDialogue(const Dialogue& dialogue, sf::RenderTarget& window)
{
    if (dialogue.active != 1)
        return;
    window.draw(dialogue.text);
    window.draw(dialogue.prompt);
    window.draw(dialogue.slime);
}

void DestroyDialogue(Dialogue& dialogue)
{
    dialogue.active = 0;
    dialogue.closing = 0;
    dialogue.buffer.clear();
    dialogue.text.setString("");
    dialogue.prompt.setString("");
}
