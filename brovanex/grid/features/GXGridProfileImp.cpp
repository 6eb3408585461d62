// A grid's display and print settings, its base styles and single styles in the
// application's profile (its registry key or its INI file), one key per setting.
#include "core/GXLibraryState.h"
#include "core/GXProperties.h"
#include "core/GXStyle.h"
#include "core/GXStylesMap.h"
#include "core/GXSysColorCache.h"
#include "fw/app.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {
CWinApp* App() { return AfxGetApp(); }

bool UsesRegistry() { return App() != nullptr && App()->m_pszRegistryKey != nullptr; }

// The names of the keys of an INI section, read whole however long the list is.
std::vector<CString> IniKeyNames(LPCTSTR pszSection)
{
    std::vector<CString> names;
    CWinApp* pApp = App();
    if (pApp == nullptr || pApp->m_pszProfileName == nullptr)
        return names;
    // Pending writes reach the file before the section is listed.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, pApp->m_pszProfileName);
    std::vector<char> buffer(1024);
    for (;;) {
        DWORD n = ::GetPrivateProfileStringA(pszSection, nullptr, "", buffer.data(),
                                             (DWORD)buffer.size(), pApp->m_pszProfileName);
        if (n + 2 < buffer.size())
            break;
        buffer.resize(buffer.size() * 2);
    }
    for (const char* p = buffer.data(); *p != '\0'; p += strlen(p) + 1)
        names.push_back(p);
    return names;
}

// The names of the sub-keys of a section of the application's registry key.
std::vector<CString> RegistrySubKeyNames(LPCTSTR pszSection, bool* pbExists = nullptr)
{
    std::vector<CString> names;
    if (pbExists != nullptr)
        *pbExists = false;
    HKEY hApp = App()->GetAppRegistryKey();
    if (hApp == nullptr)
        return names;
    HKEY hSection = nullptr;
    if (::RegOpenKeyExA(hApp, pszSection, 0, KEY_READ, &hSection) == ERROR_SUCCESS) {
        if (pbExists != nullptr)
            *pbExists = true;
        char szName[256];
        for (DWORD i = 0;; ++i) {
            DWORD cch = sizeof szName;
            LONG lResult =
                ::RegEnumKeyExA(hSection, i, szName, &cch, nullptr, nullptr, nullptr, nullptr);
            if (lResult == ERROR_MORE_DATA)
                continue; // no style is named that long: skipped
            if (lResult != ERROR_SUCCESS)
                break;
            names.push_back(szName);
        }
        ::RegCloseKey(hSection);
    }
    ::RegCloseKey(hApp);
    return names;
}

bool SectionExists(LPCTSTR pszSection)
{
    if (App() == nullptr)
        return false;
    if (UsesRegistry()) {
        HKEY hApp = App()->GetAppRegistryKey();
        if (hApp == nullptr)
            return false;
        HKEY hSection = nullptr;
        bool bExists = ::RegOpenKeyExA(hApp, pszSection, 0, KEY_READ, &hSection) == ERROR_SUCCESS;
        if (hSection != nullptr)
            ::RegCloseKey(hSection);
        ::RegCloseKey(hApp);
        return bExists;
    }
    return !IniKeyNames(pszSection).empty();
}

CString Get(LPCTSTR pszSection, LPCTSTR pszKey)
{
    return App() != nullptr ? App()->GetProfileString(pszSection, pszKey, "") : CString();
}

void Put(LPCTSTR pszSection, LPCTSTR pszKey, LPCTSTR pszValue)
{
    if (App() != nullptr)
        App()->WriteProfileString(pszSection, pszKey, pszValue);
}

void PutNumber(LPCTSTR pszSection, LPCTSTR pszKey, long n)
{
    CString s;
    s.Format("%ld", n);
    Put(pszSection, pszKey, s);
}

// A number read into a setting; a missing or empty key keeps the setting.
template<class T>
void GetNumber(LPCTSTR pszSection, LPCTSTR pszKey, T& value)
{
    CString s = Get(pszSection, pszKey);
    if (!s.IsEmpty())
        value = (T)atol(s);
}

// Up to nMax numbers separated by commas (blanks before each skipped); numbers after a
// missing comma keep their values.
void GetNumberList(LPCTSTR pszSection, LPCTSTR pszKey, int* apn[], int nMax)
{
    CString s = Get(pszSection, pszKey);
    if (s.IsEmpty())
        return;
    const char* p = s;
    for (int i = 0; i < nMax && p != nullptr; ++i) {
        while (*p == ' ' || *p == '\t')
            ++p;
        *apn[i] = (int)atol(p);
        p = strchr(p, ',');
        if (p != nullptr)
            ++p;
    }
}

// The display and print switches' keys with their slots in the properties' m_abDisplay
// and m_abPrint, written and read in this order.
struct SwitchKey
{
    LPCTSTR pszKey;
    int nIndex;
};
const SwitchKey kDisplayKeys[] = {{"MarkColumnHeader", 1},
                                  {"MarkRowHeader", 0},
                                  {"3dHeader", 2},
                                  {"HorizontalLines", 4},
                                  {"VerticalLines", 3}};
const SwitchKey kPrintKeys[] = {{"Page Order", 7},
                                {"Print Vertical Lines", 0},
                                {"Print Horizontal Lines", 1},
                                {"Print Only Black&White", 2},
                                {"Print Row Headers", 3},
                                {"Print Column Headers", 4},
                                {"Center Vertical", 5},
                                {"Center Horizontal", 6},
                                {"Print Frame", 8}};

// The choice list in one line: carriage returns dropped, a line feed as "\n", a
// backslash doubled.
CString EscapeChoices(const CString& str)
{
    CString out;
    for (int i = 0; i < str.GetLength(); ++i) {
        char c = str[i];
        if (c == '\r')
            continue;
        if (c == '\n')
            out += "\\n";
        else if (c == '\\')
            out += "\\\\";
        else
            out += c;
    }
    return out;
}

// One pass from left to right, so "\\n" (a literal backslash before an n) stays so.
CString UnescapeChoices(const CString& str)
{
    CString out;
    for (int i = 0; i < str.GetLength(); ++i) {
        char c = str[i];
        if (c == '\\' && i + 1 < str.GetLength()) {
            char next = str[i + 1];
            if (next == '\\') {
                out += '\\';
                ++i;
                continue;
            }
            if (next == 'n') {
                out += "\r\n";
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// Where a style named by an entry lives: a sub-key (registry) or a section of its own (INI).
CString StyleSection(LPCTSTR pszSection, LPCTSTR pszEntry)
{
    CString s = pszSection;
    if (pszEntry != nullptr && *pszEntry != '\0') {
        s += UsesRegistry() ? "\\" : ".";
        s += pszEntry;
    }
    return s;
}

CString EntryNameOf(const GXBaseStyleEntry& entry)
{
    if (entry.nResId == 0)
        return entry.strName;
    CString s;
    s.Format("#%u", entry.nResId);
    return s;
}
// The profile keys of a style's four borders, in the order they are written.
const struct
{
    int nSide;
    LPCTSTR pszKey;
} kBorderKeys[] = {{gxBorderTop, "Top"},
                   {gxBorderLeft, "Left"},
                   {gxBorderBottom, "Bottom"},
                   {gxBorderRight, "Right"}};

} // namespace

class CGXGridProfileImp : public CGXAbstractGridProfileImp
{
public:
    void WriteStylesMap(CGXStylesMap& map) override;
    void WriteFont(const CGXFont& font, LPCTSTR pszSection, LPCTSTR pszEntry) override;
    void WriteStyle(const CGXStyle& style, LPCTSTR pszSection, LPCTSTR pszEntry) override;
    void WriteProperties(CGXProperties& prop) override;
    BOOL ReadStylesMap(CGXStylesMap& map) override;
    BOOL ReadStyle(CGXStyle& style, LPCTSTR pszSection, LPCTSTR pszEntry) override;
    BOOL ReadProperties(CGXProperties& prop) override;

private:
    void WriteStyleKeys(const CGXStyle& style, LPCTSTR pszSection, const CGXStylesMap* pMap);
    void ReadStyleKeys(CGXStyle& style, LPCTSTR pszSection, const CGXStylesMap* pMap);
};

// ---------------------------------------------------------------------------------------
// Properties

void CGXGridProfileImp::WriteProperties(CGXProperties& prop)
{
    LPCTSTR s = prop.m_strSection;
    for (int i = 0; i < prop.GetColorCount(); ++i) {
        CString v;
        v.Format("%lu", (unsigned long)prop.m_colorValues[i]);
        Put(s, prop.GetColorName(i), v);
    }
    for (const SwitchKey& key : kDisplayKeys)
        PutNumber(s, key.pszKey, prop.m_abDisplay[key.nIndex]);
    for (const auto& kv : prop.UserProperties()) {
        const CGXStyle* pStyle = kv.second.pStyle;
        if (pStyle == nullptr || !pStyle->GetInclude(gxValue))
            continue;
        CString key;
        key.Format("UP%u", (unsigned)kv.first);
        Put(s, key, pStyle->GetValue());
    }
    for (const SwitchKey& key : kPrintKeys)
        PutNumber(s, key.pszKey, prop.m_abPrint[key.nIndex]);
    CString v;
    v.Format("%ld,%ld,%ld,%ld", (long)prop.m_nTopMargin, (long)prop.m_nLeftMargin,
             (long)prop.m_nBottomMargin, (long)prop.m_nRightMargin);
    Put(s, "Margins", v);
    PutNumber(s, "Start Page Numbering", prop.m_nFirstPage);
    v.Format("%ld,%ld", (long)prop.m_nHeaderDistance, (long)prop.m_nFooterDistance);
    Put(s, "Distances", v);
}

BOOL CGXGridProfileImp::ReadProperties(CGXProperties& prop)
{
    LPCTSTR s = prop.m_strSection;
    if (!SectionExists(s))
        return FALSE;
    for (int i = 0; i < prop.GetColorCount(); ++i) {
        CString v = Get(s, prop.GetColorName(i));
        if (!v.IsEmpty())
            prop.m_colorValues[i] = (DWORD)strtoul(v, nullptr, 10);
    }
    for (const SwitchKey& key : kDisplayKeys)
        GetNumber(s, key.pszKey, prop.m_abDisplay[key.nIndex]);
    for (auto& kv : prop.m_mapUserProperties) {
        CString key;
        key.Format("UP%d", (int)kv.first);
        CString v = Get(s, key);
        if (!v.IsEmpty() && kv.second.pStyle != nullptr)
            kv.second.pStyle->SetValue(v);
    }
    for (const SwitchKey& key : kPrintKeys)
        GetNumber(s, key.pszKey, prop.m_abPrint[key.nIndex]);
    int* aMargins[] = {&prop.m_nTopMargin, &prop.m_nLeftMargin, &prop.m_nBottomMargin,
                       &prop.m_nRightMargin};
    GetNumberList(s, "Margins", aMargins, 4);
    GetNumber(s, "Start Page Numbering", prop.m_nFirstPage);
    int* aDistances[] = {&prop.m_nHeaderDistance, &prop.m_nFooterDistance};
    GetNumberList(s, "Distances", aDistances, 2);
    return TRUE;
}

// ---------------------------------------------------------------------------------------
// Styles

void CGXGridProfileImp::WriteFont(const CGXFont& font, LPCTSTR pszSection, LPCTSTR pszEntry)
{
    if (pszSection == nullptr || pszEntry == nullptr)
        return;
    Put(pszSection, pszEntry, font.GetDescription());
}

void CGXGridProfileImp::WriteStyle(const CGXStyle& style, LPCTSTR pszSection, LPCTSTR pszEntry)
{
    if (pszSection == nullptr)
        return;
    WriteStyleKeys(style, StyleSection(pszSection, pszEntry), nullptr);
}

void CGXGridProfileImp::WriteStyleKeys(const CGXStyle& style, LPCTSTR s, const CGXStylesMap* pMap)
{
    auto put = [&](DWORD dwBit, LPCTSTR pszKey, const CString& v) {
        Put(s, pszKey, style.GetInclude(dwBit) ? (LPCTSTR)v : nullptr);
    };
    auto number = [](unsigned long n) {
        CString v;
        v.Format("%lu", n);
        return v;
    };
    put(gxHorzAlign, "HorizontalAlignment", number(style.GetHorizontalAlignment()));
    put(gxVertAlign, "VerticalAlignment", number(style.GetVerticalAlignment()));
    put(gxReadOnly, "ReadOnly", number(style.GetReadOnly() ? 1 : 0));
    put(gxWrapText, "WrapText", number(style.GetWrapText() ? 1 : 0));
    put(gxAllowEnter, "AllowEnter", number(style.GetAllowEnter() ? 1 : 0));
    put(gxVertScroll, "VerticalScrollbar", number(style.GetVerticalScrollBar() ? 1 : 0));
    put(gxEnabled, "Enabled", number(style.GetEnabled() ? 1 : 0));
    put(gxTriState, "TriState", number(style.GetTriState() ? 1 : 0));
    put(gxAutoSize, "AutoSize", number(style.GetAutoSize() ? 1 : 0));
    put(gxFloatCell, "FloatCell", number(style.GetFloatCell() ? 1 : 0));
    put(gxFloodCell, "FloodCell", number(style.GetFloodCell() ? 1 : 0));
    put(gxMergeCell, "MergeCell", number((unsigned long)style.GetMergeCell()));
    put(gxDraw3dFrame, "Draw3dFrame", number((unsigned long)style.GetDraw3dFrame()));
    put(gxFormat, "Format", number((unsigned long)style.GetFormat()));
    put(gxPlaces, "Places", number((unsigned long)style.GetPlaces()));
    put(gxControl, "ControlId", number(style.GetControl()));
    put(gxMaxLength, "MaxLength", number(style.GetMaxLength()));
    put(gxInterior, "Interior", style.GetInterior().GetDescription());
    COLORREF cr = GXResolveColor(style.GetTextColor());
    CString v;
    v.Format("%d %d %d", (int)GetRValue(cr), (int)GetGValue(cr), (int)GetBValue(cr));
    put(gxTextColor, "TextColor", v);
    if (style.GetInclude(gxFont))
        WriteFont(style.GetFont(), s, "Font");
    else
        Put(s, "Font", nullptr);
    put(gxValue, "Value", style.GetValue());
    put(gxChoiceList, "ChoicesList", EscapeChoices(style.GetChoiceList()));
    // The base style by the name its styles map knows it under.
    CString strBase;
    if (style.GetInclude(gxBaseStyle) && pMap != nullptr) {
        UINT nResId = 0;
        LPCTSTR pszName = pMap->BaseStyleName(style.GetBaseStyle(), nResId);
        if (nResId != 0)
            strBase.Format("#%u", nResId);
        else if (pszName != nullptr)
            strBase = pszName;
    }
    Put(s, "BaseStyle", strBase.IsEmpty() ? nullptr : (LPCTSTR)strBase);
    // Borders last, with their four sides.
    if (style.GetInclude(gxBorders)) {
        Put(s, "Borders", "1");
        for (const auto& side : kBorderKeys) {
            const CGXPen& pen = style.GetBorders(side.nSide);
            Put(s, side.pszKey, pen.IsSet() ? (LPCTSTR)pen.GetDescription() : nullptr);
        }
    } else {
        Put(s, "Borders", nullptr);
        for (const auto& side : kBorderKeys)
            Put(s, side.pszKey, nullptr);
    }
}

BOOL CGXGridProfileImp::ReadStyle(CGXStyle& style, LPCTSTR pszSection, LPCTSTR pszEntry)
{
    if (pszSection == nullptr)
        return FALSE;
    ReadStyleKeys(style, StyleSection(pszSection, pszEntry), nullptr);
    return TRUE;
}

void CGXGridProfileImp::ReadStyleKeys(CGXStyle& style, LPCTSTR s, const CGXStylesMap* pMap)
{
    auto read = [&](LPCTSTR pszKey, auto apply) {
        CString v = Get(s, pszKey);
        if (!v.IsEmpty())
            apply(v);
    };
    read("HorizontalAlignment", [&](const CString& v) { style.SetHorizontalAlignment(atol(v)); });
    read("VerticalAlignment", [&](const CString& v) { style.SetVerticalAlignment(atol(v)); });
    read("ReadOnly", [&](const CString& v) { style.SetReadOnly(atol(v) != 0); });
    read("WrapText", [&](const CString& v) { style.SetWrapText(atol(v) != 0); });
    read("AllowEnter", [&](const CString& v) { style.SetAllowEnter(atol(v) != 0); });
    read("VerticalScrollbar", [&](const CString& v) { style.SetVerticalScrollBar(atol(v) != 0); });
    read("Enabled", [&](const CString& v) { style.SetEnabled(atol(v) != 0); });
    read("TriState", [&](const CString& v) { style.SetTriState(atol(v) != 0); });
    read("AutoSize", [&](const CString& v) { style.SetAutoSize(atol(v) != 0); });
    read("FloatCell", [&](const CString& v) { style.SetFloatCell(atol(v) != 0); });
    read("FloodCell", [&](const CString& v) { style.SetFloodCell(atol(v) != 0); });
    read("MergeCell", [&](const CString& v) { style.SetMergeCell((int)atol(v) & 7); });
    read("Draw3dFrame", [&](const CString& v) { style.SetDraw3dFrame((int)atol(v) & 3); });
    read("Format", [&](const CString& v) { style.SetFormat((int)atol(v)); });
    read("Places", [&](const CString& v) { style.SetPlaces((int)atol(v)); });
    read("ControlId", [&](const CString& v) { style.SetControl((WORD)atol(v)); });
    read("MaxLength", [&](const CString& v) { style.SetMaxLength((WORD)atol(v)); });
    read("Interior", [&](const CString& v) {
        CGXBrush brush;
        if (brush.SetDescription(v))
            style.SetInterior(brush);
    });
    read("TextColor", [&](const CString& v) {
        int r = 0, g = 0, b = 0;
        if (sscanf(v, "%d %d %d", &r, &g, &b) == 3)
            style.SetTextColor(RGB(r, g, b));
    });
    read("Font", [&](const CString& v) { style.SetFont(CGXFont(v)); });
    read("Value", [&](const CString& v) { style.SetValue(v); });
    read("ChoicesList", [&](const CString& v) { style.SetChoiceList(UnescapeChoices(v)); });
    read("BaseStyle", [&](const CString& v) {
        if (pMap == nullptr)
            return;
        WORD nId = v[0] == '#' ? pMap->BaseStyleIdOfStringId((UINT)atol((const char*)v + 1))
                               : pMap->BaseStyleIdOfName(v);
        if (nId != 0)
            style.SetBaseStyle(nId);
    });
    if (Get(s, "Borders") == "1") {
        for (const auto& side : kBorderKeys)
            read(side.pszKey, [&](const CString& v) {
                CGXPen pen;
                if (pen.SetDescription(v))
                    style.SetBorders(side.nSide, pen);
            });
    }
    if (pMap != nullptr)
        for (const auto& kv : pMap->UserAttributeEntries()) {
            CString key;
            key.Format("UA%u", (unsigned)kv.first);
            read(key, [&](const CString& v) { style.SetUserAttribute(kv.first, v); });
        }
}

// ---------------------------------------------------------------------------------------
// Styles maps

void CGXGridProfileImp::WriteStylesMap(CGXStylesMap& map)
{
    if (App() == nullptr)
        return;
    LPCTSTR s = map.m_strSection;
    if (UsesRegistry()) {
        for (const CString& name : RegistrySubKeyNames(s))
            if (HKEY hSection = App()->GetSectionKey(s)) {
                ::RegDeleteKeyA(hSection, name);
                ::RegCloseKey(hSection);
            }
    } else {
        Put(s, nullptr, nullptr);
    }
    for (const auto& kv : map.BaseStyleEntries()) {
        CString key = EntryNameOf(kv.second);
        if (!UsesRegistry())
            Put(s, key, "1");
        WriteStyleKeys(*kv.second.pStyle, StyleSection(s, key), &map);
    }
}

BOOL CGXGridProfileImp::ReadStylesMap(CGXStylesMap& map)
{
    if (App() == nullptr)
        return FALSE;
    LPCTSTR s = map.m_strSection;
    std::vector<CString> names = UsesRegistry() ? RegistrySubKeyNames(s) : IniKeyNames(s);
    if (names.empty())
        return FALSE;
    for (const CString& name : names) {
        std::unique_ptr<CGXStyle> pStyle(map.CreateStyle());
        ReadStyleKeys(*pStyle, StyleSection(s, name), &map);
        if (name.GetLength() > 1 && name[0] == '#')
            map.AddBaseStyleByStringId((UINT)atol((const char*)name + 1), *pStyle);
        else
            map.AddBaseStyle(name, *pStyle);
    }
    map.LookUpStandardStyles();
    const CGXStyle* pStandard = nullptr;
    if (map.LookupBaseStyle(map.GetStandardStyleId(), pStandard) && pStandard != nullptr) {
        CGXStyle complete = *pStandard;
        CGXStyle defaults;
        defaults.MakeStandardStyle();
        complete.MergeStyle(defaults, gxApplyNew);
        const GXBaseStyleEntry& entry = map.BaseStyleEntries().at(map.GetStandardStyleId());
        map.RestoreBaseStyle(entry.nId, entry.nResId, CString(entry.strName), complete,
                             entry.nFlag);
    }
    return TRUE;
}

void GXImplementGridProfile()
{
    GXInstallProcessFeature<CGXGridProfileImp>(GXGetLibraryState().m_pProfileImp);
}

// The user attributes of a style under "UA" and their id, each with its text.
void CGXUserAttributeMap::WriteProfile(LPCTSTR pszSection) const
{
    if (App() == nullptr || pszSection == nullptr)
        return;
    for (INT_PTR i = 0; i < GetCount(); ++i) {
        CString key;
        key.Format("UA%lu", (unsigned long)GetAt(i)->m_nId);
        Put(pszSection, key, GetAt(i)->GetValue());
    }
}
