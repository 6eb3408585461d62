// Answers the framework's modal windows in the dialog tests: every request is recorded,
// and each is answered by the next reply in line (Cancel unseen when none is left).
#pragma once
#include "fw_test_support.h"

#include <deque>
#include <vector>

class CModalReplies
{
public:
    CModalReplies()
    {
        m_previous = AfxSetModalAnswerer([this](const AFX_MODAL_REQUEST& request) {
            m_requests.push_back(request);
            if (m_replies.empty())
                return AFX_MODAL_REPLY::Answer(IDCANCEL);
            AFX_MODAL_REPLY reply = m_replies.front();
            m_replies.pop_front();
            return reply;
        });
    }
    ~CModalReplies() { AfxSetModalAnswerer(m_previous); }

    void Answer(INT_PTR nResult) { m_replies.push_back(AFX_MODAL_REPLY::Answer(nResult)); }
    void Script(std::function<void(CWnd*)> fnScript)
    {
        m_replies.push_back(AFX_MODAL_REPLY::Script(std::move(fnScript)));
    }

    size_t Count() const { return m_requests.size(); }
    const AFX_MODAL_REQUEST& Request(size_t i) const { return m_requests.at(i); }

private:
    AFX_MODAL_ANSWERER m_previous;
    std::deque<AFX_MODAL_REPLY> m_replies;
    std::vector<AFX_MODAL_REQUEST> m_requests;
};

// Presses a dialog's button as a click does.
inline void PressButton(CWnd* pDlg, int nID)
{
    pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                      (LPARAM)::GetDlgItem(pDlg->m_hWnd, nID));
}

inline CString DlgItemText(CWnd* pDlg, int nID)
{
    CString str;
    pDlg->GetDlgItemText(nID, str);
    return str;
}
