#include "SpellCheckHook.h"

SpellCheckScriptFn g_pfnSpellCheckScript = nullptr;
