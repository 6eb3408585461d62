// Loading the grid library's texts: from the resource chain on Windows, from the
// compiled-in table natively (the native build has no resources).
#pragma once
#include "core/GXDefs.h"

// FALSE (and the string left unchanged) when no module holds the text.
BOOL GXLoadString(UINT nID, CString& strText);
