// The currency number format: sign patterns, grouping, fixed digit counts and the reader.
#include "controls/GXBCurrencyFormat.h"
#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
struct SignPattern
{
    const char* pszPrefix;
    const char* pszSuffix;
};

// The currency patterns of the system's locale settings (positive 0-3, negative 0-15).
const SignPattern g_positivePatterns[4] = {
    {"%s", ""},
    {"", "%s"},
    {"%s ", ""},
    {"", " %s"},
};
const SignPattern g_negativePatterns[16] = {
    {"(%s", ")"}, {"-%s", ""},  {"%s-", ""},   {"%s", "-"},   {"(", "%s)"}, {"-", "%s"},
    {"", "-%s"},  {"", "%s-"},  {"-", " %s"},  {"-%s ", ""},  {"", " %s-"}, {"%s ", "-"},
    {"%s -", ""}, {"", "- %s"}, {"(%s ", ")"}, {"(", " %s)"},
};

std::string Expand(const char* pszPattern, const CString& strSymbol)
{
    std::string s(pszPattern);
    std::string::size_type n = s.find("%s");
    if (n != std::string::npos)
        s.replace(n, 2, (LPCTSTR)strSymbol);
    return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The characters that give an amount its sign when it is read back.
bool IsSignChar(char c) { return c == '-' || c == '(' || c == ')'; }

char CRuntimeDecimalPoint()
{
    const lconv* pConv = localeconv();
    if (pConv != nullptr && pConv->decimal_point != nullptr && pConv->decimal_point[0] != 0)
        return pConv->decimal_point[0];
    return '.';
}

int Clamp(int n, int nLow, int nHigh) { return std::min(std::max(n, nLow), nHigh); }
} // namespace

CGXBCurrencyFormat::CGXBCurrencyFormat(BOOL bInitializeFromLocale)
{
    SetPlainDefaults();
    if (bInitializeFromLocale)
        ReadLocale();
}

CGXBCurrencyFormat::CGXBCurrencyFormat(const CGXBCurrencyFormat& other)
{
    SetPlainDefaults();
    Assign(other);
}

CGXBCurrencyFormat& CGXBCurrencyFormat::operator=(const CGXBCurrencyFormat& other)
{
    Assign(other);
    return *this;
}

CGXBCurrencyFormat::~CGXBCurrencyFormat() = default;

void CGXBCurrencyFormat::SetPlainDefaults()
{
    m_bLeadingZero = TRUE;
    m_bDecimalSeparatorLine = FALSE;
    m_bKeepTrailingDigits = FALSE;
    m_bPadBeforeGrouping = FALSE;
    m_strCurrencySymbol = "$";
    m_strGrouping = "3;0";
    m_cThousandSeparator = ',';
    m_cDecimalSeparator = '.';
    m_cFillChar = ' ';
    m_crBackground = 0;
    m_crNegative = 0;
    m_crPositive = 0;
#if defined(_WIN32)
    m_crSeparatorLine = ::GetSysColor(COLOR_BTNSHADOW);
#else
    m_crSeparatorLine = RGB(128, 128, 128);
#endif
    m_nColorFlags = 0;
    m_nPositiveFormat = 0;
    m_nNegativeFormat = 0;
    m_nIntegerDigits = -1;
    m_nFractionDigits = 2;
}

void CGXBCurrencyFormat::ReadLocale()
{
#if defined(_WIN32)
    auto readText = [](LCTYPE type, CString& strOut) {
        char sz[64] = "";
        if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, sz, sizeof sz) > 0)
            strOut = sz;
    };
    auto readChar = [](LCTYPE type, TCHAR& cOut) {
        char sz[16] = "";
        if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, sz, sizeof sz) > 0)
            cOut = sz[0];
    };
    auto readNumber = [](LCTYPE type, int& nOut) {
        char sz[16] = "";
        if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, sz, sizeof sz) > 0 && sz[0] != 0)
            nOut = atoi(sz);
    };
    readNumber(LOCALE_ILZERO, m_bLeadingZero);
    readText(LOCALE_SCURRENCY, m_strCurrencySymbol);
    readText(LOCALE_SMONGROUPING, m_strGrouping);
    readChar(LOCALE_SMONTHOUSANDSEP, m_cThousandSeparator);
    readChar(LOCALE_SMONDECIMALSEP, m_cDecimalSeparator);
    readNumber(LOCALE_ICURRENCY, m_nPositiveFormat);
    readNumber(LOCALE_INEGCURR, m_nNegativeFormat);
    readNumber(LOCALE_ICURRDIGITS, m_nFractionDigits);
#endif
}

void CGXBCurrencyFormat::Assign(const CGXBCurrencyFormat& other)
{
    if (&other == this)
        return;
    m_bLeadingZero = other.m_bLeadingZero;
    m_bDecimalSeparatorLine = other.m_bDecimalSeparatorLine;
    m_bKeepTrailingDigits = other.m_bKeepTrailingDigits;
    m_bPadBeforeGrouping = other.m_bPadBeforeGrouping;
    m_strCurrencySymbol = other.m_strCurrencySymbol;
    m_strGrouping = other.m_strGrouping;
    m_cThousandSeparator = other.m_cThousandSeparator;
    m_cDecimalSeparator = other.m_cDecimalSeparator;
    m_cFillChar = other.m_cFillChar;
    m_crBackground = other.m_crBackground;
    m_crNegative = other.m_crNegative;
    m_crPositive = other.m_crPositive;
    m_crSeparatorLine = other.m_crSeparatorLine;
    m_nColorFlags = other.m_nColorFlags;
    m_nPositiveFormat = other.m_nPositiveFormat;
    m_nNegativeFormat = other.m_nNegativeFormat;
    m_nIntegerDigits = other.m_nIntegerDigits;
    m_nFractionDigits = other.m_nFractionDigits;
}

BOOL CGXBCurrencyFormat::IsEqual(const CGXBCurrencyFormat& other) const
{
    if (&other == this)
        return TRUE;
    return m_bLeadingZero == other.m_bLeadingZero &&
        m_bDecimalSeparatorLine == other.m_bDecimalSeparatorLine &&
        m_bKeepTrailingDigits == other.m_bKeepTrailingDigits &&
        m_bPadBeforeGrouping == other.m_bPadBeforeGrouping &&
        m_strCurrencySymbol == other.m_strCurrencySymbol && m_strGrouping == other.m_strGrouping &&
        m_cThousandSeparator == other.m_cThousandSeparator &&
        m_cDecimalSeparator == other.m_cDecimalSeparator && m_cFillChar == other.m_cFillChar &&
        m_crBackground == other.m_crBackground && m_crNegative == other.m_crNegative &&
        m_crPositive == other.m_crPositive && m_crSeparatorLine == other.m_crSeparatorLine &&
        m_nColorFlags == other.m_nColorFlags && m_nPositiveFormat == other.m_nPositiveFormat &&
        m_nNegativeFormat == other.m_nNegativeFormat &&
        m_nIntegerDigits == other.m_nIntegerDigits && m_nFractionDigits == other.m_nFractionDigits;
}

BOOL CGXBCurrencyFormat::IsDifferent(const CGXBCurrencyFormat& other) const
{
    return !IsEqual(other);
}

void CGXBCurrencyFormat::SetBackgroundColor(COLORREF cr)
{
    m_crBackground = cr;
    m_nColorFlags |= ColorBackground;
}

void CGXBCurrencyFormat::SetNegativeColor(COLORREF cr)
{
    m_crNegative = cr;
    m_nColorFlags |= ColorNegative;
}

void CGXBCurrencyFormat::SetPositiveColor(COLORREF cr)
{
    m_crPositive = cr;
    m_nColorFlags |= ColorPositive;
}

BOOL CGXBCurrencyFormat::GetBackgroundColor(COLORREF& cr) const
{
    if (!(m_nColorFlags & ColorBackground))
        return FALSE;
    cr = m_crBackground;
    return TRUE;
}

BOOL CGXBCurrencyFormat::GetNegativeColor(COLORREF& cr) const
{
    if (!(m_nColorFlags & ColorNegative))
        return FALSE;
    cr = m_crNegative;
    return TRUE;
}

BOOL CGXBCurrencyFormat::GetPositiveColor(COLORREF& cr) const
{
    if (!(m_nColorFlags & ColorPositive))
        return FALSE;
    cr = m_crPositive;
    return TRUE;
}

int CGXBCurrencyFormat::GetPositiveFormat() const { return Clamp(m_nPositiveFormat, 0, 3); }

int CGXBCurrencyFormat::GetNegativeFormat() const { return Clamp(m_nNegativeFormat, 0, 15); }

int CGXBCurrencyFormat::GetIntegerDigits() const
{
    if (m_nIntegerDigits < 0)
        return -1;
    return std::min(m_nIntegerDigits, GX_CURRENCY_MAX_INTEGER_DIGITS);
}

int CGXBCurrencyFormat::GetFractionDigits() const
{
    return Clamp(m_nFractionDigits, 0, GX_CURRENCY_MAX_FRACTION_DIGITS);
}

void CGXBCurrencyFormat::EffectiveSeparators(TCHAR& cThousand, TCHAR& cDecimal) const
{
    cThousand = m_cThousandSeparator;
    cDecimal = m_cDecimalSeparator == 0 ? ' ' : m_cDecimalSeparator;
    // A digit or a sign as a separator, or one character for both, could not be read back.
    if (IsDigit(cThousand) || IsDigit(cDecimal) || IsSignChar(cThousand) || IsSignChar(cDecimal) ||
        cThousand == cDecimal) {
        cThousand = ',';
        cDecimal = '.';
    }
}

TCHAR CGXBCurrencyFormat::GetFillChar() const
{
    // A sign as fill would read back as a sign (or unbalanced parentheses): a blank instead.
    return IsSignChar(m_cFillChar) ? ' ' : m_cFillChar;
}

TCHAR CGXBCurrencyFormat::GetThousandSeparator() const
{
    TCHAR cThousand, cDecimal;
    EffectiveSeparators(cThousand, cDecimal);
    return cThousand;
}

TCHAR CGXBCurrencyFormat::GetDecimalSeparator() const
{
    TCHAR cThousand, cDecimal;
    EffectiveSeparators(cThousand, cDecimal);
    return cDecimal;
}

int CGXBCurrencyFormat::GetGroupSize() const
{
    int nFirst = 0, nSecond = 0;
    if (sscanf((LPCTSTR)m_strGrouping, "%i;%i", &nFirst, &nSecond) < 1)
        return 0;
    return nFirst > 0 ? nFirst : 0;
}

int CGXBCurrencyFormat::FindDecimalSeparator(LPCTSTR pszText, TCHAR cChar) const
{
    if (pszText == nullptr)
        return -1;
    if (cChar == 0)
        cChar = GetDecimalSeparator();
    const char* p = strrchr(pszText, cChar);
    return p == nullptr ? -1 : (int)(p - pszText);
}

BOOL CGXBCurrencyFormat::FindNumberSpan(LPCTSTR pszText, int& nFirst, int& nLast) const
{
    nFirst = nLast = -1;
    if (pszText == nullptr)
        return FALSE;
    TCHAR cThousand, cDecimal;
    EffectiveSeparators(cThousand, cDecimal);
    int n = (int)strlen(pszText) - 1;
    while (n >= 0 && !IsDigit(pszText[n]))
        --n;
    if (n < 0)
        return FALSE;
    nLast = nFirst = n;
    bool bThousand = false, bDecimal = false;
    for (int i = n - 1; i >= 0; --i) {
        char c = pszText[i];
        if (IsDigit(c)) {
            nFirst = i;
        } else if (cThousand != 0 && c == cThousand) {
            bThousand = true;
            nFirst = i;
        } else if (c == cDecimal && !bDecimal && !bThousand &&
                   (c != ' ' || (i > 0 && IsDigit(pszText[i - 1])))) {
            // (a blank separator needs a digit on its left: "$ 6" is six)
            bDecimal = true;
            nFirst = i;
        } else {
            break;
        }
    }
    return TRUE;
}

BOOL CGXBCurrencyFormat::ParseValue(LPCTSTR pszText, double& dMagnitude, BOOL& bNegative) const
{
    std::string text = pszText != nullptr ? pszText : "";
    if (text.empty()) {
        dMagnitude = 0;
        bNegative = FALSE;
        return TRUE;
    }
    std::string::size_type nBegin = text.find_first_not_of(' ');
    if (nBegin == std::string::npos)
        return FALSE;
    text = text.substr(nBegin, text.find_last_not_of(' ') - nBegin + 1);
    // A symbol with digits or signs of its own ("R2", "-X-") would be read as part of the
    // amount or its sign: the shown symbol is taken out first.
    const std::string strSymbol = (LPCTSTR)m_strCurrencySymbol;
    if (strSymbol.find_first_of("0123456789-()") != std::string::npos) {
        std::string::size_type nSymbol = text.find(strSymbol);
        if (nSymbol != std::string::npos)
            text.erase(nSymbol, strSymbol.size());
    }

    bool bOpen = text.find('(') != std::string::npos;
    bool bClose = text.find(')') != std::string::npos;
    if (bOpen != bClose)
        return FALSE;
    bool bNeg = bOpen;

    int nFirst, nLast;
    if (!FindNumberSpan(text.c_str(), nFirst, nLast))
        return FALSE;
    std::string strPrefix = text.substr(0, (size_t)nFirst);
    std::string strSuffix = text.substr((size_t)nLast + 1);
    // Digits outside the number (left of a second decimal separator, or apart from it)
    // mean the text is not one amount: refuse it rather than drop digits.
    auto hasDigit = [](const std::string& s) {
        return std::any_of(s.begin(), s.end(), [](char c) { return IsDigit(c); });
    };
    TCHAR cThousand, cDecimal;
    EffectiveSeparators(cThousand, cDecimal);
    if (hasDigit(strPrefix) || hasDigit(strSuffix))
        return FALSE;
    if (strPrefix.find('-') != std::string::npos || strSuffix.find('-') != std::string::npos)
        bNeg = true;

    std::string strSpan = text.substr((size_t)nFirst, (size_t)(nLast - nFirst + 1));
    std::string strInteger = strSpan, strFraction;
    std::string::size_type nSep = strSpan.rfind(cDecimal);
    if (nSep != std::string::npos) {
        strInteger = strSpan.substr(0, nSep);
        strFraction = strSpan.substr(nSep + 1);
    }
    if (cThousand != 0)
        strInteger.erase(std::remove(strInteger.begin(), strInteger.end(), cThousand),
                         strInteger.end());
    auto allDigits = [](const std::string& s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return IsDigit(c); });
    };
    if (!allDigits(strInteger) || !allDigits(strFraction))
        return FALSE;

    std::string strNumber =
        (strInteger.empty() ? std::string("0") : strInteger) + CRuntimeDecimalPoint() + strFraction;
    double d = strtod(strNumber.c_str(), nullptr);
    if (!std::isfinite(d))
        return FALSE;
    dMagnitude = d;
    bNegative = bNeg ? TRUE : FALSE;
    return TRUE;
}

void CGXBCurrencyFormat::FormatValue(double dMagnitude, CString& strText, BOOL bNegative) const
{
    if (!std::isfinite(dMagnitude))
        dMagnitude = 0;
    dMagnitude = std::fabs(dMagnitude);
    const int nFraction = GetFractionDigits();
    const int nIntegerDigits = GetIntegerDigits();
    TCHAR cThousand, cDecimal;
    EffectiveSeparators(cThousand, cDecimal);

    // Rounded to the fraction digits first: every later rule sees the digits shown.
    int nLength = snprintf(nullptr, 0, "%.*f", nFraction, dMagnitude);
    std::string strNumber((size_t)std::max(nLength, 0), '\0');
    snprintf(&strNumber[0], strNumber.size() + 1, "%.*f", nFraction, dMagnitude);
    std::string strInteger = strNumber, strFraction;
    std::string::size_type nPoint = strNumber.rfind(CRuntimeDecimalPoint());
    if (nPoint != std::string::npos) {
        strInteger = strNumber.substr(0, nPoint);
        strFraction = strNumber.substr(nPoint + 1);
    }
    bool bHasFraction = nPoint != std::string::npos;

    // Below 1 without the leading zero: ".50". A whole 0 keeps its digit, and so does an
    // amount whose separator shows as a blank (" 50" would read as fifty).
    if (!m_bLeadingZero && strInteger == "0" && bHasFraction && cDecimal != ' ')
        strInteger.clear();

    if (nIntegerDigits != -1 && (int)strInteger.size() > nIntegerDigits) {
        if (m_bKeepTrailingDigits)
            strInteger.erase(0, strInteger.size() - (size_t)nIntegerDigits);
        else
            strInteger.resize((size_t)nIntegerDigits);
    }
    int nPad = nIntegerDigits == -1 ? 0 : nIntegerDigits - (int)strInteger.size();
    if (nPad > 0 && m_bPadBeforeGrouping)
        strInteger.insert(0, (size_t)nPad, GetFillChar());

    int nGroup = GetGroupSize();
    if (cThousand != 0 && nGroup > 0 && (int)strInteger.size() > nGroup) {
        std::string strGrouped;
        int nCount = (int)strInteger.size();
        for (int i = 0; i < nCount; ++i) {
            strGrouped += strInteger[(size_t)i];
            int nBehind = nCount - 1 - i;
            if (nBehind > 0 && nBehind % nGroup == 0)
                strGrouped += cThousand;
        }
        strInteger = strGrouped;
    }
    if (nPad > 0 && !m_bPadBeforeGrouping)
        strInteger.insert(0, (size_t)nPad, GetFillChar());

    std::string strShown = strInteger;
    if (bHasFraction)
        strShown += cDecimal + strFraction;

    const SignPattern& pattern = bNegative ? g_negativePatterns[GetNegativeFormat()]
                                           : g_positivePatterns[GetPositiveFormat()];
    std::string strResult = Expand(pattern.pszPrefix, m_strCurrencySymbol) + strShown +
        Expand(pattern.pszSuffix, m_strCurrencySymbol);
    strText = strResult.c_str();
}

int CGXBCurrencyFormat::CountDigits(LPCTSTR pszText)
{
    int nCount = 0;
    for (const char* p = pszText; p != nullptr && *p != 0; ++p)
        if (IsDigit(*p))
            ++nCount;
    return nCount;
}

int CGXBCurrencyFormat::RemoveThousandSeparators(CString& strText, TCHAR cSeparator)
{
    if (cSeparator == 0)
        return 0;
    return strText.Remove(cSeparator);
}

int CGXBCurrencyFormat::KeepDigitsOnly(CString& strText)
{
    std::string s((LPCTSTR)strText), strDigits;
    for (char c : s)
        if (IsDigit(c))
            strDigits += c;
    strText = strDigits.c_str();
    return (int)(s.size() - strDigits.size());
}
