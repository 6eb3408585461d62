// The one piece of prompter state the process shares: the scroll tick. The multimedia timer's
// callback posts at most one tick at a time to the first prompter window of the run (its
// target); the window re-arms the tick once it has handled one. Everything else a prompter
// keeps is its own window's.
#pragma once
#include <windows.h>

#include <atomic>

struct PromptTick
{
    std::atomic<bool> armed {false};
    std::atomic<HWND> target {nullptr};
};

PromptTick& PromptTickState();
