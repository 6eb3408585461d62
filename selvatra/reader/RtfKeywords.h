// The RTF keyword table of the token reader (exported so tests can walk it).
#pragma once
#include "SelvatraApi.h"

struct RtfKeyword
{
    int nClass;
    int nId;
    const char* pszName; // without the backslash
    int nHash; // sum of the name's characters taken as signed bytes
};

// Zero-terminated: the last entry has a null name.
SELVATRA_API extern RtfKeyword g_rtfKeywords[];
SELVATRA_API extern const int g_nRtfKeywords;
