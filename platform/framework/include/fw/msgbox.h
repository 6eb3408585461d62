// Message boxes. Every box the framework shows (AfxMessageBox, CWnd::MessageBox,
// exception reports, CWinApp::DoMessageBox) goes through one seam: when an answerer is
// installed it receives the box and returns the button pressed, and nothing is shown.
// Otherwise, when the environment variable FW_MESSAGEBOX_ANSWER holds a button id
// (IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 ...), every box is answered with it
// unseen, so that no modal box ever blocks an unattended run. Otherwise it is shown.
#pragma once
#include "fw/winbase.h"

#include <functional>

struct AFX_MESSAGEBOX_REQUEST
{
    HWND hWndOwner;
    CString strText;
    CString strCaption;
    UINT nType; // MB_* flags
    UINT nIDHelp; // help context (or the prompt's string id)
};

typedef std::function<int(const AFX_MESSAGEBOX_REQUEST&)> AFX_MESSAGEBOX_ANSWERER;

// Installs an answerer (empty: none); returns the previous one.
FW_API AFX_MESSAGEBOX_ANSWERER AFXAPI AfxSetMessageBoxAnswerer(AFX_MESSAGEBOX_ANSWERER answerer);

// Shows (or hands to the answerer) one box. The caption defaults to the application's name.
FW_API int AFXAPI AfxShowMessageBox(HWND hWndOwner, LPCSTR lpszText, LPCSTR lpszCaption, UINT nType,
                                    UINT nIDHelp = 0);

// Through the application's DoMessageBox when there is an application.
FW_API int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text is string nIDPrompt from the resource chain.
FW_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
