// The edit window: the message table through real window messages, typing, keys, mouse,
// clipboard, undo, scrolling, painting, files, and saving from a worker thread.
#include "TextHelpers.h"
#include "richtext/DocumentFormats.h"
#include "richtext/RichObject.h"
#include "richtext/TXTextControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <thread>

namespace {

struct CountingNotify : CTXNotifyHandler
{
    int text = 0, selection = 0;
    void OnTextChanged(CTXTextControl*) override { ++text; }
    void OnSelectionChanged(CTXTextControl*) override { ++selection; }
};

class TextControlWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "richtext host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      0, 0, 420, 300, nullptr, nullptr));
        CRect rc(0, 0, 400, 200);
        ASSERT_TRUE(m_ctl.Create(&m_parent, 0xBEEF, rc, &m_notify));
        m_ctl.SetFocus();
    }
    void TearDown() override
    {
        m_ctl.DestroyWindow();
        m_parent.DestroyWindow();
    }
    LRESULT Msg(UINT m, WPARAM w = 0, LPARAM l = 0)
    {
        return ::SendMessageA(m_ctl.m_hWnd, m, w, l);
    }
    void Type(const char* s)
    {
        for (; *s; ++s)
            Msg(WM_CHAR, static_cast<unsigned char>(*s == '\n' ? '\r' : *s));
    }
    std::string Text() const { return A(m_ctl.Core().Document().Text()); }

    CWnd m_parent;
    CountingNotify m_notify;
    CTXTextControl m_ctl;
};

TEST_F(TextControlWindow, TableMessagesArriveThroughTheWindow)
{
    Type("abc\ndef");
    EXPECT_EQ(7, Msg(TXM_GETTEXTLENGTH));
    TXPAIR sel = {1, 5};
    EXPECT_EQ(1, Msg(TXM_SETSEL, 1, reinterpret_cast<LPARAM>(&sel)));
    TXPAIR got = {};
    EXPECT_EQ(1, Msg(TXM_GETSEL, 0, reinterpret_cast<LPARAM>(&got)));
    EXPECT_EQ(1, got.first);
    EXPECT_EQ(5, got.second);
    EXPECT_EQ(1, Msg(TXM_GETLASTLINE));
    EXPECT_EQ(4, Msg(TXM_LINEINDEX, 1));
    Msg(WM_CLEAR);
    EXPECT_EQ("aef", Text());
    DWORD id = static_cast<DWORD>(
        Msg(TXM_FIELDINSERT, TXFIELD_INSTRUCTION, reinterpret_cast<LPARAM>("\n\xABNext\xBB")));
    ASSERT_NE(0u, id);
    EXPECT_TRUE(m_ctl.FieldSetDataHelper(id, 4));
    EXPECT_EQ(4u, m_ctl.FieldGetDataHelper(id));
    long start = 0, end = 0;
    ASSERT_TRUE(m_ctl.FieldGetPosition(id, start, end));
    EXPECT_EQ(2, start);
    EXPECT_EQ(8, end);
    EXPECT_EQ(static_cast<LRESULT>(id), Msg(TXM_FIELDNEXT, 0, 0));
    char text[16];
    EXPECT_EQ(10, m_ctl.GetWindowText(text, sizeof text));
    EXPECT_STREQ("a\n\xABNext\xBB"
                 "ef",
                 text);
}

TEST_F(TextControlWindow, TypingKeysAndUndoKeepFieldsWhole)
{
    Type("Intro");
    EXPECT_EQ(5, m_notify.text); // the user's typing is reported, key by key
    Msg(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(5, m_notify.text);
    EXPECT_EQ(6, m_notify.selection);
    Msg(WM_KEYDOWN, VK_END);
    DWORD id = static_cast<DWORD>(
        Msg(TXM_FIELDINSERT, TXFIELD_INSTRUCTION, reinterpret_cast<LPARAM>("[Start]")));
    m_ctl.FieldSetDataHelper(id, 2);
    Type("x");
    EXPECT_EQ("Intro[Start]x", Text());
    // Left into the field and type: the character goes after the field.
    Msg(WM_KEYDOWN, VK_LEFT);
    Msg(WM_KEYDOWN, VK_LEFT);
    Msg(WM_KEYDOWN, VK_LEFT);
    Type("!");
    EXPECT_EQ("Intro[Start]!x", Text());
    // Backspace right after the field removes it whole; undo brings it back with its data.
    m_ctl.SetSel(12, 12);
    Msg(WM_CHAR, '\b');
    EXPECT_EQ("Intro!x", Text());
    EXPECT_TRUE(m_ctl.Core().Document().Fields().empty());
    EXPECT_TRUE(Msg(EM_CANUNDO));
    Msg(WM_UNDO);
    EXPECT_EQ("Intro[Start]!x", Text());
    EXPECT_EQ(2u, m_ctl.FieldGetDataHelper(id));
    // Delete at the field's start removes it too; Home and End move along the line.
    m_ctl.SetSel(5, 5);
    Msg(WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ("Intro!x", Text());
    Msg(WM_KEYDOWN, VK_HOME);
    long a, c;
    m_ctl.GetSel(a, c);
    EXPECT_EQ(0, c);
    Msg(WM_KEYDOWN, VK_END);
    m_ctl.GetSel(a, c);
    EXPECT_EQ(7, c);
    Type("\nnext");
    Msg(WM_KEYDOWN, VK_UP);
    m_ctl.GetSel(a, c);
    EXPECT_LT(c, 8);
}

TEST_F(TextControlWindow, ClipboardCarriesFieldsWithNewIds)
{
    Type("one ");
    DWORD id = static_cast<DWORD>(
        Msg(TXM_FIELDINSERT, TXFIELD_INSTRUCTION, reinterpret_cast<LPARAM>("[N]")));
    m_ctl.FieldSetDataHelper(id, 4);
    Type(" two");
    m_ctl.SetSel(0, 7);
    Msg(WM_COPY);
    m_ctl.SetSel(-1, -1);
    long a, c;
    m_ctl.GetSel(a, c);
    m_ctl.SetSel(c, c);
    Msg(WM_PASTE);
    EXPECT_EQ("one [N] twoone [N]", Text());
    ASSERT_EQ(2u, m_ctl.Core().Document().Fields().size());
    const CRichField& copy = m_ctl.Core().Document().Fields()[1];
    EXPECT_EQ(id + 1, copy.id);
    EXPECT_EQ(4u, copy.data);
    // Cut takes the text out; other programs get plain text and RTF.
    m_ctl.SetSel(0, 3);
    Msg(WM_CUT);
    EXPECT_EQ(" [N] twoone [N]", Text());
    ASSERT_TRUE(::OpenClipboard(m_ctl.m_hWnd));
    HANDLE h = ::GetClipboardData(CF_TEXT);
    ASSERT_NE(nullptr, h);
    EXPECT_STREQ("one", static_cast<const char*>(::GlobalLock(h)));
    ::GlobalUnlock(h);
    EXPECT_NE(nullptr, ::GetClipboardData(::RegisterClipboardFormatA("Rich Text Format")));
    ::CloseClipboard();
}

TEST_F(TextControlWindow, MouseScrollingAndPainting)
{
    std::string many;
    for (int i = 0; i < 80; ++i)
        many += "Line " + std::to_string(i) + " of a long script that needs a scroll bar\n";
    ASSERT_TRUE(m_ctl.LoadFromMemory(many.data(), many.size(), TXFORMAT_TEXT));
    EXPECT_EQ(0, m_ctl.ScrollPos());
    m_ctl.SetSel(static_cast<long>(many.size()), static_cast<long>(many.size()));
    EXPECT_GT(m_ctl.ScrollPos(), 0); // the caret is kept in view
    SCROLLINFO si = {sizeof si, SIF_POS};
    ::GetScrollInfo(m_ctl.m_hWnd, SB_VERT, &si);
    EXPECT_EQ(m_ctl.ScrollPos(), si.nPos);
    Msg(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(0, m_ctl.ScrollPos());

    // A click lands on the character under the mouse; a double click selects a word.
    const CTXLine& second = m_ctl.Layout().Lines()[1];
    int x = second.x[3], y = second.y + second.height / 2;
    Msg(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Msg(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    long a, c;
    m_ctl.GetSel(a, c);
    EXPECT_EQ(static_cast<long>(second.start + 3), c);
    Msg(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    EXPECT_EQ(u"Line", m_ctl.Core().SelectedText());

    // Red text and the selection show in the picture.
    m_ctl.SetSel(0, 4);
    m_ctl.SetTextColor(RGB(255, 0, 0));
    m_ctl.SetSel(6, 10);
    RECT rc;
    m_ctl.GetClientRect(&rc);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, rc.right, rc.bottom);
    HGDIOBJ old = ::SelectObject(dc, bmp);
    m_ctl.PaintTo(dc, rc);
    int red = 0, highlight = 0;
    const COLORREF hl = ::GetSysColor(COLOR_HIGHLIGHT);
    for (int py = 0; py < 20; ++py)
        for (int px = 0; px < 120; ++px) {
            COLORREF p = ::GetPixel(dc, px, py);
            red += GetRValue(p) > 200 && GetGValue(p) < 80 && GetBValue(p) < 80;
            highlight += p == hl;
        }
    ::SelectObject(dc, old);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    EXPECT_GT(red, 5);
    EXPECT_GT(highlight, 20);
}

TEST_F(TextControlWindow, FilesLoadAndSaveAndBadFilesLeaveTheDocument)
{
    Type("Keep me");
    DWORD id = static_cast<DWORD>(
        Msg(TXM_FIELDINSERT, TXFIELD_INSTRUCTION, reinterpret_cast<LPARAM>("[I]")));
    m_ctl.FieldSetDataHelper(id, 16);
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + "richtext_window_test.mqd";
    ASSERT_TRUE(m_ctl.SaveFile(path.c_str(), TXFORMAT_NATIVE));

    CTXTextControl other;
    ASSERT_TRUE(other.Create(&m_parent, 0xBEEF, CRect(0, 0, 100, 100), nullptr, nullptr, 0));
    int result = -1;
    ASSERT_TRUE(other.LoadFile(path.c_str(), TXFORMAT_NATIVE, 0, &result));
    EXPECT_EQ(0, result);
    EXPECT_EQ(u"Keep me[I]", other.Core().Document().Text());
    EXPECT_EQ(16u, other.FieldGetDataHelper(id));
    CByteArray rtf;
    ASSERT_TRUE(other.SaveToMemory(rtf, TXFORMAT_RTF));
    ASSERT_GT(rtf.GetSize(), 5);
    EXPECT_EQ(0, memcmp(rtf.GetData(), "{\\rtf", 5));

    // A damaged file and a missing one fail with a reason; the document stays.
    std::FILE* f = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(nullptr, f);
    std::fseek(f, 30, SEEK_SET);
    std::fputc('#', f);
    std::fclose(f);
    EXPECT_FALSE(other.LoadFile(path.c_str(), TXFORMAT_NATIVE, 0, &result));
    EXPECT_NE(0, result);
    EXPECT_FALSE(other.GetLastError().IsEmpty());
    EXPECT_FALSE(other.LoadFile((path + ".missing").c_str(), TXFORMAT_NATIVE, 0, &result));
    EXPECT_EQ(u"Keep me[I]", other.Core().Document().Text());
    other.DestroyWindow();
    ::DeleteFileA(path.c_str());
}

TEST_F(TextControlWindow, ASaveThatFailsKeepsThePreviousFileAndTheChanges)
{
    Type("First take");
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + "richtext_failed_save_test.rtf";
    ASSERT_TRUE(m_ctl.SaveFile(path.c_str(), TXFORMAT_RTF));
    std::string before;
    std::string error;
    ASSERT_TRUE(richtext::ReadFileBytes(path.c_str(), before, error)) << error;
    EXPECT_FALSE(m_ctl.GetModify());

    // The file was made read-only since: the save fails, says why, and loses nothing.
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    Type(" and a second");
    EXPECT_FALSE(m_ctl.SaveFile(path.c_str(), TXFORMAT_RTF));
    EXPECT_NE(m_ctl.GetLastError().Find("denied"), -1) << (LPCSTR)m_ctl.GetLastError();
    EXPECT_TRUE(m_ctl.GetModify()) << "the changes are not saved";
    std::string after;
    ASSERT_TRUE(richtext::ReadFileBytes(path.c_str(), after, error)) << error;
    EXPECT_EQ(after, before);

    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_TRUE(m_ctl.SaveFile(path.c_str(), TXFORMAT_RTF));
    ASSERT_TRUE(richtext::ReadFileBytes(path.c_str(), after, error)) << error;
    EXPECT_NE(after.find("a second"), std::string::npos);
    ::DeleteFileA(path.c_str());
}

TEST_F(TextControlWindow, AWorkerThreadSavesWhileTheUserTypes)
{
    Type("Start ");
    bool allRtf = true;
    std::thread worker([&] {
        for (int i = 0; i < 200; ++i) {
            CByteArray bytes;
            std::string error;
            CRichDocument d;
            if (!m_ctl.SaveToMemory(bytes, TXFORMAT_RTF) ||
                !richtext::ReadRtf(std::string(reinterpret_cast<const char*>(bytes.GetData()),
                                               static_cast<size_t>(bytes.GetSize())),
                                   d, error))
                allRtf = false;
        }
    });
    for (int i = 0; i < 100; ++i)
        Type("w ");
    worker.join();
    EXPECT_TRUE(allRtf);
    EXPECT_EQ(6u + 200u, Text().size());
}

TEST_F(TextControlWindow, AHiddenControlLoadsOnAWorkerThreadWithoutItsOwnThread)
{
    // A hidden control with no scroll bar yet, as a host keeps for converting scripts; a text
    // long enough to need the bar. The window's own thread pumps no messages meanwhile.
    CTXTextControl hidden;
    ASSERT_TRUE(hidden.Create(&m_parent, 0xBEEF, CRect(0, 0, 100, 100), nullptr, nullptr, 0));
    std::string many;
    for (int i = 0; i < 200; ++i)
        many += "Line " + std::to_string(i) + " of a script long enough for a scroll bar\n";
    HANDLE done = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    BOOL loaded = FALSE;
    std::thread worker([&] {
        loaded = hidden.LoadFromMemory(many.data(), many.size(), TXFORMAT_TEXT);
        CByteArray rtf;
        hidden.SaveToMemory(rtf, TXFORMAT_RTF);
        ::SetEvent(done);
    });
    const DWORD waited = ::WaitForSingleObject(done, 10000);
    EXPECT_EQ(WAIT_OBJECT_0, waited) << "the worker waited for the window's thread";
    if (waited != WAIT_OBJECT_0) {
        // Let the worker finish so the test can end.
        MSG msg;
        while (::WaitForSingleObject(done, 0) != WAIT_OBJECT_0 &&
               ::GetMessageA(&msg, nullptr, 0, 0))
            ::DispatchMessageA(&msg);
    }
    worker.join();
    ::CloseHandle(done);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(many.size(), hidden.Core().Document().Length());

    // Once its thread runs again the window catches up: layout and scroll bar.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_GT(hidden.Layout().Height(), 100);
    SCROLLINFO si = {sizeof si, SIF_RANGE};
    ASSERT_TRUE(::GetScrollInfo(hidden.m_hWnd, SB_VERT, &si));
    EXPECT_EQ(hidden.Layout().Height() - 1, si.nMax);
    hidden.DestroyWindow();
}

TEST_F(TextControlWindow, EveryCharacterIsKeptTypedPastedAndDrawn)
{
    // Typed as Unicode (WM_UNICHAR) and as the ANSI code page (WM_CHAR).
    for (UINT ch : {0x0416u, 0x05D0u, 0x1F600u})
        Msg(WM_UNICHAR, ch);
    Msg(WM_CHAR, 0xFC); // u umlaut in code page 1252
    EXPECT_EQ(u"\u0416\u05d0\U0001F600\u00fc", m_ctl.Core().Document().Text());
    EXPECT_EQ(TRUE, Msg(WM_UNICHAR, UNICODE_NOCHAR)) << "the window says it takes WM_UNICHAR";

    // Copied and pasted through the clipboard, the characters stay.
    m_ctl.SetSel(0, -1);
    Msg(WM_COPY);
    const long end = static_cast<long>(m_ctl.Core().Document().Length());
    m_ctl.SetSel(end, end);
    Msg(WM_PASTE);
    EXPECT_EQ(u"\u0416\u05d0\U0001F600\u00fc\u0416\u05d0\U0001F600\u00fc",
              m_ctl.Core().Document().Text());

    // The narrow interfaces give the ANSI code page's view.
    char buffer[64] = {};
    Msg(WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    const std::string narrow(buffer);
    EXPECT_EQ("??", narrow.substr(0, 2)) << narrow;
    EXPECT_EQ(2, std::count(narrow.begin(), narrow.end(), '\xFC')) << narrow;

    // Cyrillic is drawn with its own glyphs, not as question marks.
    auto ink = [&](const std::u16string& text) {
        CRichDocument d;
        d.Append(text, m_ctl.Core().TypingFormat());
        m_ctl.Core().SetDocument(d);
        RECT rc;
        m_ctl.GetClientRect(&rc);
        HDC screen = ::GetDC(nullptr);
        HDC dc = ::CreateCompatibleDC(screen);
        HBITMAP bmp = ::CreateCompatibleBitmap(screen, rc.right, rc.bottom);
        HGDIOBJ old = ::SelectObject(dc, bmp);
        m_ctl.PaintTo(dc, rc);
        std::vector<COLORREF> px;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 40; ++x)
                px.push_back(::GetPixel(dc, x, y));
        ::SelectObject(dc, old);
        ::DeleteObject(bmp);
        ::DeleteDC(dc);
        ::ReleaseDC(nullptr, screen);
        return px;
    };
    EXPECT_NE(ink(u"\u0416\u0416"), ink(u"??"));
    EXPECT_NE(ink(u"\u0416\u0416"), ink(u""));
}

// A device-independent bitmap of one colour, w x h pixels at 96 dots an inch.
std::string SolidDib(int w, int h, COLORREF colour)
{
    std::string dib(40, '\0');
    BITMAPINFOHEADER* head = reinterpret_cast<BITMAPINFOHEADER*>(&dib[0]);
    head->biSize = 40;
    head->biWidth = w;
    head->biHeight = h;
    head->biPlanes = 1;
    head->biBitCount = 24;
    head->biXPelsPerMeter = head->biYPelsPerMeter = 3780;
    const int stride = ((w * 24 + 31) / 32) * 4;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x) {
            row += static_cast<char>(GetBValue(colour));
            row += static_cast<char>(GetGValue(colour));
            row += static_cast<char>(GetRValue(colour));
        }
        row.resize(static_cast<size_t>(stride), '\0');
        dib += row;
    }
    return dib;
}

TEST_F(TextControlWindow, ImagesAndObjectsAreLaidOutAndDrawn)
{
    Type("ab\ncd");
    CRichObject image;
    std::string error;
    ASSERT_TRUE(richtext::ImageFromFile(richtext::DibToBitmapFile(SolidDib(20, 40, RGB(255, 0, 0))),
                                        image, error))
        << error;
    CTextControlCore& core = m_ctl.Core();
    core.SetSel(1, 1);
    const DWORD character = core.InsertObject(image); // "a|b": a character image
    image.fixed = true;
    image.x = 4320;
    core.SetSel(6, 6);
    const DWORD fixed = core.InsertObject(image); // at the end of "cd": fixed
    const DWORD object = core.InsertObject(richtext::ObjectFromFile("C:\\run.xls", "data"));
    ASSERT_TRUE(character && fixed && object);
    m_ctl.SyncWithCore(true);

    RECT rc;
    m_ctl.GetClientRect(&rc);
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, rc.right, rc.bottom);
    HGDIOBJ old = ::SelectObject(dc, bmp);
    m_ctl.PaintTo(dc, rc);

    const CTXLayout& layout = m_ctl.Layout();
    const CRichDocument& doc = core.Document();
    const std::vector<CTXLine>& lines = layout.Lines();
    ASSERT_GE(lines.size(), 2u);
    // The character image makes its line as tall as it is and takes its width.
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    const int w = ::MulDiv(20, dpi, 96), h = ::MulDiv(40, dpi, 96);
    EXPECT_GE(lines[0].height, h);
    EXPECT_EQ(w, lines[0].x[2] - lines[0].x[1]);
    const RECT charRect = layout.ObjectRect(doc, *doc.FindField(character));
    EXPECT_EQ(lines[0].x[1], charRect.left);
    EXPECT_EQ(lines[0].y + lines[0].ascent, charRect.bottom);
    EXPECT_EQ(RGB(255, 0, 0),
              ::GetPixel(dc, (charRect.left + charRect.right) / 2,
                         (charRect.top + charRect.bottom) / 2 - m_ctl.ScrollPos()));
    // The fixed one takes no room and stands three inches into its paragraph's first line.
    const size_t at = doc.FindField(fixed)->start;
    const CTXLine& second = lines[layout.LineOf(at)];
    EXPECT_EQ(second.x[at - second.start], second.x[at - second.start + 1]);
    const RECT fixedRect = layout.ObjectRect(doc, *doc.FindField(fixed));
    EXPECT_EQ(second.y, fixedRect.top);
    EXPECT_EQ(RGB(255, 0, 0),
              ::GetPixel(dc, fixedRect.left + 2, fixedRect.top + 2 - m_ctl.ScrollPos()));
    // The object is a framed box.
    const RECT box = layout.ObjectRect(doc, *doc.FindField(object));
    EXPECT_EQ(RGB(128, 128, 128),
              ::GetPixel(dc, box.left, (box.top + box.bottom) / 2 - m_ctl.ScrollPos()));
    EXPECT_EQ(RGB(255, 255, 255), ::GetPixel(dc, box.left + 2, box.top + 2 - m_ctl.ScrollPos()));

    ::SelectObject(dc, old);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
}

} // namespace
