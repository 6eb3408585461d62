// OLE object cells of a browser grid, run through COM: a test object class is registered
// with COM in this process as a local server under a ProgID, a cell holds a stored block of
// one such object; the cell's button loads it into a running object that shows, a change
// the object saves comes back into the cell as a new block, and a damaged block, a value of
// another type or a refused Insert Object step tells the user instead.
#include "ArchiveBytes.h"
#include "ControlTestSupport.h"
#include "GridTestWindow.h"
#include "controls/GXArrowButton.h"
#include "controls/GXBrowseParam.h"
#include "controls/GXOleObjectHeader.h"
#include "controls/GXOlePreview.h"
#include "controls/GXOleViewer.h"
#include "core/GXOleVarUserAttribute.h"
#include "core/GXResourceString.h"
#include "res/GXResource.h"
#include <gtest/gtest.h>

#include <ole2.h>
#include <string>
#include <vector>

// An application's browser grid, known to the library by its class name.
class CGXBrowserGrid : public CGXGridWnd
{
    DECLARE_DYNAMIC(CGXBrowserGrid)
};
IMPLEMENT_DYNAMIC(CGXBrowserGrid, CGXGridWnd)

namespace {
const UINT kOleControl = 20132;
const CLSID CLSID_GridTestObject = {
    0x5d2e8a41, 0x77c3, 0x4f0b, {0x9e, 0x61, 0x0a, 0x4b, 0x3c, 0x2d, 0x1e, 0x0f}};
const char kProgID[] = "MqGridTest.Object";
const char kClsidText[] = "{5D2E8A41-77C3-4F0B-9E61-0A4B3C2D1E0F}";
const wchar_t kContents[] = L"Contents";

// What the test objects saw, across all instances.
struct ObjectLog
{
    int nCreated = 0, nShown = 0, nLoaded = 0, nAdvised = 0, nClosed = 0;
    std::string strLoaded;
    IOleClientSite* pSite = nullptr; // of the last object, not held
    class CTestObject* pLast = nullptr;
};
ObjectLog g_log;

// The embedded object: its content is one text in the stream "Contents" of its storage.
class CTestObject : public IOleObject, public IPersistStorage
{
public:
    CTestObject() { ++g_log.nCreated, g_log.pLast = this; }
    std::string m_strText;
    BOOL m_bDirty = FALSE;
    IOleClientSite* m_pSite = nullptr;
    IAdviseSink* m_pSink = nullptr;

    // A change made in the server: it saves through its site, as a server does.
    HRESULT ChangeAndSave(const char* pszText)
    {
        m_strText = pszText;
        m_bDirty = TRUE;
        return m_pSite != nullptr ? m_pSite->SaveObject() : E_UNEXPECTED;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IOleObject)
            *ppv = static_cast<IOleObject*>(this);
        else if (riid == IID_IPersistStorage || riid == IID_IPersist)
            *ppv = static_cast<IPersistStorage*>(this);
        else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG n = --m_nRefs;
        if (n == 0) {
            if (g_log.pLast == this)
                g_log.pLast = nullptr;
            delete this;
        }
        return n;
    }
    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* pSite) override
    {
        if (m_pSite != nullptr)
            m_pSite->Release();
        m_pSite = pSite;
        if (m_pSite != nullptr)
            m_pSite->AddRef();
        g_log.pSite = pSite;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** pp) override
    {
        *pp = m_pSite;
        if (m_pSite != nullptr)
            m_pSite->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Close(DWORD) override
    {
        ++g_log.nClosed;
        if (m_pSink != nullptr)
            m_pSink->OnClose();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DoVerb(LONG iVerb, LPMSG, IOleClientSite*, LONG, HWND,
                                     LPCRECT) override
    {
        if (iVerb == OLEIVERB_SHOW)
            ++g_log.nShown;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* pClsid) override
    {
        *pClsid = CLSID_GridTestObject;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR* ppsz) override
    {
        static const wchar_t name[] = L"Grid Test Object";
        *ppsz = (LPOLESTR)::CoTaskMemAlloc(sizeof name);
        memcpy(*ppsz, name, sizeof name);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* pSink, DWORD* pdw) override
    {
        ++g_log.nAdvised;
        if (m_pSink != nullptr)
            m_pSink->Release();
        m_pSink = pSink;
        m_pSink->AddRef();
        *pdw = 7;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override
    {
        if (m_pSink != nullptr)
            m_pSink->Release();
        m_pSink = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD, DWORD* pdw) override
    {
        *pdw = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }
    // IPersistStorage
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* pClsid) override
    {
        *pClsid = CLSID_GridTestObject;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE IsDirty() override { return m_bDirty ? S_OK : S_FALSE; }
    HRESULT STDMETHODCALLTYPE InitNew(IStorage*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Load(IStorage* pStorage) override
    {
        IStream* pStream = nullptr;
        HRESULT hr =
            pStorage->OpenStream(kContents, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pStream);
        if (FAILED(hr))
            return hr;
        char buffer[256] = {};
        ULONG nRead = 0;
        pStream->Read(buffer, sizeof buffer - 1, &nRead);
        pStream->Release();
        m_strText.assign(buffer, nRead);
        ++g_log.nLoaded;
        g_log.strLoaded = m_strText;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Save(IStorage* pStorage, BOOL) override
    {
        IStream* pStream = nullptr;
        HRESULT hr = pStorage->CreateStream(
            kContents, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0, &pStream);
        if (FAILED(hr))
            return hr;
        hr = pStream->Write(m_strText.data(), (ULONG)m_strText.size(), nullptr);
        pStream->Release();
        m_bDirty = FALSE;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE HandsOffStorage() override { return S_OK; }

private:
    virtual ~CTestObject()
    {
        SetClientSite(nullptr);
        Unadvise(0);
    }
    ULONG m_nRefs = 1;
};

class CTestFactory : public IClassFactory
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *ppv = this;
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override
    {
        if (pOuter != nullptr)
            return CLASS_E_NOAGGREGATION;
        CTestObject* p = new CTestObject;
        const HRESULT hr = p->QueryInterface(riid, ppv);
        p->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};
CTestFactory g_factory;

void SetKey(const std::string& strKey, const char* pszValue)
{
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyA(HKEY_CLASSES_ROOT, strKey.c_str(), &hKey));
    ::RegSetValueExA(hKey, nullptr, 0, REG_SZ, (const BYTE*)pszValue, (DWORD)strlen(pszValue) + 1);
    ::RegCloseKey(hKey);
}

// A stored block of a test object holding a text, made as the viewer makes one: the
// object's storage as an OLE 1 stream behind the header.
std::vector<BYTE> StoredBlock(const char* pszText)
{
    ILockBytes* pLockBytes = nullptr;
    IStorage* pStorage = nullptr;
    std::vector<BYTE> block;
    if (FAILED(::CreateILockBytesOnHGlobal(nullptr, TRUE, &pLockBytes)))
        return block;
    if (SUCCEEDED(::StgCreateDocfileOnILockBytes(
            pLockBytes, STGM_CREATE | STGM_SHARE_EXCLUSIVE | STGM_READWRITE, 0, &pStorage))) {
        ::WriteClassStg(pStorage, CLSID_GridTestObject);
        IStream* pStream = nullptr;
        pStorage->CreateStream(kContents, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                               &pStream);
        if (pStream != nullptr) {
            pStream->Write(pszText, (ULONG)strlen(pszText), nullptr);
            pStream->Release();
        }
        pStorage->Commit(STGC_DEFAULT);
        struct Writer : OLESTREAM
        {
            std::vector<BYTE> bytes;
        } writer;
        static OLESTREAMVTBL vtbl = {nullptr, [](LPOLESTREAM p, const void* pv, DWORD cb) -> DWORD {
                                         auto* w = static_cast<Writer*>(p);
                                         w->bytes.insert(w->bytes.end(), (const BYTE*)pv,
                                                         (const BYTE*)pv + cb);
                                         return cb;
                                     }};
        writer.lpstbl = &vtbl;
        if (SUCCEEDED(::OleConvertIStorageToOLESTREAM(pStorage, &writer)))
            block = CGXOleObjectHeader::BuildBlock("Grid Test Object", kProgID, writer.bytes.data(),
                                                   writer.bytes.size());
        pStorage->Release();
    }
    pLockBytes->Release();
    return block;
}

VARIANT ByteArray(const std::vector<BYTE>& bytes)
{
    VARIANT var;
    ::VariantInit(&var);
    SAFEARRAY* pArray = ::SafeArrayCreateVector(VT_UI1, 0, (ULONG)bytes.size());
    void* pv = nullptr;
    ::SafeArrayAccessData(pArray, &pv);
    memcpy(pv, bytes.data(), bytes.size());
    ::SafeArrayUnaccessData(pArray);
    var.vt = VT_ARRAY | VT_UI1;
    var.parray = pArray;
    return var;
}

class OleCell : public ::testing::Test
{
protected:
    OleCell()
        : m_w((GXTestStartLibrary(), ::OleInitialize(nullptr), 10), 5, 500, 300, new CGXBrowserGrid)
    {
        g_log = ObjectLog();
        SetKey(std::string(kProgID) + "\\CLSID", kClsidText);
        SetKey(std::string("CLSID\\") + kClsidText + "\\ProgID", kProgID);
        m_bRegistered =
            SUCCEEDED(::CoRegisterClassObject(CLSID_GridTestObject, &g_factory, CLSCTX_LOCAL_SERVER,
                                              REGCLS_MULTIPLEUSE, &m_dwCookie));
        m_previous = AfxSetMessageBoxAnswerer([this](const AFX_MESSAGEBOX_REQUEST& r) {
            m_messages.push_back((LPCTSTR)r.strText);
            return IDOK;
        });
        grid().SetColWidth(1, 5, 120);
    }
    ~OleCell() override
    {
        AfxSetMessageBoxAnswerer(m_previous);
        if (m_bRegistered)
            ::CoRevokeClassObject(m_dwCookie);
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string(kProgID) + "\\CLSID").c_str());
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, kProgID);
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT,
                        (std::string("CLSID\\") + kClsidText + "\\ProgID").c_str());
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string("CLSID\\") + kClsidText).c_str());
    }
    CGXGridWnd& grid() { return m_w.Grid(); }
    // An OLE cell holding the variant.
    void PutObject(ROWCOL nRow, ROWCOL nCol, const VARIANT& var)
    {
        CGXStyle style;
        style.SetControl(kOleControl);
        style.SetUserAttributePtr(GX_IDS_UA_PICTUREDATA, new CGXOleVarUserAttribute(var));
        grid().SetStyleRange(CGXRange(nRow, nCol, nRow, nCol), style);
    }
    CGXOlePreview* CellControl(ROWCOL nRow, ROWCOL nCol)
    {
        if (!grid().SetCurrentCell(nRow, nCol))
            return nullptr;
        return dynamic_cast<CGXOlePreview*>(grid().GetCurrentCellControl());
    }
    // The block the cell holds now (empty without one).
    std::vector<BYTE> CellBlock(ROWCOL nRow, ROWCOL nCol)
    {
        CGXStyle style;
        grid().ComposeStyleRowCol(nRow, nCol, &style);
        if (!style.HasUserAttribute(GX_IDS_UA_PICTUREDATA))
            return {};
        const auto* pAttr = dynamic_cast<const CGXOleVarUserAttribute*>(
            &style.GetUserAttribute(GX_IDS_UA_PICTUREDATA));
        return pAttr != nullptr ? CGXGenericViewerImpl::BytesOf(pAttr->GetVariant())
                                : std::vector<BYTE>();
    }
    CGridTestWindow m_w;
    BOOL m_bRegistered = FALSE;
    DWORD m_dwCookie = 0;
    AFX_MESSAGEBOX_ANSWERER m_previous;
    std::vector<std::string> m_messages;
};

std::string Text(UINT nID)
{
    CString str;
    GXLoadString(nID, str);
    return (LPCTSTR)str;
}
} // namespace

TEST_F(OleCell, OnlyABrowserGridMakesTheControlItsButtonSitsAtTheTopRight)
{
    ASSERT_TRUE(m_bRegistered);
    CGXOlePreview* pControl =
        dynamic_cast<CGXOlePreview*>(grid().GetRegisteredControl(kOleControl));
    ASSERT_NE(pControl, nullptr);
    CGridTestWindow plain(5, 5, 200, 100);
    EXPECT_EQ(nullptr,
              dynamic_cast<CGXOlePreview*>(plain.Grid().GetRegisteredControl(kOleControl)));

    PutObject(2, 2, VARIANT());
    ASSERT_EQ(CellControl(2, 2), pControl);
    const CRect rectCell = grid().CalcRectFromRowCol(2, 2);
    const CRect rectText = pControl->GetCellRect(2, 2);
    const CRect rectButton = pControl->GetButton()->GetRect();
    EXPECT_EQ(13, rectButton.Width());
    EXPECT_EQ(13, rectButton.Height());
    EXPECT_EQ(rectText.right + 13 - 1, rectButton.right) << "one pixel inside the right edge";
    EXPECT_EQ(rectText.top, rectButton.top);
    EXPECT_TRUE(rectCell.PtInRect(rectButton.TopLeft()));
    EXPECT_LE(rectButton.right, rectCell.right);
}

TEST_F(OleCell, TheButtonRunsTheStoredObjectAndItsSavedChangeComesBackIntoTheCell)
{
    ASSERT_TRUE(m_bRegistered);
    const std::vector<BYTE> block = StoredBlock("first text");
    ASSERT_FALSE(block.empty()) << "OLE 1 conversion of a storage";
    VARIANT var = ByteArray(block);
    PutObject(3, 2, var);
    ::VariantClear(&var);
    CGXOlePreview* pControl = CellControl(3, 2);
    ASSERT_NE(pControl, nullptr);
    ASSERT_TRUE(pControl->HasStoredObject());

    pControl->OnChildButtonClicked(pControl->GetButton());
    EXPECT_TRUE(m_messages.empty()) << (m_messages.empty() ? "" : m_messages[0]);
    ASSERT_EQ(1, g_log.nCreated) << "made through COM from the ProgID's class";
    EXPECT_EQ(1, g_log.nLoaded);
    EXPECT_EQ("first text", g_log.strLoaded);
    EXPECT_EQ(1, g_log.nShown);
    EXPECT_EQ(1, g_log.nAdvised);
    ASSERT_NE(g_log.pLast, nullptr);
    ASSERT_NE(pControl->GetOpenViewer(), nullptr);
    EXPECT_TRUE(pControl->IsActive());

    // The server changes the object and saves it: the cell is modified and, once left,
    // holds a new block of the changed object.
    ASSERT_EQ(S_OK, g_log.pLast->ChangeAndSave("second text"));
    EXPECT_TRUE(pControl->GetModify());
    ASSERT_TRUE(grid().SetCurrentCell(5, 4));
    EXPECT_EQ(nullptr, pControl->GetOpenViewer());
    EXPECT_GE(g_log.nClosed, 1);
    const std::vector<BYTE> stored = CellBlock(3, 2);
    CGXOleObjectHeader header;
    ASSERT_TRUE(header.Read(stored.data(), stored.size()));
    EXPECT_STREQ(header.m_strProgID, kProgID);
    EXPECT_STREQ(header.m_strUserType, "Grid Test Object");
    EXPECT_NE(stored, block);

    // Opened again, the object loads the changed text.
    pControl = CellControl(3, 2);
    ASSERT_NE(pControl, nullptr);
    pControl->OnChildButtonClicked(pControl->GetButton());
    EXPECT_EQ(2, g_log.nLoaded);
    EXPECT_EQ("second text", g_log.strLoaded);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(OleCell, ADamagedBlockOrAnotherValueTellsTheUserAndRunsNothing)
{
    ASSERT_TRUE(m_bRegistered);
    std::vector<BYTE> damaged = StoredBlock("text");
    ASSERT_GT(damaged.size(), 20u);
    struct Case
    {
        const char* pszWhat;
        VARIANT var;
    };
    std::vector<Case> cases;
    damaged[0] = 0; // the signature
    cases.push_back({"signature", ByteArray(damaged)});
    damaged = StoredBlock("text");
    damaged[14] = 0xF0, damaged[15] = 0xFF; // the class field past the block
    cases.push_back({"class offset", ByteArray(damaged)});
    std::vector<BYTE> unknown =
        CGXOleObjectHeader::BuildBlock("Thing", "No.Such.ProgID.Here", damaged.data() + 60, 40);
    cases.push_back({"unknown class", ByteArray(unknown)});
    VARIANT number;
    ::VariantInit(&number);
    number.vt = VT_I4;
    number.lVal = 5;
    cases.push_back({"a number", number});
    for (Case& c : cases) {
        m_messages.clear();
        PutObject(2, 3, c.var);
        ::VariantClear(&c.var);
        CGXOlePreview* pControl = CellControl(2, 3);
        ASSERT_NE(pControl, nullptr) << c.pszWhat;
        pControl->OnChildButtonClicked(pControl->GetButton());
        ASSERT_EQ(1u, m_messages.size()) << c.pszWhat;
        EXPECT_EQ(Text(20134), m_messages[0]) << c.pszWhat;
        EXPECT_EQ(nullptr, pControl->GetOpenViewer()) << c.pszWhat;
        EXPECT_FALSE(pControl->IsActive()) << c.pszWhat;
        ASSERT_TRUE(grid().SetCurrentCell(1, 1));
    }
    EXPECT_EQ(0, g_log.nCreated);
}

TEST_F(OleCell, AnEmptyCellAsksForANewObjectThroughTheModalSeam)
{
    std::vector<CString> captions;
    INT_PTR nAnswer = 2; // the dialog's Cancel
    AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([&](const AFX_MODAL_REQUEST& request) {
        captions.push_back(request.strCaption);
        return AFX_MODAL_REPLY::Answer(nAnswer);
    });
    PutObject(4, 4, VARIANT());
    CGXOlePreview* pControl = CellControl(4, 4);
    ASSERT_NE(pControl, nullptr);
    pControl->OnChildButtonClicked(pControl->GetButton());
    ASSERT_EQ(1u, captions.size());
    EXPECT_STREQ(captions[0], Text(20205).c_str());
    EXPECT_TRUE(m_messages.empty()) << "Cancel says nothing";
    EXPECT_FALSE(pControl->IsActive());

    nAnswer = 503; // any other end of the dialog: the insertion failed
    pControl->OnChildButtonClicked(pControl->GetButton());
    ASSERT_EQ(1u, m_messages.size());
    EXPECT_EQ(Text(20207), m_messages[0]);
    AfxSetModalAnswerer(previous);
}

TEST(GridBrowseParam, ArchivesItsByteAndRefusesANewerVersion)
{
    GXTestStartLibrary();
    CGXBrowseParam param;
    param.m_byValue = 42;
    const std::vector<BYTE> bytes = StoreBytes([&](CArchive& ar) { param.Serialize(ar); });
    CGXBrowseParam read;
    LoadBytes(bytes, [&](CArchive& ar) { read.Serialize(ar); });
    EXPECT_EQ(42, read.m_byValue);

    CGXGridParam plain;
    const std::vector<BYTE> newer = StoreBytes([&](CArchive& ar) {
        plain.Serialize(ar);
        ar << (WORD)3 << (BYTE)7;
        ar.WriteObject(nullptr);
    });
    int nCause = CArchiveException::none;
    try {
        CGXBrowseParam refused;
        LoadBytes(newer, [&](CArchive& ar) { refused.Serialize(ar); });
    } catch (CArchiveException* e) {
        nCause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CArchiveException::badSchema, nCause);

    // A copy takes the byte, the switches and the limit.
    CGXBrowseParam copy;
    param.m_bFlag2 = FALSE;
    param.m_nLimit = 99;
    static_cast<CGXGridParam&>(copy) = param;
    EXPECT_EQ(42, copy.m_byValue);
    EXPECT_FALSE(copy.m_bFlag2);
    EXPECT_EQ(99, copy.m_nLimit);
}
