#include "PromptFaults.h"

#include <atomic>

namespace {
std::atomic<int> g_fault {int(PromptFault::None)};
}

void SetPrompterFault(PromptFault fault) { g_fault = int(fault); }

bool PrompterFaultIs(PromptFault fault) { return g_fault.load() == int(fault); }
