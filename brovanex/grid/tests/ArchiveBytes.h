// Storing into and loading from a byte vector through the framework's archive.
#pragma once
#include "core/GXDefs.h"
#include <functional>
#include <vector>

inline std::vector<BYTE> StoreBytes(const std::function<void(CArchive&)>& store)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        store(ar);
        ar.Close();
    }
    std::vector<BYTE> bytes((size_t)file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

inline void LoadBytes(const std::vector<BYTE>& bytes, const std::function<void(CArchive&)>& load)
{
    CMemFile file(const_cast<BYTE*>(bytes.data()), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    load(ar);
}
