// CObject and its run-time class information: the class name, size, schema and factory
// that archives, IsKindOf and dynamic creation rely on.
#pragma once
#include "fw/fwdefs.h"
#include "fw/diagnostics.h"

class CObject;
class CArchive;
class CDumpContext;

// A schema number or'ed with this accepts older object versions when loading; the
// object asks the archive for the stored number through GetObjectSchema.
#define VERSIONABLE_SCHEMA (0x80000000)

struct FW_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF: not serializable
    CObject*(PASCAL* m_pfnCreateObject)(); // null: not dynamically creatable
    CRuntimeClass* m_pBaseClass;

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // The registered class of this name. Two modules may each register a class of
    // the same name (the grid library lives in two modules): then the one derived
    // from pPreferredBase wins, else the one registered first.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName,
                                          const CRuntimeClass* pPreferredBase = nullptr);

    // Archive form of a class record: WORD schema, WORD name length, the name's bytes.
    void Store(CArchive& ar) const;
    static CRuntimeClass* PASCAL Load(CArchive& ar, UINT* pwSchemaNum,
                                      const CRuntimeClass* pPreferredBase = nullptr);
};

// Registers a class for look-up by name while its module is loaded.
struct FW_API AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
    ~AFX_CLASSINIT();
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

private:
    CRuntimeClass* m_pClass;
};

class FW_API CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();

    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    static CRuntimeClass classCObject;

protected:
    CObject() = default;
    // Copyable so that derived value classes keep their implicit copy operations.
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

FW_API void AFXAPI AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine);
// Reads an object of (a class derived from) pClass; the extraction operators of
// DECLARE_SERIAL classes call it so they need no complete CArchive.
FW_API CObject* AFXAPI AfxReadObjectFromArchive(CArchive& ar, const CRuntimeClass* pClass);

// Minimal dump context: text goes to the debugger output (stderr natively).
class FW_API CDumpContext
{
public:
    CDumpContext& operator<<(LPCSTR lpsz);
    CDumpContext& operator<<(const void* lp);
    CDumpContext& operator<<(int n);
    CDumpContext& operator<<(unsigned int n);
    CDumpContext& operator<<(long n);
    CDumpContext& operator<<(unsigned long n);
    CDumpContext& operator<<(double d);
    CDumpContext& operator<<(const CObject* pOb);
    CDumpContext& operator<<(const CObject& ob);
    int GetDepth() const { return m_nDepth; }
    void SetDepth(int nNewDepth) { m_nDepth = nNewDepth; }

private:
    int m_nDepth = 0;
};
FW_API extern CDumpContext afxDump;

#define RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))

// The declaration inside DECLARE_DYNAMIC carries no 'override' (classes written
// without it stay warning-free); clang's consistency warning is silenced for it alone.
#if defined(__clang__)
#define FW_OVERRIDE_UNMARKED_BEGIN                                                                 \
    _Pragma("clang diagnostic push")                                                               \
        _Pragma("clang diagnostic ignored \"-Winconsistent-missing-override\"")
#define FW_OVERRIDE_UNMARKED_END _Pragma("clang diagnostic pop")
#else
#define FW_OVERRIDE_UNMARKED_BEGIN
#define FW_OVERRIDE_UNMARKED_END
#endif

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static CRuntimeClass class##class_name;                                                        \
    FW_OVERRIDE_UNMARKED_BEGIN                                                                     \
    virtual CRuntimeClass* GetRuntimeClass() const;                                                \
    FW_OVERRIDE_UNMARKED_END

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name)                                                                 \
    DECLARE_DYNCREATE(class_name)                                                                  \
    [[maybe_unused]] friend CArchive& operator>>(CArchive& ar, class_name*& pOb)                   \
    {                                                                                              \
        pOb = static_cast<class_name*>(::AfxReadObjectFromArchive(ar, RUNTIME_CLASS(class_name))); \
        return ar;                                                                                 \
    }

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                       \
    CRuntimeClass class_name::class##class_name = {#class_name, sizeof(class class_name), wSchema, \
                                                   pfnNew, RUNTIME_CLASS(base_class_name)};        \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }       \
    static const AFX_CLASSINIT _fw_init_##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }                          \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                     \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }                          \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)
