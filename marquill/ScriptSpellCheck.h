// Spell Check Document: walks the script's questioned words with the spelling engine and
// lets the writer correct each in the engine's dialog; corrections go into the engine's copy
// of the text and into the text control alike.
#pragma once

class CMyTXWordsView;

void SpellCheckScript(CMyTXWordsView* view);
