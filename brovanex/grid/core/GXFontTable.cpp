// The process-wide face table and screen resolution behind CGXFont.
#include "core/GXFont.h"
#include "core/GXFontTable.h"
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {
const int kMaxFaces = 1023;

struct FaceTable
{
    std::vector<std::unique_ptr<GXFaceEntry>> enumerated; // sorted by name
    std::vector<std::unique_ptr<GXFaceEntry>> added; // sorted by name
    std::vector<GXFaceEntry*> indexed; // at most 1023
    CString scriptNames[256];
    int nLogPixelsX = 96;
    int nLogPixelsY = 96;
    bool bBuilt = false;
};

bool NameLess(const std::unique_ptr<GXFaceEntry>& a, const std::unique_ptr<GXFaceEntry>& b)
{
    return strcmp(a->strName, b->strName) < 0;
}

#if defined(_WIN32)
int CALLBACK CollectFace(const LOGFONTA* plf, const TEXTMETRICA*, DWORD dwType, LPARAM lParam)
{
    auto* pTable = reinterpret_cast<FaceTable*>(lParam);
    const ENUMLOGFONTEXA* pElf = reinterpret_cast<const ENUMLOGFONTEXA*>(plf);
    auto add = [&](const CString& strName, int nBaseLen) {
        auto p = std::make_unique<GXFaceEntry>();
        p->strName = strName;
        p->nBaseLength = nBaseLen;
        p->nCharSet = plf->lfCharSet;
        p->nPitchAndFamily = plf->lfPitchAndFamily;
        p->dwFontType = dwType;
        pTable->enumerated.push_back(std::move(p));
    };
    CString strFace = plf->lfFaceName;
    CString strScript = reinterpret_cast<LPCSTR>(pElf->elfScript);
    if (pTable->scriptNames[plf->lfCharSet].IsEmpty())
        pTable->scriptNames[plf->lfCharSet] = strScript;
    add(strFace, strFace.GetLength());
    if (!strScript.IsEmpty() && plf->lfCharSet != ANSI_CHARSET &&
        plf->lfCharSet != DEFAULT_CHARSET) {
        CString strScripted;
        strScripted.Format("%s (%s)", (LPCSTR)strFace, (LPCSTR)strScript);
        add(strScripted, strFace.GetLength());
    }
    return 1;
}
#endif

FaceTable& Table()
{
    static FaceTable table;
    if (!table.bBuilt) {
        table.bBuilt = true;
#if defined(_WIN32)
        HDC hIC = ::CreateICA("DISPLAY", nullptr, nullptr, nullptr);
        if (hIC != nullptr) {
            table.nLogPixelsY = ::GetDeviceCaps(hIC, LOGPIXELSY);
            table.nLogPixelsX = ::GetDeviceCaps(hIC, LOGPIXELSX);
            LOGFONTA lf = {};
            lf.lfCharSet = DEFAULT_CHARSET;
            ::EnumFontFamiliesExA(hIC, &lf, (FONTENUMPROCA)CollectFace, (LPARAM)&table, 0);
            ::DeleteDC(hIC);
        }
#endif
        std::sort(table.enumerated.begin(), table.enumerated.end(), NameLess);
        // A face enumerated under several character sets is kept once, the first found.
        table.enumerated.erase(
            std::unique(table.enumerated.begin(), table.enumerated.end(),
                        [](const auto& a, const auto& b) { return a->strName == b->strName; }),
            table.enumerated.end());
    }
    return table;
}

GXFaceEntry* FindIn(std::vector<std::unique_ptr<GXFaceEntry>>& faces, LPCTSTR pszName)
{
    auto it = std::lower_bound(faces.begin(), faces.end(), pszName,
                               [](const std::unique_ptr<GXFaceEntry>& e, LPCTSTR psz) {
                                   return strcmp(e->strName, psz) < 0;
                               });
    return it != faces.end() && (*it)->strName == pszName ? it->get() : nullptr;
}
} // namespace

int GXGetFaceIndex(LPCTSTR pszFaceName, BYTE nPitchAndFamily, BYTE nCharSet)
{
    if (pszFaceName == nullptr || *pszFaceName == '\0')
        return kMaxFaces;
    FaceTable& table = Table();
    GXFaceEntry* pEntry = FindIn(table.enumerated, pszFaceName);
    if (pEntry == nullptr)
        pEntry = FindIn(table.added, pszFaceName);
    if (pEntry == nullptr) {
        if ((int)table.indexed.size() >= kMaxFaces)
            return kMaxFaces;
        auto p = std::make_unique<GXFaceEntry>();
        p->strName = pszFaceName;
        int nParen = p->strName.Find(" (");
        p->nBaseLength = nParen > 0 ? nParen : p->strName.GetLength();
        p->nCharSet = nCharSet;
        p->nPitchAndFamily = nPitchAndFamily;
        pEntry = p.get();
        table.added.push_back(std::move(p));
        std::sort(table.added.begin(), table.added.end(), NameLess);
    }
    if (pEntry->nIndex < 0) {
        if ((int)table.indexed.size() >= kMaxFaces)
            return kMaxFaces;
        pEntry->nIndex = (int)table.indexed.size();
        table.indexed.push_back(pEntry);
    }
    return pEntry->nIndex;
}

const GXFaceEntry* GXGetFaceEntry(int nFaceIndex)
{
    FaceTable& table = Table();
    if (nFaceIndex < 0 || nFaceIndex >= (int)table.indexed.size())
        return nullptr;
    return table.indexed[nFaceIndex];
}

CString GXGetFaceName(int nFaceIndex)
{
    const GXFaceEntry* pEntry = GXGetFaceEntry(nFaceIndex);
    return pEntry != nullptr ? pEntry->strName : CString();
}

CString GXGetScriptName(BYTE nCharSet) { return Table().scriptNames[nCharSet]; }

int GXGetLogPixelsY() { return Table().nLogPixelsY; }

int GXGetLogPixelsX() { return Table().nLogPixelsX; }
