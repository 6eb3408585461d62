#include "core/GXPrintDevice.h"
#include "core/GXLibraryState.h"

#include <commdlg.h>
#include <cstddef>
#include <cstring>
#include <vector>

IMPLEMENT_SERIAL(CGXPrintDevice, CObject, 1)

namespace {
// Larger blocks cannot come from a printer driver (both blocks are addressed by WORDs).
const DWORD kMaxBlock = 0x20000;

// Reads exactly cb bytes; a short read is a truncated archive.
void ReadExactly(CArchive& ar, void* p, DWORD cb)
{
    if (cb != 0 && ar.Read(p, cb) != cb)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
}

// Reads one stored block: its bytes when it may be a block, else skips them (empty).
std::vector<BYTE> ReadBlock(CArchive& ar, DWORD cb, BOOL& bUsable)
{
    std::vector<BYTE> bytes;
    if (cb <= kMaxBlock) {
        bytes.resize(cb);
        ReadExactly(ar, bytes.data(), cb);
        return bytes;
    }
    bUsable = FALSE;
    BYTE buffer[4096];
    while (cb > 0) {
        const DWORD n = cb < sizeof(buffer) ? cb : (DWORD)sizeof(buffer);
        ReadExactly(ar, buffer, n);
        cb -= n;
    }
    return bytes;
}

BOOL TerminatedAt(const BYTE* p, DWORD cb, DWORD nOffset)
{
    if (nOffset < sizeof(DEVNAMES) || nOffset >= cb)
        return FALSE;
    return std::memchr(p + nOffset, 0, cb - nOffset) != nullptr;
}
} // namespace

CGXPrintDevice::CGXPrintDevice()
    : m_hDevMode(nullptr), m_hDevNames(nullptr), m_hPrintDC(nullptr),
      m_pPrintDeviceImp(GXGetLibraryState().m_pPrintDeviceImp)
{ }

CGXPrintDevice::~CGXPrintDevice() { FreeDevice(); }

CGXPrintDevice& CGXPrintDevice::operator=(const CGXPrintDevice& other)
{
    if (this != &other)
        SetDeviceHandles(other.m_hDevNames, other.m_hDevMode);
    return *this;
}

BOOL CGXPrintDevice::CheckDeviceBlocks(const BYTE* pDevNames, DWORD cbNames, const BYTE* pDevMode,
                                       DWORD cbMode)
{
    if (cbNames == 0)
        return FALSE; // no printer named (a DEVMODE alone names none either)
    if (pDevNames == nullptr || cbNames < sizeof(DEVNAMES))
        return FALSE;
    DEVNAMES dn;
    std::memcpy(&dn, pDevNames, sizeof(dn));
    if (!TerminatedAt(pDevNames, cbNames, dn.wDriverOffset) ||
        !TerminatedAt(pDevNames, cbNames, dn.wDeviceOffset) ||
        !TerminatedAt(pDevNames, cbNames, dn.wOutputOffset))
        return FALSE;
    if (cbMode == 0)
        return TRUE;
    const DWORD cbHeader = offsetof(DEVMODEA, dmFields) + sizeof(DWORD);
    if (pDevMode == nullptr || cbMode < cbHeader)
        return FALSE;
    WORD dmSize = 0, dmDriverExtra = 0;
    std::memcpy(&dmSize, pDevMode + offsetof(DEVMODEA, dmSize), sizeof(WORD));
    std::memcpy(&dmDriverExtra, pDevMode + offsetof(DEVMODEA, dmDriverExtra), sizeof(WORD));
    return dmSize >= cbHeader && (DWORD)dmSize + dmDriverExtra <= cbMode;
}

void CGXPrintDevice::Serialize(CArchive& ar)
{
    const WORD wSchema = 1;
    if (ar.IsStoring()) {
        void* pNames = nullptr;
        void* pMode = nullptr;
        DWORD cbNames = 0, cbMode = 0;
        GetOwnDeviceData(pNames, cbNames, pMode, cbMode);
        if (pNames == nullptr)
            cbNames = 0;
        if (pMode == nullptr)
            cbMode = 0;
        ar << wSchema << cbNames;
        if (cbNames != 0)
            ar.Write(pNames, cbNames);
        ar << cbMode;
        if (cbMode != 0)
            ar.Write(pMode, cbMode);
        delete[] static_cast<BYTE*>(pNames);
        delete[] static_cast<BYTE*>(pMode);
        return;
    }
    WORD wStored = 0;
    ar >> wStored;
    if (wStored != wSchema)
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
    BOOL bUsable = TRUE;
    DWORD cbNames = 0, cbMode = 0;
    ar >> cbNames;
    const std::vector<BYTE> names = ReadBlock(ar, cbNames, bUsable);
    ar >> cbMode;
    const std::vector<BYTE> mode = ReadBlock(ar, cbMode, bUsable);
    // Blocks that do not describe a printer load as no device (the default printer).
    if (bUsable &&
        CheckDeviceBlocks(names.data(), (DWORD)names.size(), mode.data(), (DWORD)mode.size()))
        SetDeviceData(names.data(), (DWORD)names.size(), mode.empty() ? nullptr : mode.data(),
                      (DWORD)mode.size());
    else
        FreeDevice();
}

HDC CGXPrintDevice::GetPrinterDC()
{
    if (m_pPrintDeviceImp == nullptr)
        return nullptr;
    return m_pPrintDeviceImp->GetPrinterDC(this);
}

void CGXPrintDevice::ResetPrinterDC()
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->ResetPrinterDC(this);
    m_hPrintDC = nullptr;
}

void CGXPrintDevice::SetDeviceHandles(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->SetDeviceHandles(this, hDevNames, hDevMode);
}

void CGXPrintDevice::SetDeviceData(const void* pDevNames, DWORD cbNames, const void* pDevMode,
                                   DWORD cbMode)
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->SetDeviceData(this, pDevNames, cbNames, pDevMode, cbMode);
}

void CGXPrintDevice::FreeDevice()
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->FreeDevice(this);
}

BOOL CGXPrintDevice::GetDeviceData(HGLOBAL hDevNames, HGLOBAL hDevMode, void*& pDevNames,
                                   DWORD& cbNames, void*& pDevMode, DWORD& cbMode)
{
    if (m_pPrintDeviceImp == nullptr)
        return FALSE;
    return m_pPrintDeviceImp->GetDeviceData(this, hDevNames, hDevMode, pDevNames, cbNames, pDevMode,
                                            cbMode);
}

BOOL CGXPrintDevice::GetOwnDeviceData(void*& pDevNames, DWORD& cbNames, void*& pDevMode,
                                      DWORD& cbMode)
{
    return GetDeviceData(m_hDevNames, m_hDevMode, pDevNames, cbNames, pDevMode, cbMode);
}

void CGXPrintDevice::NeedDefaultDevice()
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->NeedDefaultDevice(this);
}

void CGXPrintDevice::GetDeviceHandles(HGLOBAL& hDevNames, HGLOBAL& hDevMode)
{
    hDevNames = hDevMode = nullptr;
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->GetDeviceHandles(this, hDevNames, hDevMode);
}

void CGXPrintDevice::UpdateDeviceHandles(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->UpdateDeviceHandles(this, hDevNames, hDevMode);
}

void CGXPrintDevice::UpdateDeviceData(const void* pDevNames, DWORD cbNames, const void* pDevMode,
                                      DWORD cbMode)
{
    if (m_pPrintDeviceImp != nullptr)
        m_pPrintDeviceImp->UpdateDeviceData(this, pDevNames, cbNames, pDevMode, cbMode);
}
