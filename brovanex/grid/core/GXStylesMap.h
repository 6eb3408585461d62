// CGXStylesMap: one grid's registry of named base styles (the standard and header styles
// among them), of control names and of the user attributes its cell controls understand.
#pragma once
#include "core/GXDefs.h"
#include "core/GXStyle.h"
#include <map>

struct GXBaseStyleEntry
{
    WORD nId = 0;
    UINT nResId = 0; // 0 for a style registered by name
    CString strName;
    CGXStyle* pStyle = nullptr; // owned
    int nFlag = 0;
};

struct GXUserAttributeEntry
{
    WORD nId = 0;
    CString strName;
    CGXStyle* pDefault = nullptr; // owned; the style used to edit the attribute
};

class CGXStylesMap : public CObject
{
    DECLARE_SERIAL(CGXStylesMap)
public:
    explicit CGXStylesMap(CRuntimeClass* pStyleClass = nullptr);
    CGXStylesMap(const CGXStylesMap& other);
    CGXStylesMap& operator=(const CGXStylesMap& other);
    ~CGXStylesMap() override;

    // Reuses the id of a known name or takes the next id (ids start at 1, 0 meaning
    // "unknown"); stores a copy of the style. 0 once the 255 ids of a base style are used.
    WORD AddBaseStyle(LPCTSTR pszName, const CGXStyle& style, int nFlag = 0);
    WORD AddBaseStyleByStringId(UINT nResId, const CGXStyle& style, int nFlag = 0);
    BOOL LookupBaseStyle(WORD nId, const CGXStyle*& pStyle) const;
    // The name (null when unknown) and its string id (0 when unknown).
    LPCTSTR BaseStyleName(WORD nId, UINT& nResId) const;
    WORD BaseStyleIdOfName(LPCTSTR pszName) const;
    WORD BaseStyleIdOfStringId(UINT nResId) const;
    // Walk by name.
    POSITION GetStartPosition() const;
    void NextBaseStyle(POSITION& pos, WORD& nId, CString& strName, const CGXStyle*& pStyle,
                       UINT& nResId) const;
    INT_PTR GetBaseStyleCount() const { return (INT_PTR)m_mapIdToEntry.size(); }

    // Names as other callers know them.
    LPCTSTR GetStyleName(WORD nId, UINT& nResId) const { return BaseStyleName(nId, nResId); }
    WORD GetBaseStyleIdByName(LPCTSTR pszName) const { return BaseStyleIdOfName(pszName); }
    WORD GetBaseStyleIdByResId(UINT nResId) const { return BaseStyleIdOfStringId(nResId); }
    BOOL LookupStyle(WORD nId, const CGXStyle*& pStyle) const
    {
        return LookupBaseStyle(nId, pStyle);
    }

    // Throws the resource exception when the string is missing (nothing registered).
    void DeclareUserAttribute(WORD nResId, const CGXStyle* pDefaultStyle = nullptr);
    void DeclareControlName(WORD nResId);
    const std::map<WORD, GXUserAttributeEntry>& UserAttributeEntries() const
    {
        return m_mapUserAttributes;
    }
    const std::map<WORD, CString>& ControlNames() const { return m_mapControlNames; }

    void AddBuiltInStyles();
    WORD GetStandardStyleId() const { return m_wStyleStandard; }
    WORD GetColHeaderStyleId() const { return m_wStyleColHeader; }
    WORD GetRowHeaderStyleId() const { return m_wStyleRowHeader; }

    void RemoveAll();
    void ClearBaseStyles();
    void ClearControlNames();
    void ClearUserAttributes();

    CGXStyle* CreateStyle() const;

    void Serialize(CArchive& ar) override;
    void WriteProfile() const;
    BOOL ReadProfile();

    CString m_strSection; // "Styles"
    WORD m_wStyleStandard, m_wStyleColHeader, m_wStyleRowHeader;
    CRuntimeClass* m_pStyleClass;

    // Copy support for the parameter-copy service.
    void CopyContents(const CGXStylesMap& other);
    WORD GetNextId() const { return m_nNextId; }

    // Archive and profile support: entries put back under the ids they were stored with.
    const std::map<WORD, GXBaseStyleEntry>& BaseStyleEntries() const { return m_mapIdToEntry; }
    // FALSE (nothing stored) for id 0 or an id beyond the 8 bits of a base style.
    BOOL RestoreBaseStyle(WORD nId, UINT nResId, LPCTSTR pszName, const CGXStyle& style, int nFlag);
    void RestoreControlName(WORD nId, LPCTSTR pszName) { m_mapControlNames[nId] = pszName; }
    void RestoreUserAttribute(WORD nId, LPCTSTR pszName, const CGXStyle& defaultStyle);
    // The last id given out (ids above it are free); kept at or above every stored id.
    void SetNextId(WORD nId);
    // The three standard-style fields from the built-in styles' string ids.
    void LookUpStandardStyles();

private:
    WORD StoreBaseStyle(WORD nId, LPCTSTR pszName, UINT nResId, const CGXStyle& style, int nFlag);

    std::map<WORD, GXBaseStyleEntry> m_mapIdToEntry;
    std::map<UINT, WORD> m_mapResIdToId;
    std::map<CString, WORD> m_mapNameToId;
    WORD m_nNextId;
    std::map<WORD, CString> m_mapControlNames;
    std::map<WORD, GXUserAttributeEntry> m_mapUserAttributes;
};
