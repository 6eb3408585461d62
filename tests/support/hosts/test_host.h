// A host of the prompter for tests and benchmarks: plays Marquill's part (a parent window,
// the five callbacks, records and script texts) and records what the prompter does to it.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "MarquillCmdWnd.h"
#include "PromptModel.h"

// A record that counts itself, so that a test sees the engine free every record it got.
class TrackedRecord : public prmptRecord
{
public:
    TrackedRecord() { ++s_alive; }
    ~TrackedRecord() override { --s_alive; }
    static std::atomic<int> s_alive;
};

// The prompter under test: the countdown clock is another component, so its start is recorded.
class TestPrompter : public CMarquillCmdWnd
{
public:
    void StartClock(CTimeSpan length, bool showLtHy) override
    {
        ++m_nClockStarts;
        m_lastClockLength = length.GetTotalSeconds();
        CMarquillCmdWnd::StartClock(length, showLtHy);
    }
    int m_nClockStarts = 0;
    long long m_lastClockLength = 0;
};

// One row of a show.
struct ShowRow
{
    long id;
    short type; // 0 script, 1 break, 2 end of show
    std::string slug;
    long lengthSeconds; // break length
};

class TestHost
{
public:
    TestHost();
    ~TestHost();

    // The parent window and the callbacks.
    HWND ParentHandle() const;
    CWnd* Parent();

    // Scripts by record id; a show's rows in order.
    std::map<long, std::string> scripts;
    std::vector<ShowRow> show;
    // A show of three scripts, A, B and C, of lines numbered lines each, then its end.
    void SetThreeScriptShow(int lines);

    // Creates a prompter with the test defaults (font, colours) and the host's callbacks.
    TestPrompter* NewPrompter(bool showHost);
    void CreateFullScreen(TestPrompter* p, int width = 1920, int height = 1080);
    void CreateWindowed(TestPrompter* p, RECT rect, RECT layout);

    // Runs the message loop until pred is true or the time is up; returns pred(), which the
    // caller asserts.
    [[nodiscard]] static bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs);
    static void PumpFor(DWORD ms);

    // What the prompter did to the host.
    int doneCalls = 0;
    int doneParagraph = -1;
    int closedMessages = 0;
    bool doneBeforeClosed = false;
    bool deleteOnClosed = true; // delete the prompter on 0x5FE, as the hosts do
    TestPrompter* prompter = nullptr; // cleared when deleted on 0x5FE
    std::atomic<int> textCallsOffThread {0};
    std::atomic<int> sentMessagesServed {0};
    // Called from the text callback (any thread) before it returns.
    std::function<void(long id)> onText;
    // The text callback reports failure (whatever text it leaves).
    bool failText = false;

    static TestHost* s_current;

    // Callbacks.
    static prmptRecord* NextRecord(void* owner);
    static void ResetRecords(void* owner);
    static void PromptDone(void* owner, int paragraph);
    static prmptRecord* GetRecord(void* owner, int number);
    static bool GetScriptText(void* owner, long id, qelstring& text);

    size_t nextRow = 0;
    DWORD uiThread = 0;

    class HostWnd;
    HostWnd* m_wnd = nullptr;
};

// Pixels of a window's client area or of a bitmap, top-down, 0x00RRGGBB.
struct Pixels
{
    int width = 0, height = 0;
    std::vector<DWORD> px;
    DWORD at(int x, int y) const { return px[size_t(y) * size_t(width) + size_t(x)] & 0xFFFFFF; }
    // Counts pixels in a rectangle that differ from colour.
    int CountNot(DWORD colour, int left, int top, int right, int bottom) const;
};

Pixels CaptureWindow(HWND hwnd);
Pixels CaptureBitmap(HBITMAP bmp);

// 0x00RRGGBB of a COLORREF.
inline DWORD Rgb(COLORREF c)
{
    return DWORD(GetRValue(c)) << 16 | DWORD(GetGValue(c)) << 8 | DWORD(GetBValue(c));
}

// A plain-text script of n one-word paragraphs "Line 1" ... "Line n".
std::string NumberedLines(int n, const char* word = "Line");

// Closes the prompter and runs the message loop until the host has deleted it; a prompter
// still there after 5 seconds fails the test.
void CloseAndWait(TestHost& host, CPromptBaseWnd* p);
// Stops the multimedia timer and drops queued ticks, so that a test drives the scrolling itself.
void StopTimer(CMarquillCmdWnd* p);
// Scrolls without waiting on the timer: keeps the timer stopped (a speed change restarts it)
// and gives the prompter its ticks as the timer would (the line threads woken, then the
// tick), serving the messages between ticks, until pred holds or maxTicks ticks are given.
// Returns pred(), which the caller asserts. A tick may end in the prompter being closed and
// deleted: pred must not touch it then (test host.prompter first).
[[nodiscard]] bool TickUntil(TestHost& host, const std::function<bool()>& pred,
                             int maxTicks = 20000);
