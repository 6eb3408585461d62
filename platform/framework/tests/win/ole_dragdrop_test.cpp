// OLE drag and drop inside the process: data offered by a data source and read through a
// data object, and a drag run by the system's loop from a source to a registered target.
#include <gtest/gtest.h>

#include "fw/oledragdrop.h"
#include "fw_test_support.h"

#include <string>

namespace {

class OleDragDropTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        cfText = (CLIPFORMAT)::RegisterClipboardFormatA("FwTestDragFormat");
        ASSERT_NE(cfText, 0);
    }
    void TearDown() override { ::OleUninitialize(); }

    static HGLOBAL GlobalOf(const std::string& text)
    {
        HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, text.size());
        memcpy(::GlobalLock(hGlobal), text.data(), text.size());
        ::GlobalUnlock(hGlobal);
        return hGlobal;
    }
    static std::string TextOf(HGLOBAL hGlobal)
    {
        std::string text((const char*)::GlobalLock(hGlobal), ::GlobalSize(hGlobal));
        ::GlobalUnlock(hGlobal);
        return text;
    }

    CLIPFORMAT cfText = 0;
};

TEST_F(OleDragDropTest, ADataObjectReadsWhatTheSourceOffers)
{
    COleDataSource source;
    source.CacheGlobalData(cfText, GlobalOf("slug\0page 12"));
    source.CacheGlobalData(CF_TEXT, GlobalOf(std::string("plain\0", 6)));

    COleDataObject data;
    data.Attach(source.GetDataObject(), TRUE);
    EXPECT_TRUE(data.IsDataAvailable(cfText));
    EXPECT_TRUE(data.IsDataAvailable(CF_TEXT));
    EXPECT_FALSE(data.IsDataAvailable(CF_BITMAP));

    HGLOBAL hGlobal = data.GetGlobalData(cfText);
    ASSERT_NE(hGlobal, nullptr);
    EXPECT_EQ(TextOf(hGlobal), std::string("slug"));
    ::GlobalFree(hGlobal); // a copy: the source keeps its own
    hGlobal = data.GetGlobalData(cfText);
    ASSERT_NE(hGlobal, nullptr);
    ::GlobalFree(hGlobal);
    EXPECT_EQ(data.GetGlobalData(CF_BITMAP), nullptr);

    CFile* pFile = data.GetFileData(CF_TEXT);
    ASSERT_NE(pFile, nullptr);
    char buffer[16] = {};
    EXPECT_EQ(pFile->Read(buffer, sizeof buffer), 6u);
    EXPECT_STREQ(buffer, "plain");
    delete pFile;

    int nFormats = 0;
    FORMATETC formatEtc;
    data.BeginEnumFormats();
    while (data.GetNextFormat(&formatEtc))
        nFormats++;
    EXPECT_EQ(nFormats, 2);
}

// A target that takes copies of cfText and keeps what was dropped.
class CTextDropTarget : public COleDropTarget
{
public:
    explicit CTextDropTarget(CLIPFORMAT cf) : m_cf(cf) { }
    DROPEFFECT OnDragEnter(CWnd*, COleDataObject* pData, DWORD, CPoint) override
    {
        m_nEnters++;
        return pData->IsDataAvailable(m_cf) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject* pData, DWORD, CPoint) override
    {
        return pData->IsDataAvailable(m_cf) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pData, DROPEFFECT, CPoint point) override
    {
        HGLOBAL hGlobal = pData->GetGlobalData(m_cf);
        if (hGlobal == nullptr)
            return FALSE;
        m_strDropped.assign((const char*)::GlobalLock(hGlobal), ::GlobalSize(hGlobal));
        ::GlobalUnlock(hGlobal);
        ::GlobalFree(hGlobal);
        m_pWnd = pWnd;
        m_ptDrop = point;
        return TRUE;
    }
    CLIPFORMAT m_cf;
    int m_nEnters = 0;
    std::string m_strDropped;
    CWnd* m_pWnd = nullptr;
    CPoint m_ptDrop {-1, -1};
};

// Lets the system's loop go round a few times with the button held, then drops.
class CDropSoon : public COleDropSource
{
public:
    SCODE QueryContinueDrag(BOOL, DWORD) override
    {
        if (++m_nAsked > 50)
            return DRAGDROP_S_CANCEL; // never keeps a test waiting
        return m_nAsked < 2 ? S_OK : DRAGDROP_S_DROP;
    }
    int m_nAsked = 0;
};

TEST_F(OleDragDropTest, ADragRunByTheSystemDropsOnTheRegisteredWindow)
{
    CWnd wnd;
    // Topmost: a window another test process leaves on the shared screen must not cover the
    // point where the system looks for the target.
    ASSERT_TRUE(wnd.CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), "Drop here",
                             WS_POPUP | WS_VISIBLE | WS_BORDER, 100, 100, 300, 200, nullptr,
                             nullptr));
    wnd.UpdateWindow();
    CTextDropTarget target(cfText);
    ASSERT_TRUE(target.Register(&wnd));
    EXPECT_FALSE(target.Register(&wnd)); // once

    // The pointer over the window, where the system looks for the target.
    ::SetCursorPos(250, 200);
    COleDataSource source;
    source.CacheGlobalData(cfText, GlobalOf("Morning rundown"));
    CDropSoon dropSource;
    DROPEFFECT effect = source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, nullptr, &dropSource);
    EXPECT_EQ(effect, (DROPEFFECT)DROPEFFECT_COPY);
    EXPECT_EQ(target.m_nEnters, 1);
    EXPECT_EQ(target.m_strDropped, "Morning rundown");
    EXPECT_EQ(target.m_pWnd, &wnd);
    CPoint ptExpected(250, 200);
    wnd.ScreenToClient(&ptExpected);
    EXPECT_EQ(target.m_ptDrop, ptExpected);

    // Data the target does not take: nothing dropped.
    target.m_strDropped.clear();
    COleDataSource other;
    other.CacheGlobalData(CF_TEXT, GlobalOf("text"));
    CDropSoon dropSource2;
    EXPECT_EQ(other.DoDragDrop(DROPEFFECT_COPY, nullptr, &dropSource2),
              (DROPEFFECT)DROPEFFECT_NONE);
    EXPECT_EQ(target.m_strDropped, "");
    target.Revoke();
    wnd.DestroyWindow();
}

} // namespace
