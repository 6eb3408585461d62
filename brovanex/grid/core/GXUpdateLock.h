// Locks the parameter object's updates for a scope: changes made meanwhile are not drawn at
// once (the caller redraws when it is done).
#pragma once
#include "core/GXGridParam.h"

// Sets the parameter object's m_bLockUpdate for the scope and puts the old value back. With
// bLock FALSE, or without a parameter object, nothing changes.
class CGXUpdateLock
{
public:
    explicit CGXUpdateLock(CGXGridParam* pParam, BOOL bLock = TRUE)
        : m_pParam(bLock ? pParam : nullptr),
          m_bOld(m_pParam != nullptr ? m_pParam->m_bLockUpdate : FALSE)
    {
        if (m_pParam != nullptr)
            m_pParam->m_bLockUpdate = TRUE;
    }
    ~CGXUpdateLock()
    {
        if (m_pParam != nullptr)
            m_pParam->m_bLockUpdate = m_bOld;
    }
    CGXUpdateLock(const CGXUpdateLock&) = delete;
    CGXUpdateLock& operator=(const CGXUpdateLock&) = delete;

private:
    CGXGridParam* m_pParam;
    BOOL m_bOld;
};
