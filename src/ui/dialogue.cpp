#include "ui/dialogue.hpp"

void DialogueClick(Dialogue& dialogue) { dialogue.closing = 1; }
void DestroyDialogue(Dialogue& dialogue) { dialogue.active = 0; }
