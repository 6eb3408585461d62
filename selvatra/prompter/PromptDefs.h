// Window types, messages and host callback types of the prompter windows.
#pragma once
#include "fw/fwdefs.h"

class prmptRecord;
class qelstring;

// How a prompter window is shown.
enum WINTYPE {
    WINTYPE_WINDOW = 1, // a captioned, sizable window
    WINTYPE_SECOND = 2, // the second prompter, created by the first one
    WINTYPE_FULLSCREEN = 3 // a topmost pop-up covering a monitor
};

// Posted to the parent window as the very last act of closing (wParam 0, lParam 0).
#define WM_PROMPTER_CLOSED 0x5FE
// Scroll tick, posted by the multimedia timer's callback to the first prompter window.
#define WM_PROMPTER_TICK 0x464
// Parks the cursor at the window centre.
#define WM_PROMPTER_MOUSE 0x465
// Countdown ended with auto-continue: close the clocks and scroll on.
#define WM_PROMPTER_AUTOCONTINUE 0x606

// Host callbacks: plain functions whose first argument is the owner given to Create.
typedef prmptRecord* (*PFN_NEXTRECORD)(void* owner);
typedef void (*PFN_RESETRECORDS)(void* owner);
typedef void (*PFN_PROMPTDONE)(void* owner, int paragraph);
typedef prmptRecord* (*PFN_GETRECORD)(void* owner, int number);
typedef bool (*PFN_GETSCRIPTTEXT)(void* owner, long recordId, qelstring& text);
