#include "test_host.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <cstdio>

std::atomic<int> TrackedRecord::s_alive {0};
TestHost* TestHost::s_current = nullptr;

// The host's parent window: counts 0x5FE and deletes the prompter on it, as Marquill does.
class TestHost::HostWnd : public CWnd
{
public:
    explicit HostWnd(TestHost* host) : m_host(host) { }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PROMPTER_CLOSED) {
            ++m_host->closedMessages;
            m_host->doneBeforeClosed = m_host->doneCalls == 1;
            if (m_host->deleteOnClosed && m_host->prompter) {
                delete m_host->prompter;
                m_host->prompter = nullptr;
            }
            return 0;
        }
        if (message == WM_USER + 7) {
            ++m_host->sentMessagesServed;
            return 1;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    TestHost* m_host;
};

TestHost::TestHost()
{
    s_current = this;
    uiThread = GetCurrentThreadId();
    m_wnd = new HostWnd(this);
    LPCSTR cls = AfxRegisterWndClass(0);
    m_wnd->CreateEx(0, cls, "prompter test host", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr);
}

TestHost::~TestHost()
{
    if (prompter) {
        if (prompter->GetSafeHwnd())
            prompter->SendMessage(WM_CLOSE);
        PumpFor(50);
        delete prompter;
        prompter = nullptr;
    }
    m_wnd->DestroyWindow();
    delete m_wnd;
    PumpFor(10);
    s_current = nullptr;
}

HWND TestHost::ParentHandle() const { return m_wnd->GetSafeHwnd(); }
CWnd* TestHost::Parent() { return m_wnd; }

TestPrompter* TestHost::NewPrompter(bool showHost)
{
    TestPrompter* p = new TestPrompter;
    memset(&p->m_logFont, 0, sizeof(p->m_logFont));
    p->m_logFont.lfHeight = -40;
    p->m_logFont.lfWeight = FW_NORMAL;
    strcpy(p->m_logFont.lfFaceName, "Liberation Sans");
    p->m_crText = RGB(0, 0, 0);
    p->m_crBack = RGB(255, 255, 255);
    p->m_pfnGetRecord = &TestHost::GetRecord;
    p->m_pfnGetScriptText = &TestHost::GetScriptText;
    p->m_pfnPromptDone = &TestHost::PromptDone;
    if (showHost) {
        p->m_pfnNextRecord = &TestHost::NextRecord;
        p->m_pfnResetRecords = &TestHost::ResetRecords;
    }
    prompter = p;
    return p;
}

void TestHost::CreateFullScreen(TestPrompter* p, int width, int height)
{
    p->Create(Parent(), CRect(0, 0, width, height), WINTYPE_FULLSCREEN, 0, CRect(0, 0, 0, 0));
}

void TestHost::CreateWindowed(TestPrompter* p, RECT rect, RECT layout)
{
    p->Create(Parent(), CRect(rect), WINTYPE_WINDOW, 0, CRect(layout));
}

bool TestHost::PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (!pred()) {
        if (GetTickCount() - start > timeoutMs)
            return pred();
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
            if (pred())
                return true;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

void TestHost::PumpFor(DWORD ms)
{
    const DWORD start = GetTickCount();
    // Pumps for a set time: its predicate ends it, never the limit.
    (void)PumpUntil([&] { return GetTickCount() - start >= ms; }, ms + 1000);
}

// ---- callbacks ----------------------------------------------------------------------------

static TrackedRecord* MakeRecord(long id, long number, short type, const std::string& slug,
                                 long seconds)
{
    TrackedRecord* r = new TrackedRecord;
    r->m_lRecordId = id;
    r->m_lRecordNo = number;
    r->m_nType = type;
    r->m_strName = slug.c_str();
    r->m_strText = "1";
    r->m_tmTime = CTime(1980, 1, 1, 0, 0, 0);
    r->m_tsLength = CTimeSpan(seconds);
    return r;
}

prmptRecord* TestHost::NextRecord(void*)
{
    TestHost* h = s_current;
    if (!h || h->nextRow >= h->show.size())
        return nullptr;
    const size_t i = h->nextRow++;
    const ShowRow& row = h->show[i];
    return MakeRecord(row.id, long(i + 1), row.type, row.slug, row.lengthSeconds);
}

void TestHost::ResetRecords(void*)
{
    if (s_current)
        s_current->nextRow = 0;
}

void TestHost::PromptDone(void*, int paragraph)
{
    if (!s_current)
        return;
    ++s_current->doneCalls;
    s_current->doneParagraph = paragraph;
}

prmptRecord* TestHost::GetRecord(void*, int) { return MakeRecord(1, 1, 0, "Script", 0); }

bool TestHost::GetScriptText(void*, long id, qelstring& text)
{
    TestHost* h = s_current;
    if (!h)
        return false;
    if (GetCurrentThreadId() != h->uiThread)
        ++h->textCallsOffThread;
    auto it = h->scripts.find(id);
    if (it != h->scripts.end())
        text = it->second;
    if (h->onText)
        h->onText(id);
    return !h->failText && !text.empty();
}

// ---- pixels -------------------------------------------------------------------------------

int Pixels::CountNot(DWORD colour, int left, int top, int right, int bottom) const
{
    int n = 0;
    for (int y = top; y < bottom && y < height; ++y)
        for (int x = left; x < right && x < width; ++x)
            if (at(x, y) != colour)
                ++n;
    return n;
}

static Pixels ReadDib(HDC dc, HBITMAP bmp, int w, int h)
{
    Pixels p;
    p.width = w;
    p.height = h;
    p.px.resize(size_t(w) * size_t(h));
    BITMAPINFO bi;
    memset(&bi, 0, sizeof(bi));
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    GetDIBits(dc, bmp, 0, UINT(h), p.px.data(), &bi, DIB_RGB_COLORS);
    return p;
}

Pixels CaptureWindow(HWND hwnd)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    HDC wdc = GetDC(hwnd);
    HDC mem = CreateCompatibleDC(wdc);
    HBITMAP bmp = CreateCompatibleBitmap(wdc, rc.right, rc.bottom);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, rc.right, rc.bottom, wdc, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    Pixels p = ReadDib(mem, bmp, rc.right, rc.bottom);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(hwnd, wdc);
    return p;
}

Pixels CaptureBitmap(HBITMAP bmp)
{
    BITMAP bm;
    GetObject(bmp, sizeof(bm), &bm);
    HDC screen = GetDC(nullptr);
    Pixels p = ReadDib(screen, bmp, bm.bmWidth, bm.bmHeight);
    ReleaseDC(nullptr, screen);
    return p;
}

void TestHost::SetThreeScriptShow(int lines)
{
    show = {{1, 0, "A", 0}, {2, 0, "B", 0}, {3, 0, "C", 0}, {4, 2, "", 0}};
    for (long id = 1; id <= 3; ++id)
        scripts[id] = NumberedLines(lines);
}

std::string NumberedLines(int n, const char* word)
{
    std::string s;
    char buf[64];
    for (int i = 1; i <= n; ++i) {
        snprintf(buf, sizeof(buf), "%s %d\n", word, i);
        s += buf;
    }
    return s;
}

void CloseAndWait(TestHost& host, CPromptBaseWnd* p)
{
    p->SendMessage(WM_CLOSE);
    EXPECT_TRUE(TestHost::PumpUntil([&] { return !host.prompter; }, 5000))
        << "the prompter did not close within 5 seconds";
}

void StopTimer(CMarquillCmdWnd* p)
{
    if (p->m_nScrollTimer) {
        timeKillEvent(p->m_nScrollTimer);
        p->m_nScrollTimer = 0;
    }
    MSG msg;
    while (PeekMessage(&msg, p->GetSafeHwnd(), WM_PROMPTER_TICK, WM_PROMPTER_TICK, PM_REMOVE)) {
    }
}

bool TickUntil(TestHost& host, const std::function<bool()>& pred, int maxTicks)
{
    for (int tick = 0; tick < maxTicks && host.prompter; ++tick) {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        if (pred())
            return true;
        if (!host.prompter)
            break;
        StopTimer(host.prompter);
        host.prompter->WakeLineWorkers();
        host.prompter->SendMessage(WM_PROMPTER_TICK);
    }
    return pred();
}
