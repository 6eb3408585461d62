#include "SpellCheckHook.h"

#include "ScriptSpellCheck.h"

SpellCheckScriptFn g_pfnSpellCheckScript = &SpellCheckScript;
