// CGXStyle: the value object describing one cell, row, column, the table or a named base
// style. Every attribute is optional; the include mask says which ones the style holds.
#pragma once
#include "core/GXDefs.h"
#include "core/GXBrush.h"
#include "core/GXPen.h"
#include "core/GXFont.h"
#include "core/GXUserAttribute.h"

class CGXStylesMap;

// Include bits (in-object form).
enum GXStyleBits : DWORD {
    gxHorzAlign = 1u << 0,
    gxVertAlign = 1u << 1,
    gxReadOnly = 1u << 2,
    gxControl = 1u << 3,
    gxInterior = 1u << 4,
    gxTextColor = 1u << 5,
    gxWrapText = 1u << 6,
    gxAllowEnter = 1u << 7,
    gxBorders = 1u << 8,
    gxFont = 1u << 9,
    gxValue = 1u << 10,
    gxChoiceList = 1u << 11,
    gxVertScroll = 1u << 12,
    gxMaxLength = 1u << 13,
    gxBaseStyle = 1u << 14,
    gxEnabled = 1u << 15,
    gxTriState = 1u << 16,
    gxDraw3dFrame = 1u << 17,
    gxUserAttr = 1u << 18,
    gxAutoSize = 1u << 19,
    gxItemData = 1u << 20,
    gxFloodCell = 1u << 21,
    gxFloatCell = 1u << 22,
    gxMergeCell = 1u << 23,
    gxFormat = 1u << 24,
    gxPlaces = 1u << 25,
    gxAllBits = (1u << 26) - 1
};

// Border indexes; -1 in the setters means all four.
enum GXBorderType {
    gxBorderLeft = 0,
    gxBorderRight = 1,
    gxBorderTop = 2,
    gxBorderBottom = 3,
    gxBorderAll = -1
};

class CGXStyle : public CObject
{
    DECLARE_SERIAL(CGXStyle)
public:
    CGXStyle();
    CGXStyle(const CGXStyle& other);
    ~CGXStyle() override;

    virtual CGXStyle* Clone() const;
    virtual CGXStyle& SetValue(LPCTSTR pszValue);
    virtual CGXStyle& operator=(const CGXStyle& other);
    virtual CGXStyle& MakeStandardStyle();
    virtual BOOL ContainsStyle(const CGXStyle& other) const;
    virtual void Serialize(CArchive& ar, const CGXStylesMap* pStylesMap);
    virtual void WriteProfile(LPCTSTR pszSection, LPCTSTR pszEntry) const;
    virtual BOOL ReadProfile(LPCTSTR pszSection, LPCTSTR pszEntry);
    virtual CGXStyle& ApplyBaseStyles(const CGXStylesMap* pStylesMap);
    virtual CGXStyle& MergeStyle(const CGXStyle& other, GXModifyType mt);
    virtual void ClearAll();

    void Serialize(CArchive& ar) override { Serialize(ar, nullptr); }

    // Include mask.
    DWORD GetInclude() const { return m_dwIncludeBits; }
    BOOL GetInclude(DWORD dwBits) const { return (m_dwIncludeBits & dwBits) != 0; }
    CGXStyle& SetInclude(DWORD dwBits, BOOL bInclude);
    // The archive form: bits 21 and 22 exchanged.
    DWORD GetIncludeBits() const;
    void SetIncludeBits(DWORD dwArchiveBits);

    // Alignment takes and gives DrawText flags.
    CGXStyle& SetHorizontalAlignment(UINT nDTFlags);
    UINT GetHorizontalAlignment() const;
    CGXStyle& SetVerticalAlignment(UINT nDTFlags);
    UINT GetVerticalAlignment() const;
    BOOL GetIncludeHorizontalAlignment() const { return GetInclude(gxHorzAlign); }
    BOOL GetIncludeVerticalAlignment() const { return GetInclude(gxVertAlign); }

    CGXStyle& SetReadOnly(BOOL b) { return SetFlag(gxReadOnly, 2, b); }
    BOOL GetReadOnly() const { return Bit(2); }
    CGXStyle& SetVerticalScrollBar(BOOL b) { return SetFlag(gxVertScroll, 3, b); }
    BOOL GetVerticalScrollBar() const { return Bit(3); }
    CGXStyle& SetWrapText(BOOL b) { return SetFlag(gxWrapText, 4, b); }
    BOOL GetWrapText() const { return Bit(4); }
    CGXStyle& SetAllowEnter(BOOL b) { return SetFlag(gxAllowEnter, 5, b); }
    BOOL GetAllowEnter() const { return Bit(5); }
    CGXStyle& SetEnabled(BOOL b) { return SetFlag(gxEnabled, 6, b); }
    BOOL GetEnabled() const { return Bit(6); }
    CGXStyle& SetTriState(BOOL b) { return SetFlag(gxTriState, 7, b); }
    BOOL GetTriState() const { return Bit(7); }
    CGXStyle& SetAutoSize(BOOL b) { return SetFlag(gxAutoSize, 8, b); }
    BOOL GetAutoSize() const { return Bit(8); }
    CGXStyle& SetFloodCell(BOOL b) { return SetFlag(gxFloodCell, 9, b); }
    BOOL GetFloodCell() const { return Bit(9); }
    CGXStyle& SetFloatCell(BOOL b) { return SetFlag(gxFloatCell, 10, b); }
    BOOL GetFloatCell() const { return Bit(10); }
    CGXStyle& SetDraw3dFrame(int n);
    int GetDraw3dFrame() const { return (int)(m_dwValueWord & 3); }
    CGXStyle& SetMergeCell(int n);
    int GetMergeCell() const { return (int)((m_dwValueWord >> 11) & 7); }

    CGXStyle& SetControl(WORD nControlId);
    WORD GetControl() const { return m_nControlId; }
    CGXStyle& SetMaxLength(WORD nMaxLength);
    WORD GetMaxLength() const { return m_nMaxLength; }
    CGXStyle& SetItemDataPtr(DWORD dw);
    DWORD GetItemDataPtr() const { return m_dwItemData; }

    CGXStyle& SetInterior(const CGXBrush& brush);
    CGXStyle& SetInterior(COLORREF cr) { return SetInterior(CGXBrush().SetColor(cr)); }
    const CGXBrush& GetInterior() const { return m_brInterior; }

    CGXStyle& SetTextColor(COLORREF cr);
    COLORREF GetTextColor() const;

    // Value: text (type 0) or an unsigned number ("%lu", type 1).
    CGXStyle& SetValue(const CString& strValue) { return SetValue((LPCTSTR)strValue); }
    CGXStyle& SetValue(DWORD dwValue);
    const CString& GetValue() const { return m_strValue; }
    int GetValueType() const { return (int)((m_dwValueWord >> 20) & 7); }
    CGXStyle& SetValueType(int nType);
    CGXStyle& SetChoiceList(LPCTSTR pszChoices);
    const CString& GetChoiceList() const { return m_strChoiceList; }

    CGXStyle& SetFormat(int nFormat);
    int GetFormat() const { return (int)(m_dwFormatWord & 0x1F); }
    CGXStyle& SetPlaces(int nPlaces);
    int GetPlaces() const { return (int)((m_dwFormatWord >> 5) & 0xF); }

    // Base style ids are 8 bits; a larger id is refused (the style is left unchanged)
    // rather than cut to another style's id.
    CGXStyle& SetBaseStyle(WORD nBaseStyleId);
    WORD GetBaseStyle() const { return (WORD)(m_dwTextColorWord >> 24); }

    // Borders.
    CGXStyle& SetBorders(int nIndex, const CGXPen& pen);
    CGXStyle& SetBorders(const CGXPen* pPens);
    CGXStyle& MarkBorderSet(int nIndex, BOOL bSet);
    const CGXPen& GetBorders(int nIndex) const;
    BOOL HasPenArray() const { return m_pPenArray != nullptr; }

    // Font.
    CGXStyle& SetFont(const CGXFont& font, GXModifyType mt = gxOverride);
    const CGXFont& GetFont() const;
    BOOL HasFontObject() const { return m_pFont != nullptr; }

    // User attributes.
    CGXStyle& SetUserAttribute(WORD nId, LPCTSTR pszValue);
    CGXStyle& SetUserAttribute(WORD nId, DWORD dwValue);
    CGXStyle& SetUserAttributePtr(WORD nId, CGXAbstractUserAttribute* pAttribute);
    CGXStyle& PutUserAttribute(WORD nId, const CGXAbstractUserAttribute& attribute);
    const CGXAbstractUserAttribute& FindUserAttribute(WORD nId) const;
    const CGXAbstractUserAttribute& GetUserAttribute(WORD nId) const
    {
        return FindUserAttribute(nId);
    }
    BOOL HasUserAttribute(WORD nId) const;
    CGXStyle& ReplaceUserAttributes(const CGXUserAttributeMap* pMap);
    const CGXUserAttributeMap* GetUserAttributeMap() const { return m_pmapUserAttributes; }

    // The raw packed words (archive and compare services).
    DWORD GetValueWord() const { return m_dwValueWord; }
    DWORD GetTextColorWord() const { return m_dwTextColorWord; }
    DWORD GetFormatWord() const { return m_dwFormatWord; }

protected:
    BOOL Bit(int n) const { return (m_dwValueWord >> n) & 1; }
    CGXStyle& SetFlag(DWORD dwInclude, int nBit, BOOL b);
    void SetValueBits(int nShift, int nBits, DWORD dw);
    void CopyBorders(const CGXStyle& other);

    DWORD m_dwIncludeBits;
    WORD m_nMaxLength;
    CGXBrush m_brInterior;
    WORD m_nControlId;
    DWORD m_dwValueWord;
    DWORD m_dwTextColorWord; // bits 0-23 colour, 24-31 base style id
    DWORD m_dwFormatWord; // bits 0-4 format, 5-8 places
    CGXPen* m_pPenArray; // four pens, null until a border is set
    CGXFont* m_pFont;
    CString m_strValue;
    CString m_strChoiceList;
    CGXUserAttributeMap* m_pmapUserAttributes;
    DWORD m_dwItemData;
};
