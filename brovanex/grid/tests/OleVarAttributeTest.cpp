// The OLE-variant user attribute: archived by value, read without following addresses.
#include "core/GXOleVarUserAttribute.h"
#include "ArchiveBytes.h"
#include <gtest/gtest.h>
#include <oleauto.h>

namespace {
std::vector<BYTE> StoreAttribute(const VARIANT& var)
{
    CGXOleVarUserAttribute attribute(var);
    return StoreBytes([&](CArchive& ar) { attribute.Serialize(ar); });
}
} // namespace

TEST(GridOleVarAttribute, ArchivedByValue)
{
    VARIANT number;
    ::VariantInit(&number);
    number.vt = VT_I4;
    number.lVal = 0x01020304;
    std::vector<BYTE> bytes = StoreAttribute(number);
    EXPECT_EQ((std::vector<BYTE> {VT_I4, 0, 4, 3, 2, 1}), bytes);

    VARIANT text;
    ::VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = ::SysAllocString(L"ab");
    bytes = StoreAttribute(text);
    EXPECT_EQ((std::vector<BYTE> {VT_BSTR, 0, 2, 0, 0, 0, 'a', 0, 'b', 0}), bytes);
    CGXOleVarUserAttribute read;
    LoadBytes(bytes, [&](CArchive& ar) { read.Serialize(ar); });
    ASSERT_EQ(VT_BSTR, read.GetVariant().vt);
    EXPECT_STREQ(L"ab", read.GetVariant().bstrVal);
    ::VariantClear(&text);

    SAFEARRAY* psa = ::SafeArrayCreateVector(VT_UI1, 0, 3);
    BYTE* p = nullptr;
    ::SafeArrayAccessData(psa, (void**)&p);
    p[0] = 'B';
    p[1] = 'M';
    p[2] = 7;
    ::SafeArrayUnaccessData(psa);
    VARIANT blob;
    ::VariantInit(&blob);
    blob.vt = VT_ARRAY | VT_UI1;
    blob.parray = psa;
    bytes = StoreAttribute(blob);
    CGXOleVarUserAttribute readBlob;
    LoadBytes(bytes, [&](CArchive& ar) { readBlob.Serialize(ar); });
    ASSERT_EQ(VT_ARRAY | VT_UI1, readBlob.GetVariant().vt);
    ::SafeArrayAccessData(readBlob.GetVariant().parray, (void**)&p);
    EXPECT_EQ(7, p[2]);
    ::SafeArrayUnaccessData(readBlob.GetVariant().parray);
    ::VariantClear(&blob);
}

TEST(GridOleVarAttribute, BadArchivesThrow)
{
    struct Case
    {
        std::vector<BYTE> bytes;
    } cases[] = {
        {{VT_BSTR, 0, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0}}, // length beyond the bytes
        {{0x11, 0x20, 9, 0, 0, 0, 1}}, // byte array longer than the bytes
        {{VT_I4, 0, 1, 2}}, // number cut short
        {{VT_DISPATCH, 0, 1, 2, 3, 4, 5, 6, 7, 8}}, // an address is no value
    };
    for (const Case& c : cases) {
        CGXOleVarUserAttribute attribute;
        bool bThrew = false;
        try {
            LoadBytes(c.bytes, [&](CArchive& ar) { attribute.Serialize(ar); });
        } catch (CArchiveException* e) {
            bThrew = true;
            e->Delete();
        }
        EXPECT_TRUE(bThrew);
    }
}

TEST(GridOleVarAttribute, VariantsReturnToThePool)
{
    int nBefore = CGXOleVarUserAttribute::GetPoolCount();
    {
        CGXOleVarUserAttribute a;
        CGXAbstractUserAttribute* pClone = a.Clone();
        EXPECT_FALSE(pClone->IsEqual(a)); // another variant object
        EXPECT_TRUE(a.IsEqual(a));
        EXPECT_TRUE(a.IsEmpty());
        delete pClone;
    }
    EXPECT_GE(CGXOleVarUserAttribute::GetPoolCount(), nBefore);
}
