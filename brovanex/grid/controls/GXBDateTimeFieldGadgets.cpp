// The date-time window's editable fields: CGXBDTNumericGadget (numbers typed or stepped) and
// CGXBDTListGadget (month and day names, AM/PM, with type-ahead).
#include "controls/GXBDateTimeGadgets.h"
#include "controls/GXBDateTimeCtrl.h"

#include <windows.h>

#include <algorithm>

// ---------------------------------------------------------------------------------------
// Numbers.

CGXBDTNumericGadget::CGXBDTNumericGadget()
    : m_nMin(0), m_nMax(0), m_nDigits(1), m_bLeadingZeros(FALSE), m_nTypedDigits(0),
      m_nTypedValue(0), m_bTyping(FALSE)
{ }

void CGXBDTNumericGadget::Create(CGXBDateTimeCtrl* pCtrl, int nID, int nMin, int nMax,
                                 BOOL bLeadingZeros, int nStyle)
{
    CGXBDTGadget::Create(pCtrl, nID, nStyle);
    m_nMin = nMin;
    m_nMax = nMax;
    m_bLeadingZeros = bLeadingZeros;
    m_nDigits = nMax <= 9 ? 1 : nMax < 100 ? 2 : nMax < 1000 ? 3 : 4;
}

CString CGXBDTNumericGadget::FormatNumber(int nValue) const
{
    if (nValue < 0)
        return CString(); // no value
    CString str;
    if (m_bLeadingZeros) {
        CString strFormat;
        strFormat.Format("%%0%dd", m_nDigits);
        str.Format(strFormat, nValue);
    } else {
        str.Format("%d", nValue);
    }
    return str;
}

CString CGXBDTNumericGadget::GetText() const { return FormatNumber(m_nValue); }

void CGXBDTNumericGadget::CalcSize(CDC& dc)
{
    CSize size = dc.GetTextExtent("00000", m_nDigits);
    m_rect.right = m_rect.left + size.cx;
    m_rect.bottom = m_rect.top + size.cy;
}

void CGXBDTNumericGadget::Draw(CDC& dc)
{
    CString str = FormatNumber(m_bTyping ? m_nTypedValue : m_nValue);
    CRect rect = m_rect;
    PrepareColors(dc, rect, m_bFocus);
    dc.DrawText(str, str.GetLength(), &rect,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void CGXBDTNumericGadget::SetFocus(BOOL bFocus)
{
    if (!bFocus)
        CommitTyping();
    CGXBDTGadget::SetFocus(bFocus);
}

void CGXBDTNumericGadget::EndTyping()
{
    if (!m_bTyping)
        return;
    m_bTyping = FALSE;
    m_nTypedDigits = 0;
    m_nTypedValue = 0;
    Redraw();
    Notify(GXBDT_TYPING, 0);
}

BOOL CGXBDTNumericGadget::CommitTyping()
{
    if (!m_bTyping)
        return TRUE;
    int nTyped = m_nTypedValue;
    BOOL bAccepted = Notify(GXBDT_TEST, nTyped);
    // Typing ends before the value is applied, so the reload shows the new value.
    EndTyping();
    if (bAccepted) {
        m_nValue = nTyped;
        bAccepted = Notify(GXBDT_SET, nTyped);
    }
    if (!bAccepted)
        GXBBeep(0);
    return bAccepted;
}

namespace {
// The step a key asks of a numeric or list field (up, down, smallest, largest); 0 for
// none.
int StepOfKey(UINT nChar)
{
    switch (nChar) {
    case VK_UP:
    case VK_ADD:
        return GXBDT_UP;
    case VK_DOWN:
    case VK_SUBTRACT:
        return GXBDT_DOWN;
    case VK_HOME:
        return GXBDT_MIN;
    case VK_END:
        return GXBDT_MAX;
    default:
        return 0;
    }
}
} // namespace

void CGXBDTNumericGadget::OnKeyDown(UINT nChar)
{
    BOOL bDigitKey = (nChar >= '0' && nChar <= '9') || (nChar >= VK_NUMPAD0 && nChar <= VK_NUMPAD9);
    if (bDigitKey)
        return; // the character follows
    if (m_bTyping && !CommitTyping())
        return; // a refused number swallows the key
    if (const int nStep = StepOfKey(nChar))
        Notify(nStep);
}

void CGXBDTNumericGadget::OnChar(UINT nChar)
{
    if (nChar < '0' || nChar > '9') {
        if (m_bTyping) {
            GXBBeep(0);
            EndTyping();
        }
        return;
    }
    if (!m_bTyping) {
        m_bTyping = TRUE;
        m_nTypedValue = 0;
        m_nTypedDigits = 0;
        Notify(GXBDT_TYPING, 1);
    }
    int nDigit = (int)(nChar - '0');
    if (nDigit == 0 && m_nTypedValue == 0)
        return; // a leading zero adds nothing
    m_nTypedValue = m_nTypedValue * 10 + nDigit;
    ++m_nTypedDigits;
    Redraw();
    if (m_nTypedDigits >= m_nDigits && CommitTyping())
        Notify(GXBDT_ADVANCE);
}

// ---------------------------------------------------------------------------------------
// Name lists.

CGXBDTListGadget::CGXBDTListGadget() : m_szLead {0, 0, 0}, m_nTimer(0) { }

CGXBDTListGadget::~CGXBDTListGadget() { StopTimer(m_nTimer); }

void CGXBDTListGadget::Create(CGXBDateTimeCtrl* pCtrl, int nID, const CStringArray& strings,
                              int nStyle)
{
    CGXBDTGadget::Create(pCtrl, nID, nStyle);
    m_strings.RemoveAll();
    m_strings.Append(strings);
}

CString CGXBDTListGadget::GetText() const
{
    if (m_nValue < 0 || m_nValue >= (int)m_strings.GetSize())
        return CString();
    return m_strings[m_nValue];
}

void CGXBDTListGadget::CalcSize(CDC& dc)
{
    CSize sizeMax(0, 0);
    for (INT_PTR i = 0; i < m_strings.GetSize(); ++i) {
        CSize size = dc.GetTextExtent(m_strings[i], m_strings[i].GetLength());
        sizeMax.cx = std::max(sizeMax.cx, size.cx);
        sizeMax.cy = std::max(sizeMax.cy, size.cy);
    }
    if (sizeMax.cy == 0)
        sizeMax.cy = dc.GetTextExtent("0", 1).cy;
    m_rect.right = m_rect.left + sizeMax.cx;
    m_rect.bottom = m_rect.top + sizeMax.cy;
}

void CGXBDTListGadget::Draw(CDC& dc)
{
    CString str = GetText();
    CRect rect = m_rect;
    PrepareColors(dc, rect, m_bFocus);
    dc.DrawText(str, str.GetLength(), &rect,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void CGXBDTListGadget::SetFocus(BOOL bFocus)
{
    if (!bFocus)
        EndTypeAhead();
    CGXBDTGadget::SetFocus(bFocus);
}

void CGXBDTListGadget::EndTypeAhead()
{
    m_strPrefix.Empty();
    m_szLead[0] = 0;
    StopTimer(m_nTimer);
}

void CGXBDTListGadget::OnTimer(UINT_PTR) { EndTypeAhead(); }

void CGXBDTListGadget::OnCancelMode() { EndTypeAhead(); }

void CGXBDTListGadget::OnKeyDown(UINT nChar)
{
    if (const int nStep = StepOfKey(nChar))
        Notify(nStep);
}

int CGXBDTListGadget::FindPrefix(const CString& strPrefix, int nStart, BOOL bAsk)
{
    int nCount = (int)m_strings.GetSize();
    if (nCount == 0 || strPrefix.IsEmpty())
        return -1;
    int nLen = strPrefix.GetLength();
    for (int k = 0; k < nCount; ++k) {
        int i = ((nStart + k) % nCount + nCount) % nCount;
        const CString& str = m_strings[i];
        if (str.GetLength() >= nLen && str.Left(nLen).CompareNoCase(strPrefix) == 0 &&
            (!bAsk || Notify(GXBDT_TEST, i)))
            return i;
    }
    return -1;
}

void CGXBDTListGadget::OnChar(UINT nChar)
{
    if (nChar < ' ')
        return;
    char szChar[3] = {(char)nChar, 0, 0};
    if (m_szLead[0] != 0) {
        szChar[0] = m_szLead[0];
        szChar[1] = (char)nChar;
        m_szLead[0] = 0;
    } else if (::IsDBCSLeadByte((BYTE)nChar)) {
        m_szLead[0] = (char)nChar;
        return;
    }
    CString strChar(szChar);
    int nFound;
    if (m_strPrefix.IsEmpty()) {
        m_strPrefix = strChar;
        if (m_nTimer == 0)
            m_nTimer = StartTimer(2000);
        nFound = FindPrefix(m_strPrefix, m_nValue + 1);
    } else if (m_strPrefix.CompareNoCase(strChar) == 0) {
        // The same initial again: the next item with it.
        nFound = FindPrefix(m_strPrefix, m_nValue + 1);
    } else {
        m_strPrefix += strChar;
        nFound = FindPrefix(m_strPrefix, m_nValue);
    }
    if (nFound < 0) {
        GXBBeep(0);
        EndTypeAhead();
        return;
    }
    Notify(GXBDT_SET, nFound);
}
