// State that the prompter shares across the process: the scroll tick's one-shot flag and
// target window, the fractional scroll remainder of a window, the paragraph last examined at
// the reading line and the slide-show instruction held back for the next text paragraph.
// One running prompter (with its second screen) per process; a new run starts it afresh.
#pragma once
#include <windows.h>

#include <string>

#include "fw/core.h"

struct PromptProcessState
{
    volatile LONG tickArmed = 0;
    volatile HWND tickTarget = nullptr;
    double scrollRemainder = 0.0;
    POSITION lastExamined = nullptr;
    bool doneForwards = false;
    bool doneBackwards = false;
    int pendingCode = 0;
    std::string pendingText;
};

PromptProcessState& PromptState();

// Called when a first prompter window is created: forgets everything of an earlier run.
void ResetPromptState();
