// Which animation the player shows, and the three ways it steps: the combo
// counting of the display rows, the substance's frame count, and the
// cinematic's chain of clips.
#include "player/player.hpp"

#include "app/game.hpp"

namespace {

constexpr int kLastCinematicClip = 4;
constexpr int kLastComboStep = 3;
// While climbing, a row that ends picks up again here, so the climb loops
// over its last frames.
constexpr int kClimbLoopFrame = 8;
constexpr float kCinematicShiftX = -200.f;

// The frame shown is always the current animation's: a sheet swapped with
// its rectangle reset must never be shown whole.
void ShowPlayerFrame(Player& player)
{
    const Animation& shown = ShownAnimation(player);
    if (shown.frameCount > 0)
        ShowAnimationFrame(shown, player.sprite);
}

void FinishGrowingArms(Animation& animation, Player& player)
{
    player.armsSequence = 0;
    if (player.armsTexture)
        player.texture = player.armsTexture;
    if (player.texture)
        player.sprite.setTexture(*player.texture, true);
    player.hasArms = 1;
    player.cinematicState = CINEMATIC_NONE;
    player.currentAnim = ROW_IDLE_RIGHT;
    player.substanceFrames = 0;
    animation.currentFrame = 0;
}

// Every row that loops ends a swing: the timer closes it at the next attack
// step and the chain moves on.
void EndRowLoop(Animation& animation, Player& player)
{
    player.attackTimer = player.attackDuration;
    if (player.comboStep < kLastComboStep) {
        player.comboStep++;
        player.hitArmed = 1;
        player.attacking = 0;
    } else {
        player.comboStep = 0;
    }
    animation.currentFrame = 0;
}

void EndCinematicClips(Player& player)
{
    player.currentAnim = ROW_IDLE_RIGHT;
    if (player.texture)
        player.sprite.setTexture(*player.texture, true);
    player.hitbox.move(kCinematicShiftX, 0.f);
    player.cinematicState = CINEMATIC_SUBSTANCE;
}

}  // namespace

void StepPlayerAnimation(Animation& animation, float dt, int /*mode*/, Player& player)
{
    TickFrameClock(animation, dt);
    if (animation.currentFrame >= animation.frameCount) {
        if (&animation == &player.anims[ROW_GROW_ARMS])
            FinishGrowingArms(animation, player);
        else if (player.climbing == 0)
            EndRowLoop(animation, player);
        else
            animation.currentFrame = kClimbLoopFrame;
    }
    if (&ShownAnimation(player) == &animation)
        ShowAnimationFrame(animation, player.sprite);
    else
        ShowPlayerFrame(player);
}

void StepPlayerArmsAnimation(Animation& animation, float dt, int /*mode*/, Player& player)
{
    if (TickFrameClock(animation, dt))
        player.substanceFrames++;
    if (animation.currentFrame >= animation.frameCount) {
        player.substanceFrames = 0;
        animation.currentFrame = 0;
    }
    ShowAnimationFrame(animation, player.substanceSprite);
}

void StepCinematicAnimation(Animation& animation, float dt, int /*mode*/, Player& player)
{
    // Clips 5 and 6 are empty: reaching one ends the cinematic.
    if (player.cinematicClip > kLastCinematicClip) {
        EndCinematicClips(player);
        ShowPlayerFrame(player);
        return;
    }
    TickFrameClock(animation, dt);
    if (animation.currentFrame >= animation.frameCount) {
        animation.currentFrame = 0;
        player.cinematicClip++;
    }
    ShowPlayerFrame(player);  // an empty clip leaves the last frame up
}

void StepPlayerAnimations(Game& game, float dt)
{
    Player& player = game.player;
    if (player.cinematicState == CINEMATIC_PLAYING) {
        StepCinematicAnimation(ShownAnimation(player), dt, 0, player);
    } else if (player.cinematicState == CINEMATIC_SUBSTANCE) {
        StepPlayerAnimation(ShownAnimation(player), dt, 0, player);
        if (player.armsSequence != 1)
            StepPlayerArmsAnimation(player.substanceAnim, dt, 0, player);
    } else {
        StepPlayerAnimation(ShownAnimation(player), dt, 0, player);
    }
    // A row chosen again starts from its first frame.
    for (int row = 0; row < PLAYER_ROW_COUNT; row++)
        if (row != player.currentAnim || player.cinematicState == CINEMATIC_PLAYING)
            ResetAnimation(player.anims[static_cast<std::size_t>(row)]);
}
