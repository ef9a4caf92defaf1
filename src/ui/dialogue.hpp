#pragma once
// The tutorial's speech bubble.
struct Dialogue {
    int closing = 0;
    int active = 0;  // the bubble is up
};

void DialogueClick(Dialogue& dialogue);
void DestroyDialogue(Dialogue& dialogue);
