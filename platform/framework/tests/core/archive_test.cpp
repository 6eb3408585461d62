// CArchive: the exact bytes of every stored form, round trips, and loading of
// truncated or corrupted streams (always CArchiveException with the right cause, never a
// read past the end or an allocation sized by a stated length alone).
#include <gtest/gtest.h>

#include "archive_support.h"

#include <memory>

namespace {

Bytes ClassRecord(WORD wSchema, const std::string& name)
{
    return Concat(
        {{0xFF, 0xFF, (BYTE)wSchema, (BYTE)(wSchema >> 8), (BYTE)name.size(), 0x00}, Text(name)});
}

} // namespace

TEST(ArchiveBytes, NumbersAreLittleEndianAtTheirWidth)
{
    Bytes bytes = StoreBytes([](CArchive& ar) {
        ar << (BYTE)0x12 << (WORD)0x3456 << (LONG)-2 << (DWORD)0x89ABCDEF << (int)7 << 1.0f << 1.5
           << (LONGLONG)-1;
    });
    Bytes expected = {0x12, 0x56, 0x34, 0xFE, 0xFF, 0xFF, 0xFF, 0xEF, 0xCD, 0xAB, 0x89, 0x07,
                      0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x00, 0x00, 0x00,
                      0x00, 0xF8, 0x3F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(bytes, expected);

    LoadBytes(bytes, [](CArchive& ar) {
        BYTE by;
        WORD w;
        LONG l;
        DWORD dw;
        int i;
        float f;
        double d;
        LONGLONG ll;
        ar >> by >> w >> l >> dw >> i >> f >> d >> ll;
        EXPECT_EQ(by, 0x12);
        EXPECT_EQ(w, 0x3456);
        EXPECT_EQ(l, -2);
        EXPECT_EQ(dw, 0x89ABCDEFu);
        EXPECT_EQ(i, 7);
        EXPECT_EQ(f, 1.0f);
        EXPECT_EQ(d, 1.5);
        EXPECT_EQ(ll, -1);
        EXPECT_TRUE(ar.IsLoading());
        EXPECT_FALSE(ar.IsStoring());
    });
}

TEST(ArchiveBytes, StringLengthForms)
{
    struct Case
    {
        int nLength;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {1, {0x01}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {300, {0xFF, 0x2C, 0x01}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nLength);
        CString s;
        for (int i = 0; i < c.nLength; ++i)
            s += (char)('a' + i % 26);
        Bytes bytes = StoreBytes([&](CArchive& ar) { ar << s; });
        ASSERT_EQ(bytes.size(), c.prefix.size() + (size_t)c.nLength);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + (ptrdiff_t)c.prefix.size()), c.prefix);
        EXPECT_EQ(0, std::memcmp(bytes.data() + c.prefix.size(), (LPCSTR)s, (size_t)c.nLength));
        CString loaded("not empty");
        LoadBytes(bytes, [&](CArchive& ar) { ar >> loaded; });
        EXPECT_EQ(loaded, s);
    }
}

TEST(ArchiveBytes, CountForms)
{
    struct Case
    {
        DWORD nCount;
        Bytes bytes;
    } cases[] = {
        {0, {0x00, 0x00}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x12345678, {0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nCount);
        Bytes bytes = StoreBytes([&](CArchive& ar) { ar.WriteCount(c.nCount); });
        EXPECT_EQ(bytes, c.bytes);
        LoadBytes(bytes, [&](CArchive& ar) { EXPECT_EQ(ar.ReadCount(), (DWORD_PTR)c.nCount); });
    }
}

TEST(ArchiveBytes, ObjectRecords)
{
    CTestShape a, b;
    a.m_nSides = 3;
    b.m_nSides = 4;
    Bytes bytes = StoreBytes([&](CArchive& ar) {
        ar << (CObject*)nullptr; // null
        ar << &a; // new class (index 1), then the object (index 2)
        ar << &a; // the same object again: a back-reference
        ar << &b; // a known class: a class tag, then the object (index 3)
        ar << &b;
    });
    Bytes expected = Concat({{0x00, 0x00},
                             ClassRecord(1, "CTestShape"),
                             {0x03, 0x00, 0x00, 0x00},
                             {0x02, 0x00},
                             {0x01, 0x80, 0x04, 0x00, 0x00, 0x00},
                             {0x03, 0x00}});
    EXPECT_EQ(bytes, expected);

    LoadBytes(bytes, [](CArchive& ar) {
        CTestShape sentinel;
        CObject* pNull = &sentinel;
        ar >> pNull;
        EXPECT_EQ(pNull, nullptr);
        CTestShape *pA1, *pA2, *pB1, *pB2;
        ar >> pA1 >> pA2 >> pB1 >> pB2;
        std::unique_ptr<CTestShape> ownA(pA1), ownB(pB1);
        ASSERT_NE(pA1, nullptr);
        ASSERT_NE(pB1, nullptr);
        EXPECT_EQ(pA1, pA2); // one object, loaded once
        EXPECT_EQ(pB1, pB2);
        EXPECT_NE(pA1, pB1);
        EXPECT_EQ(pA1->m_nSides, 3);
        EXPECT_EQ(pB1->m_nSides, 4);
    });
}

TEST(ArchiveBytes, LargeIndexForms)
{
    // Map indexes from 0x7FFF on need the long tag and a DWORD, for objects and classes.
    const int nMapped = 0x7FFE; // with the null entry, the next index is 0x7FFF
    std::vector<CTestShape> fillers(nMapped);
    CTestShape a, b;
    Bytes bytes = StoreBytes([&](CArchive& ar) {
        for (CTestShape& f : fillers)
            ar.MapObject(&f);
        ar << &a << &a << &b;
    });
    Bytes expected = Concat({ClassRecord(1, "CTestShape"),
                             {0x00, 0x00, 0x00, 0x00}, // class 0x7FFF, object 0x8000
                             {0xFF, 0x7F, 0x00, 0x80, 0x00, 0x00}, // object 0x8000 again
                             {0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x80},
                             {0x00, 0x00, 0x00, 0x00}}); // class 0x7FFF
    EXPECT_EQ(bytes, expected);

    LoadBytes(bytes, [&](CArchive& ar) {
        for (CTestShape& f : fillers)
            ar.MapObject(&f);
        CTestShape *p1, *p2, *p3;
        ar >> p1 >> p2 >> p3;
        std::unique_ptr<CTestShape> own1(p1), own3(p3);
        EXPECT_EQ(p1, p2);
        EXPECT_NE(p1, p3);
        EXPECT_TRUE(p3->IsKindOf(RUNTIME_CLASS(CTestShape)));
    });
}

TEST(ArchiveRoundTrip, NestedObjectsAndSharedReferences)
{
    CTestGroup group;
    group.m_nSides = 1;
    group.m_pChild = new CTestShape;
    group.m_pChild->m_nSides = 5;
    Bytes bytes = StoreBytes([&](CArchive& ar) { ar << &group << group.m_pChild; });
    LoadBytes(bytes, [](CArchive& ar) {
        CTestGroup* pGroup;
        CTestShape* pChild;
        ar >> pGroup >> pChild;
        std::unique_ptr<CTestGroup> own(pGroup);
        ASSERT_NE(pGroup->m_pChild, nullptr);
        EXPECT_EQ(pGroup->m_pChild, pChild); // the second reference is the same object
        EXPECT_EQ(pGroup->m_pChild->m_nSides, 5);
        EXPECT_EQ(pGroup->m_nSides, 1);
    });
}

TEST(ArchiveRoundTrip, VersionableSchemaReadsOlderRecords)
{
    // Schema 1 of the versioned class had only the first field.
    Bytes older = Concat({ClassRecord(1, "CTestVersioned"), {0x34, 0x12}});
    LoadBytes(older, [](CArchive& ar) {
        CTestVersioned* p;
        ar >> p;
        std::unique_ptr<CTestVersioned> own(p);
        EXPECT_EQ(p->m_nLoadedSchema, 1u);
        EXPECT_EQ(p->m_wFirst, 0x1234);
    });
    CTestVersioned current;
    current.m_wFirst = 1;
    current.m_wSecond = 2;
    Bytes bytes = StoreBytes([&](CArchive& ar) { ar << &current; });
    EXPECT_EQ(bytes, Concat({ClassRecord(2, "CTestVersioned"), {0x01, 0x00, 0x02, 0x00}}));
}

TEST(ArchiveRoundTrip, CollectionsKeepOrderAndContents)
{
    CDWordArray dwords;
    for (DWORD i = 0; i < 5; ++i)
        dwords.Add(i * 0x01010101u);
    CStringArray strings;
    strings.Add("one");
    strings.Add("");
    strings.Add(CString('z', 300));
    CObList shapes;
    CTestShape a, b;
    a.m_nSides = 7;
    shapes.AddTail(&a);
    shapes.AddTail(&b);
    shapes.AddTail(&a);
    CMapStringToString names;
    names["ERT"] = "00:01:00";
    names["SOT"] = "00:00:30";

    Bytes bytes = StoreBytes([&](CArchive& ar) {
        dwords.Serialize(ar);
        strings.Serialize(ar);
        shapes.Serialize(ar);
        names.Serialize(ar);
    });
    // The DWORD array: a count, then its elements little-endian.
    Bytes head = {0x05, 0x00, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4};
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + (ptrdiff_t)head.size()), head);

    LoadBytes(bytes, [&](CArchive& ar) {
        CDWordArray dw2;
        CStringArray s2;
        CObList l2;
        CMapStringToString m2;
        dw2.Serialize(ar);
        s2.Serialize(ar);
        l2.Serialize(ar);
        m2.Serialize(ar);
        ASSERT_EQ(dw2.GetSize(), 5);
        EXPECT_EQ(dw2[4], 0x04040404u);
        ASSERT_EQ(s2.GetSize(), 3);
        EXPECT_EQ(s2[0], "one");
        EXPECT_EQ(s2[1], "");
        EXPECT_EQ(s2[2].GetLength(), 300);
        ASSERT_EQ(l2.GetCount(), 3);
        CObject* p0 = l2.GetHead();
        CObject* p1 = l2.GetAt(l2.FindIndex(1));
        EXPECT_EQ(p0, l2.GetTail());
        EXPECT_EQ(static_cast<CTestShape*>(p0)->m_nSides, 7);
        delete p0;
        delete p1;
        CString v;
        EXPECT_TRUE(m2.Lookup("SOT", v));
        EXPECT_EQ(v, "00:00:30");
        EXPECT_EQ(m2.GetCount(), 2);
    });
}

TEST(ArchiveBadInput, EveryTruncationFailsAsEndOfFile)
{
    CTestGroup group;
    group.m_pChild = new CTestShape;
    CString text('q', 300);
    CDWordArray numbers;
    numbers.SetSize(3);
    Bytes bytes = StoreBytes([&](CArchive& ar) {
        ar << text << &group;
        numbers.Serialize(ar);
        ar << 2.5;
    });
    auto read = [](CArchive& ar) {
        CString s;
        CTestGroup* p = nullptr;
        CDWordArray n;
        double d;
        ar >> s >> p;
        std::unique_ptr<CTestGroup> own(p);
        n.Serialize(ar);
        ar >> d;
    };
    EXPECT_EQ(LoadFailureCause(bytes, read), -1);
    for (size_t nCut = 0; nCut < bytes.size(); ++nCut) {
        SCOPED_TRACE(nCut);
        EXPECT_EQ(LoadFailureCause(Bytes(bytes.begin(), bytes.begin() + (ptrdiff_t)nCut), read),
                  CArchiveException::endOfFile);
    }
}

TEST(ArchiveBadInput, CorruptRecordsGiveTheirCause)
{
    auto readShape = [](CArchive& ar) {
        CTestShape* p = nullptr;
        ar >> p;
        delete p;
    };
    auto readObject = [](CArchive& ar) {
        CObject* p = ar.ReadObject(nullptr);
        delete p;
    };
    const Bytes sides = {0x03, 0x00, 0x00, 0x00};
    struct Case
    {
        const char* name;
        Bytes bytes;
        std::function<void(CArchive&)> read;
        int cause;
    } cases[] = {
        {"newer schema", Concat({ClassRecord(2, "CTestShape"), sides}), readShape,
         CArchiveException::badSchema},
        {"older schema", Concat({ClassRecord(0, "CTestShape"), sides}), readShape,
         CArchiveException::badSchema},
        {"unknown class", Concat({ClassRecord(1, "CNoSuchShape"), sides}), readShape,
         CArchiveException::badClass},
        {"class of another kind", Concat({ClassRecord(1, "CTestShape"), sides}),
         [](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(CTestGroup)); },
         CArchiveException::badClass},
        {"class that cannot be created", Concat({ClassRecord(0xFFFF, "CMemFile")}), readObject,
         CArchiveException::badClass},
        {"name too long", Concat({ClassRecord(1, std::string(70, 'C')), sides}), readShape,
         CArchiveException::badClass},
        {"back-reference to nothing", {0x05, 0x00}, readShape, CArchiveException::badIndex},
        {"class tag to nothing", {0x01, 0x80, 0, 0, 0, 0}, readShape, CArchiveException::badIndex},
        {"long back-reference to nothing",
         {0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00},
         readShape,
         CArchiveException::badIndex},
        // A wide string's marker is no length, even with the bytes to read one.
        {"wide-string marker", Concat({{0xFF, 0xFE, 0xFF, 0x03}, Bytes(70000, 'x')}),
         [](CArchive& ar) {
             CString s;
             ar >> s;
         },
         CArchiveException::generic},
        {"back-reference to a class", Concat({ClassRecord(1, "CTestShape"), sides, {0x01, 0x00}}),
         [](CArchive& ar) {
             CTestShape* p1 = nullptr;
             CTestShape* p2 = nullptr;
             ar >> p1;
             std::unique_ptr<CTestShape> own(p1);
             ar >> p2;
         },
         CArchiveException::badIndex},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(LoadFailureCause(c.bytes, c.read), c.cause);
    }
}

TEST(ArchiveBadInput, StatedLengthsBeyondTheStreamFailAtOnce)
{
    // A 4 GB string, a 4 G-element array and a 4 G-element list stated in ten bytes.
    const Bytes hugeString = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b', 'c'};
    const Bytes hugeCount = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
    EXPECT_EQ(LoadFailureCause(hugeString,
                               [](CArchive& ar) {
                                   CString s;
                                   ar >> s;
                               }),
              CArchiveException::endOfFile);
    EXPECT_EQ(LoadFailureCause(hugeCount,
                               [](CArchive& ar) {
                                   CDWordArray a;
                                   a.Serialize(ar);
                               }),
              CArchiveException::endOfFile);
    EXPECT_EQ(LoadFailureCause(hugeCount,
                               [](CArchive& ar) {
                                   CByteArray a;
                                   a.Serialize(ar);
                               }),
              CArchiveException::endOfFile);
    EXPECT_EQ(LoadFailureCause(hugeCount,
                               [](CArchive& ar) {
                                   CStringArray a;
                                   a.Serialize(ar);
                               }),
              CArchiveException::endOfFile);
    EXPECT_EQ(LoadFailureCause(hugeCount,
                               [](CArchive& ar) {
                                   CObArray a;
                                   a.Serialize(ar);
                               }),
              CArchiveException::endOfFile);
}

TEST(ArchiveBadInput, NestingIsBounded)
{
    // Groups nested inside one another, each holding the next: a class record, then
    // for each level its sides and a class tag for the child.
    auto nested = [](int nLevels) {
        Bytes bytes = ClassRecord(1, "CTestGroup");
        for (int i = 0; i < nLevels; ++i) {
            bytes.insert(bytes.end(), {0x00, 0x00, 0x00, 0x00});
            if (i + 1 < nLevels)
                bytes.insert(bytes.end(), {0x01, 0x80});
        }
        bytes.insert(bytes.end(), {0x00, 0x00}); // the innermost child is null
        return bytes;
    };
    auto read = [](CArchive& ar) {
        CTestGroup* p = nullptr;
        ar >> p;
        delete p;
    };
    EXPECT_EQ(LoadFailureCause(nested(100), read), -1);
    EXPECT_EQ(LoadFailureCause(nested(100000), read), CArchiveException::generic);
}

TEST(ArchiveModes, WrongDirectionAndClosing)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << (WORD)1;
        EXPECT_EQ(LoadFailureCause({},
                                   [&](CArchive&) {
                                       WORD w;
                                       ar >> w;
                                   }),
                  CArchiveException::writeOnly);
        // Not closed: the destructor flushes what was buffered.
    }
    EXPECT_EQ(file.GetLength(), 2u);
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    EXPECT_EQ(LoadFailureCause({}, [&](CArchive&) { ar << (WORD)1; }), CArchiveException::readOnly);
}

namespace twinA {
class CTwinShape : public CObject
{
    DECLARE_SERIAL(CTwinShape)
public:
    void Serialize(CArchive&) override { }
};
IMPLEMENT_SERIAL(CTwinShape, CObject, 1)
CRuntimeClass* ShapeClass() { return RUNTIME_CLASS(CTwinShape); }
} // namespace twinA

namespace twinB {
// The same class name from "another module": its own base, its own factory.
class CTwinBase : public CObject
{
    DECLARE_DYNAMIC(CTwinBase)
};
IMPLEMENT_DYNAMIC(CTwinBase, CObject)
class CTwinShape : public CTwinBase
{
    DECLARE_SERIAL(CTwinShape)
public:
    void Serialize(CArchive&) override { }
};
IMPLEMENT_SERIAL(CTwinShape, CTwinBase, 1)
CRuntimeClass* BaseClass() { return RUNTIME_CLASS(CTwinBase); }
CRuntimeClass* ShapeClass() { return RUNTIME_CLASS(CTwinShape); }
} // namespace twinB

TEST(ArchiveClasses, OneNameInTwoModulesLoadsAsTheRequestedKind)
{
    twinA::CTwinShape first, second;
    Bytes bytes = StoreBytes(
        [&](CArchive& ar) { ar << &first << &second; }); // a class record, then a class tag
    LoadBytes(bytes, [](CArchive& ar) {
        std::unique_ptr<CObject> a(ar.ReadObject(twinA::ShapeClass()));
        std::unique_ptr<CObject> b(ar.ReadObject(twinB::BaseClass()));
        EXPECT_TRUE(a->IsKindOf(twinA::ShapeClass()));
        EXPECT_TRUE(b->IsKindOf(twinB::ShapeClass()));
    });
    LoadBytes(bytes, [](CArchive& ar) {
        std::unique_ptr<CObject> b(ar.ReadObject(twinB::ShapeClass()));
        EXPECT_TRUE(b->IsKindOf(twinB::ShapeClass()));
        std::unique_ptr<CObject> a(ar.ReadObject(twinA::ShapeClass()));
        EXPECT_TRUE(a->IsKindOf(twinA::ShapeClass()));
    });
}
