// The keys of a sort (CGXSortKeyInfo, CGXSortInfoArray) and the texts and values collected
// for the rows (columns) being sorted (GXSortRecords). Window-free: the grid's sort feature
// (GXGridSortImp.h) fills and orders them.
#pragma once
#include "core/GXDefs.h"

#include <string>
#include <vector>

// How a key compares its texts.
enum GXSortType : DWORD {
    gxSortNumeric = 0,
    gxSortAlphanumeric = 1,
    gxSortDateTime = 2,
    gxSortAutodetect = 3 // settled to one of the others from the texts found
};
enum GXSortOrder : DWORD { gxSortAscending = 0, gxSortDescending = 1 };

// One sort key: seven 32-bit words in this order.
struct CGXSortKeyInfo
{
    DWORD nRC; // the column when rows are sorted, the row when columns are sorted
    DWORD sortType; // GXSortType
    DWORD sortOrder; // GXSortOrder; anything but 0 is descending
    DWORD bCase; // text keys: case-sensitive
    DWORD dwReserved; // not used by sorting
    // Working flags the sort sets for itself while it settles an autodetected key.
    DWORD bAllNumeric; // every text so far looks like a number
    DWORD bAllDates; // every text so far parses as a date or time
};
static_assert(sizeof(CGXSortKeyInfo) == 7 * 4, "seven 32-bit words");

// A growable array of sort keys.
class CGXSortInfoArray : public CObject
{
    DECLARE_DYNAMIC(CGXSortInfoArray)
public:
    CGXSortInfoArray() = default;
    ~CGXSortInfoArray() override;
    CGXSortInfoArray(const CGXSortInfoArray&) = delete;
    CGXSortInfoArray& operator=(const CGXSortInfoArray&) = delete;

    // New records are zeroed. nGrowBy other than -1 is remembered as the step by which the
    // storage grows; without one it grows by an eighth of the size, 4 to 1024 records, at
    // least to nNewSize. SetSize(0) frees the storage.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    INT_PTR GetCapacity() const { return m_nMaxSize; }
    CGXSortKeyInfo& operator[](INT_PTR nIndex);
    const CGXSortKeyInfo& operator[](INT_PTR nIndex) const;
    CGXSortKeyInfo& ElementAt(INT_PTR nIndex) { return (*this)[nIndex]; }
    CGXSortKeyInfo GetAt(INT_PTR nIndex) const { return (*this)[nIndex]; }
    INT_PTR Add(const CGXSortKeyInfo& key);
    void RemoveAll() { SetSize(0); }

private:
    CGXSortKeyInfo* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = -1;
};

// The rows (columns) being sorted: nKeys texts and values per record, record i at
// [i * nKeys, (i + 1) * nKeys), and each record's position before sorting.
struct GXSortRecords
{
    INT_PTR nKeys = 0;
    std::vector<CString> texts;
    std::vector<double> values; // filled for numeric and date/time keys
    // Text keys: the locale's collation key of each text (compared byte by byte, they order
    // as the texts collate); empty when not computed.
    std::vector<std::string> collation;
    std::vector<DWORD> positions;
    DWORD Count() const { return (DWORD)positions.size(); }
};

// Whether every character of the text may belong to a number ("0123456789,.-e ").
BOOL GXSortTextLooksNumeric(LPCTSTR pszText);
// The number a numeric key's text stands for: thousands separators (',') are dropped before
// the conversion, so "1,000" is one thousand.
double GXSortTextToNumber(LPCTSTR pszText);
