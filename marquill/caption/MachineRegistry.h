// The machine's registry below HKEY_LOCAL_MACHINE, as the caption store uses it.
#pragma once
#include "CaptionRegistry.h"

// The process's one instance. Outside Windows there is no machine registry: every key is
// absent and nothing can be written.
CCaptionRegistry& MachineCaptionRegistry();
