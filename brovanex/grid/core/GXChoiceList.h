// Choice lists of list-type cells: lines separated by CR, LF or CR LF, each line a row
// of tab-separated fields.
#pragma once
#include "core/GXDefs.h"

// Removes the first line (and its break) from strText into strLine. Returns the offset
// of the break, or -1 when the text has none (then the whole text is the line).
int GXExtractLine(CString& strText, CString& strLine);

// Copies field n (0 = first) of a line into a buffer of nCapacity bytes, always
// terminated: at most nCapacity - 1 bytes of the field. A line with fewer fields gives
// an empty text. Returns the length copied.
int GXGetTabbedItem(LPCTSTR pszLine, int n, LPTSTR pszBuffer, int nCapacity);
CString GXGetTabbedItem(LPCTSTR pszLine, int n);

// Index of the first line whose field n (its first 127 bytes) equals pszText (exact) or
// begins with it, ignoring case; -1 when none. With bSkipFirstLine the first line (a
// heading) is passed over and indexes count from the line after it.
int GXFindChoice(LPCTSTR pszText, int n, LPCTSTR pszChoiceList, BOOL bSkipFirstLine,
                 CString& strFoundLine, BOOL bExact);

// Sorts the lines by field n (whole lines when n <= 0), ignoring case; with bKeepFirst
// the first line stays first. Every line, the last too, ends with "\r\n".
void GXSortChoiceList(CString& strChoiceList, int n, BOOL bKeepFirst);
