// Stores a record into bytes and loads one from bytes, the way the show file does:
// the record's own Serialize on an archive over memory.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "fw/core.h"

typedef std::vector<uint8_t> Bytes;

template<class Record>
Bytes StoreRecord(Record& record)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        record.Serialize(ar);
        ar.Close();
    }
    Bytes bytes((size_t)file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), (UINT)bytes.size());
    return bytes;
}

template<class Record>
void LoadRecord(Record& record, const Bytes& bytes)
{
    CMemFile file(const_cast<BYTE*>(bytes.data()), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    record.Serialize(ar);
    ar.Close();
}

// The cause of the archive exception that loading raises, or -1 when it loads.
template<class Record>
int LoadFailure(Record& record, const Bytes& bytes)
{
    try {
        LoadRecord(record, bytes);
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

// Little-endian building blocks of expected records.
inline void PutLong(Bytes& out, int32_t value)
{
    for (int i = 0; i < 4; i++)
        out.push_back((uint8_t)((uint32_t)value >> (8 * i)));
}

inline void PutWord(Bytes& out, uint16_t value)
{
    out.push_back((uint8_t)value);
    out.push_back((uint8_t)(value >> 8));
}

// A string of fewer than 255 characters: one length byte, then the characters.
inline void PutShortString(Bytes& out, const std::string& text)
{
    out.push_back((uint8_t)text.size());
    out.insert(out.end(), text.begin(), text.end());
}
