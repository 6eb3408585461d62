#include "features/GXNumberFormattingImp.h"
#include "core/GXLibraryState.h"
#include "core/GXStyle.h"
#include "fw/exceptions.h"
#include "fw/time.h"
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {
// Anything at or above this shows as " Percent! " under the percent format.
const double kPercentLimit = 1.7976931348623156e306;

// The magnitude of an integer part in 64 bits; larger values clamp to the maximum.
uint64_t ClampToUInt64(double dAbs)
{
    if (!(dAbs > 0))
        return 0;
    if (dAbs >= 18446744073709551616.0)
        return UINT64_MAX;
    return (uint64_t)dAbs;
}

// The absolute value as fixed text with the places, with ',' before every third digit
// left of the point.
CString Grouped(double dAbs, int nPlaces)
{
    CString strFixed;
    strFixed.Format("%.*f", nPlaces, dAbs);
    std::string s((LPCTSTR)strFixed);
    size_t nPoint = s.find('.');
    size_t nInt = nPoint == std::string::npos ? s.size() : nPoint;
    std::string out;
    for (size_t i = 0; i < nInt; ++i) {
        if (i > 0 && (nInt - i) % 3 == 0)
            out += ',';
        out += s[i];
    }
    out += s.substr(nInt);
    return CString(out.c_str());
}

CString FormatFraction(double d, int nPlaces)
{
    static const int kPrimes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};
    int nPrecision = nPlaces >= 1 && nPlaces <= 6 ? nPlaces : 3;
    double dAbs = std::fabs(d);
    double dInt = 0;
    double dFrac = std::modf(dAbs, &dInt);
    long long nDenominator = 1;
    for (int i = 0; i < nPrecision + 2; ++i)
        nDenominator *= 10;
    // A hair of tolerance so that 0.3 reads as 30000/100000, not 29999/100000.
    long long nNumerator = (long long)(dFrac * (double)nDenominator + 1e-6);
    if (nNumerator >= nDenominator)
        nNumerator = nDenominator - 1;
    // A zero numerator divides by everything: leave it as it is.
    for (int nPrime : kPrimes) {
        if (nNumerator == 0 || (double)nPrime > std::sqrt((double)nNumerator))
            break;
        while (nNumerator % nPrime == 0 && nDenominator % nPrime == 0) {
            nNumerator /= nPrime;
            nDenominator /= nPrime;
        }
    }
    CString s;
    if (dAbs >= 1) // the integer part in full, whatever its size
        s.Format("%.0f", dInt);
    CString strFraction;
    strFraction.Format(" %lld/%lld", nNumerator, nDenominator);
    s += strFraction;
    return (d >= 0 ? " " : "-") + s;
}

// Day counts a date can have: 1 January 100 to 31 December 9999.
bool IsDayCount(double d)
{
    return d >= -657434.0 && d < 2958466.0;
}

CString FormatDate(double d, LPCTSTR pszPattern, LPCTSTR pszValue)
{
    COleDateTime date(d);
    if (!IsDayCount(d) || date.GetStatus() != COleDateTime::valid)
        return pszValue;
    return date.Format(pszPattern);
}

CString FormatDateFlags(double d, DWORD dwFlags, LPCTSTR pszValue)
{
    COleDateTime date(d);
    if (!IsDayCount(d) || date.GetStatus() != COleDateTime::valid)
        return pszValue;
    return date.Format(dwFlags, LANG_USER_DEFAULT);
}
} // namespace

CString CGXNumberFormattingImp::FormatNumber(double d, int nFormat, int nPlaces, LPCTSTR pszValue)
{
    if (pszValue == nullptr)
        pszValue = "";
    if (nFormat == 12)
        return CString();
    // Infinite and undefined numbers have no display form: they show as stored.
    if (!std::isfinite(d))
        return pszValue;
    CString s, strPattern;
    double dInt = 0;
    double dFrac = std::modf(d, &dInt);
    switch (nFormat) {
    case 1:
    case 2:
    case 3:
        strPattern.Format(nFormat == 1 ? "%%.%dle" : nFormat == 2 ? "%%.%dlf" : "%%.%dlg", nPlaces);
        s.Format(strPattern, d);
        return s;
    case 4:
        s.Format(d >= 0 ? "$%s " : "($%s)", (LPCTSTR)Grouped(std::fabs(d), nPlaces));
        return s;
    case 5:
        s.Format(d >= 0 ? "%s " : "(%s)", (LPCTSTR)Grouped(std::fabs(d), nPlaces));
        return s;
    case 23:
        s.Format(d >= 0 ? " %s " : "(%s)", (LPCTSTR)Grouped(std::fabs(d), nPlaces));
        return s;
    case 6:
        s.Format("0x%llX", (unsigned long long)ClampToUInt64(std::fabs(dInt)));
        return s;
    case 7:
        return d < 0 ? "?" : dInt == 0 ? "0" : dInt == 1 ? "1" : "?";
    case 8:
        return FormatDate(d, "%d-%b-%y", pszValue);
    case 9:
        return FormatDate(d, "%d-%b", pszValue);
    case 10:
        return FormatDate(d, "%b-%y", pszValue);
    case 11:
        return FormatDateFlags(dInt, VAR_DATEVALUEONLY, pszValue);
    case 13:
        return FormatDateFlags(dFrac, VAR_TIMEVALUEONLY, pszValue);
    case 14:
        if (d >= kPercentLimit)
            return " Percent! ";
        strPattern.Format("%%.%dlf%%%%", nPlaces);
        s.Format(strPattern, d * 100);
        return s;
    case 16:
        return FormatDate(d, "%d.%m.%Y", pszValue);
    case 17:
        return FormatDate(d, "%Y-%m-%d", pszValue);
    case 18:
        return FormatDateFlags(d, 0, pszValue);
    case 24:
        return FormatFraction(d, nPlaces);
    case 25:
        return FormatDate(d, "%I:%M %p", pszValue);
    case 26:
        return FormatDate(d, "%I:%M:%S %p", pszValue);
    case 27:
        return FormatDate(d, "%H:%M", pszValue);
    case 28:
    case 29:
    case 30:
    case 31:
        return " Format? ";
    default: // 0, 15, 19-22
        return pszValue;
    }
}

void CGXNumberFormattingImp::FormatValue(CString& strResult, const CGXStyle& style,
                                         LPCTSTR pszValue, UINT nFlags)
{
    CString strValue;
    int nValueType = (int)nFlags;
    if (pszValue == nullptr) {
        strValue = style.GetValue();
        nValueType = style.GetValueType();
    } else {
        strValue = pszValue;
    }
    strResult = strValue;
    if (!style.GetInclude(gxFormat))
        return;
    int nFormat = style.GetFormat();
    if (nFormat == 12) {
        strResult.Empty();
        return;
    }
    if (nValueType != GX_VT_NUMBER)
        return;
    try {
        strResult = FormatNumber(atof(strValue), nFormat, style.GetPlaces(), strValue);
    } catch (CException* e) {
        e->Delete();
        strResult = strValue;
    }
}

BOOL CGXNumberFormattingImp::ParseValue(LPCTSTR pszText, double& d, UINT)
{
    return ParseNumber(pszText, d, nullptr, nullptr);
}

BOOL CGXNumberFormattingImp::ParseNumber(LPCTSTR pszText, double& d, int* pnFormat, int* pnPlaces)
{
    if (pszText == nullptr)
        return FALSE;
    const char* p = pszText;
    while (*p == ' ')
        ++p;
    bool bParens = false, bCurrency = false;
    if (*p == '(') {
        bParens = true;
        ++p;
    }
    if (*p == '$') {
        bCurrency = true;
        ++p;
    }
    const int kMaxScanned = 257, kMaxSeparators = 20;
    std::string buffer;
    int anSeparators[kMaxSeparators];
    int nSeparators = 0;
    int nPoint = -1, nExponent = -1, nClose = -1;
    int nDigits = 0, nDecimals = 0;
    int nPos = 0;
    for (; p[nPos] != '\0'; ++nPos) {
        if (nPos >= kMaxScanned)
            return FALSE;
        char c = p[nPos];
        if (c == '+' || c == '-') {
            if (bParens)
                return FALSE;
            buffer += c;
        } else if (c == ',') {
            if (nSeparators + 1 >= kMaxSeparators)
                return FALSE;
            anSeparators[nSeparators++] = nPos;
        } else if (c == '.') {
            if (nPoint >= 0)
                return FALSE;
            nPoint = nPos;
            buffer += c;
        } else if (c == 'E' || c == 'e') {
            if (nExponent >= 0 || bParens)
                return FALSE;
            nExponent = nPos;
            buffer += c;
        } else if (c >= '0' && c <= '9') {
            buffer += c;
            if (nExponent < 0) {
                ++nDigits;
                if (nPoint >= 0)
                    ++nDecimals;
            }
        } else if (c == ')' && bParens) {
            if (p[nPos + 1] != '\0')
                return FALSE;
            nClose = nPos;
            buffer += c;
        } else if (c == ' ') {
            for (int i = nPos; p[i] != '\0'; ++i)
                if (p[i] != ' ')
                    return FALSE;
            break;
        } else {
            return FALSE;
        }
    }
    int nAnchor = nPoint >= 0 ? nPoint : nClose >= 0 ? nClose : nExponent >= 0 ? nExponent : nPos;
    for (int i = 0; i < nSeparators; ++i)
        if (nAnchor <= anSeparators[i] || (nAnchor - anSeparators[i]) % 4 != 0)
            return FALSE;

    // The number itself, without the closing parenthesis.
    std::string number = buffer;
    if (bParens) {
        if (number.empty() || number.back() != ')')
            return FALSE;
        number.pop_back();
    }
    if (number.empty() || (number.size() == 1 && !(number[0] >= '0' && number[0] <= '9')))
        return FALSE;
    char* pEnd = nullptr;
    double dValue = strtod(number.c_str(), &pEnd);
    if (pEnd != number.c_str() + number.size())
        return FALSE;
    d = bParens ? -dValue : dValue;

    if (nDecimals > 15)
        nDecimals = 15;
    if (nDigits > 16)
        nDigits = 16;
    if (pnFormat != nullptr && pnPlaces != nullptr) {
        if (nExponent >= 0) {
            *pnFormat = 1;
            *pnPlaces = nDigits > 0 ? nDigits - 1 : 0;
        } else {
            *pnFormat = bCurrency ? 4 : (nSeparators > 0 || bParens) ? 5 : 2;
            *pnPlaces = nDecimals;
        }
    }
    return TRUE;
}

void GXImplementNumberFormatting()
{
    GXInstallProcessFeature<CGXNumberFormattingImp>(GXGetLibraryState().m_pNumberFormattingImp);
}
