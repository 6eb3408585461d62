// The print-device feature: the default printer taken with its TrueType option, devices
// compared by their blocks, and the print setup dialog keeping the printer chosen.
#include "core/GXLibraryState.h"
#include "core/GXPrintDevice.h"
#include "fw/app.h"
#include "fw/commdlg.h"
#include "fw/modal.h"
#include <gtest/gtest.h>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

namespace {
std::string DevNames(const char* pszDevice)
{
    std::string block(sizeof(DEVNAMES), '\0');
    DEVNAMES dn = {};
    dn.wDriverOffset = (WORD)block.size();
    block += std::string("winspool") + '\0';
    dn.wDeviceOffset = (WORD)block.size();
    block += std::string(pszDevice) + '\0';
    dn.wOutputOffset = (WORD)block.size();
    block += std::string("LPT1:") + '\0';
    std::memcpy(&block[0], &dn, sizeof dn);
    return block;
}

HGLOBAL Global(const void* p, size_t cb)
{
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    std::memcpy(::GlobalLock(h), p, cb);
    ::GlobalUnlock(h);
    return h;
}

std::string Bytes(HGLOBAL h)
{
    if (h == nullptr)
        return std::string();
    std::string s((const char*)::GlobalLock(h), ::GlobalSize(h));
    ::GlobalUnlock(h);
    return s;
}

class PrintDeviceFeature : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pOld = GXGetLibraryState().m_pPrintDeviceImp;
        GXGetLibraryState().m_pPrintDeviceImp = nullptr;
        GXImplementPrintDevice();
        m_app.reset(new CWinApp("Print Device Test"));
    }
    void TearDown() override
    {
        AfxSetModalAnswerer(m_previous);
        m_app.reset();
        GXGetLibraryState().m_pPrintDeviceImp = m_pOld;
    }

    // The default printer the print dialog reports: a names block and a device mode of
    // cbMode bytes.
    void OfferDefaultPrinter(const char* pszDevice, size_t cbMode)
    {
        m_previous = AfxSetModalAnswerer([=](const AFX_MODAL_REQUEST& request) {
            CPrintDialog* pDlg = dynamic_cast<CPrintDialog*>(request.pObject);
            if (pDlg == nullptr || !(pDlg->m_pd.Flags & PD_RETURNDEFAULT))
                return AFX_MODAL_REPLY::Answer(IDCANCEL);
            std::string names = DevNames(pszDevice);
            pDlg->m_pd.hDevNames = Global(names.data(), names.size());
            std::string mode(cbMode, 'm');
            DEVMODEA dm = {};
            dm.dmSize = (WORD)cbMode;
            std::memcpy(&mode[0], &dm, offsetof(DEVMODEA, dmFields));
            pDlg->m_pd.hDevMode = Global(mode.data(), mode.size());
            return AFX_MODAL_REPLY::Answer(IDOK);
        });
    }

    std::unique_ptr<CWinApp> m_app;
    AFX_MODAL_ANSWERER m_previous = nullptr;

private:
    CGXAbstractPrintDeviceImp* m_pOld = nullptr;
};
} // namespace

TEST_F(PrintDeviceFeature, ADeviceWithoutBlocksTakesTheDefaultPrinter)
{
    OfferDefaultPrinter("Studio Printer", sizeof(DEVMODEA));
    CGXPrintDevice device;
    device.NeedDefaultDevice();
    ASSERT_NE(nullptr, device.m_hDevNames);
    EXPECT_EQ(DevNames("Studio Printer"), Bytes(device.m_hDevNames));
    std::string mode = Bytes(device.m_hDevMode);
    ASSERT_EQ(sizeof(DEVMODEA), mode.size());
    DEVMODEA dm;
    std::memcpy(&dm, mode.data(), sizeof dm);
    EXPECT_EQ(1, dm.dmTTOption);
}

TEST_F(PrintDeviceFeature, TheTrueTypeOptionIsWrittenOnlyWhereTheBlockHoldsIt)
{
    // A device mode that ends before the TrueType option keeps every byte it had.
    const size_t cbShort = offsetof(DEVMODEA, dmTTOption);
    OfferDefaultPrinter("Short Printer", cbShort);
    CGXPrintDevice device;
    device.NeedDefaultDevice();
    std::string mode = Bytes(device.m_hDevMode);
    ASSERT_EQ(cbShort, mode.size());
    EXPECT_EQ(std::string(cbShort - 40, 'm'), mode.substr(40));
}

TEST_F(PrintDeviceFeature, DevicesCompareByTheirBlocks)
{
    std::string names = DevNames("Studio Printer");
    CGXPrintDevice a, b, empty;
    a.SetDeviceData(names.data(), (DWORD)names.size(), nullptr, 0);
    b.SetDeviceData(names.data(), (DWORD)names.size(), nullptr, 0);
    CGXAbstractPrintDeviceImp* pImp = GXGetLibraryState().m_pPrintDeviceImp;
    EXPECT_TRUE(pImp->IsSameDevice(&a, b.m_hDevNames, b.m_hDevMode));
    EXPECT_FALSE(pImp->IsSameDevice(&empty, b.m_hDevNames, b.m_hDevMode));
    EXPECT_TRUE(pImp->IsSameDeviceData(&empty, nullptr, 0, nullptr, 0));
    std::string other = DevNames("Other Printer");
    EXPECT_FALSE(pImp->IsSameDeviceData(&a, other.data(), (DWORD)other.size(), nullptr, 0));

    // Copies of the handles are the device's blocks in new memory.
    HGLOBAL hNames = nullptr, hMode = nullptr;
    a.GetDeviceHandles(hNames, hMode);
    ASSERT_NE(nullptr, hNames);
    EXPECT_NE(a.m_hDevNames, hNames);
    EXPECT_EQ(names, Bytes(hNames));
    EXPECT_EQ(nullptr, hMode);
    ::GlobalFree(hNames);
}

TEST_F(PrintDeviceFeature, PrintSetupKeepsThePrinterChosen)
{
    std::string names = DevNames("Studio Printer");
    CGXPrintDevice device;
    device.SetDeviceData(names.data(), (DWORD)names.size(), nullptr, 0);
    // The dialog opens on the device's printer; the user picks another.
    m_previous = AfxSetModalAnswerer([](const AFX_MODAL_REQUEST& request) {
        CPrintDialog* pDlg = dynamic_cast<CPrintDialog*>(request.pObject);
        if (pDlg == nullptr)
            return AFX_MODAL_REPLY::Answer(IDCANCEL);
        EXPECT_STREQ("Studio Printer", pDlg->GetDeviceName());
        std::string other = DevNames("Other Printer");
        pDlg->m_pd.hDevNames = Global(other.data(), other.size());
        return AFX_MODAL_REPLY::Answer(IDOK);
    });
    CGXAbstractPrintDeviceImp* pImp = GXGetLibraryState().m_pPrintDeviceImp;
    EXPECT_EQ(IDOK, pImp->RunPrintSetupDialog(&device));
    EXPECT_EQ(DevNames("Other Printer"), Bytes(device.m_hDevNames));
    EXPECT_EQ(DevNames("Other Printer"), Bytes(m_app->m_hDevNames));

    // Cancelled, the device keeps its printer.
    AfxSetModalAnswerer([](const AFX_MODAL_REQUEST& request) {
        CPrintDialog* pDlg = dynamic_cast<CPrintDialog*>(request.pObject);
        if (pDlg != nullptr) {
            std::string third = DevNames("Third Printer");
            pDlg->m_pd.hDevNames = Global(third.data(), third.size());
        }
        return AFX_MODAL_REPLY::Answer(IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, pImp->RunPrintSetupDialog(&device));
    EXPECT_EQ(DevNames("Other Printer"), Bytes(device.m_hDevNames));
}
