// CArchive: the framework's binary serialization over a CFile. Numbers are stored
// little-endian at their natural width; strings and counts use the framework's short
// and long length forms; objects are stored with their class on first use and as a
// back-reference afterwards. Loading checks every length and index against what the
// stream holds and raises CArchiveException instead of reading past the end.
#pragma once
#include "fw/object.h"
#include "fw/string.h"
#include "fw/exceptions.h"
#include <map>
#include <vector>

class CFile;
class CDocument;

class FW_API CArchive
{
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const { return m_lpBufCur == m_lpBufMax; }
    CFile* GetFile() const { return m_pFile; }

    // The raw bytes. Read returns the count actually read (short at the end of the file).
    UINT Read(void* lpBuf, UINT nMax);
    void Write(const void* lpBuf, UINT nMax);
    void Flush();
    void Close();
    // Detaches from the file without flushing (after an exception).
    void Abort();

    // A text line (up to and without "\r\n") / the text as it stands.
    BOOL ReadString(CString& rString);
    LPSTR ReadString(LPSTR lpsz, UINT nMax);
    void WriteString(LPCSTR lpsz);

    CObject* ReadObject(const CRuntimeClass* pClass);
    void WriteObject(const CObject* pOb);
    // Enters an object into the back-reference map without storing it.
    void MapObject(const CObject* pOb);

    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr,
                             UINT* pSchema = nullptr, DWORD* pObTag = nullptr);
    void WriteClass(const CRuntimeClass* pClassRef);
    void SerializeClass(const CRuntimeClass* pClassRef);

    // The schema stored for the object being loaded (only for VERSIONABLE_SCHEMA
    // classes); (UINT)-1 once read or when none applies.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // An element count: a WORD, or 0xFFFF and a DWORD.
    DWORD_PTR ReadCount();
    void WriteCount(DWORD_PTR dwCount);

    // Fails with endOfFile unless at least nBytes more can be read. Loaders call it
    // before allocating for a stored count or length.
    void EnsureAvailable(ULONGLONG nBytes);

    CArchive& operator<<(BYTE by);
    CArchive& operator<<(WORD w);
    CArchive& operator<<(LONG l);
    CArchive& operator<<(DWORD dw);
    CArchive& operator<<(float f);
    CArchive& operator<<(double d);
    CArchive& operator<<(LONGLONG n);
    CArchive& operator<<(ULONGLONG n);
    CArchive& operator<<(short n) { return *this << (WORD)n; }
    CArchive& operator<<(char ch) { return *this << (BYTE)ch; }
#if defined(_WIN32)
    // LONG and DWORD are long types here; int and unsigned are stored at 32 bits too.
    CArchive& operator<<(int i) { return *this << (LONG)i; }
    CArchive& operator<<(unsigned int u) { return *this << (DWORD)u; }
#endif
#if !defined(_WIN32)
    // long (and size_t) are 64 bits here but 32 or 64 on Windows: the stored width would
    // differ between builds, so such values must be cast to LONG, DWORD or LONGLONG.
    CArchive& operator<<(long) = delete;
    CArchive& operator<<(unsigned long) = delete;
#endif
    CArchive& operator<<(const CObject* pOb)
    {
        WriteObject(pOb);
        return *this;
    }

    CArchive& operator>>(BYTE& by);
    CArchive& operator>>(WORD& w);
    CArchive& operator>>(LONG& l);
    CArchive& operator>>(DWORD& dw);
    CArchive& operator>>(float& f);
    CArchive& operator>>(double& d);
    CArchive& operator>>(LONGLONG& n);
    CArchive& operator>>(ULONGLONG& n);
    CArchive& operator>>(short& n) { return *this >> (WORD&)n; }
    CArchive& operator>>(char& ch) { return *this >> (BYTE&)ch; }
#if defined(_WIN32)
    CArchive& operator>>(int& i) { return *this >> (LONG&)i; }
    CArchive& operator>>(unsigned int& u) { return *this >> (DWORD&)u; }
#endif
#if !defined(_WIN32)
    CArchive& operator>>(long&) = delete;
    CArchive& operator>>(unsigned long&) = delete;
#endif
    CArchive& operator>>(CObject*& pOb)
    {
        pOb = ReadObject(nullptr);
        return *this;
    }
    CArchive& operator>>(const CObject*& pOb)
    {
        pOb = ReadObject(nullptr);
        return *this;
    }

    // The document being loaded or stored, for objects that need it.
    CDocument* m_pDocument = nullptr;
    // The name reported in the archive exceptions (the file's path when it has one).
    CString m_strFileName;

protected:
    void ReadExact(void* lpBuf, UINT nBytes);
    [[noreturn]] void ThrowArchive(int cause) const;

    CFile* m_pFile;
    UINT m_nMode;
    BOOL m_bUserBuf;
    UINT m_nBufSize;
    BYTE* m_lpBufStart;
    BYTE* m_lpBufCur;
    BYTE* m_lpBufMax;
    UINT m_nObjectSchema = (UINT)-1;
    UINT m_nLoadDepth = 0; // objects being loaded inside one another

    // Loading: index -> class or object (index 0 is null). Storing: pointer -> index.
    struct LoadEntry
    {
        CRuntimeClass* pClass;
        CObject* pObject;
        UINT nSchema;
    };
    std::vector<LoadEntry> m_loadArray;
    std::map<const void*, DWORD> m_storeMap;
    DWORD m_nMapCount = 1;
};

// Points, sizes and rectangles as two or four LONGs.
FW_API CArchive& AFXAPI operator<<(CArchive& ar, SIZE size);
FW_API CArchive& AFXAPI operator<<(CArchive& ar, POINT point);
FW_API CArchive& AFXAPI operator<<(CArchive& ar, const RECT& rect);
FW_API CArchive& AFXAPI operator>>(CArchive& ar, SIZE& size);
FW_API CArchive& AFXAPI operator>>(CArchive& ar, POINT& point);
FW_API CArchive& AFXAPI operator>>(CArchive& ar, RECT& rect);
