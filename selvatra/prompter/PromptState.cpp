#include "PromptState.h"

PromptProcessState& PromptState()
{
    static PromptProcessState state;
    return state;
}

void ResetPromptState()
{
    PromptProcessState& s = PromptState();
    InterlockedExchange(&s.tickArmed, 0);
    s.tickTarget = nullptr;
    s.scrollRemainder = 0.0;
    s.lastExamined = nullptr;
    s.doneForwards = s.doneBackwards = false;
    s.pendingCode = 0;
    s.pendingText.clear();
}
