// Images and objects: made from files, inserted as one character each (one undo step), kept
// whole, and carried by our own format, RTF and HTML; damaged content is refused.
#include "ScriptBuilder.h"
#include "TextHelpers.h"
#include "richtext/DocumentFormats.h"
#include "richtext/RichObject.h"

#include <gtest/gtest.h>

using namespace richtext;

namespace {

void Put(std::string& s, uint32_t v, int n)
{
    for (int i = 0; i < n; ++i)
        s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A bitmap file of w x h pixels, 24 bits, at the resolution given in pixels a metre.
std::string BitmapFile(int w, int h, uint32_t ppm = 3780)
{
    const uint32_t stride = ((w * 24 + 31) / 32) * 4;
    std::string dib;
    Put(dib, 40, 4);
    Put(dib, static_cast<uint32_t>(w), 4);
    Put(dib, static_cast<uint32_t>(h), 4);
    Put(dib, 1, 2);
    Put(dib, 24, 2);
    Put(dib, 0, 4);
    Put(dib, stride * h, 4);
    Put(dib, ppm, 4);
    Put(dib, ppm, 4);
    Put(dib, 0, 4);
    Put(dib, 0, 4);
    for (uint32_t i = 0; i < stride * h; ++i)
        dib += static_cast<char>(i * 37);
    return DibToBitmapFile(dib);
}

// The check sum our own format ends with (CRC-32), as its four bytes.
std::string Checksum(const std::string& body)
{
    uint32_t crc = 0xFFFFFFFFu;
    for (char ch : body) {
        crc ^= static_cast<unsigned char>(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    std::string out;
    Put(out, crc ^ 0xFFFFFFFFu, 4);
    return out;
}

std::string PngHeader(uint32_t w, uint32_t h)
{
    std::string s("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
    for (uint32_t v : {w, h})
        for (int i = 3; i >= 0; --i)
            s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s + std::string("\x08\x02\0\0\0", 5);
}

std::string JpegHeader(unsigned w, unsigned h)
{
    std::string s("\xFF\xD8\xFF\xE0\x00\x04\x00\x00\xFF\xC0\x00\x0B\x08", 13);
    s += static_cast<char>(h >> 8);
    s += static_cast<char>(h & 0xFF);
    s += static_cast<char>(w >> 8);
    s += static_cast<char>(w & 0xFF);
    return s + std::string("\x01\x01\x11\x00", 4);
}

TEST(EmbeddedObject, PicturesFromFilesTakeTheirSizeAndDamagedOnesAreRefused)
{
    struct Case
    {
        const char* name;
        std::string bytes;
        bool ok;
        BYTE format;
        int width, height; // twips
    } cases[] = {
        {"bitmap at 96 dpi", BitmapFile(3, 2), true, CRichObject::kDib, 45, 30},
        {"bitmap at 192 dpi", BitmapFile(4, 4, 7559), true, CRichObject::kDib, 30, 30},
        {"bitmap without a resolution", BitmapFile(2, 2, 0), true, CRichObject::kDib, 30, 30},
        {"bitmap whose bits are cut short", BitmapFile(8, 8).substr(0, 100), false, 0, 0, 0},
        {"PNG", PngHeader(100, 50), true, CRichObject::kPng, 1500, 750},
        {"PNG larger than a page keeps its shape", PngHeader(30000, 15000), true, CRichObject::kPng,
         CRichObject::kMaxSize, CRichObject::kMaxSize / 2},
        {"PNG without size", PngHeader(0, 5), false, 0, 0, 0},
        {"JPEG", JpegHeader(64, 32), true, CRichObject::kJpeg, 960, 480},
        {"JPEG cut short", JpegHeader(64, 32).substr(0, 12), false, 0, 0, 0},
        {"not a picture", "GIF89a.....", false, 0, 0, 0},
        {"nothing", "", false, 0, 0, 0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        CRichObject image;
        std::string error;
        EXPECT_EQ(k.ok, ImageFromFile(k.bytes, image, error)) << error;
        if (!k.ok) {
            EXPECT_FALSE(error.empty());
            continue;
        }
        EXPECT_EQ(CRichObject::kImage, image.kind);
        EXPECT_EQ(k.format, image.format);
        EXPECT_EQ(k.width, image.width);
        EXPECT_EQ(k.height, image.height);
        EXPECT_TRUE(image.IsValid());
    }
    // A bitmap keeps its device-independent part, which makes the same file again.
    CRichObject image;
    std::string error;
    ASSERT_TRUE(ImageFromFile(BitmapFile(3, 2), image, error));
    EXPECT_EQ(BitmapFile(3, 2), DibToBitmapFile(image.data));
}

CRichObject Image(bool fixed = false)
{
    CRichObject image;
    std::string error;
    EXPECT_TRUE(ImageFromFile(BitmapFile(3, 2), image, error));
    image.fixed = fixed;
    if (fixed) {
        image.x = 720;
        image.y = -144;
    }
    return image;
}

CRichObject FileObject()
{
    return ObjectFromFile("C:\\news\\run \"down\".xls", std::string("PK\0\x01\xFF{}\\", 8));
}

std::vector<const CRichField*> Embedded(const CRichDocument& d)
{
    std::vector<const CRichField*> out;
    for (const CRichField& f : d.Fields())
        if (f.type == TXFIELDTYPE_EMBEDDED)
            out.push_back(&f);
    return out;
}

TEST(EmbeddedObject, InsertedAsOneCharacterAndOneUndoStepAndKeptWhole)
{
    CTextControlCore c;
    Type(c, "Top story\nNext");
    const CRichDocument before = c.Document();
    c.SetSel(4, 9); // "story"
    const DWORD id = c.InsertObject(Image());
    ASSERT_NE(0u, id);
    EXPECT_EQ(u"Top \uFFFC\nNext", c.Document().Text());
    EXPECT_EQ(5, c.Caret());
    const CRichField* f = c.Document().FindField(id);
    ASSERT_NE(nullptr, f);
    EXPECT_EQ(TXFIELD_IMAGE, f->kind);
    ASSERT_TRUE(f->object);
    EXPECT_TRUE(*f->object == Image());
    EXPECT_EQ(TXFIELD_OBJECT, c.Document().FindField(c.InsertObject(FileObject()))->kind);

    // Copied and pasted, the content comes along; the copy is a field of its own.
    c.SetSel(3, 6);
    const CRichDocument copied = c.SelectedDocument();
    c.SetSel(static_cast<long>(c.Document().Length()), -1);
    c.ReplaceSelWith(copied);
    ASSERT_EQ(4u, Embedded(c.Document()).size());
    EXPECT_TRUE(*Embedded(c.Document())[2]->object == Image());
    EXPECT_TRUE(c.Document().IsConsistent());

    // Backspace after one takes it away whole.
    c.SetSel(5, 5);
    c.Backspace();
    EXPECT_EQ(3u, Embedded(c.Document()).size());
    EXPECT_EQ(u"Top \uFFFC\nNext \uFFFC\uFFFC", c.Document().Text());

    for (int step = 0; step < 4; ++step) // the backspace, the paste, the two insertions
        ASSERT_TRUE(c.Undo()) << step;
    EXPECT_TRUE(c.Document() == before);

    // Content out of range goes in nowhere.
    CRichObject bad = Image();
    bad.width = 0;
    EXPECT_EQ(0u, c.InsertObject(bad));
    EXPECT_TRUE(c.Document() == before);
    // A field that says it is embedded but holds nothing, or stands on another character,
    // is refused by the document.
    CRichDocument d;
    d.Append(u"a\uFFFC", CRichCharFormat());
    CRichField empty;
    empty.type = TXFIELDTYPE_EMBEDDED;
    empty.start = 1;
    empty.length = 1;
    EXPECT_FALSE(d.AddField(empty));
    empty.object = std::make_shared<CRichObject>(Image());
    empty.start = 0;
    EXPECT_FALSE(d.AddField(empty));
    empty.start = 1;
    EXPECT_TRUE(d.AddField(empty));
}

CTextControlCore& Sample(CTextControlCore& c)
{
    Type(c, "Pictures: ");
    c.InsertObject(Image());
    Type(c, " and a fixed one");
    c.InsertObject(Image(true));
    Type(c, "\nThe rundown: ");
    c.InsertObject(FileObject());
    Type(c, " end.");
    return c;
}

TEST(EmbeddedObject, EveryFormatKeepsImagesAndObjects)
{
    CTextControlCore c;
    Sample(c);
    const std::vector<const CRichField*> made = Embedded(c.Document());
    ASSERT_EQ(3u, made.size());
    struct Case
    {
        int format;
        bool exact; // the whole document comes back equal
    } cases[] = {{TXFORMAT_NATIVE, true}, {TXFORMAT_RTF, false}, {TXFORMAT_HTML, false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.format);
        std::string bytes, error;
        ASSERT_TRUE(SaveDocument(c.Document(), k.format, bytes, error)) << error;
        CRichDocument back;
        ASSERT_TRUE(LoadDocument(bytes, k.format, back, error)) << error;
        EXPECT_EQ(A(c.Document().Text()), A(back.Text()));
        const std::vector<const CRichField*> read = Embedded(back);
        ASSERT_EQ(3u, read.size()) << bytes.substr(0, 2000);
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(made[i]->start, read[i]->start);
            EXPECT_EQ(made[i]->kind, read[i]->kind);
            EXPECT_TRUE(*made[i]->object == *read[i]->object) << i;
        }
        if (k.exact) {
            EXPECT_TRUE(c.Document() == back);
        }
        EXPECT_TRUE(back.IsConsistent());
    }
}

TEST(EmbeddedObject, OwnFormatRevisionAndDamage)
{
    // Documents without images or objects are written as before, for older programs.
    CTextControlCore plain;
    Type(plain, "No pictures");
    std::string bytes, error;
    ASSERT_TRUE(SaveDocument(plain.Document(), TXFORMAT_NATIVE, bytes, error));
    EXPECT_EQ(2u, static_cast<unsigned char>(bytes[2]));
    CTextControlCore c;
    Sample(c);
    ASSERT_TRUE(SaveDocument(c.Document(), TXFORMAT_NATIVE, bytes, error));
    EXPECT_EQ(4u, static_cast<unsigned char>(bytes[2]));

    // Cut short anywhere (with the header's length and check sum made to match, so the
    // sections themselves are read), it is refused and the document stays as it was.
    const size_t body = bytes.size() - kNativeHeaderSize - 4;
    for (size_t cut : {body - 1, body - 9, body / 2}) {
        SCOPED_TRACE(cut);
        CRichDocument doc;
        std::string trimmed = bytes.substr(0, kNativeHeaderSize + cut);
        std::string lengthBytes;
        Put(lengthBytes, static_cast<uint32_t>(cut), 4);
        trimmed.replace(16, 4, lengthBytes);
        trimmed += Checksum(trimmed.substr(kNativeHeaderSize));
        EXPECT_FALSE(ReadNative(trimmed, doc, error));
        EXPECT_EQ(0u, doc.Length());
    }
}

TEST(EmbeddedObject, EverydayRtfPicturesAreReadAndBadOnesDropped)
{
    CRichObject image = Image();
    const std::string hex = HexEncode(image.data);
    struct Case
    {
        const char* name;
        std::string rtf;
        const char16_t* text;
        bool picture;
    } cases[] = {
        {"bitmap in a shape group",
         "{\\rtf1 A{\\*\\shppict{\\pict\\dibitmap0\\picw3\\pich2\\picwgoal45\\pichgoal30 " + hex +
             "}}{\\nonshppict{\\pict\\wmetafile8 0102}}B}",
         u"A\uFFFCB", true},
        {"picture in binary",
         "{\\rtf1 A{\\pict\\dibitmap0\\picwgoal45\\pichgoal30\\bin" +
             std::to_string(image.data.size()) + " " + image.data + "}B}",
         u"A\uFFFCB", true},
        {"metafile (not shown)", "{\\rtf1 A{\\pict\\wmetafile8\\picw10\\pich10 0102}B}", u"AB",
         false},
        {"damaged bitmap", "{\\rtf1 A{\\pict\\dibitmap0 28000000ff}B}", u"AB", false},
        {"object without data", "{\\rtf1 A{\\object\\objemb{\\*\\objclass Excel}}B}", u"AB", false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        CRichDocument d;
        std::string error;
        ASSERT_TRUE(ReadRtf(k.rtf, d, error)) << error;
        EXPECT_EQ(std::u16string(k.text), d.Text());
        ASSERT_EQ(k.picture ? 1u : 0u, Embedded(d).size());
        if (k.picture) {
            EXPECT_EQ(image.data, Embedded(d)[0]->object->data);
            EXPECT_EQ(45, Embedded(d)[0]->object->width);
        }
    }
}

} // namespace
