// Number formats: a cell's stored number shown by the style's format and places, and
// typed text read back as a number together with the format the user most likely meant.
#pragma once
#include "features/GXAbstractProcessFeatures.h"
#include "fw/string.h"

// The value type of a stored number (CGXStyle::GetValueType).
const int GX_VT_NUMBER = 1;

class CGXNumberFormattingImp : public CGXAbstractNumberFormattingImp
{
public:
    // nFlags is the value type of pszValue; a null pszValue takes the style's own value
    // and value type.
    void FormatValue(CString& strResult, const CGXStyle& style, LPCTSTR pszValue,
                     UINT nFlags) override;
    BOOL ParseValue(LPCTSTR pszText, double& d, UINT nFlags) override;

    // The display text of d under one format code (0-31) and count of places.
    static CString FormatNumber(double d, int nFormat, int nPlaces, LPCTSTR pszValue);
    // Reads "(1,234.50)", "$12", "1.5e3"... When both pnFormat and pnPlaces are given
    // they receive the guessed format (1, 2, 4 or 5) and places.
    static BOOL ParseNumber(LPCTSTR pszText, double& d, int* pnFormat, int* pnPlaces);
};
