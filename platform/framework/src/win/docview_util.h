// Helpers the document, template and application code share.
#pragma once
#include "fw/win.h"

namespace fw {

// The file part of a path (after the last '\' or '/').
CString FileTitleOf(LPCSTR lpszPathName);
// String nID with "%1" replaced by lpsz1.
CString FormatString1(UINT nID, LPCSTR lpsz1);

} // namespace fw
