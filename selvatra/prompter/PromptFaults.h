// Creation steps a test can make fail, to show that a prompter whose creation fails says so
// and cleans up. Nothing but the tests sets a fault.
#pragma once
#include "SelvatraApi.h"

enum class PromptFault {
    None,
    Bitmap, // the off-screen frame cannot be made
    Events, // the worker events cannot be made
    Threads, // the worker threads do not start
    Timer // the scroll timer does not start
};

SELVATRA_API void SetPrompterFault(PromptFault fault);
bool PrompterFaultIs(PromptFault fault);
