// Internals of the face table shared by the font code.
#pragma once
#include "core/GXDefs.h"

struct GXFaceEntry
{
    CString strName;
    int nBaseLength = 0; // length of the face name before a " (script)" part
    BYTE nCharSet = 0;
    BYTE nPitchAndFamily = 0;
    DWORD dwFontType = 0;
    int nIndex = -1; // -1 until the face is given an index
};

const GXFaceEntry* GXGetFaceEntry(int nFaceIndex);
CString GXGetScriptName(BYTE nCharSet);
