// What the Close Caption Setup tests share: the sheet's modal run answered by a script on
// the live sheet, message boxes recorded, and the controls worked as a user works them.
#pragma once
#include <gtest/gtest.h>

#include "framework.h"

#include <functional>
#include <string>
#include <vector>

// Runs fnScript on the next modal window (the sheet) and records the request; later modal
// windows are cancelled unseen.
class SheetScript
{
public:
    explicit SheetScript(std::function<void(CWnd*)> fnScript) : m_fnScript(std::move(fnScript))
    {
        m_previous = AfxSetModalAnswerer([this](const AFX_MODAL_REQUEST& request) {
            m_kinds.push_back(request.nKind);
            if (!m_fnScript)
                return AFX_MODAL_REPLY::Answer(IDCANCEL);
            AFX_MODAL_REPLY reply = AFX_MODAL_REPLY::Script(std::move(m_fnScript));
            m_fnScript = nullptr;
            return reply;
        });
    }
    ~SheetScript() { AfxSetModalAnswerer(m_previous); }
    std::vector<AfxModalKind> m_kinds;

private:
    std::function<void(CWnd*)> m_fnScript;
    AFX_MODAL_ANSWERER m_previous;
};

class MessageBoxes
{
public:
    MessageBoxes()
    {
        m_previous = AfxSetMessageBoxAnswerer([this](const AFX_MESSAGEBOX_REQUEST& request) {
            m_texts.push_back((LPCSTR)request.strText);
            m_types.push_back(request.nType);
            return IDOK;
        });
    }
    ~MessageBoxes() { AfxSetMessageBoxAnswerer(m_previous); }
    std::vector<std::string> m_texts;
    std::vector<UINT> m_types;

private:
    AFX_MESSAGEBOX_ANSWERER m_previous;
};

const int kApplyButton = 0x3021;

// The sheet's caption and templates are Selvatra's: the program links the engine, and a
// test that only runs the sheet loads it, which joins its resources to the chain.
inline bool LoadSelvatraResources()
{
    static const HMODULE hSelvatra = ::LoadLibraryA("Selvatra.dll");
    return hSelvatra != nullptr;
}

inline void Press(CWnd* pWnd, int nID)
{
    pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                      (LPARAM)::GetDlgItem(pWnd->m_hWnd, nID));
}

// Clicks a check box: flips it and tells its page, as a mouse click does.
inline void Click(CWnd* pPage, int nID)
{
    pPage->CheckDlgButton(nID, pPage->IsDlgButtonChecked(nID) ? 0 : 1);
    Press(pPage, nID);
}

inline std::string ItemText(CWnd* pPage, int nID)
{
    CString text;
    pPage->GetDlgItemText(nID, text);
    return (LPCSTR)text;
}

// Chooses a list entry by its text and tells the page (CBN_SELCHANGE, then CBN_SELENDOK).
inline bool Choose(CWnd* pPage, int nID, const char* entry)
{
    HWND hList = ::GetDlgItem(pPage->m_hWnd, nID);
    const LRESULT index = ::SendMessageA(hList, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)entry);
    if (index == CB_ERR)
        return false;
    ::SendMessageA(hList, CB_SETCURSEL, (WPARAM)index, 0);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), (LPARAM)hList);
    pPage->SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELENDOK), (LPARAM)hList);
    return true;
}

// Every entry of a list, in list order.
inline std::vector<std::string> Entries(CWnd* pPage, int nID)
{
    std::vector<std::string> entries;
    HWND hList = ::GetDlgItem(pPage->m_hWnd, nID);
    const int count = (int)::SendMessageA(hList, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        ::SendMessageA(hList, CB_GETLBTEXT, (WPARAM)i, (LPARAM)text);
        entries.push_back(text);
    }
    return entries;
}

inline int Selection(CWnd* pPage, int nID)
{
    return (int)::SendDlgItemMessageA(pPage->m_hWnd, nID, CB_GETCURSEL, 0, 0);
}
