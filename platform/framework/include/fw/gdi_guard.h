// Owners of raw GDI handles, for code that works with handles rather than with CDC and
// CGdiObject: worker threads (those classes keep per-thread handle maps) and tight drawing
// loops. None can be copied, so each handle is freed exactly once.
#pragma once
#include "fw/winbase.h"

// A memory DC compatible with ref (the screen when null), deleted with the guard. Creation
// can fail for a moment under GDI pressure, so it is tried a few times; Get() is null when
// it never succeeded.
class CGdiMemoryDC
{
public:
    explicit CGdiMemoryDC(HDC ref)
    {
        for (int attempt = 0; attempt < 20 && !m_hDC; ++attempt) {
            m_hDC = ::CreateCompatibleDC(ref);
            if (!m_hDC)
                ::Sleep(1);
        }
    }
    ~CGdiMemoryDC()
    {
        if (m_hDC)
            ::DeleteDC(m_hDC);
    }
    CGdiMemoryDC(const CGdiMemoryDC&) = delete;
    CGdiMemoryDC& operator=(const CGdiMemoryDC&) = delete;

    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC = nullptr;
};

// Selects an object into a DC and puts the previous one back with the guard.
class CGdiSelection
{
public:
    CGdiSelection(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(::SelectObject(hDC, hObject)) { }
    ~CGdiSelection()
    {
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
    }
    CGdiSelection(const CGdiSelection&) = delete;
    CGdiSelection& operator=(const CGdiSelection&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// A pen, brush, font, bitmap or region handle, deleted with the guard (after any
// CGdiSelection of it made later has put it back out of its DC).
template<class THandle>
class CGdiHandle
{
public:
    explicit CGdiHandle(THandle hObject = nullptr) : m_hObject(hObject) { }
    ~CGdiHandle() { Reset(); }
    CGdiHandle(const CGdiHandle&) = delete;
    CGdiHandle& operator=(const CGdiHandle&) = delete;

    THandle Get() const { return m_hObject; }
    void Reset(THandle hObject = nullptr)
    {
        if (m_hObject)
            ::DeleteObject(m_hObject);
        m_hObject = hObject;
    }
    // Hands the handle to the caller, who deletes it.
    THandle Release()
    {
        THandle hObject = m_hObject;
        m_hObject = nullptr;
        return hObject;
    }

private:
    THandle m_hObject;
};
