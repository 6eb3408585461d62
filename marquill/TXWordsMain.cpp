// Marquill's one application object and its entry point.
#include "TXWords.h"
#include "fw/winmain.h"

CTXWordsApp theApp;
