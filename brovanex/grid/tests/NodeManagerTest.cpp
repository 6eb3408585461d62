// The keyed managers free exactly what they hold (handles, interface references, nodes),
// and the system-coloured bitmaps take the button colours of the system.
#include "core/GXDIB.h"
#include "core/GXNodeManager.h"
#include "fw/resource_chain.h"
#include "fw/dc.h"
#include "fw/gdi.h"
#include <gtest/gtest.h>
#include <vector>

namespace {
// Counts its references and reports when it goes.
class CCountedUnknown final : public IUnknown
{
public:
    explicit CCountedUnknown(int& nDeleted) : m_nDeleted(nDeleted) { }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** ppv) override
    {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_nRefs; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG n = --m_nRefs;
        if (n == 0) {
            ++m_nDeleted;
            delete this;
        }
        return n;
    }
    ULONG m_nRefs = 1;

private:
    int& m_nDeleted;
};

struct CNode
{
    explicit CNode(int& nDeleted) : m_nDeleted(nDeleted) { }
    virtual ~CNode() { ++m_nDeleted; }
    int& m_nDeleted;
};
} // namespace

TEST(NodeManager, NodesAreDeletedOnceWhenReplacedRemovedOrLeft)
{
    int nDeleted = 0;
    {
        CGXNodeManager<CNode> manager;
        CNode* pA = new CNode(nDeleted);
        manager.SetAt(5, pA);
        manager.SetAt(5, pA); // the same node again: kept, not deleted
        EXPECT_EQ(0, nDeleted);
        EXPECT_EQ(pA, manager.Lookup(5));
        manager.SetAt(5, new CNode(nDeleted)); // a different one replaces and frees it
        EXPECT_EQ(1, nDeleted);
        manager.SetAt(40, new CNode(nDeleted));
        CNode* pKept = manager.Lookup(40);
        EXPECT_TRUE(manager.RemoveKey(40, FALSE)); // handed back to the caller
        EXPECT_EQ(1, nDeleted);
        delete pKept;
        EXPECT_EQ(2, nDeleted);
        EXPECT_FALSE(manager.RemoveKey(40));
        manager.SetAt(0xFFFFFFFF, new CNode(nDeleted));
        EXPECT_EQ(2, manager.GetCount());
        EXPECT_EQ(nullptr, manager.Lookup(6));
    }
    EXPECT_EQ(4, nDeleted); // the two left are deleted by the destructor
}

TEST(NodeManager, InterfacesKeepOneReferenceEachAndARepeatIsBalanced)
{
    int nDeleted = 0;
    CCountedUnknown* pA = new CCountedUnknown(nDeleted);
    CCountedUnknown* pB = new CCountedUnknown(nDeleted);
    {
        CGXInterfaceManager<IUnknown> manager;
        manager.SetAt(1, pA); // takes the first reference
        pA->AddRef();
        manager.SetAt(1, pA); // registered again: the repeat's reference is released
        EXPECT_EQ(1u, pA->m_nRefs);
        pA->AddRef(); // ours, kept beyond the manager
        manager.SetAt(1, pB); // another interface: the old one's reference goes
        EXPECT_EQ(1u, pA->m_nRefs);
        EXPECT_EQ(pB, manager.Lookup(1));
        manager.SetAt(2, nullptr);
        EXPECT_TRUE(manager.RemoveKey(2));
    }
    EXPECT_EQ(1, nDeleted); // pB with the manager
    pA->Release();
    EXPECT_EQ(2, nDeleted);
}

TEST(NodeManager, HandlesAreFreedWithTheManager)
{
    HGLOBAL h1 = ::GlobalAlloc(GMEM_MOVEABLE, 16), h2 = ::GlobalAlloc(GMEM_MOVEABLE, 16);
    {
        CGXHandleManager manager;
        manager.SetAt(7, h1);
        manager.SetAt(8, h2);
        EXPECT_TRUE(manager.RemoveKey(8, FALSE));
        EXPECT_EQ(1, manager.GetCount());
    }
    // h2 was handed back and is still ours; h1 went with the manager.
    EXPECT_EQ(16u, ::GlobalSize(h2));
    EXPECT_EQ(nullptr, ::GlobalFree(h2));
}

TEST(SysColorBitmap, PaletteGreysBecomeTheSystemsButtonColours)
{
    const LPCTSTR pszName = MAKEINTRESOURCE(20024);
    HGLOBAL hDIB = GXLoadDIBResource(AfxGetResourceHandle(), pszName);
    ASSERT_NE(nullptr, hDIB);
    CBitmap mapped;
    ASSERT_TRUE(GXLoadSysColorBitmap(mapped, pszName));
    BITMAP bm = {};
    ASSERT_TRUE(mapped.GetObject(sizeof bm, &bm));

    // The same resource drawn as it is, for comparison pixel by pixel.
    CClientDC screen(nullptr);
    CDC dcPlain, dcMapped;
    dcPlain.CreateCompatibleDC(&screen);
    dcMapped.CreateCompatibleDC(&screen);
    CBitmap plain;
    plain.CreateCompatibleBitmap(&screen, bm.bmWidth, bm.bmHeight);
    CBitmap* pOldPlain = dcPlain.SelectObject(&plain);
    CBitmap* pOldMapped = dcMapped.SelectObject(&mapped);
    ASSERT_TRUE(GXDrawDIB(&dcPlain, hDIB, CRect(0, 0, bm.bmWidth, bm.bmHeight), 0, 0));
    const struct
    {
        COLORREF crFrom;
        int nSysColor;
    } cases[] = {{RGB(0, 0, 0), COLOR_BTNTEXT},
                 {RGB(128, 128, 128), COLOR_BTNSHADOW},
                 {RGB(192, 192, 192), COLOR_BTNFACE},
                 {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT}};
    int nMapped = 0, nOther = 0;
    for (int y = 0; y < bm.bmHeight; ++y)
        for (int x = 0; x < bm.bmWidth; ++x) {
            const COLORREF crPlain = dcPlain.GetPixel(x, y), crMapped = dcMapped.GetPixel(x, y);
            COLORREF crExpected = crPlain;
            for (const auto& c : cases)
                if (crPlain == c.crFrom)
                    crExpected = ::GetSysColor(c.nSysColor) & 0xFFFFFF;
            ASSERT_EQ(crExpected, crMapped) << x << "," << y;
            (crExpected != crPlain ? nMapped : nOther) += 1;
        }
    EXPECT_GT(nMapped + nOther, 0);
    dcPlain.SelectObject(pOldPlain);
    dcMapped.SelectObject(pOldMapped);
    ::GlobalFree(hDIB);

    CBitmap missing;
    EXPECT_FALSE(GXLoadSysColorBitmap(missing, MAKEINTRESOURCE(31999)));
    EXPECT_EQ(nullptr, missing.GetSafeHandle());
}
