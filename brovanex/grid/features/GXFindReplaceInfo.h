// GXFindReplaceInfo: what a find or replace looks for and with what, shared by every grid of
// the library (one record, GXGetFindReplaceInfo) and handed to the cell controls, which search
// their own text with the same rules. The text operations compare case-insensitively unless
// the search matches case, step over double-byte characters as one, and never look at text
// they have just put in, so a replacement holding the find text does not grow forever. An
// empty find text matches nothing.
#pragma once
#include "core/GXDefs.h"
#include "fw/string.h"

class CGXStyle;

struct GXFindReplaceInfo
{
    CString strFind; // what to look for
    CString strReplace; // what replaces it
    CString strFindUpper; // the text compared with (PrepareFindText)
    BOOL bCase = FALSE; // match case
    BOOL bWholeWord = FALSE; // kept for the dialog; the grid always searches within words
    BOOL bNext = TRUE; // search down (TRUE) or up
    BOOL bWrap = TRUE;
    BOOL bTransaction = FALSE; // Replace All as one undo step
    const CGXStyle* pStyle = nullptr; // the composed style of the cell being searched, or null

    // Copies the find text into the compared text, upper-cased unless the search matches case.
    void PrepareFindText();

    // The text as it is compared: upper-cased unless the search matches case.
    CString CompareText(const CString& strText) const;
    // The byte index of the first occurrence of the find text in strText at or after nStart,
    // -1 when there is none (always for an empty find text).
    int FindIn(const CString& strText, int nStart = 0) const;
    // The last occurrence that starts before nBefore, -1 when there is none.
    int FindLastIn(const CString& strText, int nBefore) const;
    // From a caret (a selection's start) in the direction of the search: down, the first
    // occurrence from the caret on, past the character there unless bIncludeStart; up, the last
    // one that starts before the caret (or at it with bIncludeStart). -1 when there is none.
    int FindFromCaret(const CString& strText, int nCaret, BOOL bIncludeStart) const;
    // Whether the text is the find text as a whole (a selection that the search left).
    BOOL IsMatch(const CString& strText) const;
    // Every occurrence at or after nStart replaced by the replace text, left to right, each
    // looked for in the original text only. FALSE (and the text unchanged) when none is found.
    BOOL ReplaceIn(CString& strText, int nStart = 0) const;
};

// The library's one record (all grids share the last search).
GXFindReplaceInfo& GXGetFindReplaceInfo();
