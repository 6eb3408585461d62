// Scoped switches that keep the grid from taking focus moves between its own windows (the
// edit over the current cell, a drop-down list) for the grid being left.
#pragma once
#include "core/GXGridCore.h"
#include "core/GXLibraryState.h"

// Raises the library's focus-change lock for a scope.
class CGXFocusChangeLock
{
public:
    explicit CGXFocusChangeLock(CGXGridCore* pGrid)
        : m_pState(pGrid != nullptr ? pGrid->m_pLibState : nullptr),
          m_bOld(m_pState != nullptr ? m_pState->m_bLockFocusChange : FALSE)
    {
        if (m_pState != nullptr)
            m_pState->m_bLockFocusChange = TRUE;
    }
    ~CGXFocusChangeLock()
    {
        if (m_pState != nullptr)
            m_pState->m_bLockFocusChange = m_bOld;
    }
    CGXFocusChangeLock(const CGXFocusChangeLock&) = delete;
    CGXFocusChangeLock& operator=(const CGXFocusChangeLock&) = delete;

private:
    CGXGridLibraryState* m_pState;
    BOOL m_bOld;
};

// Sets one of the grid's BOOL switches for a scope and puts the old value back.
class CGXGridFlagScope
{
public:
    CGXGridFlagScope(BOOL& bFlag, BOOL bValue) : m_bFlag(bFlag), m_bOld(bFlag) { bFlag = bValue; }
    ~CGXGridFlagScope() { m_bFlag = m_bOld; }
    CGXGridFlagScope(const CGXGridFlagScope&) = delete;
    CGXGridFlagScope& operator=(const CGXGridFlagScope&) = delete;

private:
    BOOL& m_bFlag;
    BOOL m_bOld;
};
