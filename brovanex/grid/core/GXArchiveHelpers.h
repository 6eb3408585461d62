// Archive reading the grid library shares: objects that a container will own, read so
// that stored data can never make two owners share one object.
#pragma once
#include "core/GXDefs.h"

// Reads a newly stored object of (a class derived from) pClass. A null object or a
// back-reference to an object read earlier is bad data (CArchiveException badIndex):
// the caller owns what it gets, so it must be a fresh object.
CObject* GXReadOwnedObject(CArchive& ar, const CRuntimeClass* pClass);
// The same where a null object is allowed: null gives nullptr.
CObject* GXReadOwnedObjectOrNull(CArchive& ar, const CRuntimeClass* pClass);

// Fails with endOfFile unless nCount records of at least nMinBytes each can follow.
inline void GXEnsureRecords(CArchive& ar, ULONGLONG nCount, ULONGLONG nMinBytes)
{
    ar.EnsureAvailable(nCount * nMinBytes);
}
