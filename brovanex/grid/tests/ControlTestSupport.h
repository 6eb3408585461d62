// The grid library started once for the control tests, as the modules start it.
#pragma once
#include "GridTestWindow.h"
#include "controls/GXControl.h"
#include "controls/GXControlFactory.h"
#include "core/GXStartup.h"

inline void GXTestStartLibrary()
{
    static bool bStarted = false;
    if (!bStarted) {
        GXStartGridLibrary(0x600, new CGXControlFactory, 0, 0);
        bStarted = true;
    }
}

inline const char* GXControlClassName(CGXControl* pControl)
{
    return pControl != nullptr ? pControl->GetControlClass()->m_lpszClassName : "(null)";
}
