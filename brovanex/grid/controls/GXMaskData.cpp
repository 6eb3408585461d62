#include "controls/GXMaskData.h"
#include "fw/archive.h"
#include "fw/exceptions.h"

#include <climits>
#include <cstring>

IMPLEMENT_SERIAL(CGXMaskData, CObject, 1)

namespace {
const char kMaskChars[] = "#&?ALU";

unsigned char Byte(char ch) { return (unsigned char)ch; }
} // namespace

// The code page is single-byte (Windows-1252): ASCII letters, the accented letters from 0xC0
// on (without the multiplication and division signs) and the few letters below 0xA0.
BOOL CGXMaskData::IsLetter(char ch)
{
    const unsigned char c = Byte(ch);
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return TRUE;
    if (c >= 0xC0)
        return c != 0xD7 && c != 0xF7;
    return c == 0x83 || c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A || c == 0x9C ||
        c == 0x9E || c == 0x9F || c == 0xAA || c == 0xB5 || c == 0xBA;
}

BOOL CGXMaskData::IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

char CGXMaskData::ToLower(char ch)
{
    const unsigned char c = Byte(ch);
    if (c >= 'A' && c <= 'Z')
        return (char)(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return (char)(c + 32);
    switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
        return (char)(c + 16);
    case 0x9F:
        return (char)0xFF;
    default:
        return ch;
    }
}

char CGXMaskData::ToUpper(char ch)
{
    const unsigned char c = Byte(ch);
    if (c >= 'a' && c <= 'z')
        return (char)(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return (char)(c - 32);
    switch (c) {
    case 0x9A:
    case 0x9C:
    case 0x9E:
        return (char)(c - 16);
    case 0xFF:
        return (char)0x9F;
    default:
        return ch;
    }
}

CGXMaskData::CGXMaskData() : m_strPrompt("_"), m_bNoMask(TRUE), m_nMaxLength(INT_MAX) { }

CGXMaskData::~CGXMaskData() = default;

void CGXMaskData::ClearMask()
{
    m_astrMask.RemoveAll();
    m_abLiteral.RemoveAll();
    m_astrValues.RemoveAll();
    m_abFilled.RemoveAll();
}

void CGXMaskData::SetMask(LPCTSTR pszMask)
{
    ClearMask();
    const char* p = pszMask != nullptr ? pszMask : "";
    if (*p == 0) {
        m_nMaxLength = INT_MAX;
        return;
    }
    while (*p != 0) {
        BYTE bLiteral = 1;
        char ch = *p++;
        if (ch == '\\') {
            if (*p != 0)
                ch = *p++;
        } else if (std::strchr(kMaskChars, ch) != nullptr) {
            bLiteral = 0;
        }
        m_astrMask.Add(CString(ch, 1));
        m_abLiteral.Add(bLiteral);
    }
    ResetDisplay();
}

void CGXMaskData::ResetDisplay()
{
    if (IsNoMaskMode()) {
        m_astrValues.RemoveAll();
        m_abFilled.RemoveAll();
        return;
    }
    const int n = (int)m_astrMask.GetSize();
    m_astrValues.SetSize(n);
    m_abFilled.SetSize(n);
    for (int i = 0; i < n; ++i) {
        m_astrValues.SetAt(i, m_abLiteral[i] ? m_astrMask[i] : m_strPrompt);
        m_abFilled.SetAt(i, 0);
    }
}

BOOL CGXMaskData::SetPrompt(LPCTSTR pszPrompt, BOOL bReplace)
{
    CString strPrompt = pszPrompt != nullptr ? pszPrompt : "";
    if (strPrompt.GetLength() > 1)
        return FALSE;
    if (strPrompt.IsEmpty())
        strPrompt = " ";
    m_strPrompt = strPrompt;
    if (bReplace && !IsNoMaskMode())
        for (int i = 0; i < GetLength(); ++i)
            if (!m_abLiteral[i] && !m_abFilled[i])
                m_astrValues.SetAt(i, m_strPrompt);
    return TRUE;
}

BOOL CGXMaskData::IsMaskChar(LPCTSTR pszChar) const
{
    return pszChar != nullptr && pszChar[0] != 0 && pszChar[1] == 0 &&
        std::strchr(kMaskChars, pszChar[0]) != nullptr;
}

BOOL CGXMaskData::IsLiteral(int nPos) const
{
    return nPos >= 0 && nPos < (int)m_abLiteral.GetSize() && m_abLiteral[nPos] != 0;
}

BOOL CGXMaskData::IsFilled(int nPos) const
{
    if (IsNoMaskMode())
        return nPos >= 0 && nPos < GetLength();
    return nPos >= 0 && nPos < (int)m_abFilled.GetSize() && m_abFilled[nPos] != 0;
}

BOOL CGXMaskData::IsMaskEmpty() const { return m_astrMask.GetSize() == 0; }
int CGXMaskData::GetLength() const { return (int)m_astrValues.GetSize(); }
int CGXMaskData::PositionsToBytes(int nCount) const { return nCount; }
int CGXMaskData::BytesToPositions(int nBytes) const { return nBytes; }
int CGXMaskData::GetMaxLength() const { return m_nMaxLength; }
void CGXMaskData::SetMaxLength(int nMax) { m_nMaxLength = nMax > 0 ? nMax : INT_MAX; }

BOOL CGXMaskData::AcceptsByClass(int nPos, CString& strText) const
{
    if (nPos < 0 || nPos >= (int)m_astrMask.GetSize() || m_abLiteral[nPos] ||
        strText.GetLength() != 1)
        return FALSE;
    const char ch = strText[0];
    switch (m_astrMask[nPos][0]) {
    case '#':
        return IsDigit(ch);
    case '&':
        return ch != ' ' && Byte(ch) >= 0x20;
    case '?':
        return IsLetter(ch);
    case 'A':
        return IsLetter(ch) || IsDigit(ch);
    case 'L':
        if (!IsLetter(ch))
            return FALSE;
        strText = CString(ToLower(ch), 1);
        return TRUE;
    case 'U':
        if (!IsLetter(ch))
            return FALSE;
        strText = CString(ToUpper(ch), 1);
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CGXMaskData::IsValidChar(int nPos, CString& strText) const
{
    if (IsNoMaskMode())
        return TRUE;
    if (nPos < 0 || nPos >= (int)m_astrMask.GetSize() || m_abLiteral[nPos])
        return FALSE;
    if (AcceptsByClass(nPos, strText))
        return TRUE;
    if (strText == " ") {
        strText = m_strPrompt;
        return TRUE;
    }
    return strText == m_strPrompt;
}

BOOL CGXMaskData::CheckChar(int nPos, CString& strText, BOOL& bFilled) const
{
    bFilled = TRUE;
    if (IsNoMaskMode())
        return TRUE;
    const CString strOriginal = strText;
    if (!IsValidChar(nPos, strText))
        return FALSE;
    // A space or a prompt the mask does not take as input leaves the position empty; a
    // prompt that is valid input (a "0" prompt over digits) is an entry.
    CString strProbe = strOriginal;
    bFilled = strOriginal != " " && AcceptsByClass(nPos, strProbe);
    return TRUE;
}

int CGXMaskData::NextEditPos(int nPos) const
{
    const int n = GetLength();
    if (nPos >= n)
        return nPos;
    for (int i = nPos < 0 ? 0 : nPos + 1; i < n; ++i)
        if (!IsLiteral(i))
            return i;
    return -1;
}

int CGXMaskData::PrevEditPos(int nPos) const
{
    const int n = GetLength();
    for (int i = (nPos > n ? n : nPos) - 1; i >= 0; --i)
        if (!IsLiteral(i))
            return i;
    return -1;
}

int CGXMaskData::FindEditPosAtOrAfter(int nPos) const
{
    for (int i = nPos < 0 ? 0 : nPos; i < GetLength(); ++i)
        if (!IsLiteral(i))
            return i;
    return -1;
}

int CGXMaskData::LastEditPos() const { return PrevEditPos(GetLength()); }

int CGXMaskData::GetEndPos(int nPos) const
{
    if (IsNoMaskMode())
        return nPos < 0 || nPos > GetLength() ? GetLength() : nPos;
    const int nFrom = nPos < 0 || nPos > GetLength() ? GetLength() : nPos;
    for (int i = nFrom - 1; i >= 0; --i)
        if (!IsLiteral(i) && IsFilled(i))
            return i + 1;
    const int nFirst = FindEditPosAtOrAfter(0);
    return nFirst >= 0 ? nFirst : GetLength();
}

void CGXMaskData::Put(int nPos, const CString& strChar, BOOL bFilled)
{
    m_astrValues.SetAt(nPos, bFilled ? strChar : m_strPrompt);
    m_abFilled.SetAt(nPos, bFilled ? 1 : 0);
}

void CGXMaskData::Empty(int nPos) { Put(nPos, m_strPrompt, FALSE); }

BOOL CGXMaskData::InsertAt(int nPos, LPCTSTR pszText, int& nNext)
{
    CString strChar = pszText != nullptr ? pszText : "";
    if (IsNoMaskMode()) {
        if (GetLength() >= m_nMaxLength || strChar.IsEmpty())
            return FALSE;
        const int nAt = nPos < 0 || nPos > GetLength() ? GetLength() : nPos;
        m_astrValues.InsertAt(nAt, strChar);
        nNext = nAt + 1;
        return TRUE;
    }
    if (nPos < 0 || nPos >= GetLength() || IsLiteral(nPos))
        return FALSE;
    BOOL bFilled = FALSE;
    if (!CheckChar(nPos, strChar, bFilled))
        return FALSE;
    const int nLast = LastEditPos();
    if (nLast < 0 || IsFilled(nLast))
        return FALSE;
    for (int e = nLast; e > nPos;) {
        const int p = PrevEditPos(e);
        m_astrValues.SetAt(e, m_astrValues[p]);
        m_abFilled.SetAt(e, m_abFilled[p]);
        e = p;
    }
    Put(nPos, strChar, bFilled);
    const int n = NextEditPos(nPos);
    nNext = n >= 0 ? n : GetLength();
    return TRUE;
}

void CGXMaskData::DeleteRange(int nTo, int nFrom)
{
    const int n = GetLength();
    if (nFrom < 0)
        nFrom = 0;
    if (nTo > n || nTo < 0)
        nTo = n;
    if (nFrom >= nTo)
        return;
    if (IsNoMaskMode()) {
        m_astrValues.RemoveAt(nFrom, nTo - nFrom);
        return;
    }
    // The editable positions from nFrom on; the first nRemoved of them lie in the range.
    CDWordArray anEdit;
    int nRemoved = 0;
    for (int i = nFrom; i < n; ++i)
        if (!IsLiteral(i)) {
            anEdit.Add((DWORD)i);
            if (i < nTo)
                ++nRemoved;
        }
    const int nCount = (int)anEdit.GetSize();
    for (int k = 0; k < nCount; ++k) {
        const int nDest = (int)anEdit[k];
        if (k + nRemoved < nCount) {
            const int nSrc = (int)anEdit[k + nRemoved];
            m_astrValues.SetAt(nDest, m_astrValues[nSrc]);
            m_abFilled.SetAt(nDest, m_abFilled[nSrc]);
        } else {
            Empty(nDest);
        }
    }
}

int CGXMaskData::SetData(LPCTSTR pszText, int nStart, BOOL bInsert)
{
    const char* p = pszText != nullptr ? pszText : "";
    if (nStart == -1) {
        ResetDisplay();
        nStart = 0;
    }
    if (IsNoMaskMode()) {
        if (nStart < 0 || nStart > GetLength())
            return -1;
        int nPos = nStart;
        for (; *p != 0; ++p) {
            const CString strChar(*p, 1);
            if (bInsert || nPos >= GetLength()) {
                int nNext = 0;
                if (!InsertAt(nPos, strChar, nNext))
                    break;
            } else {
                m_astrValues.SetAt(nPos, strChar);
            }
            ++nPos;
        }
        return nPos;
    }
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    int nPos = nStart;
    for (; *p != 0; ++p) {
        const int nAt = FindEditPosAtOrAfter(nPos);
        if (nAt < 0)
            break;
        CString strChar(*p, 1);
        if (bInsert) {
            int nNext = 0;
            if (!InsertAt(nAt, strChar, nNext))
                break;
        } else {
            BOOL bFilled = FALSE;
            if (!CheckChar(nAt, strChar, bFilled))
                break;
            Put(nAt, strChar, bFilled);
        }
        nPos = nAt + 1;
    }
    return nPos;
}

int CGXMaskData::SetDisplayText(LPCTSTR pszText, int nStart, BOOL bInsert)
{
    const char* p = pszText != nullptr ? pszText : "";
    if (nStart == -1) {
        ResetDisplay();
        nStart = 0;
    }
    if (nStart < 0 || nStart > GetLength())
        return -1;
    int nPos = nStart;
    if (IsNoMaskMode()) {
        for (; *p != 0; ++p) {
            const CString strChar(*p, 1);
            if (!bInsert && nPos < GetLength()) {
                m_astrValues.SetAt(nPos, strChar);
            } else {
                int nNext = 0;
                if (!InsertAt(nPos, strChar, nNext))
                    break;
            }
            ++nPos;
        }
        return nPos;
    }
    for (; *p != 0 && nPos < GetLength(); ++p, ++nPos) {
        CString strChar(*p, 1);
        if (IsLiteral(nPos)) {
            if (strChar != m_astrMask[nPos])
                return -1;
            continue;
        }
        if (bInsert) {
            int nNext = 0;
            if (!InsertAt(nPos, strChar, nNext))
                return -1;
        } else {
            BOOL bFilled = FALSE;
            if (!CheckChar(nPos, strChar, bFilled))
                return -1;
            Put(nPos, strChar, bFilled);
        }
    }
    return nPos;
}

void CGXMaskData::GetData(CString& strResult, int nFrom, int nTo, BOOL bTrim) const
{
    strResult.Empty();
    const int n = GetLength();
    if (nFrom < 0)
        nFrom = 0;
    if (nTo < 0 || nTo > n)
        nTo = n;
    for (int i = nFrom; i < nTo; ++i) {
        if (IsNoMaskMode())
            strResult += m_astrValues[i];
        else if (!IsLiteral(i))
            strResult += IsFilled(i) ? m_astrValues[i] : CString(" ");
    }
    if (bTrim)
        strResult.TrimRight(' ');
}

void CGXMaskData::GetDisplayText(CString& strResult, int nFrom, int nTo) const
{
    strResult.Empty();
    const int n = GetLength();
    if (nFrom < 0)
        nFrom = 0;
    if (nTo < 0 || nTo > n)
        nTo = n;
    for (int i = nFrom; i < nTo; ++i)
        strResult += m_astrValues[i];
}

BOOL CGXMaskData::IsComplete() const
{
    if (IsNoMaskMode())
        return GetLength() <= m_nMaxLength;
    for (int i = 0; i < GetLength(); ++i) {
        if (IsLiteral(i)) {
            if (m_astrValues[i] != m_astrMask[i])
                return FALSE;
            continue;
        }
        CString strChar = m_astrValues[i];
        if (!IsValidChar(i, strChar))
            return FALSE;
    }
    return TRUE;
}

void CGXMaskData::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    m_astrMask.Serialize(ar);
    m_abLiteral.Serialize(ar);
    m_astrValues.Serialize(ar);
    m_abFilled.Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strPrompt << (LONG)m_bNoMask << (LONG)m_nMaxLength;
        return;
    }
    LONG lNoMask = 0, lMax = 0;
    ar >> m_strPrompt >> lNoMask >> lMax;
    m_bNoMask = lNoMask != 0;
    m_nMaxLength = lMax > 0 ? (int)lMax : INT_MAX;
    // Every position has its mask character, literal flag, value and entry flag; a prompt is
    // one character at most.
    const INT_PTR n = m_astrMask.GetSize();
    BOOL bValid = m_abLiteral.GetSize() == n && m_strPrompt.GetLength() <= 1 &&
        (n == 0 || (m_astrValues.GetSize() == n && m_abFilled.GetSize() == n));
    for (INT_PTR i = 0; bValid && i < n; ++i)
        bValid = m_astrMask[i].GetLength() == 1 && m_astrValues[i].GetLength() == 1;
    if (!bValid) {
        ClearMask();
        AfxThrowArchiveException(CArchiveException::badIndex);
    }
    if (m_strPrompt.IsEmpty())
        m_strPrompt = " ";
}
