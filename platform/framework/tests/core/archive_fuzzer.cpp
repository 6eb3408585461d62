// Feeds arbitrary bytes to the archive reader: strings, counts, object records (with
// classes of this program and of the framework's collections), collections and numbers.
// Loading may fail only with the framework's exceptions; every object the archive made
// is freed afterwards, so leaks and double frees show up under the sanitizers.
#include "fw/core.h"

#include <cstddef>
#include <cstdint>

namespace {

// A serializable node that owns nothing: its references and list point at objects the
// archive made, which the harness frees.
class CFuzzNode : public CObject
{
    DECLARE_SERIAL(CFuzzNode)
public:
    LONG m_n = 0;
    CString m_s;
    CObject* m_pRef = nullptr;
    CObList m_list;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_n << m_s << m_pRef;
        } else {
            ar.GetObjectSchema();
            ar >> m_n >> m_s;
            m_pRef = ar.ReadObject(nullptr);
        }
        m_list.Serialize(ar);
    }
};
IMPLEMENT_SERIAL(CFuzzNode, CObject, VERSIONABLE_SCHEMA | 1)

// An archive that can free every object it loaded.
class CFuzzArchive : public CArchive
{
public:
    explicit CFuzzArchive(CFile* pFile) : CArchive(pFile, CArchive::load) { }
    void DeleteLoadedObjects()
    {
        for (LoadEntry& entry : m_loadArray) {
            delete entry.pObject;
            entry.pObject = nullptr;
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CMemFile file(const_cast<BYTE*>(data), (UINT)size);
    CFuzzArchive ar(&file);
    try {
        CString s;
        ar >> s;
        ar.ReadCount();
        ar.ReadObject(nullptr);
        CStringArray strings;
        strings.Serialize(ar);
        CDWordArray dwords;
        dwords.Serialize(ar);
        CObList list;
        list.Serialize(ar);
        CMapStringToOb map;
        map.Serialize(ar);
        double d;
        ar >> d;
    } catch (CArchiveException* e) {
        e->Delete();
    } catch (CMemoryException* e) {
        e->Delete();
    }
    ar.DeleteLoadedObjects();
    ar.Abort();
    return 0;
}
