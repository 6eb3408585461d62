// The print device's archive: a round trip, the schema check, and the checks of stored
// DEVNAMES and DEVMODE blocks (anything that does not describe a printer loads as no
// device, the default printer). A small print-device feature that keeps the blocks in
// global memory stands in for the library's.
#include "ArchiveBytes.h"
#include "core/GXLibraryState.h"
#include "core/GXPrintDevice.h"
#include <gtest/gtest.h>

#include <commdlg.h>
#include <cstddef>
#include <cstring>
#include <string>

namespace {
HGLOBAL CopyToGlobal(const void* p, DWORD cb)
{
    if (p == nullptr || cb == 0)
        return nullptr;
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    std::memcpy(::GlobalLock(h), p, cb);
    ::GlobalUnlock(h);
    return h;
}

void* CopyFromGlobal(HGLOBAL h, DWORD& cb)
{
    cb = h != nullptr ? (DWORD)::GlobalSize(h) : 0;
    if (cb == 0)
        return nullptr;
    BYTE* p = new BYTE[cb];
    std::memcpy(p, ::GlobalLock(h), cb);
    ::GlobalUnlock(h);
    return p;
}

class CMemoryPrintDeviceImp : public CGXAbstractPrintDeviceImp
{
public:
    void SetDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL hNames, HGLOBAL hMode) override
    {
        DWORD cbNames = 0, cbMode = 0;
        void* pNames = CopyFromGlobal(hNames, cbNames);
        void* pMode = CopyFromGlobal(hMode, cbMode);
        SetDeviceData(pDevice, pNames, cbNames, pMode, cbMode);
        delete[] static_cast<BYTE*>(pNames);
        delete[] static_cast<BYTE*>(pMode);
    }
    void SetDeviceData(CGXPrintDevice* pDevice, const void* pNames, DWORD cbNames,
                       const void* pMode, DWORD cbMode) override
    {
        FreeDevice(pDevice);
        pDevice->m_hDevNames = CopyToGlobal(pNames, cbNames);
        pDevice->m_hDevMode = CopyToGlobal(pMode, cbMode);
    }
    void FreeDevice(CGXPrintDevice* pDevice) override
    {
        if (pDevice->m_hDevNames != nullptr)
            ::GlobalFree(pDevice->m_hDevNames);
        if (pDevice->m_hDevMode != nullptr)
            ::GlobalFree(pDevice->m_hDevMode);
        pDevice->m_hDevNames = pDevice->m_hDevMode = nullptr;
    }
    BOOL GetDeviceData(CGXPrintDevice*, HGLOBAL hNames, HGLOBAL hMode, void*& pNames,
                       DWORD& cbNames, void*& pMode, DWORD& cbMode) override
    {
        pNames = CopyFromGlobal(hNames, cbNames);
        pMode = CopyFromGlobal(hMode, cbMode);
        return TRUE;
    }
    void NeedDefaultDevice(CGXPrintDevice*) override { }
    HDC GetPrinterDC(CGXPrintDevice*) override { return nullptr; }
    void ResetPrinterDC(CGXPrintDevice*) override { }
    void GetDeviceHandles(CGXPrintDevice*, HGLOBAL&, HGLOBAL&) override { }
    void UpdateDeviceHandles(CGXPrintDevice*, HGLOBAL, HGLOBAL) override { }
    void UpdateDeviceData(CGXPrintDevice*, const void*, DWORD, const void*, DWORD) override { }
    int RunPrintSetupDialog(CGXPrintDevice*) override { return IDCANCEL; }
    BOOL RunPrintDialog(CGXPrintDevice*, void*) override { return FALSE; }
};

class PrintDeviceArchive : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pOld = GXGetLibraryState().m_pPrintDeviceImp;
        GXGetLibraryState().m_pPrintDeviceImp = &m_imp;
    }
    void TearDown() override { GXGetLibraryState().m_pPrintDeviceImp = m_pOld; }

    CMemoryPrintDeviceImp m_imp;
    CGXAbstractPrintDeviceImp* m_pOld = nullptr;
};

// A DEVNAMES block: the header, then driver, device and port names.
std::string DevNames(const char* pszDriver = "winspool", const char* pszDevice = "Studio Printer",
                     const char* pszPort = "LPT1:")
{
    std::string block(sizeof(DEVNAMES), '\0');
    DEVNAMES dn = {};
    dn.wDriverOffset = (WORD)block.size();
    block += pszDriver;
    block += '\0';
    dn.wDeviceOffset = (WORD)block.size();
    block += pszDevice;
    block += '\0';
    dn.wOutputOffset = (WORD)block.size();
    block += pszPort;
    block += '\0';
    std::memcpy(&block[0], &dn, sizeof(dn));
    return block;
}

std::string DevMode(WORD dmSize = sizeof(DEVMODEA), WORD dmDriverExtra = 0, size_t cbBlock = 0)
{
    DEVMODEA dm = {};
    lstrcpynA((char*)dm.dmDeviceName, "Studio Printer", CCHDEVICENAME);
    dm.dmSize = dmSize;
    dm.dmDriverExtra = dmDriverExtra;
    dm.dmOrientation = DMORIENT_LANDSCAPE;
    std::string block((const char*)&dm, sizeof(dm));
    block.resize(cbBlock != 0 ? cbBlock : (size_t)dmSize + dmDriverExtra, 'x');
    return block;
}

// The stored form: schema, DEVNAMES size and bytes, DEVMODE size and bytes.
std::vector<BYTE> Stored(const std::string& names, const std::string& mode, WORD wSchema = 1,
                         DWORD cbNamesClaimed = 0xFFFFFFFF)
{
    return StoreBytes([&](CArchive& ar) {
        ar << wSchema << (cbNamesClaimed != 0xFFFFFFFF ? cbNamesClaimed : (DWORD)names.size());
        ar.Write(names.data(), (UINT)names.size());
        ar << (DWORD)mode.size();
        ar.Write(mode.data(), (UINT)mode.size());
    });
}

TEST_F(PrintDeviceArchive, ARoundTripKeepsBothBlocks)
{
    const std::string names = DevNames(), mode = DevMode(sizeof(DEVMODEA), 16);
    CGXPrintDevice device;
    device.SetDeviceData(names.data(), (DWORD)names.size(), mode.data(), (DWORD)mode.size());
    const std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { device.Serialize(ar); });
    EXPECT_EQ(bytes, Stored(names, mode));

    CGXPrintDevice loaded;
    LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_NE(loaded.m_hDevNames, nullptr);
    ASSERT_NE(loaded.m_hDevMode, nullptr);
    EXPECT_EQ(::GlobalSize(loaded.m_hDevMode), mode.size());
    EXPECT_EQ(std::memcmp(::GlobalLock(loaded.m_hDevNames), names.data(), names.size()), 0);
    ::GlobalUnlock(loaded.m_hDevNames);

    // Read back as an object, the way the parameter object archives its device.
    const std::vector<BYTE> objectBytes =
        StoreBytes([&](CArchive& ar) { ar.WriteObject(&device); });
    LoadBytes(objectBytes, [&](CArchive& ar) {
        CObject* pObject = ar.ReadObject(RUNTIME_CLASS(CGXPrintDevice));
        ASSERT_NE(pObject, nullptr);
        EXPECT_NE(static_cast<CGXPrintDevice*>(pObject)->m_hDevNames, nullptr);
        delete pObject;
    });
}

TEST_F(PrintDeviceArchive, BlocksThatDoNotDescribeAPrinterLoadAsNoDevice)
{
    std::string unterminated = DevNames();
    unterminated.back() = 'X';
    std::string offsetOutside = DevNames();
    reinterpret_cast<DEVNAMES*>(&offsetOutside[0])->wDeviceOffset = 0x7000;
    std::string offsetInHeader = DevNames();
    reinterpret_cast<DEVNAMES*>(&offsetInHeader[0])->wOutputOffset = 2;
    const size_t cbHeader = offsetof(DEVMODEA, dmFields) + sizeof(DWORD);
    struct Case
    {
        const char* pszName;
        std::string names, mode;
        BOOL bDevice;
    } cases[] = {
        {"no blocks", "", "", FALSE},
        {"names only", DevNames(), "", TRUE},
        {"names and mode", DevNames(), DevMode(), TRUE},
        {"mode with driver data", DevNames(), DevMode(sizeof(DEVMODEA), 300), TRUE},
        {"mode without names", "", DevMode(), FALSE},
        {"names shorter than their header", std::string(5, 'n'), "", FALSE},
        {"a name past the block", offsetOutside, DevMode(), FALSE},
        {"a name inside the header", offsetInHeader, "", FALSE},
        {"an unterminated name", unterminated, "", FALSE},
        {"driver data past the block", DevNames(),
         DevMode(sizeof(DEVMODEA), 300, sizeof(DEVMODEA) + 10), FALSE},
        {"a mode size past the block", DevNames(), DevMode(0xF000, 0, sizeof(DEVMODEA)), FALSE},
        {"a mode too small for its fields", DevNames(),
         DevMode((WORD)(cbHeader - 4), 0, cbHeader + 8), FALSE},
        {"a mode block shorter than a mode", DevNames(), std::string(20, 'm'), FALSE},
        {"a block larger than any driver makes", DevNames(), std::string(0x30000, 'm'), FALSE},
    };
    for (const Case& c : cases) {
        CGXPrintDevice device;
        const std::string good = DevNames("old", "Old Printer", "COM1:");
        device.SetDeviceData(good.data(), (DWORD)good.size(), nullptr, 0);
        LoadBytes(Stored(c.names, c.mode), [&](CArchive& ar) { device.Serialize(ar); });
        EXPECT_EQ(device.m_hDevNames != nullptr, c.bDevice != FALSE) << c.pszName;
        if (!c.bDevice) {
            EXPECT_EQ(device.m_hDevMode, nullptr) << c.pszName;
        }
    }
}

TEST_F(PrintDeviceArchive, ABadSchemaOrATruncatedArchiveThrows)
{
    CGXPrintDevice device;
    int nCause = -1;
    try {
        LoadBytes(Stored(DevNames(), "", 2), [&](CArchive& ar) { device.Serialize(ar); });
    } catch (CArchiveException* e) {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(nCause, CArchiveException::badSchema);

    // A size claiming more bytes than the archive holds.
    nCause = -1;
    try {
        LoadBytes(Stored(DevNames(), "", 1, 5000), [&](CArchive& ar) { device.Serialize(ar); });
    } catch (CArchiveException* e) {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(nCause, CArchiveException::endOfFile);
    EXPECT_EQ(device.m_hDevNames, nullptr);
}

TEST_F(PrintDeviceArchive, AssigningADeviceToItselfKeepsItsBlocks)
{
    const std::string names = DevNames();
    CGXPrintDevice device;
    device.SetDeviceData(names.data(), (DWORD)names.size(), nullptr, 0);
    CGXPrintDevice& same = device;
    device = same;
    ASSERT_NE(device.m_hDevNames, nullptr);
    EXPECT_EQ(::GlobalSize(device.m_hDevNames), names.size());
    CGXPrintDevice other;
    other = device;
    EXPECT_NE(other.m_hDevNames, nullptr);
    EXPECT_NE(other.m_hDevNames, device.m_hDevNames);
}

TEST(PrintDeviceWithoutFeature, DoesNothingAndHasNoDC)
{
    CGXAbstractPrintDeviceImp* pOld = GXGetLibraryState().m_pPrintDeviceImp;
    GXGetLibraryState().m_pPrintDeviceImp = nullptr;
    {
        CGXPrintDevice device;
        const std::string names = DevNames();
        device.SetDeviceData(names.data(), (DWORD)names.size(), nullptr, 0);
        EXPECT_EQ(device.m_hDevNames, nullptr);
        EXPECT_EQ(device.GetPrinterDC(), nullptr);
        // Stored without a feature: both sizes 0, which loads as no device.
        const std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { device.Serialize(ar); });
        EXPECT_EQ(bytes, Stored("", ""));
    }
    GXGetLibraryState().m_pPrintDeviceImp = pOld;
}
} // namespace
