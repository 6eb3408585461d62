// The caption queue and the caption thread: the prompter queues the text of each caption
// paragraph as it reaches the reading line; the thread sends the queue, in order, through
// the serial writer, so the prompter never waits for the encoder.
#pragma once
#include <windows.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <string>

#include "CloseCaption.h"
#include "SelvatraApi.h"

// One queued caption.
class SELVATRA_API CCPair
{
public:
    CCPair() = default;
    CCPair(std::string text, int pacing, int wpmPacing)
        : m_strText(std::move(text)), m_nPacing(pacing), m_nWPMPacing(wpmPacing)
    { }
    virtual ~CCPair() = default;

    std::string m_strText;
    int m_nPacing = 0;
    int m_nWPMPacing = 0;
};

// The bytes a caption paragraph goes out as: the text in the ANSI code page (fw/codepage.h; the encoder's is Windows
// Latin 1, whose upper half the replacement table covers), upper-cased when asked, leading
// blanks removed. Characters the code page lacks become "?". Empty for blanks only.
SELVATRA_API std::string CaptionEncoderText(const std::wstring& text, bool upper);

class SELVATRA_API CCaptionWriter
{
public:
    CCaptionWriter();
    ~CCaptionWriter();

    // Starts the thread that sends through caption (kept; owned by the caller).
    bool Start(CCloseCaption* caption);
    // Appends a caption and wakes the thread; ignored when the thread is not running.
    void Queue(const CCPair& pair);
    // Stops the thread: the caption in progress gives up its pacing, the rest of the queue
    // is dropped, and the call returns without waiting for the encoder. Does not close the
    // port (the owner calls CCloseCaption::Close afterwards, which sends the reset).
    void Stop();

    bool IsRunning() const { return m_hThread != nullptr; }
    size_t Pending();

private:
    static DWORD WINAPI ThreadProc(LPVOID param);
    void Run();
    bool PopFront(CCPair& pair);

    CCloseCaption* m_pCaption = nullptr;
    std::deque<CCPair> m_queue; // guarded by m_lock (the caller's thread and the caption thread)
    std::mutex m_lock;
    HANDLE m_evCaption = nullptr;
    HANDLE m_hThread = nullptr;
    std::atomic<bool> m_bStop {false}; // set by Stop, read by the caption thread
};
