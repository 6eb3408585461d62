// The clipboard's two readers over arbitrary bytes: the text reader (with and without
// escapes, with the block's size as its only bound) and the style block reader, whose
// blocks are written again and must read back alike.
#include "core/GXStyle.h"
#include "features/GXClipboardFormats.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The bytes are copied into a block of exactly their size, so a read past it is seen.
    std::vector<char> block(data + 1, data + size);
    const DWORD dwSize = (DWORD)block.size();
    const char* pszText = block.empty() ? nullptr : block.data();
    switch (data[0] % 3) {
    case 0:
    case 1: {
        const BOOL bEscapes = data[0] % 3 == 1;
        ROWCOL nLastRow = 0;
        DWORD nCells = CGXClipboardFormats::ScanText(
            pszText, dwSize, (data[0] & 0x80) ? ";," : "", bEscapes,
            [&](ROWCOL nRow, ROWCOL, const CString& text) {
                if (nRow < nLastRow || (!bEscapes && text.FindOneOf("\r\n") >= 0))
                    abort();
                nLastRow = nRow;
                return TRUE;
            });
        if (nCells == 0 || nCells > dwSize + 1)
            abort();
        ROWCOL nRows, nCols;
        CGXClipboardFormats::MeasureText(pszText, dwSize, "", nRows, nCols);
        if (nRows < 1 || nCols < 1 || nRows > dwSize + 1 || nCols > dwSize + 1)
            abort();
        break;
    }
    default: {
        DWORD nRows = 0, nCols = 0;
        CObArray* pStyles = nullptr;
        {
            CMemFile file(reinterpret_cast<BYTE*>(block.data()), dwSize);
            CArchive ar(&file, CArchive::load);
            if (!CGXClipboardFormats::ReadStyleBlock(ar, nRows, nCols, pStyles))
                return 0;
        }
        if (pStyles == nullptr || pStyles->GetSize() != (INT_PTR)nRows * nCols)
            abort();
        CMemFile out;
        {
            CArchive ar(&out, CArchive::store);
            CGXClipboardFormats::WriteStyleBlock(ar, nRows, nCols, *pStyles);
            ar.Close();
        }
        std::vector<BYTE> bytes((size_t)out.GetLength());
        out.SeekToBegin();
        if (!bytes.empty())
            out.Read(bytes.data(), (UINT)bytes.size());
        DWORD nRows2 = 0, nCols2 = 0;
        CObArray* pAgain = nullptr;
        CMemFile file(bytes.data(), (UINT)bytes.size());
        CArchive ar(&file, CArchive::load);
        if (!CGXClipboardFormats::ReadStyleBlock(ar, nRows2, nCols2, pAgain) || nRows2 != nRows ||
            nCols2 != nCols)
            abort();
        for (INT_PTR i = 0; i < pStyles->GetSize(); ++i)
            if ((pStyles->GetAt(i) == nullptr) != (pAgain->GetAt(i) == nullptr))
                abort();
        CGXClipboardFormats::FreeStyleBlock(pAgain);
        CGXClipboardFormats::FreeStyleBlock(pStyles);
        break;
    }
    }
    return 0;
}
