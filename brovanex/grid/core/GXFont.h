// A font of which every attribute is optional, packed into one 64-bit word so that equal
// fonts compare as equal words. The LOGFONT lives in a process-wide table of shared font
// data keyed by that word; face names are indexes into a process-wide face table.
#pragma once
#include "core/GXDefs.h"

class CGXFont : public CObject
{
    DECLARE_SERIAL(CGXFont)
public:
    CGXFont();
    CGXFont(const CGXFont& other);
    explicit CGXFont(LPCTSTR pszDescription);
    ~CGXFont() override;
    CGXFont& operator=(const CGXFont& other);

    // Setters first drop a reference held on the shared data.
    CGXFont& SetBold(BOOL bBold) { return SetWeight(bBold ? FW_BOLD : FW_NORMAL); }
    CGXFont& SetWeight(LONG nWeight);
    CGXFont& SetSize(double dPoints);
    CGXFont& SetItalic(BOOL b);
    CGXFont& SetUnderline(BOOL b);
    CGXFont& SetStrikeOut(BOOL b);
    CGXFont& IncludeItalic(BOOL bInclude);
    CGXFont& IncludeUnderline(BOOL bInclude);
    CGXFont& IncludeStrikeOut(BOOL bInclude);
    CGXFont& SetOrientation(LONG nTenthsOfDegree);
    CGXFont& SetFaceIndex(int nFaceIndex);
    CGXFont& SetFaceName(LPCTSTR pszFaceName);
    // Mark one attribute as not set.
    CGXFont& ResetWeight()
    {
        SetField(4, 4, 15);
        return *this;
    }
    CGXFont& ResetSize()
    {
        SetField(8, 10, 0);
        return *this;
    }
    CGXFont& ResetOrientation()
    {
        SetField(21, 9, 0x1FF);
        return *this;
    }
    CGXFont& ResetFaceName()
    {
        SetField(32, 10, 0x3FF);
        return *this;
    }

    BOOL GetIncludeWeight() const { return Field(4, 4) != 15; }
    BOOL GetIncludeSize() const { return Field(8, 10) != 0; }
    BOOL GetIncludeItalic() const { return Field(1, 1) != 0; }
    BOOL GetIncludeUnderline() const { return Field(2, 1) != 0; }
    BOOL GetIncludeStrikeOut() const { return Field(3, 1) != 0; }
    BOOL GetIncludeOrientation() const { return Field(21, 9) != 0x1FF; }
    BOOL GetIncludeFaceName() const { return Field(32, 10) != 0x3FF; }
    BOOL IsEmpty() const;

    LONG GetWeight() const { return (LONG)Field(4, 4) * 100; }
    BOOL GetBold() const { return GetWeight() >= FW_BOLD; }
    double GetSize() const { return Field(8, 10) / 4.0; }
    BOOL GetItalic() const { return Field(18, 1) != 0; }
    BOOL GetUnderline() const { return Field(19, 1) != 0; }
    BOOL GetStrikeOut() const { return Field(20, 1) != 0; }
    LONG GetOrientation() const { return (LONG)Field(21, 9) * 10; }
    int GetFaceIndex() const { return (int)Field(32, 10); }
    CString GetFaceName() const;

    // The LOGFONT of the shared entry, built once; takes the reference on first use.
    const LOGFONT& GetLogFontRef() const;
    LOGFONT GetLogFont(int nZoomPercent = 100) const;
    // Takes every attribute of a LOGFONT (all become included).
    CGXFont& SetLogFont(const LOGFONT& lf);

    // Merges the seven attributes by a GXModifyType.
    CGXFont& ChangeFont(const CGXFont& other, GXModifyType mt);
    BOOL IsSubSet(const CGXFont& other) const;

    // "face,size,weight,italic,underline,strikeout,orientation"; empty where unset.
    CString GetDescription() const;
    CGXFont& SetDescription(LPCTSTR pszDescription);

    // The 64-bit word as 8 bytes, low byte first. Loading never claims a reference.
    void ArchiveWord(CArchive& ar);
    // Archive through the style-serialize service (nothing while it is off).
    void Serialize(CArchive& ar) override;

    // The word with the shared-reference bit cleared: equal fonts, equal keys.
    ULONGLONG GetKey() const { return m_qwFont >> 1; }
    ULONGLONG GetWord() const { return m_qwFont & ~1ull; }

    BOOL operator==(const CGXFont& other) const { return GetKey() == other.GetKey(); }
    BOOL operator!=(const CGXFont& other) const { return GetKey() != other.GetKey(); }

    static const ULONGLONG qwEmpty;

private:
    DWORD Field(int nShift, int nBits) const
    {
        return (DWORD)((m_qwFont >> nShift) & ((1ull << nBits) - 1));
    }
    void SetField(int nShift, int nBits, DWORD dwValue);
    void Release() const;

    mutable ULONGLONG m_qwFont;
};

// The default font of the standard style (Arial, 8.25 points, normal weight).
const CGXFont& GXGetDefaultFont();

// The process-wide face table. An empty name gives 1023 (not set), as does a name once
// 1023 faces hold an index.
int GXGetFaceIndex(LPCTSTR pszFaceName, BYTE nPitchAndFamily = 0, BYTE nCharSet = 0);
CString GXGetFaceName(int nFaceIndex);
int GXGetLogPixelsY();
int GXGetLogPixelsX();
// Number of entries of the shared font-data table (tests).
int GXGetSharedFontCount();
