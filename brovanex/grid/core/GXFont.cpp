#include "core/GXFont.h"
#include "core/GXFontTable.h"
#include "core/GXLibraryState.h"
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

IMPLEMENT_SERIAL(CGXFont, CObject, 0)

namespace {
// Shared font data: one LOGFONT per distinct font, counted by the fonts that use it.
struct FontData
{
    std::atomic<long> nRefs {0};
    LOGFONT lf = {};
    bool bBuilt = false;
};

std::unordered_map<ULONGLONG, FontData*>& FontDataMap()
{
    static std::unordered_map<ULONGLONG, FontData*> map(1001);
    return map;
}

FontData* AddRef(ULONGLONG qwKey)
{
    FontData*& pData = FontDataMap()[qwKey];
    if (pData == nullptr)
        pData = new FontData;
    ++pData->nRefs;
    return pData;
}

int RoundedMulDiv(int a, int b, int c)
{
    if (c == 0)
        return 0;
    long long n = (long long)a * b;
    return (int)((n + (n >= 0 ? c / 2 : -c / 2)) / c);
}

void BuildLogFont(const CGXFont& font, LOGFONT& lf)
{
    memset(&lf, 0, sizeof lf);
    if (font.GetIncludeItalic())
        lf.lfItalic = (BYTE)font.GetItalic();
    if (font.GetIncludeUnderline())
        lf.lfUnderline = (BYTE)font.GetUnderline();
    if (font.GetIncludeStrikeOut())
        lf.lfStrikeOut = (BYTE)font.GetStrikeOut();
    if (font.GetIncludeSize()) {
        int nQuarter = (int)(font.GetSize() * 4);
        lf.lfHeight = -(nQuarter * GXGetLogPixelsY() / 288);
    }
    if (font.GetIncludeWeight())
        lf.lfWeight = font.GetWeight();
    if (font.GetIncludeOrientation()) {
        lf.lfEscapement = font.GetOrientation();
        lf.lfOrientation = font.GetOrientation();
    }
    const GXFaceEntry* pFace =
        font.GetIncludeFaceName() ? GXGetFaceEntry(font.GetFaceIndex()) : nullptr;
    if (pFace != nullptr) {
        CString strBase = pFace->strName.Left(pFace->nBaseLength);
        strncpy(lf.lfFaceName, strBase, LF_FACESIZE - 1);
        lf.lfCharSet = pFace->nCharSet;
        lf.lfPitchAndFamily = pFace->nPitchAndFamily;
        if (font.GetIncludeOrientation() && font.GetOrientation() > 0)
            lf.lfPitchAndFamily |= 4;
    }
}
} // namespace

const ULONGLONG CGXFont::qwEmpty = (15ull << 4) | (0x1FFull << 21) | (0x3FFull << 32);

CGXFont::CGXFont() : m_qwFont(qwEmpty) { }

CGXFont::CGXFont(const CGXFont& other) : CObject(), m_qwFont(other.m_qwFont)
{
    if (m_qwFont & 1)
        AddRef(GetKey());
}

CGXFont::CGXFont(LPCTSTR pszDescription) : m_qwFont(qwEmpty) { SetDescription(pszDescription); }

CGXFont::~CGXFont() { Release(); }

CGXFont& CGXFont::operator=(const CGXFont& other)
{
    if (GetWord() == other.GetWord())
        return *this;
    Release();
    m_qwFont = other.m_qwFont;
    if (m_qwFont & 1)
        AddRef(GetKey());
    return *this;
}

void CGXFont::Release() const
{
    if ((m_qwFont & 1) == 0)
        return;
    m_qwFont &= ~1ull;
    auto& map = FontDataMap();
    auto it = map.find(GetKey());
    if (it != map.end() && --it->second->nRefs == 0) {
        delete it->second;
        map.erase(it);
    }
}

void CGXFont::SetField(int nShift, int nBits, DWORD dwValue)
{
    Release();
    ULONGLONG mask = ((1ull << nBits) - 1) << nShift;
    m_qwFont = (m_qwFont & ~mask) | (((ULONGLONG)dwValue << nShift) & mask);
}

BOOL CGXFont::IsEmpty() const { return GetWord() == qwEmpty; }

CGXFont& CGXFont::SetWeight(LONG nWeight)
{
    // 15 means "not set": a real weight never reaches it.
    LONG n = nWeight < 0 ? 0 : nWeight / 100;
    SetField(4, 4, (DWORD)(n > 14 ? 14 : n));
    return *this;
}

CGXFont& CGXFont::SetSize(double dPoints)
{
    double d = dPoints * 4;
    if (d < 0)
        d = -d;
    long n = d > 1023 ? 1023 : (long)d;
    SetField(8, 10, (DWORD)n);
    return *this;
}

CGXFont& CGXFont::SetItalic(BOOL b)
{
    SetField(18, 1, b ? 1 : 0);
    SetField(1, 1, 1);
    return *this;
}

CGXFont& CGXFont::SetUnderline(BOOL b)
{
    SetField(19, 1, b ? 1 : 0);
    SetField(2, 1, 1);
    return *this;
}

CGXFont& CGXFont::SetStrikeOut(BOOL b)
{
    SetField(20, 1, b ? 1 : 0);
    SetField(3, 1, 1);
    return *this;
}

CGXFont& CGXFont::IncludeItalic(BOOL bInclude)
{
    SetField(1, 1, bInclude ? 1 : 0);
    return *this;
}

CGXFont& CGXFont::IncludeUnderline(BOOL bInclude)
{
    SetField(2, 1, bInclude ? 1 : 0);
    return *this;
}

CGXFont& CGXFont::IncludeStrikeOut(BOOL bInclude)
{
    SetField(3, 1, bInclude ? 1 : 0);
    return *this;
}

CGXFont& CGXFont::SetOrientation(LONG nTenthsOfDegree)
{
    DWORD dw = (DWORD)(nTenthsOfDegree / 10) & 0x1FF;
    SetField(21, 9, dw == 0x1FF ? 0x1FE : dw); // never "not set" by accident
    return *this;
}

CGXFont& CGXFont::SetFaceIndex(int nFaceIndex)
{
    SetField(32, 10, (DWORD)nFaceIndex & 0x3FF);
    return *this;
}

CGXFont& CGXFont::SetFaceName(LPCTSTR pszFaceName)
{
    return SetFaceIndex(GXGetFaceIndex(pszFaceName));
}

CString CGXFont::GetFaceName() const
{
    return GetIncludeFaceName() ? GXGetFaceName(GetFaceIndex()) : CString();
}

const LOGFONT& CGXFont::GetLogFontRef() const
{
    FontData* pData;
    if (m_qwFont & 1) {
        pData = FontDataMap()[GetKey()];
    } else {
        pData = AddRef(GetKey());
        m_qwFont |= 1;
    }
    if (!pData->bBuilt) {
        BuildLogFont(*this, pData->lf);
        pData->bBuilt = true;
    }
    return pData->lf;
}

LOGFONT CGXFont::GetLogFont(int nZoomPercent) const
{
    LOGFONT lf = GetLogFontRef();
    lf.lfHeight = lf.lfHeight * nZoomPercent / 100;
    return lf;
}

CGXFont& CGXFont::SetLogFont(const LOGFONT& lf)
{
    Release();
    m_qwFont = qwEmpty;
    CString strFace = lf.lfFaceName;
    CString strScript = GXGetScriptName(lf.lfCharSet);
    if (lf.lfCharSet != ANSI_CHARSET && lf.lfCharSet != DEFAULT_CHARSET && !strScript.IsEmpty()) {
        CString strScripted;
        strScripted.Format("%s (%s)", (LPCSTR)strFace, (LPCSTR)strScript);
        strFace = strScripted;
    }
    SetFaceIndex(GXGetFaceIndex(strFace, lf.lfPitchAndFamily, lf.lfCharSet));
    if (lf.lfHeight != 0) {
        int nQuarter =
            RoundedMulDiv(lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, 288, GXGetLogPixelsY());
        SetField(8, 10, (DWORD)(nQuarter > 1023 ? 1023 : nQuarter));
    }
    SetWeight(lf.lfWeight);
    SetOrientation(lf.lfOrientation);
    SetItalic(lf.lfItalic != 0);
    SetUnderline(lf.lfUnderline != 0);
    SetStrikeOut(lf.lfStrikeOut != 0);
    return *this;
}

CGXFont& CGXFont::ChangeFont(const CGXFont& other, GXModifyType mt)
{
    if (mt == gxCopy) {
        *this = other;
        return *this;
    }
    struct Attribute
    {
        int nShift, nBits; // value field
        int nInclShift; // include bit, or -1 when "not set" is a value
        DWORD dwUnset; // the value that means "not set"
    };
    static const Attribute kAttributes[] = {{32, 10, -1, 0x3FF}, {8, 10, -1, 0}, {4, 4, -1, 15},
                                            {18, 1, 1, 0},       {19, 1, 2, 0},  {20, 1, 3, 0},
                                            {21, 9, -1, 0x1FF}};
    for (const Attribute& a : kAttributes) {
        BOOL bOther = a.nInclShift >= 0 ? other.Field(a.nInclShift, 1) != 0
                                        : other.Field(a.nShift, a.nBits) != a.dwUnset;
        BOOL bThis =
            a.nInclShift >= 0 ? Field(a.nInclShift, 1) != 0 : Field(a.nShift, a.nBits) != a.dwUnset;
        if (!bOther)
            continue;
        if (mt == gxExclude) {
            SetField(a.nShift, a.nBits, a.dwUnset);
            if (a.nInclShift >= 0)
                SetField(a.nInclShift, 1, 0);
        } else if (mt == gxOverride || !bThis) {
            SetField(a.nShift, a.nBits, other.Field(a.nShift, a.nBits));
            if (a.nInclShift >= 0)
                SetField(a.nInclShift, 1, 1);
        }
    }
    return *this;
}

BOOL CGXFont::IsSubSet(const CGXFont& other) const
{
    if (other.GetIncludeFaceName() &&
        (!GetIncludeFaceName() || GetFaceIndex() != other.GetFaceIndex()))
        return FALSE;
    if (other.GetIncludeSize() && Field(8, 10) != other.Field(8, 10))
        return FALSE;
    if (other.GetIncludeWeight() && Field(4, 4) != other.Field(4, 4))
        return FALSE;
    if (other.GetIncludeOrientation() && Field(21, 9) != other.Field(21, 9))
        return FALSE;
    if (other.GetIncludeItalic() && (!GetIncludeItalic() || GetItalic() != other.GetItalic()))
        return FALSE;
    if (other.GetIncludeUnderline() &&
        (!GetIncludeUnderline() || GetUnderline() != other.GetUnderline()))
        return FALSE;
    if (other.GetIncludeStrikeOut() &&
        (!GetIncludeStrikeOut() || GetStrikeOut() != other.GetStrikeOut()))
        return FALSE;
    return TRUE;
}

CString CGXFont::GetDescription() const
{
    CString s = GetFaceName();
    CString strField;
    auto append = [&](BOOL bSet, int n) {
        s += ',';
        if (bSet) {
            strField.Format("%d", n);
            s += strField;
        }
    };
    append(GetIncludeSize(), (int)GetSize());
    append(GetIncludeWeight(), (int)GetWeight());
    append(GetIncludeItalic(), GetItalic() ? 1 : 0);
    append(GetIncludeUnderline(), GetUnderline() ? 1 : 0);
    append(GetIncludeStrikeOut(), GetStrikeOut() ? 1 : 0);
    append(GetIncludeOrientation(), (int)GetOrientation());
    return s;
}

CGXFont& CGXFont::SetDescription(LPCTSTR pszDescription)
{
    Release();
    m_qwFont = qwEmpty;
    if (pszDescription == nullptr)
        return *this;
    const char* p = pszDescription;
    const char* pComma = strchr(p, ',');
    CString strFace = pComma != nullptr ? CString(p, (int)(pComma - p)) : CString(p);
    strFace.TrimLeft();
    strFace.TrimRight();
    if (!strFace.IsEmpty())
        SetFaceName(strFace);
    for (int nField = 0; pComma != nullptr && nField < 6; ++nField) {
        p = pComma + 1;
        pComma = strchr(p, ',');
        char* pEnd = nullptr;
        long n = strtol(p, &pEnd, 10);
        if (pEnd == p)
            continue; // an empty field leaves the attribute unset
        switch (nField) {
        case 0:
            SetSize((double)n);
            break;
        case 1:
            SetWeight(n);
            break;
        case 2:
            SetItalic(n != 0);
            break;
        case 3:
            SetUnderline(n != 0);
            break;
        case 4:
            SetStrikeOut(n != 0);
            break;
        case 5:
            SetOrientation(n);
            break;
        }
    }
    return *this;
}

void CGXFont::ArchiveWord(CArchive& ar)
{
    if (ar.IsStoring()) {
        ULONGLONG q = GetWord();
        for (int i = 0; i < 8; ++i)
            ar << (BYTE)(q >> (8 * i));
    } else {
        ULONGLONG q = 0;
        for (int i = 0; i < 8; ++i) {
            BYTE by;
            ar >> by;
            q |= (ULONGLONG)by << (8 * i);
        }
        Release();
        // A stored reference bit names no entry of this process.
        m_qwFont = q & ~1ull;
    }
}

void CGXFont::Serialize(CArchive& ar)
{
    if (CGXAbstractStyleSerializeImp* pImp = GXGetLibraryState().m_pStyleSerializeImp)
        pImp->SerializeFont(*this, ar);
}

const CGXFont& GXGetDefaultFont()
{
    static CGXFont font = [] {
        LOGFONT lf = {};
        strcpy(lf.lfFaceName, "Arial");
        lf.lfPitchAndFamily = 0x22;
#if defined(_WIN32)
        if (::GetSystemMetrics(SM_DBCSENABLED)) {
            HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
            if (hFont == nullptr)
                hFont = ::GetStockObject(SYSTEM_FONT);
            ::GetObjectA(hFont, sizeof lf, &lf);
        }
#endif
        lf.lfHeight = -11;
        lf.lfWeight = FW_NORMAL;
        lf.lfItalic = 0;
        lf.lfUnderline = 0;
        CGXFont f;
        f.SetLogFont(lf);
        return f;
    }();
    return font;
}

int GXGetSharedFontCount() { return (int)FontDataMap().size(); }
