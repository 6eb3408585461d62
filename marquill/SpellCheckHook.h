// Where spell checking joins the script view: the spelling module sets this when it is
// present; the command stays disabled while it is null.
#pragma once

class CMyTXWordsView;
typedef void (*SpellCheckScriptFn)(CMyTXWordsView* view);
extern SpellCheckScriptFn g_pfnSpellCheckScript;
