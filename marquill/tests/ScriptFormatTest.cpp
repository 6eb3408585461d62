// Script formats: the extension table, detection from a file's first bytes, the RTF read
// and the filter lists of the script file dialogs.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ScriptFormat.h"
#include "richtext/DocumentFormats.h"
#include "richtext/RichDocument.h"

namespace {

class ScriptFormatFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
            ("mq_formats_" + std::to_string((long long)this));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
    }
    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::filesystem::path m_dir;
};

TEST(ScriptFormat, ExtensionTable)
{
    struct Case
    {
        const char* path;
        int format;
    };
    const Case cases[] = {
        {"news.html", TXFORMAT_HTML},
        {"NEWS.HTM", TXFORMAT_HTML},
        {"a.rtf", TXFORMAT_RTF},
        {"a.Doc", TXFORMAT_WORD},
        {"a.txt", TXFORMAT_TEXT},
        {"a.tx", TXFORMAT_NATIVE},
        {"a.mqd", TXFORMAT_UNKNOWN},
        {"a", TXFORMAT_UNKNOWN},
        {"a.rtf.bak", TXFORMAT_UNKNOWN},
        // Only the file-name part has an extension.
        {"C:\\my.rtf\\News", TXFORMAT_UNKNOWN},
        {"/tmp/my.txt/News", TXFORMAT_UNKNOWN},
        {"C:\\dir\\x.TXT", TXFORMAT_TEXT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatByExtension(c.path), c.format) << c.path;
}

TEST(ScriptFormat, DetectionFromBytes)
{
    const std::string utf16Html("\xFF\xFE<\0H\0T\0M\0L\0>\0", 14);
    const std::string utf16Text("\xFF\xFEh\0i\0\r\0\n\0", 10);
    const std::string utf16Control("\xFF\xFEh\0\x01\0", 6);
    struct Case
    {
        std::string bytes;
        int extension;
        int format;
        const char* what;
    };
    const Case cases[] = {
        {"{\\rtf1\\ansi hello}", TXFORMAT_UNKNOWN, TXFORMAT_RTF, "RTF by content"},
        {"{\\rtf1\\ansi hello}", TXFORMAT_TEXT, TXFORMAT_RTF, "RTF whatever the name says"},
        {"plain words", TXFORMAT_RTF, TXFORMAT_UNKNOWN,
         "an .rtf name without RTF content is not RTF"},
        {"plain words\r\n", TXFORMAT_UNKNOWN, TXFORMAT_TEXT, "text"},
        {"<!DOCTYPE   html><p>x", TXFORMAT_TEXT, TXFORMAT_HTML, "doctype"},
        {"<html><body>x", TXFORMAT_UNKNOWN, TXFORMAT_HTML, "html tag"},
        {"x<TITLE>y", TXFORMAT_HTML, TXFORMAT_HTML, "tags fold case"},
        {std::string("bin\x01ary", 7), TXFORMAT_UNKNOWN, TXFORMAT_UNKNOWN, "a control byte"},
        {"words", TXFORMAT_WORD, TXFORMAT_WORD, "other extensions keep their format"},
        {utf16Text, TXFORMAT_UNKNOWN, TXFORMAT_UNICODE, "UTF-16 text"},
        {utf16Html, TXFORMAT_UNKNOWN, TXFORMAT_HTML, "UTF-16 HTML"},
        {utf16Control, TXFORMAT_UNKNOWN, TXFORMAT_UNKNOWN, "UTF-16 control unit"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DetectScriptFormatInBytes((const unsigned char*)c.bytes.data(), c.bytes.size(),
                                            c.bytes.size(), c.extension, false, 800),
                  c.format)
            << c.what;
    // UTF-16 is recognised only from version 600 of the control.
    EXPECT_EQ(DetectScriptFormatInBytes((const unsigned char*)utf16Text.data(), utf16Text.size(),
                                        utf16Text.size(), TXFORMAT_UNKNOWN, false, 500),
              TXFORMAT_UNKNOWN);
    // Empty files: our own format only when neither offset nor extension says otherwise.
    EXPECT_EQ(DetectScriptFormatInBytes(nullptr, 0, 0, TXFORMAT_UNKNOWN, false, 800),
              TXFORMAT_NATIVE);
    EXPECT_EQ(DetectScriptFormatInBytes(nullptr, 0, 0, TXFORMAT_RTF, false, 800), TXFORMAT_RTF);
    EXPECT_EQ(DetectScriptFormatInBytes(nullptr, 0, 0, TXFORMAT_UNKNOWN, true, 800),
              TXFORMAT_UNKNOWN);
}

TEST(ScriptFormat, OwnFormatHeader)
{
    CRichDocument doc;
    std::string error;
    ASSERT_TRUE(richtext::LoadDocument("A script.\r\nSecond paragraph.", TXFORMAT_TEXT, doc, error))
        << error;
    const std::string native = richtext::WriteNative(doc);
    EXPECT_EQ(DetectScriptFormatInBytes((const unsigned char*)native.data(), native.size(),
                                        native.size(), TXFORMAT_UNKNOWN, false, 800),
              TXFORMAT_NATIVE);
    // A header whose body offset lies past the end is not ours.
    std::string broken = native;
    broken[4] = broken[5] = broken[6] = '\x7F';
    EXPECT_NE(DetectScriptFormatInBytes((const unsigned char*)broken.data(), broken.size(),
                                        broken.size(), TXFORMAT_UNKNOWN, false, 800),
              TXFORMAT_NATIVE);
}

TEST_F(ScriptFormatFiles, FilesOffsetsAndTheRtfRead)
{
    EXPECT_EQ(DetectScriptFormat(Write("Script.rtf", "{\\rtf1 a}").c_str()), TXFORMAT_RTF);
    EXPECT_EQ(DetectScriptFormat(Write("Script.txt", "Good evening.").c_str()), TXFORMAT_TEXT);
    EXPECT_EQ(DetectScriptFormat(Write("empty.xyz", "").c_str()), TXFORMAT_NATIVE);
    EXPECT_EQ(DetectScriptFormat((m_dir / "missing.rtf").string().c_str()), TXFORMAT_ERROR);
    EXPECT_EQ(DetectScriptFormat(""), TXFORMAT_ERROR);
    const std::string shifted = Write("shifted.dat", "XXXX{\\rtf1 a}");
    EXPECT_EQ(DetectScriptFormat(shifted.c_str(), 4), TXFORMAT_RTF);
    EXPECT_EQ(DetectScriptFormat(shifted.c_str(), 13), TXFORMAT_ERROR); // at the end
    EXPECT_EQ(DetectScriptFormat(shifted.c_str(), 500), TXFORMAT_ERROR);

    // The RTF read keeps every byte, across its 255-byte pieces.
    std::string big = "{\\rtf1 ";
    for (int i = 0; i < 1000; ++i)
        big += "word" + std::to_string(i) + " ";
    big += "}";
    std::string text;
    ASSERT_TRUE(ReadRtfFile(Write("big.rtf", big).c_str(), text));
    EXPECT_EQ(text, big);
#if defined(_WIN32)
    // Text mode: CR LF arrives as LF.
    ASSERT_TRUE(ReadRtfFile(Write("crlf.rtf", "{\\rtf1 a\r\nb}").c_str(), text));
    EXPECT_EQ(text, "{\\rtf1 a\nb}");
#endif
    EXPECT_FALSE(ReadRtfFile((m_dir / "missing.rtf").string().c_str(), text));
    EXPECT_TRUE(text.empty());
}

TEST(ScriptFormat, ExtensionMatchOfTheOwnDocumentType)
{
    EXPECT_TRUE(FileNameHasExtension("SCRIPT.MQD", "mqd"));
    EXPECT_TRUE(FileNameHasExtension("C:\\a.b\\news.mqd", "mqd"));
    EXPECT_FALSE(FileNameHasExtension("scriptmqd", "mqd"));
    EXPECT_FALSE(FileNameHasExtension("a.mqd.rtf", "mqd"));
    EXPECT_FALSE(FileNameHasExtension("mqd", "mqd"));
}

TEST(ScriptFormat, DialogFilterLists)
{
    const std::vector<std::string> strings = {
        "Word Document\nWord Document (*.doc)\n*.doc\nWord Document",
        "Hypertext Markup Language Format (HTML)\nHTML Document (*.htm;*.html)\n*.htm\nHTML "
        "Document\n;*.html",
        "Rich Text Format (RTF)\nRTF Document (*.rtf)\n*.rtf\nRTF Document",
        "Marquill Document\nMarquill Document (*.mqd)\n*.mqd\nMarquill Document",
        "Text Document\nText Document (*.txt)\n*.txt\nText Document\n",
        "Unicode Text Document\nUnicode Text Document (*.txt)\n*.txt\nUnicode Text Document\n",
        "All\nAll Documents (*.*)\n*.*",
    };
    const ScriptFormatFilter open = BuildScriptFormatFilter(strings, true);
    EXPECT_EQ(open.filter,
              "Word Document (*.doc)|*.doc|HTML Document (*.htm;*.html)|*.htm;*.html|"
              "RTF Document (*.rtf)|*.rtf|Marquill Document (*.mqd)|*.mqd|"
              "Text Document (*.txt)|*.txt|All Documents (*.*)|*.*|");
    // "All" is table entry 7 and the open dialog's sixth; the remembered index stays 7.
    EXPECT_EQ(open.DialogIndex(7), 6);
    EXPECT_EQ(open.TableIndex(6), 7);
    EXPECT_EQ(open.DialogIndex(5), 5);
    const ScriptFormatFilter save = BuildScriptFormatFilter(strings, false);
    EXPECT_EQ(save.filter,
              "Word Document|*.doc|Hypertext Markup Language Format (HTML)|*.htm;*.html|"
              "Rich Text Format (RTF)|*.rtf|Marquill Document|*.mqd|Text Document|*.txt|"
              "Unicode Text Document|*.txt|");
    EXPECT_EQ(save.TableIndex(6), 6);
    EXPECT_EQ(save.DefaultExtension(4), "mqd");
    EXPECT_EQ(save.DefaultExtension(2), "htm");
    EXPECT_EQ(open.DefaultExtension(7), "");
}

} // namespace
