// The value of a rich-text cell: RTF, recognised by its "{\rtf" start; any other text is
// plain and is wrapped as RTF (its special characters escaped) before a window loads it.
#pragma once
#include "fw/string.h"

class CGXRichTextValue
{
public:
    static BOOL IsRtf(LPCTSTR pszText);
    // RTF that shows pszText as it stands: backslashes, braces and bytes from 0x80 are
    // escaped, line ends become paragraphs and tabs tab marks.
    static CString WrapPlainText(LPCTSTR pszText);
    // The value as RTF: RTF unchanged, plain text wrapped.
    static CString ToRtf(LPCTSTR pszValue);
};
