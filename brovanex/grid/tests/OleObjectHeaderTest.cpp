// Stored OLE objects: a block built from names and a stream reads back; damaged blocks
// (signature, header size, offsets and lengths outside the block, an unterminated or empty
// ProgID, no data) are refused. Rich-text values: plain text wrapped as RTF with its
// special characters escaped.
#include "controls/GXOleObjectHeader.h"
#include "controls/GXRichTextValue.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

TEST(GridOleObjectHeader, BuiltBlockReadsBack)
{
    const BYTE stream[] = {1, 2, 3, 4, 5};
    std::vector<BYTE> block =
        CGXOleObjectHeader::BuildBlock("Bitmap Image", "Paint.Picture", stream, sizeof stream);
    // Header, both names with terminators, the stream and four zero bytes; no padding.
    ASSERT_EQ(block.size(), 20u + 13 + 14 + 5 + 4);
    EXPECT_EQ(block[0], 0x15);
    EXPECT_EQ(block[1], 0x1C);
    CGXOleObjectHeader header;
    ASSERT_TRUE(header.Read(block.data(), block.size()));
    EXPECT_STREQ(header.m_strUserType, "Bitmap Image");
    EXPECT_STREQ(header.m_strProgID, "Paint.Picture");
    EXPECT_EQ(header.m_dwObjectType, GX_OLE_OBJECT_EMBEDDED);
    ASSERT_EQ(header.m_nDataSize, sizeof stream);
    EXPECT_EQ(std::vector<BYTE>(block.begin() + (long)header.m_nDataOffset,
                                block.begin() + (long)(header.m_nDataOffset + header.m_nDataSize)),
              std::vector<BYTE>(stream, stream + sizeof stream));

    // Long names are not cut to a fixed block.
    std::string strLong(300, 'x');
    std::vector<BYTE> longBlock =
        CGXOleObjectHeader::BuildBlock(strLong.c_str(), "A.B", stream, sizeof stream);
    ASSERT_TRUE(header.Read(longBlock.data(), longBlock.size()));
    EXPECT_EQ(header.m_strUserType.GetLength(), 300);
    EXPECT_STREQ(header.m_strProgID, "A.B");
}

TEST(GridOleObjectHeader, DamagedBlocksAreRefused)
{
    const BYTE stream[] = {9, 9, 9};
    const std::vector<BYTE> good =
        CGXOleObjectHeader::BuildBlock("Doc", "Word.Document", stream, sizeof stream);
    struct Case
    {
        const char* pszWhat;
        void (*pfnDamage)(std::vector<BYTE>&);
    } cases[] = {
        {"signature", [](std::vector<BYTE>& v) { v[0] = 0; }},
        {"header size", [](std::vector<BYTE>& v) { v[2] = 24; }},
        {"name past the block", [](std::vector<BYTE>& v) { v[8] = 0xFF, v[9] = 0x7F; }},
        {"class past the block", [](std::vector<BYTE>& v) { v[10] = 0xF0; }},
        {"name offset inside the header", [](std::vector<BYTE>& v) { v[12] = 4, v[13] = 0; }},
        {"class offset inside the header", [](std::vector<BYTE>& v) { v[14] = 4, v[15] = 0; }},
        {"class offset past the block", [](std::vector<BYTE>& v) { v[14] = 0xFF, v[15] = 0xFF; }},
        {"unterminated ProgID",
         [](std::vector<BYTE>& v) { v[20 + 4 + 13] = 'X'; }}, // the ProgID's terminator
        {"empty ProgID", [](std::vector<BYTE>& v) { v[20 + 4] = 0; }},
        {"no data", [](std::vector<BYTE>& v) { v.erase(v.end() - 7, v.end() - 4); }},
        {"too short", [](std::vector<BYTE>& v) { v.resize(22); }},
        {"empty", [](std::vector<BYTE>& v) { v.clear(); }},
    };
    CGXOleObjectHeader header;
    ASSERT_TRUE(header.Read(good.data(), good.size()));
    for (const Case& c : cases) {
        std::vector<BYTE> v = good;
        c.pfnDamage(v);
        CGXOleObjectHeader damaged;
        EXPECT_FALSE(damaged.Read(v.data(), v.size())) << c.pszWhat;
        EXPECT_TRUE(damaged.m_strProgID.IsEmpty()) << c.pszWhat;
    }
    EXPECT_FALSE(header.Read(nullptr, 100));
}

namespace {
void PutDword(std::vector<BYTE>& v, DWORD dw)
{
    for (int i = 0; i < 4; ++i)
        v.push_back((BYTE)(dw >> (8 * i)));
}

// An OLE 1 stream of an embedded object: version, format, class, topic and item names,
// the native data.
std::vector<BYTE> Ole1Stream(const char* pszClass, const std::vector<BYTE>& native)
{
    std::vector<BYTE> v;
    PutDword(v, 0x0501);
    PutDword(v, 2);
    PutDword(v, (DWORD)strlen(pszClass) + 1);
    v.insert(v.end(), pszClass, pszClass + strlen(pszClass) + 1);
    PutDword(v, 0); // topic
    PutDword(v, 0); // item
    PutDword(v, (DWORD)native.size());
    v.insert(v.end(), native.begin(), native.end());
    return v;
}
} // namespace

TEST(GridOleObjectHeader, NativeDataOfAnOle1StreamIsFoundWithinIt)
{
    const std::vector<BYTE> compound = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1, 7, 7};
    const std::vector<BYTE> good = Ole1Stream("Test.Object", compound);
    size_t nOffset = 0, nLength = 0;
    ASSERT_TRUE(CGXOleObjectHeader::FindNativeData(good.data(), good.size(), nOffset, nLength));
    EXPECT_EQ(nLength, compound.size());
    EXPECT_EQ(nOffset + nLength, good.size());
    EXPECT_TRUE(CGXOleObjectHeader::IsCompoundFile(good.data() + nOffset, nLength));
    EXPECT_FALSE(CGXOleObjectHeader::IsCompoundFile(good.data(), good.size()));

    struct Case
    {
        const char* pszWhat;
        void (*pfnDamage)(std::vector<BYTE>&);
    } cases[] = {
        {"a linked object", [](std::vector<BYTE>& v) { v[4] = 1; }},
        {"class name past the end", [](std::vector<BYTE>& v) { v[9] = 0x7F; }},
        {"native data past the end", [](std::vector<BYTE>& v) { v.pop_back(); }},
        {"no native data", [](std::vector<BYTE>& v) { v.resize(v.size() - 10 - 4); }},
        {"too short", [](std::vector<BYTE>& v) { v.resize(6); }},
    };
    for (const Case& c : cases) {
        std::vector<BYTE> v = good;
        c.pfnDamage(v);
        EXPECT_FALSE(CGXOleObjectHeader::FindNativeData(v.data(), v.size(), nOffset, nLength))
            << c.pszWhat;
    }
}

TEST(GridRichTextValue, PlainTextWrappedAsRtf)
{
    struct Case
    {
        const char* pszValue;
        const char* pszRtf;
    } cases[] = {
        {"C:\\temp", "{\\rtf1\\ansi C:\\\\temp}"},
        {"{a}", "{\\rtf1\\ansi \\{a\\}}"},
        {"caf\xe9", "{\\rtf1\\ansi caf\\'e9}"},
        {"a\r\nb\nc\td", "{\\rtf1\\ansi a\\par\nb\\par\nc\\tab d}"},
        {"", "{\\rtf1\\ansi }"},
        {"{\\rtf1 already}", "{\\rtf1 already}"},
        {"{\\RTF1 not}", "{\\rtf1\\ansi \\{\\\\RTF1 not\\}}"},
        {" {\\rtf1 x}", "{\\rtf1\\ansi  \\{\\\\rtf1 x\\}}"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(CGXRichTextValue::ToRtf(c.pszValue), c.pszRtf) << c.pszValue;
    EXPECT_FALSE(CGXRichTextValue::IsRtf(nullptr));
    EXPECT_TRUE(CGXRichTextValue::IsRtf("{\\rtf"));
    EXPECT_FALSE(CGXRichTextValue::IsRtf("{\\rt"));
}
