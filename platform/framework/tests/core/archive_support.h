// Helpers of the archive tests: store into memory and load from bytes, and the small
// serializable classes the tests write.
#pragma once
#include "fw/core.h"

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

typedef std::vector<BYTE> Bytes;

// The bytes an archive writes.
inline Bytes StoreBytes(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    size_t nLength = (size_t)file.GetLength();
    BYTE* p = file.Detach();
    Bytes bytes(p, p + nLength);
    std::free(p);
    return bytes;
}

// Loads from bytes; the file is a fixed buffer that the archive cannot read beyond.
inline void LoadBytes(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    CMemFile file(const_cast<BYTE*>(bytes.data()), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    read(ar);
}

// The cause of the archive exception reading throws; -1 when it throws none.
inline int LoadFailureCause(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    try {
        LoadBytes(bytes, read);
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

inline Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// A serializable shape (schema 1) with one LONG, and a shape holding a child shape.
class CTestShape : public CObject
{
    DECLARE_SERIAL(CTestShape)
public:
    LONG m_nSides = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_nSides;
        else
            ar >> m_nSides;
    }
};

class CTestGroup : public CTestShape
{
    DECLARE_SERIAL(CTestGroup)
public:
    CTestShape* m_pChild = nullptr;
    ~CTestGroup() override { delete m_pChild; }
    void Serialize(CArchive& ar) override
    {
        CTestShape::Serialize(ar);
        if (ar.IsStoring())
            ar << m_pChild;
        else
            ar >> m_pChild;
    }
};

// Versionable: accepts stored schemas 1 and 2 and reads the second field only from 2.
class CTestVersioned : public CObject
{
    DECLARE_SERIAL(CTestVersioned)
public:
    WORD m_wFirst = 0;
    WORD m_wSecond = 0;
    UINT m_nLoadedSchema = 0;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_wFirst << m_wSecond;
        } else {
            m_nLoadedSchema = ar.GetObjectSchema();
            ar >> m_wFirst;
            if (m_nLoadedSchema >= 2)
                ar >> m_wSecond;
        }
    }
};
