#include "features/GXHiddenBits.h"
#include <vector>

namespace {
// The numbers of the set bits, ascending.
std::vector<ROWCOL> SetBits(const CDWordArray& bits)
{
    std::vector<ROWCOL> result;
    for (INT_PTR w = 0; w < bits.GetSize(); ++w) {
        const DWORD dw = bits[w];
        if (dw == 0)
            continue;
        for (int b = 0; b < 32; ++b)
            if (dw & (1u << b))
                result.push_back((ROWCOL)(w * 32 + b));
    }
    return result;
}

void Assign(CDWordArray& bits, const std::vector<ROWCOL>& numbers)
{
    bits.RemoveAll();
    for (ROWCOL n : numbers)
        GXWriteHiddenBit(bits, n, TRUE);
}
} // namespace

BOOL GXTestHiddenBit(const CDWordArray& bits, ROWCOL n)
{
    const INT_PTR w = (INT_PTR)(n / 32);
    return w < bits.GetSize() && (bits[w] & (1u << (n % 32))) != 0;
}

BOOL GXWriteHiddenBit(CDWordArray& bits, ROWCOL n, BOOL bSet)
{
    if (GXTestHiddenBit(bits, n) == (bSet != FALSE))
        return FALSE;
    const INT_PTR w = (INT_PTR)(n / 32);
    if (w >= bits.GetSize())
        bits.SetSize(w + 1); // new words are zero
    if (bSet)
        bits[w] |= 1u << (n % 32);
    else
        bits[w] &= ~(1u << (n % 32));
    return TRUE;
}

void GXRemoveHiddenBits(CDWordArray& bits, ROWCOL nFrom, ROWCOL nTo)
{
    if (nTo < nFrom)
        return;
    std::vector<ROWCOL> numbers = SetBits(bits), kept;
    for (ROWCOL n : numbers) {
        if (n < nFrom)
            kept.push_back(n);
        else if (n > nTo)
            kept.push_back(n - (nTo - nFrom + 1));
    }
    Assign(bits, kept);
}

void GXInsertHiddenBits(CDWordArray& bits, ROWCOL nAt, ROWCOL nCount)
{
    if (nCount == 0)
        return;
    std::vector<ROWCOL> numbers = SetBits(bits);
    for (ROWCOL& n : numbers)
        if (n >= nAt && n <= GX_MAXROWCOL - nCount)
            n += nCount;
    Assign(bits, numbers);
}

void GXMoveHiddenBits(CDWordArray& bits, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest)
{
    if (nTo < nFrom || nDest == nFrom)
        return;
    const ROWCOL nCount = nTo - nFrom + 1;
    std::vector<ROWCOL> numbers = SetBits(bits);
    for (ROWCOL& n : numbers) {
        if (n >= nFrom && n <= nTo)
            n = nDest + (n - nFrom);
        else if (nDest < nFrom && n >= nDest && n < nFrom)
            n += nCount; // the block moved up over these
        else if (nDest > nFrom && n > nTo && n < nDest + nCount)
            n -= nCount; // the block moved down over these
    }
    Assign(bits, numbers);
}
