// The caption queue and its thread.
#include "CaptionWriter.h"

#include <objbase.h>

#include "EngineMessages.h"
#include "fw/codepage.h"

std::string CaptionEncoderText(const std::wstring& text, bool upper)
{
    std::wstring wide = text;
    if (upper && !wide.empty())
        CharUpperBuffW(&wide[0], (DWORD)wide.size());
    size_t first = wide.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return std::string();
    return fw::Utf16ToAnsi(std::u16string(wide.begin() + first, wide.end()));
}

CCaptionWriter::CCaptionWriter() = default;

CCaptionWriter::~CCaptionWriter() { Stop(); }

bool CCaptionWriter::Start(CCloseCaption* caption)
{
    if (m_hThread || !caption)
        return false;
    m_pCaption = caption;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_queue.clear(); // every run starts afresh
    }
    m_bStop = false;
    m_evCaption = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    m_hThread = CreateThread(nullptr, 0, ThreadProc, this, 0, nullptr);
    if (!m_hThread) {
        CloseHandle(m_evCaption);
        m_evCaption = nullptr;
        return false;
    }
    return true;
}

void CCaptionWriter::Queue(const CCPair& pair)
{
    if (!m_hThread)
        return;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_queue.push_back(pair);
    }
    SetEvent(m_evCaption);
}

size_t CCaptionWriter::Pending()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_queue.size();
}

void CCaptionWriter::Stop()
{
    if (!m_hThread)
        return;
    m_bStop = true;
    m_pCaption->Abort();
    SetThreadPriority(m_hThread, THREAD_PRIORITY_ABOVE_NORMAL);
    SetEvent(m_evCaption);
    WaitForSingleObject(m_hThread, INFINITE);
    CloseHandle(m_hThread);
    CloseHandle(m_evCaption);
    m_hThread = nullptr;
    m_evCaption = nullptr;
    std::lock_guard<std::mutex> guard(m_lock);
    m_queue.clear();
}

bool CCaptionWriter::PopFront(CCPair& pair)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_queue.empty())
        return false;
    pair = m_queue.front();
    m_queue.pop_front();
    return true;
}

DWORD WINAPI CCaptionWriter::ThreadProc(LPVOID param)
{
    static_cast<CCaptionWriter*>(param)->Run();
    return 0;
}

void CCaptionWriter::Run()
{
    HRESULT ole = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(ole))
        ShowEngineMessage("Ole Init Failed");
    for (;;) {
        WaitForSingleObject(m_evCaption, INFINITE);
        if (m_bStop)
            break;
        CCPair pair;
        // The stop flag is checked between items: closing never waits for the queue.
        while (!m_bStop && PopFront(pair))
            m_pCaption->Send(pair.m_strText, pair.m_nPacing, pair.m_nWPMPacing);
    }
    if (SUCCEEDED(ole))
        CoUninitialize();
}
