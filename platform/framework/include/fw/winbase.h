// What every windowed header of the framework shares: the core classes it builds on
// and a few helpers.
#pragma once
#include "fw/exceptions.h"
#include "fw/geometry.h"
#include "fw/object.h"
#include "fw/string.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <tchar.h>

// `this` hidden from the optimiser, so that GetSafeHwnd and its kin may test it for null
// (callers of this framework call them through null pointers by design).
#define FW_OPAQUE_THIS()                                                                           \
    ([](auto p) {                                                                                  \
        __asm__("" : "+r"(p));                                                                     \
        return p;                                                                                  \
    }(this))
