// Message boxes of the engine's worker threads, with a hook for test programs.
#include "EngineMessages.h"

#include "framework.h"

#include <atomic>

namespace {
std::atomic<PFN_ENGINEMESSAGE> g_messageHook {nullptr};
}

void ShowEngineMessage(const char* text)
{
    if (PFN_ENGINEMESSAGE hook = g_messageHook.load()) {
        hook(text);
        return;
    }
    // No owner: the box may come from a worker thread that has no windows of its own.
    // Through the framework's seam, so an unattended run is never held by a modal box.
    AfxShowMessageBox(nullptr, text, "Prompter", MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
}

void ShowEngineMessage(const std::string& text) { ShowEngineMessage(text.c_str()); }

PFN_ENGINEMESSAGE SetEngineMessageHook(PFN_ENGINEMESSAGE hook)
{
    return g_messageHook.exchange(hook);
}
