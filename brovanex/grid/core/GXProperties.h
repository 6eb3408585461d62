// CGXProperties: the display and print settings of a grid that the user may change and
// the profile keeps: zoom, header and grid-line flags, named colours, print options and
// margins, header and footer texts with their tokens, and user properties.
#pragma once
#include "core/GXDefs.h"
#include "core/GXStyle.h"
#include <map>

class CGXGridLibraryState;
class CGXData;
class CDC;
class CPrintInfo;
class CDocument;
class CGXGridParam;
class CGXStylesMap;

struct GXUserPropertyEntry
{
    WORD nId = 0;
    CString strName;
    CGXStyle* pStyle = nullptr; // owned
};

class CGXProperties : public CObject
{
    DECLARE_SERIAL(CGXProperties)
public:
    CGXProperties();
    CGXProperties(const CGXProperties& other);
    CGXProperties& operator=(const CGXProperties& other);
    ~CGXProperties() override;

    virtual void AddStandardUserProperty();
    virtual void WriteProfile();
    virtual BOOL ReadProfile();
    // A token's text alone (no argument).
    virtual CString TokenText(int nToken);
    virtual CString ExpandTokens(LPCTSTR pszText);
    // A token's text; strRest is the text behind the token (a derived class may add tokens).
    virtual CString SubstTokenText(int nToken, CString& strRest);
    CString GetTokenArgs(CString& strRest);

    // Colours: the name is the string of the id or "COLOR%u".
    int AddColorByStringId(UINT nResId, COLORREF cr);
    int AddColor(LPCTSTR pszName, COLORREF cr);
    COLORREF GetColor(int nIndex) const;
    // Overwrites an existing entry; FALSE (and nothing changed) outside the table.
    BOOL SetColor(int nIndex, COLORREF cr);
    int GetColorCount() const { return (int)m_colorValues.GetSize(); }
    CString GetColorName(int nIndex) const;

    int AddToken(LPCTSTR pszName);

    void DefineUserProperty(WORD nId, const CGXStyle& style);
    void MergeUserProperty(WORD nId, const CGXStyle& style); // resource exception when unknown
    const CGXStyle& FindUserProperty(WORD nId) const;
    // Names as other callers know them.
    void SetUserProperty(WORD nId, const CGXStyle& style) { MergeUserProperty(nId, style); }
    const CGXStyle& GetUserProperty(WORD nId) const { return FindUserProperty(nId); }
    const std::map<WORD, GXUserPropertyEntry>& UserProperties() const
    {
        return m_mapUserProperties;
    }

    // Header and footer through the print feature of the first grid that uses these
    // properties; empty texts and no height without one.
    void DrawHeaderAndFooter(CDC* pDC, CPrintInfo* pInfo, CDocument* pDoc, CGXGridParam* pParam);
    int CalcHeaderFooterHeight(CDC* pDC, CGXData* pBlock, CGXStylesMap* pStylesMap);
    void PrintHeaderFooter(CDC* pDC, CPrintInfo* pInfo, LPCRECT pRect, CGXData* pBlock,
                           CGXStylesMap* pStylesMap);

    void ClearAll();
    void CopyContents(const CGXProperties& other);
    void Serialize(CArchive& ar) override;

    int GetZoom() const { return m_nZoom; }
    void SetZoom(int n) { m_nZoom = n; }
    BOOL GetDisplayVertLines() const { return m_abDisplay[3]; }
    BOOL GetDisplayHorzLines() const { return m_abDisplay[4]; }

    CGXGridLibraryState* m_pAppData;
    CString m_astrChoices[5]; // 51006, 51007, 51008, 51009, 20059
    CGXStyle m_styleDefault;
    CStringArray m_astrTokens;
    CStringArray m_astrTokenValues;
    std::map<WORD, GXUserPropertyEntry> m_mapUserProperties;
    // Mark row header, mark column header, 3D header, vertical lines, horizontal lines.
    BOOL m_abDisplay[5];
    BOOL m_bPrintingFlag;
    CString m_strSection; // "Grid"
    CStringArray m_colorNames;
    CDWordArray m_colorValues;
    int m_nZoom;
    int m_nTopMargin, m_nLeftMargin, m_nBottomMargin, m_nRightMargin;
    int m_nHeaderDistance, m_nFooterDistance;
    // Vertical lines, horizontal lines, black and white, row headers, column headers,
    // centre vertical, centre horizontal, page order, print frame.
    BOOL m_abPrint[9];
    LONG m_nFirstPage; // -1
    CGXData* m_pDataFooter; // (1,1) "$D", (1,3) "$P/$N"
    CGXData* m_pDataHeader; // (1,2) "$R", bold 16 points
    CDWordArray m_awColBreaks, m_awRowBreaks;
};
