// CGXGridCore: the device context the grid draws on. The grid's lengths are display
// pixels; a printer's DC is mapped so that one logical unit is one display pixel, and with
// printer metrics the screen measures text on the printer through the same mapping.
#include "core/GXFont.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXPrintDevice.h"
#include "fw/dc.h"
#include "fw/print.h"

namespace {
// Display pixels (read once when the library starts) onto the device's pixels.
void MapDisplayPixels(HDC hDC, int nDeviceX, int nDeviceY)
{
    if (hDC == nullptr || nDeviceX <= 0 || nDeviceY <= 0)
        return;
    ::SetMapMode(hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(hDC, GXGetLogPixelsX(), GXGetLogPixelsY(), nullptr);
    ::SetViewportExtEx(hDC, nDeviceX, nDeviceY, nullptr);
}
} // namespace

void CGXGridCore::OnPrepareDC(CDC* pDC, CPrintInfo*)
{
    if (pDC == nullptr)
        return;
    if (pDC->IsPrinting()) {
        // Both the output and the attribute DC: the page is drawn in display pixels.
        pDC->SetMapMode(MM_ANISOTROPIC);
        pDC->SetWindowExt(GXGetLogPixelsX(), GXGetLogPixelsY());
        pDC->SetViewportExt(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
        return;
    }
    CGXGridParam* pParam = GetParam();
    if (pParam == nullptr || !pParam->m_bPrinterMetrics)
        return;
    CGXPrintDevice* pDevice = pParam->GetPrintDevice();
    HDC hPrinter = pDevice != nullptr ? pDevice->GetPrinterDC() : nullptr;
    if (hPrinter == nullptr)
        return;
    // Text is measured on the printer, in display pixels; the screen still draws 1:1.
    pDC->SetAttribDC(hPrinter);
    MapDisplayPixels(hPrinter, CPageDevice::GetCapsOf(hPrinter, LOGPIXELSX),
                     CPageDevice::GetCapsOf(hPrinter, LOGPIXELSY));
}
