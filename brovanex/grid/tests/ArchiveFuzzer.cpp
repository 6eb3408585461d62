// The grid model's archive readers over arbitrary bytes: range lists, user-attribute
// maps, size maps, number-to-text maps, cell-to-object maps, the font word, bitmap blocks
// and the cell texts that name bitmaps, styles and fonts in their archive layouts, and the grid document's parts (style arrays,
// data, styles map, properties, the parameter object with everything it owns) and the
// span-cell and delayed-range pools. The first
// byte picks the reader; whatever is read is stored again and read back.
#include "core/GXCollections.h"
#include "core/GXDIB.h"
#include "core/GXData.h"
#include "core/GXFont.h"
#include "core/GXGridParam.h"
#include "core/GXProperties.h"
#include "core/GXStylesMap.h"
#include "core/GXLibraryState.h"
#include "core/GXRange.h"
#include "core/GXStyle.h"
#include "core/GXUserAttribute.h"
#include "features/GXDelayedRangePool.h"
#include "features/GXSpanCellPool.h"
#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
template<class T>
void ReadStoreRead(const uint8_t* data, size_t size)
{
    T object;
    try {
        CMemFile file(const_cast<BYTE*>(data), (UINT)size);
        CArchive ar(&file, CArchive::load);
        object.Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        return;
    }
    CMemFile out;
    {
        CArchive ar(&out, CArchive::store);
        object.Serialize(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes((size_t)out.GetLength());
    out.SeekToBegin();
    if (!bytes.empty())
        out.Read(bytes.data(), (UINT)bytes.size());
    T again;
    CMemFile file(bytes.data(), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    again.Serialize(ar); // what was written must read back
}

struct FontWord : CGXFont
{
    void Serialize(CArchive& ar) override
    {
        ArchiveWord(ar);
        GetLogFontRef();
        GetDescription();
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool bServices = [] {
        GXImplementStyleSerialize();
        GXImplementSerializeTQ5Compatible();
        GXImplementGridDocSerialize();
        GXImplementSpanCellPool();
        GXImplementDelayedRangePool();
        return true;
    }();
    (void)bServices;
    if (size < 1)
        return 0;
    const uint8_t* body = data + 1;
    size_t n = size - 1;
    switch (data[0] % 16) {
    case 0:
        ReadStoreRead<CGXRangeList>(body, n);
        break;
    case 1:
        ReadStoreRead<CGXUserAttributeMap>(body, n);
        break;
    case 2:
        ReadStoreRead<CGXMapDWordToLong>(body, n);
        break;
    case 3:
        ReadStoreRead<CGXCollMapDWordToString>(body, n);
        break;
    case 4:
        ReadStoreRead<CGXMapCellToOb>(body, n);
        break;
    case 5:
        ReadStoreRead<FontWord>(body, n);
        break;
    case 7:
        ReadStoreRead<CGXStyle>(body, n);
        break;
    case 8:
        ReadStoreRead<CGXFont>(body, n);
        break;
    case 9:
        ReadStoreRead<CGXStylePtrArrayPtrArray>(body, n);
        break;
    case 10:
        ReadStoreRead<CGXData>(body, n);
        break;
    case 11:
        ReadStoreRead<CGXStylesMap>(body, n);
        break;
    case 12:
        ReadStoreRead<CGXProperties>(body, n);
        break;
    case 13:
        ReadStoreRead<CGXGridParam>(body, n);
        break;
    case 14:
        ReadStoreRead<CGXSpanCellPool>(body, n);
        break;
    case 15:
        ReadStoreRead<CGXDelayedRangePool>(body, n);
        break;
    case 6: {
        GXDIBLayout layout;
        if (GXCheckDIB(body, n, &layout)) {
            // Every part the layout names lies inside the block.
            volatile BYTE last = body[layout.dwBitsOffset + layout.cbBits - 1];
            (void)last;
        }
        std::vector<BYTE> dib;
        GXExtractDIBFromFileBytes(body, n, dib);
        CString text((const char*)body, (int)n), key, name;
        UINT nId;
        GXParseDIBText(text, key, nId, name);
        break;
    }
    }
    return 0;
}
