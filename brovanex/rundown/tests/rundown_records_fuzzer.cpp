// Reads a show's column-information record and then as many rows as it counts from
// arbitrary bytes, as the show reader does. Bad input must end in the archive
// exception: no crash, no hang, no allocation beyond the input's size.
#include <cstddef>
#include <cstdint>

#include "rundown/BaseScriptList.h"
#include "rundown/ColInfo.h"
#include "rundown/FileInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CMemFile file(const_cast<BYTE*>(data), (UINT)size);
    CArchive ar(&file, CArchive::load);
    BaseScriptList rows;
    try {
        CColInfo header;
        header.Serialize(ar);
        for (long i = 0; i < header.RowCount; i++) {
            CFileInfo* row = new CFileInfo;
            rows.AddTail(row);
            row->Serialize(ar);
            row->SetRecNo();
        }
        // What a freshly read show goes through next.
        rows.UpdatePosition();
        rows.CalcCummTime();
        if (header.UseSegmentNumbering)
            rows.SegReNum();
        else
            rows.IntReNum();
    } catch (CArchiveException* e) {
        e->Delete();
    }
    while (!rows.IsEmpty())
        delete (CFileInfo*)rows.RemoveHead();
    ar.Abort();
    return 0;
}
