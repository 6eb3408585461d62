// Collections: iteration with POSITION, removal while iterating, insertion, look-up,
// and the checks that stop a bad index or an exhausted position from touching memory.
#include <gtest/gtest.h>

#include "fw/core.h"

#include <vector>

namespace {

class CItem : public CObject
{
public:
    explicit CItem(int n) : m_n(n) { }
    int m_n;
};

template<class LIST>
std::vector<int> Values(const LIST& list)
{
    std::vector<int> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        out.push_back(list.GetNext(pos)->m_n);
    return out;
}

template<class F>
bool ThrowsNotSupported(F f)
{
    try {
        f();
    } catch (CNotSupportedException* e) {
        e->Delete();
        return true;
    }
    return false;
}

} // namespace

TEST(ListTest, IteratesBothWaysAndRemovesWhileIterating)
{
    CItem items[] = {CItem(1), CItem(2), CItem(3), CItem(4), CItem(5)};
    CTypedPtrList<CObList, CItem*> list;
    for (CItem& item : items)
        list.AddTail(&item);
    EXPECT_EQ(list.GetCount(), 5);
    EXPECT_EQ(list.GetHead()->m_n, 1);
    EXPECT_EQ(list.GetTail()->m_n, 5);

    std::vector<int> backwards;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        backwards.push_back(list.GetPrev(pos)->m_n);
    EXPECT_EQ(backwards, (std::vector<int> {5, 4, 3, 2, 1}));

    // The usual pattern: keep the current position, step on, then remove it.
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        POSITION current = pos;
        if (list.GetNext(pos)->m_n % 2 == 1)
            list.RemoveAt(current);
    }
    EXPECT_EQ(Values(list), (std::vector<int> {2, 4}));

    list.InsertBefore(list.GetHeadPosition(), &items[0]);
    list.InsertAfter(list.Find(&items[1]), &items[2]);
    list.InsertAfter(nullptr, &items[4]); // null: at the tail
    EXPECT_EQ(Values(list), (std::vector<int> {1, 2, 3, 4, 5}));
    EXPECT_EQ(list.GetAt(list.FindIndex(3))->m_n, 4);
    EXPECT_EQ(list.FindIndex(5), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
    EXPECT_EQ(list.Find(&items[0], list.GetHeadPosition()), nullptr); // searches after the start

    EXPECT_EQ(list.RemoveHead()->m_n, 1);
    EXPECT_EQ(list.RemoveTail()->m_n, 5);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_TRUE(ThrowsNotSupported([&] { list.RemoveHead(); }));
    EXPECT_TRUE(ThrowsNotSupported([&] { list.GetTail(); }));
}

TEST(ListTest, PointerAndStringLists)
{
    CPtrList ptrs;
    int a = 1, b = 2;
    ptrs.AddHead(&a);
    ptrs.AddHead(&b);
    EXPECT_EQ(ptrs.GetHead(), &b);
    CPtrList copy;
    copy.AddTail(&ptrs);
    EXPECT_EQ(copy.GetCount(), 2);
    EXPECT_EQ(copy.GetTail(), &a);

    CStringList names;
    names.AddTail("Talent");
    names.AddTail("Slug");
    POSITION pos = names.Find("Slug");
    ASSERT_NE(pos, nullptr);
    EXPECT_EQ(names.GetAt(pos), "Slug");
}

TEST(ArrayTest, GrowsInsertsAndRemoves)
{
    CDWordArray a;
    a.SetAtGrow(3, 7); // grows with zeros before
    EXPECT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[0], 0u);
    EXPECT_EQ(a[3], 7u);
    a.InsertAt(1, 5, 2);
    std::vector<DWORD> v(a.GetData(), a.GetData() + a.GetSize());
    EXPECT_EQ(v, (std::vector<DWORD> {0, 5, 5, 0, 0, 7}));
    a.RemoveAt(0, 3);
    EXPECT_EQ(a.GetSize(), 3);
    EXPECT_EQ(a[2], 7u);
    EXPECT_EQ(a.GetUpperBound(), 2);
    a.Add(a[2]); // an element of the array itself
    EXPECT_EQ(a[3], 7u);

    CStringArray s;
    s.Add("b");
    s.InsertAt(0, "a");
    s.InsertAt(5, "z"); // past the end: grows with empty strings
    EXPECT_EQ(s.GetSize(), 6);
    EXPECT_EQ(s[0], "a");
    EXPECT_EQ(s[1], "b");
    EXPECT_EQ(s[4], "");
    EXPECT_EQ(s[5], "z");
    CStringArray t;
    t.Copy(s);
    t.RemoveAt(1);
    EXPECT_EQ(t.GetSize(), 5);
    EXPECT_EQ(s.GetSize(), 6);
    t.Append(s);
    EXPECT_EQ(t.GetSize(), 11);
    EXPECT_EQ(t[10], "z");

    EXPECT_TRUE(ThrowsNotSupported([&] { a.GetAt(4); }));
    EXPECT_TRUE(ThrowsNotSupported([&] { a[-1] = 1; }));
    EXPECT_TRUE(ThrowsNotSupported([&] { a.RemoveAt(2, 5); }));
}

TEST(ArrayTest, TypedObjectArray)
{
    CItem one(1), two(2);
    CTypedPtrArray<CObArray, CItem*> items;
    items.Add(&one);
    items.Add(&two);
    int sum = 0;
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
        sum += items[i]->m_n;
    EXPECT_EQ(sum, 3);
    items.RemoveAt(0);
    EXPECT_EQ(items.GetAt(0), &two);
}

TEST(MapTest, LooksUpReplacesRemovesAndIterates)
{
    CMapStringToPtr map;
    int values[100];
    for (int i = 0; i < 100; ++i) {
        CString key;
        key.Format("key%d", i);
        map[key] = &values[i];
    }
    EXPECT_EQ(map.GetCount(), 100);
    void* p = nullptr;
    EXPECT_TRUE(map.Lookup("key42", p));
    EXPECT_EQ(p, &values[42]);
    EXPECT_FALSE(map.Lookup("KEY42", p)); // keys are case-sensitive
    map.SetAt("key42", &values[0]);
    EXPECT_TRUE(map.Lookup("key42", p));
    EXPECT_EQ(p, &values[0]);
    EXPECT_EQ(map.GetCount(), 100);
    EXPECT_TRUE(map.RemoveKey("key7"));
    EXPECT_FALSE(map.RemoveKey("key7"));

    int seen = 0;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        CString key;
        void* value;
        map.GetNextAssoc(pos, key, value);
        EXPECT_NE(key, "key7");
        ++seen;
    }
    EXPECT_EQ(seen, 99);
    map.RemoveAll();
    EXPECT_EQ(map.GetStartPosition(), nullptr);
}

TEST(MapTest, PointerAndWordKeysAndTypedMaps)
{
    CMapPtrToWord marks;
    int a, b;
    marks[&a] = 1;
    marks[&b] = 2;
    WORD w = 0;
    EXPECT_TRUE(marks.Lookup(&b, w));
    EXPECT_EQ(w, 2);

    CItem item(9);
    CTypedPtrMap<CMapWordToOb, WORD, CItem*> byId;
    byId.SetAt(20000, &item);
    CItem* found = nullptr;
    EXPECT_TRUE(byId.Lookup(20000, found));
    EXPECT_EQ(found, &item);
    EXPECT_FALSE(byId.Lookup(1, found));

    CTypedPtrMap<CMapStringToPtr, CString, CItem*> byName;
    byName["nine"] = &item;
    POSITION pos = byName.GetStartPosition();
    CString key;
    CItem* value = nullptr;
    byName.GetNextAssoc(pos, key, value);
    EXPECT_EQ(key, "nine");
    EXPECT_EQ(value, &item);
    EXPECT_EQ(pos, nullptr);
}
