// Helpers the framework's window tests share.
#pragma once
#include "framework.h"

#include <string>
#include <vector>

// Handles every message waiting in this thread's queue.
inline void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Answers every framework message box with a fixed button while it lives, and keeps
// what each box said.
class CMessageBoxRecorder
{
public:
    explicit CMessageBoxRecorder(int nAnswer = IDOK)
    {
        m_previous =
            AfxSetMessageBoxAnswerer([this, nAnswer](const AFX_MESSAGEBOX_REQUEST& request) {
                m_requests.push_back(request);
                return nAnswer;
            });
    }
    ~CMessageBoxRecorder() { AfxSetMessageBoxAnswerer(m_previous); }

    size_t Count() const { return m_requests.size(); }
    std::string Text(size_t i) const { return (LPCSTR)m_requests.at(i).strText; }
    const AFX_MESSAGEBOX_REQUEST& Request(size_t i) const { return m_requests.at(i); }

private:
    AFX_MESSAGEBOX_ANSWERER m_previous;
    std::vector<AFX_MESSAGEBOX_REQUEST> m_requests;
};
