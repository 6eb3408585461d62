// Message boxes that the engine shows from its own threads (caption port errors, OLE and
// slide-show failures). One seam, so that a test program can collect the texts instead of
// waiting on a box nobody clicks.
#pragma once
#include <string>

#include "SelvatraApi.h"

typedef void (*PFN_ENGINEMESSAGE)(const char* text);

// Shows text in a message box (or hands it to the installed hook). Safe from any thread.
SELVATRA_API void ShowEngineMessage(const char* text);
SELVATRA_API void ShowEngineMessage(const std::string& text);

// Replaces the message box with hook (null restores the box); returns the previous hook.
SELVATRA_API PFN_ENGINEMESSAGE SetEngineMessageHook(PFN_ENGINEMESSAGE hook);
