// CGXPrintDevice: the printer settings a grid parameter object keeps and archives (the
// DEVNAMES and DEVMODE blocks) and the printer DC made from them on demand. Every
// operation goes through the process-wide print-device feature; without it the device
// does nothing and its DC stays null.
#pragma once
#include "core/GXDefs.h"
#include "features/GXAbstractProcessFeatures.h"

class CGXPrintDevice : public CObject
{
    DECLARE_SERIAL(CGXPrintDevice)
public:
    CGXPrintDevice();
    ~CGXPrintDevice() override;
    CGXPrintDevice(const CGXPrintDevice&) = delete;
    CGXPrintDevice& operator=(const CGXPrintDevice& other);

    void Serialize(CArchive& ar) override;
    virtual HDC GetPrinterDC();
    virtual void ResetPrinterDC();

    void SetDeviceHandles(HGLOBAL hDevNames, HGLOBAL hDevMode);
    void SetDeviceData(const void* pDevNames, DWORD cbNames, const void* pDevMode, DWORD cbMode);
    void FreeDevice();
    // Copies of two global blocks in new buffers (new BYTE[]; the caller deletes them).
    BOOL GetDeviceData(HGLOBAL hDevNames, HGLOBAL hDevMode, void*& pDevNames, DWORD& cbNames,
                       void*& pDevMode, DWORD& cbMode);
    BOOL GetOwnDeviceData(void*& pDevNames, DWORD& cbNames, void*& pDevMode, DWORD& cbMode);
    void NeedDefaultDevice();
    void GetDeviceHandles(HGLOBAL& hDevNames, HGLOBAL& hDevMode);
    void UpdateDeviceHandles(HGLOBAL hDevNames, HGLOBAL hDevMode);
    void UpdateDeviceData(const void* pDevNames, DWORD cbNames, const void* pDevMode, DWORD cbMode);

    // Whether stored blocks describe a printer: a DEVNAMES block whose three offsets lie
    // inside it and name terminated strings, and, when present, a DEVMODE block whose
    // dmSize + dmDriverExtra fit in it. A DEVMODE without DEVNAMES is refused.
    static BOOL CheckDeviceBlocks(const BYTE* pDevNames, DWORD cbNames, const BYTE* pDevMode,
                                  DWORD cbMode);

    HGLOBAL m_hDevMode; // null when none
    HGLOBAL m_hDevNames; // null when none
    HDC m_hPrintDC; // made on demand
    CGXAbstractPrintDeviceImp* m_pPrintDeviceImp; // the process-wide feature, taken at construction
};
