// The printer a grid remembers: its DEVNAMES and DEVMODE blocks in movable global memory,
// handed to the application's print dialogs and taken back when the user picks another
// printer, and the printer DC made from them on demand.
#include "core/GXLibraryState.h"
#include "core/GXPrintDevice.h"
#include "fw/app.h"
#include "fw/appservices.h"
#include "fw/commdlg.h"
#include "fw/dc.h"
#include "fw/print.h"
#include "fw/view.h"
#include <cstddef>
#include <cstring>
#include <memory>

namespace {
// The flags of the blocks a device keeps (movable, discardable).
const UINT kBlockFlags = GMEM_MOVEABLE | GMEM_DISCARDABLE;
// The TrueType option of a DEVMODE and the block size that holds it.
const size_t kTTOptionOffset = offsetof(DEVMODEA, dmTTOption);
const size_t kTTOptionEnd = kTTOptionOffset + sizeof(short);

struct Block
{
    std::unique_ptr<BYTE[]> pBytes;
    DWORD cb = 0;
};

Block CopyOut(HGLOBAL h)
{
    Block block;
    if (h == nullptr)
        return block;
    SIZE_T cb = ::GlobalSize(h);
    const void* p = cb != 0 ? ::GlobalLock(h) : nullptr;
    if (p == nullptr)
        return block;
    block.pBytes.reset(new BYTE[cb]);
    std::memcpy(block.pBytes.get(), p, cb);
    block.cb = (DWORD)cb;
    ::GlobalUnlock(h);
    return block;
}

HGLOBAL CopyIn(const void* p, DWORD cb)
{
    HGLOBAL h = ::GlobalAlloc(kBlockFlags, cb);
    if (h == nullptr)
        AfxThrowMemoryException();
    void* pDest = ::GlobalLock(h);
    if (pDest == nullptr) {
        ::GlobalFree(h);
        AfxThrowMemoryException();
    }
    std::memcpy(pDest, p, cb);
    ::GlobalUnlock(h);
    return h;
}

bool SameBlock(HGLOBAL hOwn, const void* p, DWORD cb)
{
    Block own = CopyOut(hOwn);
    if (own.cb != cb)
        return false;
    return cb == 0 || std::memcmp(own.pBytes.get(), p, cb) == 0;
}
} // namespace

class CGXPrintDeviceImp : public CGXAbstractPrintDeviceImp
{
public:
    void SetDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) override;
    void SetDeviceData(CGXPrintDevice* pDevice, const void* pDevNames, DWORD cbNames,
                       const void* pDevMode, DWORD cbMode) override;
    void FreeDevice(CGXPrintDevice* pDevice) override;
    BOOL GetDeviceData(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode,
                       void*& pDevNames, DWORD& cbNames, void*& pDevMode, DWORD& cbMode) override;
    void NeedDefaultDevice(CGXPrintDevice* pDevice) override;
    HDC GetPrinterDC(CGXPrintDevice* pDevice) override;
    void ResetPrinterDC(CGXPrintDevice* pDevice) override;
    void GetDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL& hDevNames, HGLOBAL& hDevMode) override;
    void UpdateDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) override;
    void UpdateDeviceData(CGXPrintDevice* pDevice, const void* pDevNames, DWORD cbNames,
                          const void* pDevMode, DWORD cbMode) override;
    int RunPrintSetupDialog(CGXPrintDevice* pDevice) override;
    BOOL RunPrintDialog(CGXPrintDevice* pDevice, void* pPrintInfo) override;
    BOOL DoPreparePrinting(CView* pView, CGXPrintDevice* pDevice, CPrintInfo* pInfo) override;
    void CopyToApp(CGXPrintDevice* pDevice) override;
    BOOL IsSameDevice(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) override;
    BOOL IsSameDeviceData(CGXPrintDevice* pDevice, const void* pDevNames, DWORD cbNames,
                          const void* pDevMode, DWORD cbMode) override;
    void CreateDefaultDevice(CGXPrintDevice* pDevice) override;
};

void CGXPrintDeviceImp::SetDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL hDevNames,
                                         HGLOBAL hDevMode)
{
    Block names = CopyOut(hDevNames), mode = CopyOut(hDevMode);
    SetDeviceData(pDevice, names.pBytes.get(), names.cb, mode.pBytes.get(), mode.cb);
}

void CGXPrintDeviceImp::SetDeviceData(CGXPrintDevice* pDevice, const void* pDevNames, DWORD cbNames,
                                      const void* pDevMode, DWORD cbMode)
{
    FreeDevice(pDevice);
    if (pDevNames != nullptr && cbNames != 0)
        pDevice->m_hDevNames = CopyIn(pDevNames, cbNames);
    if (pDevMode != nullptr && cbMode != 0)
        pDevice->m_hDevMode = CopyIn(pDevMode, cbMode);
}

void CGXPrintDeviceImp::FreeDevice(CGXPrintDevice* pDevice)
{
    ResetPrinterDC(pDevice);
    if (pDevice->m_hDevNames != nullptr)
        ::GlobalFree(pDevice->m_hDevNames);
    if (pDevice->m_hDevMode != nullptr)
        ::GlobalFree(pDevice->m_hDevMode);
    pDevice->m_hDevNames = pDevice->m_hDevMode = nullptr;
}

BOOL CGXPrintDeviceImp::GetDeviceData(CGXPrintDevice*, HGLOBAL hDevNames, HGLOBAL hDevMode,
                                      void*& pDevNames, DWORD& cbNames, void*& pDevMode,
                                      DWORD& cbMode)
{
    Block names = CopyOut(hDevNames), mode = CopyOut(hDevMode);
    cbNames = names.cb;
    cbMode = mode.cb;
    pDevNames = names.pBytes.release();
    pDevMode = mode.pBytes.release();
    return TRUE;
}

void CGXPrintDeviceImp::NeedDefaultDevice(CGXPrintDevice* pDevice)
{
    if (pDevice->m_hDevNames == nullptr)
        CreateDefaultDevice(pDevice);
}

void CGXPrintDeviceImp::CreateDefaultDevice(CGXPrintDevice* pDevice)
{
    CPrintDialog dlg(TRUE, 0x14000C);
    if (!dlg.GetDefaults())
        return;
    // The TrueType option is set only where the returned block holds that field.
    if (dlg.m_pd.hDevMode != nullptr && ::GlobalSize(dlg.m_pd.hDevMode) >= kTTOptionEnd) {
        if (DEVMODEA* pMode = (DEVMODEA*)::GlobalLock(dlg.m_pd.hDevMode)) {
            if (pMode->dmSize >= kTTOptionEnd)
                pMode->dmTTOption = 1;
            ::GlobalUnlock(dlg.m_pd.hDevMode);
        }
    }
    SetDeviceHandles(pDevice, dlg.m_pd.hDevNames, dlg.m_pd.hDevMode);
    if (dlg.m_pd.hDevNames != nullptr)
        ::GlobalFree(dlg.m_pd.hDevNames);
    if (dlg.m_pd.hDevMode != nullptr)
        ::GlobalFree(dlg.m_pd.hDevMode);
    dlg.m_pd.hDevNames = dlg.m_pd.hDevMode = nullptr;
}

HDC CGXPrintDeviceImp::GetPrinterDC(CGXPrintDevice* pDevice)
{
    if (pDevice == nullptr)
        return nullptr;
    if (pDevice->m_hPrintDC == nullptr) {
        NeedDefaultDevice(pDevice);
        if (pDevice->m_hDevNames != nullptr)
            pDevice->m_hPrintDC = AfxCreateDC(pDevice->m_hDevNames, pDevice->m_hDevMode);
    }
    return pDevice->m_hPrintDC;
}

void CGXPrintDeviceImp::ResetPrinterDC(CGXPrintDevice* pDevice)
{
    if (pDevice->m_hPrintDC != nullptr)
        ::DeleteDC(pDevice->m_hPrintDC);
    pDevice->m_hPrintDC = nullptr;
}

void CGXPrintDeviceImp::GetDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL& hDevNames,
                                         HGLOBAL& hDevMode)
{
    hDevNames = hDevMode = nullptr;
    Block names = CopyOut(pDevice->m_hDevNames), mode = CopyOut(pDevice->m_hDevMode);
    if (names.cb == 0)
        return;
    hDevNames = CopyIn(names.pBytes.get(), names.cb);
    if (mode.cb != 0) {
        try {
            hDevMode = CopyIn(mode.pBytes.get(), mode.cb);
        } catch (...) {
            ::GlobalFree(hDevNames);
            hDevNames = nullptr;
            throw;
        }
    }
}

void CGXPrintDeviceImp::UpdateDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL hDevNames,
                                            HGLOBAL hDevMode)
{
    if (!IsSameDevice(pDevice, hDevNames, hDevMode))
        SetDeviceHandles(pDevice, hDevNames, hDevMode);
}

void CGXPrintDeviceImp::UpdateDeviceData(CGXPrintDevice* pDevice, const void* pDevNames,
                                         DWORD cbNames, const void* pDevMode, DWORD cbMode)
{
    if (!IsSameDeviceData(pDevice, pDevNames, cbNames, pDevMode, cbMode))
        SetDeviceData(pDevice, pDevNames, cbNames, pDevMode, cbMode);
}

BOOL CGXPrintDeviceImp::IsSameDevice(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    Block names = CopyOut(hDevNames), mode = CopyOut(hDevMode);
    return IsSameDeviceData(pDevice, names.pBytes.get(), names.cb, mode.pBytes.get(), mode.cb);
}

BOOL CGXPrintDeviceImp::IsSameDeviceData(CGXPrintDevice* pDevice, const void* pDevNames,
                                         DWORD cbNames, const void* pDevMode, DWORD cbMode)
{
    return SameBlock(pDevice->m_hDevNames, pDevNames, pDevNames != nullptr ? cbNames : 0) &&
        SameBlock(pDevice->m_hDevMode, pDevMode, pDevMode != nullptr ? cbMode : 0);
}

void CGXPrintDeviceImp::CopyToApp(CGXPrintDevice* pDevice)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    if (pApp->m_hDevMode != nullptr)
        ::GlobalFree(pApp->m_hDevMode);
    if (pApp->m_hDevNames != nullptr)
        ::GlobalFree(pApp->m_hDevNames);
    pApp->m_hDevMode = pApp->m_hDevNames = nullptr;
    GetDeviceHandles(pDevice, pApp->m_hDevNames, pApp->m_hDevMode);
}

int CGXPrintDeviceImp::RunPrintSetupDialog(CGXPrintDevice* pDevice)
{
    CWinApp* pApp = AfxGetApp();
    if (pDevice == nullptr || pApp == nullptr)
        return 0;
    CWaitCursor wait;
    NeedDefaultDevice(pDevice);
    CopyToApp(pDevice);
    CPrintDialog dlg(TRUE);
    INT_PTR nResult = pApp->DoPrintDialog(&dlg);
    if (nResult == IDOK)
        SetDeviceHandles(pDevice, dlg.m_pd.hDevNames, dlg.m_pd.hDevMode);
    return (int)nResult;
}

BOOL CGXPrintDeviceImp::RunPrintDialog(CGXPrintDevice* pDevice, void* pPrintInfo)
{
    // Without a view: the application's print dialog on the grid's printer.
    CWinApp* pApp = AfxGetApp();
    CPrintInfo* pInfo = static_cast<CPrintInfo*>(pPrintInfo);
    if (pDevice == nullptr || pApp == nullptr || pInfo == nullptr)
        return FALSE;
    CWaitCursor wait;
    NeedDefaultDevice(pDevice);
    CopyToApp(pDevice);
    if (pApp->DoPrintDialog(pInfo->m_pPD) != IDOK)
        return FALSE;
    UpdateDeviceHandles(pDevice, pInfo->m_pPD->m_pd.hDevNames, pInfo->m_pPD->m_pd.hDevMode);
    return TRUE;
}

BOOL CGXPrintDeviceImp::DoPreparePrinting(CView* pView, CGXPrintDevice* pDevice, CPrintInfo* pInfo)
{
    if (pView == nullptr)
        return RunPrintDialog(pDevice, pInfo);
    if (pDevice == nullptr)
        return pView->DoPreparePrinting(pInfo);
    CWaitCursor wait;
    NeedDefaultDevice(pDevice);
    CopyToApp(pDevice);
    if (!pView->DoPreparePrinting(pInfo))
        return FALSE;
    // A job without a printer (a preview on pages of its own) leaves the device as it is.
    if (pInfo->m_pPD->m_pd.hDevNames != nullptr)
        UpdateDeviceHandles(pDevice, pInfo->m_pPD->m_pd.hDevNames, pInfo->m_pPD->m_pd.hDevMode);
    return TRUE;
}

void GXImplementPrintDevice()
{
    GXInstallProcessFeature<CGXPrintDeviceImp>(GXGetLibraryState().m_pPrintDeviceImp);
}
