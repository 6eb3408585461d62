// The calculator's arithmetic and its display limits.
#include "controls/GXBCalcEngine.h"
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {
const COLORREF crNavy = RGB(0, 0, 128);
const COLORREF crDarkRed = RGB(128, 0, 0);
const int vkReturn = 0x0D, vkDelete = 0x2E;

const GXCalcButtonDef g_buttons[] = {
    {"C", GX_CALC_CLEAR, 1, "c", 0, true, crNavy},
    {"CE", GX_CALC_CLEAR_ENTRY, 1, "e", 0, false, crNavy},
    {"<-", GX_CALC_BACKSPACE, 1, "\b", vkDelete, false, crNavy},
    {"%", GX_CALC_PERCENT, 1, "%", 0, false, crNavy},
    {"7", GX_CALC_DIGIT0 + 7, 1, "7", 0, true, crDarkRed},
    {"8", GX_CALC_DIGIT0 + 8, 1, "8", 0, false, crDarkRed},
    {"9", GX_CALC_DIGIT0 + 9, 1, "9", 0, false, crDarkRed},
    {"/", GX_CALC_DIVIDE, 1, "/", 0, false, crNavy},
    {"4", GX_CALC_DIGIT0 + 4, 1, "4", 0, true, crDarkRed},
    {"5", GX_CALC_DIGIT0 + 5, 1, "5", 0, false, crDarkRed},
    {"6", GX_CALC_DIGIT0 + 6, 1, "6", 0, false, crDarkRed},
    {"*", GX_CALC_MULTIPLY, 1, "*", 0, false, crNavy},
    {"1", GX_CALC_DIGIT0 + 1, 1, "1", 0, true, crDarkRed},
    {"2", GX_CALC_DIGIT0 + 2, 1, "2", 0, false, crDarkRed},
    {"3", GX_CALC_DIGIT0 + 3, 1, "3", 0, false, crDarkRed},
    {"-", GX_CALC_SUBTRACT, 1, "-", 0, false, crNavy},
    {"0", GX_CALC_DIGIT0, 2, "0", 0, true, crDarkRed},
    {".", GX_CALC_POINT, 1, ".", 0, false, crDarkRed},
    {"+", GX_CALC_ADD, 1, "+", 0, false, crNavy},
    {nullptr, GX_CALC_EQUALS, 4, "=", vkReturn, true, RGB(0, 0, 0)},
};
const int g_nButtons = (int)(sizeof g_buttons / sizeof g_buttons[0]);

// Integer digits (a leading "-" not counted) and decimals of a display text.
void CountDigits(const std::string& s, int& nInteger, int& nDecimals, bool& bPoint)
{
    nInteger = nDecimals = 0;
    bPoint = false;
    for (char c : s) {
        if (c == '.')
            bPoint = true;
        else if (c >= '0' && c <= '9')
            (bPoint ? nDecimals : nInteger)++;
    }
}
} // namespace

CGXBCalcEngine::CGXBCalcEngine()
    : m_nState(0), m_dValue(0), m_nPendingOp(0), m_bNewEntry(TRUE), m_nMaxDecimals(15),
      m_nDisplayDigits(15)
{ }

CGXBCalcEngine::~CGXBCalcEngine() = default;

const GXCalcButtonDef* CGXBCalcEngine::GetButtons(int& nCount)
{
    nCount = g_nButtons;
    return g_buttons;
}

int CGXBCalcEngine::FindButtonForChar(char ch)
{
    if (ch == 0)
        return -1;
    char cLower = (char)tolower((unsigned char)ch);
    for (int i = 0; i < g_nButtons; ++i)
        if (strchr(g_buttons[i].pszKeys, cLower) != nullptr)
            return i;
    return -1;
}

int CGXBCalcEngine::FindButtonForKey(int nVirtKey)
{
    if (nVirtKey == 0)
        return -1;
    for (int i = 0; i < g_nButtons; ++i)
        if (g_buttons[i].nVirtKey == nVirtKey)
            return i;
    return -1;
}

void CGXBCalcEngine::SetDisplayCapacity(int nDigits)
{
    m_nDisplayDigits = std::max(nDigits, 1);
    m_nMaxDecimals = std::max(0, std::min(m_nDisplayDigits, m_nMaxDecimals));
}

void CGXBCalcEngine::Reset(BOOL bKeepPreset)
{
    if (bKeepPreset && (m_nState & StatePreset)) {
        m_nState &= ~StateError;
        m_nPendingOp = 0;
        m_bNewEntry = TRUE;
        return;
    }
    ClearAll();
}

void CGXBCalcEngine::SetValue(double d)
{
    ClearAll();
    m_dValue = d;
    ShowValue(d);
}

CString CGXBCalcEngine::GetDisplayText(LPCTSTR pszErrorText) const
{
    if (IsError())
        return pszErrorText != nullptr ? CString(pszErrorText) : CString();
    if (m_strDisplay.IsEmpty())
        return "0.";
    if (m_strDisplay.Find('.') < 0)
        return m_strDisplay + ".";
    return m_strDisplay;
}

BOOL CGXBCalcEngine::HandleCode(int nCode)
{
    if (nCode >= GX_CALC_DIGIT0 && nCode <= GX_CALC_DIGIT0 + 9)
        return OnDigit(nCode - GX_CALC_DIGIT0);
    switch (nCode) {
    case GX_CALC_POINT:
        return OnPoint();
    case GX_CALC_BACKSPACE:
        return OnBackspace();
    case GX_CALC_ADD:
    case GX_CALC_SUBTRACT:
    case GX_CALC_DIVIDE:
    case GX_CALC_MULTIPLY:
    case GX_CALC_EQUALS:
    case GX_CALC_PERCENT:
        return OnOperator(nCode);
    case GX_CALC_CLEAR:
        ClearAll();
        OnDisplayChanged();
        return TRUE;
    case GX_CALC_CLEAR_ENTRY:
        if (IsError())
            ClearAll();
        else
            ClearEntry();
        OnDisplayChanged();
        return TRUE;
    default:
        return FALSE;
    }
}

void CGXBCalcEngine::ClearAll()
{
    m_dValue = 0;
    m_strDisplay.Empty();
    m_nState &= ~(StateError | StatePreset);
    m_nPendingOp = 0;
    m_bNewEntry = TRUE;
}

void CGXBCalcEngine::ClearEntry()
{
    m_strDisplay.Empty();
    m_bNewEntry = TRUE;
}

void CGXBCalcEngine::EnterError()
{
    m_nState |= StateError;
    OnDisplayChanged();
}

BOOL CGXBCalcEngine::OnDigit(int nDigit)
{
    if (IsError()) {
        OnBeep();
        return FALSE;
    }
    if (m_bNewEntry) {
        m_strDisplay.Empty();
        m_bNewEntry = FALSE;
    }
    if (nDigit == 0 && m_strDisplay.IsEmpty())
        return TRUE; // no leading zeros
    std::string s((LPCTSTR)m_strDisplay);
    int nInteger, nDecimals;
    bool bPoint;
    CountDigits(s, nInteger, nDecimals, bPoint);
    int nLimit = std::min(m_nDisplayDigits, (!s.empty() && s[0] == '0') ? 16 : 15);
    if ((bPoint && nDecimals >= m_nMaxDecimals) || (!bPoint && nInteger > 12) ||
        nInteger + nDecimals >= nLimit) {
        OnBeep();
        return TRUE;
    }
    m_strDisplay += (char)('0' + nDigit);
    OnDisplayChanged();
    return TRUE;
}

BOOL CGXBCalcEngine::OnPoint()
{
    if (IsError()) {
        OnBeep();
        return FALSE;
    }
    if (m_bNewEntry) {
        m_strDisplay.Empty();
        m_bNewEntry = FALSE;
    }
    if (m_strDisplay.Find('.') >= 0)
        return TRUE;
    m_strDisplay += m_strDisplay.IsEmpty() ? "0." : ".";
    OnDisplayChanged();
    return TRUE;
}

BOOL CGXBCalcEngine::OnBackspace()
{
    if (IsError()) {
        OnBeep();
        return FALSE;
    }
    if (m_bNewEntry || m_strDisplay.IsEmpty())
        return TRUE; // a result cannot be edited
    m_strDisplay = m_strDisplay.Left(m_strDisplay.GetLength() - 1);
    OnDisplayChanged();
    return TRUE;
}

BOOL CGXBCalcEngine::OnOperator(int nOp)
{
    if (IsError()) {
        OnBeep();
        return FALSE;
    }
    double dEntry = 0;
    if (!m_strDisplay.IsEmpty() && sscanf((LPCTSTR)m_strDisplay, "%lf", &dEntry) != 1)
        return FALSE;
    double x = 0;
    int nNextOp = nOp;
    if (nOp == GX_CALC_PERCENT) {
        if (m_nPendingOp == GX_CALC_MULTIPLY || m_nPendingOp == GX_CALC_DIVIDE)
            x = dEntry * m_dValue * 0.01;
        nNextOp = 0;
    } else {
        switch (m_nPendingOp) {
        case GX_CALC_MULTIPLY:
            x = dEntry * m_dValue;
            break;
        case GX_CALC_ADD:
            x = dEntry + m_dValue;
            break;
        case GX_CALC_SUBTRACT:
            x = m_dValue - dEntry;
            break;
        case GX_CALC_DIVIDE:
            if (dEntry == 0) {
                EnterError();
                return TRUE;
            }
            x = m_dValue / dEntry;
            break;
        default:
            x = dEntry;
            break;
        }
        if (nOp == GX_CALC_EQUALS)
            nNextOp = 0;
    }
    m_bNewEntry = TRUE;
    m_dValue = x;
    m_nPendingOp = nNextOp;
    ShowValue(x);
    return TRUE;
}

void CGXBCalcEngine::ShowValue(double d)
{
    if (!std::isfinite(d)) {
        EnterError();
        return;
    }
    int nDecimals = std::max(m_nMaxDecimals, 0);
    for (;;) {
        int nLength = snprintf(nullptr, 0, "%.*f", nDecimals, d);
        std::string s((size_t)std::max(nLength, 0), '\0');
        snprintf(&s[0], s.size() + 1, "%.*f", nDecimals, d);
        if (s.find('.') != std::string::npos) {
            while (!s.empty() && s.back() == '0')
                s.pop_back();
        }
        int nLimit = std::min(m_nDisplayDigits, (d > -1 && d < 1) ? 16 : 15);
        int nInteger, nShownDecimals;
        bool bPoint;
        CountDigits(s, nInteger, nShownDecimals, bPoint);
        if (nInteger > nLimit || nInteger > 13) {
            EnterError();
            return;
        }
        if (nInteger + nShownDecimals > nLimit && nDecimals > 0) {
            nDecimals = std::min(nDecimals - 1, nLimit - nInteger);
            continue;
        }
        m_strDisplay = s.c_str();
        OnDisplayChanged();
        return;
    }
}
