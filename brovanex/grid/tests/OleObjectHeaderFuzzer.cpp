// The stored-OLE-object readers over arbitrary bytes: whatever they accept lies inside the
// block, and a block rebuilt from what it read reads back the same.
#include "controls/GXOleObjectHeader.h"
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<BYTE> block(data, data + size); // exactly sized, so ASan sees any overread
    // The same bytes as an OLE 1 stream: its native data lies inside it.
    size_t nNative = 0, nNativeLength = 0;
    if (CGXOleObjectHeader::FindNativeData(block.data(), block.size(), nNative, nNativeLength)) {
        if (nNativeLength == 0 || nNative + nNativeLength > size)
            abort();
        CGXOleObjectHeader::IsCompoundFile(block.data() + nNative, nNativeLength);
    }
    CGXOleObjectHeader header;
    if (!header.Read(block.data(), block.size()))
        return 0;
    if (header.m_nDataSize == 0 || header.m_nDataOffset + header.m_nDataSize + 4 != size ||
        header.m_strProgID.IsEmpty())
        abort();
    if (header.m_strUserType.GetLength() + header.m_strProgID.GetLength() > 0x7000)
        return 0; // names the writer shortens
    std::vector<BYTE> rebuilt =
        CGXOleObjectHeader::BuildBlock(header.m_strUserType, header.m_strProgID,
                                       block.data() + header.m_nDataOffset, header.m_nDataSize);
    CGXOleObjectHeader again;
    if (!again.Read(rebuilt.data(), rebuilt.size()) || !(again.m_strProgID == header.m_strProgID) ||
        !(again.m_strUserType == header.m_strUserType) || again.m_nDataSize != header.m_nDataSize)
        abort();
    return 0;
}
