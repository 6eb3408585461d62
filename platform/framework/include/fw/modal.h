// Modal windows and the seam that answers them. Every modal window the framework shows
// (dialogs, property sheets, file and other common dialogs, popup menus) asks the seam
// first. An installed answerer may answer it unseen (the window returns the answer at
// once), run a script on the live window (the script acts on the controls and ends the
// window; a window the script leaves open is cancelled), or let it show. Without an
// answerer, an unattended run (environment FW_MODAL_ANSWER, or FW_MESSAGEBOX_ANSWER as
// the tests set it) answers every modal window unseen: with FW_MODAL_ANSWER's result when
// given, else Cancel (no command for a popup menu). So no test ever blocks on one.
#pragma once
#include "fw/winbase.h"

#include <functional>

class CWnd;

enum AfxModalKind {
    afxModalDialog = 1, // a dialog from a template (CDialog and its kin)
    afxModalPropertySheet, // a property sheet
    afxModalFileDialog, // the open or save file dialog
    afxModalCommonDialog, // the other common dialogs (font, colour, print ...)
    afxModalPopupMenu, // a popup menu: the answer is the command chosen, 0 for none
};

struct AFX_MODAL_REQUEST
{
    AfxModalKind nKind;
    CObject* pObject; // the dialog, sheet or common-dialog object; the CMenu of a popup
    HWND hWndOwner;
    LPCSTR lpszTemplate; // dialog template name or MAKEINTRESOURCE id, when there is one
    CString strCaption; // the window's title, when known before it shows
    HMENU hMenu; // a popup menu's handle
};

// What the seam does with one modal window.
struct FW_API AFX_MODAL_REPLY
{
    enum Action { show, answer, script };
    Action nAction = show;
    INT_PTR nResult = 0; // answer: what the window returns (IDOK, IDCANCEL, a command)
    CString strFileName; // answer IDOK of a file dialog: the chosen path
    std::function<void(CWnd*)> fnScript; // script: run on the live window once it is up

    static AFX_MODAL_REPLY Show();
    static AFX_MODAL_REPLY Answer(INT_PTR nResult, LPCSTR lpszFileName = nullptr);
    static AFX_MODAL_REPLY Script(std::function<void(CWnd*)> fnScript);
};

typedef std::function<AFX_MODAL_REPLY(const AFX_MODAL_REQUEST&)> AFX_MODAL_ANSWERER;

// Installs an answerer (empty: none); returns the previous one.
FW_API AFX_MODAL_ANSWERER AFXAPI AfxSetModalAnswerer(AFX_MODAL_ANSWERER answerer);

// Asks the seam about one modal window (every modal window of the framework calls it).
FW_API AFX_MODAL_REPLY AFXAPI AfxAskModalAnswer(const AFX_MODAL_REQUEST& request);

// A script for the live modal window hWnd, run by its modal loop once the window is up
// (CWnd::RunModalLoop takes it when it starts). A window the script leaves open ends
// with IDCANCEL, so a script never leaves a test waiting.
FW_API void AFXAPI AfxSetModalScript(HWND hWnd, std::function<void(CWnd*)> fnScript);

// Runs a modal window's reply where the window does not run the framework's modal loop
// (common dialogs run the system's): hWndDialog is the live window.
FW_API void AFXAPI AfxRunModalScript(HWND hWndDialog, const std::function<void(CWnd*)>& fnScript);

// The flags of CWnd::RunModalLoop.
#define MLF_NOIDLEMSG 0x0001 // no WM_ENTERIDLE to the owner
#define MLF_NOKICKIDLE 0x0002 // no WM_KICKIDLE to the window
#define MLF_SHOWONIDLE 0x0004 // show the window at the first idle time

// CWnd::m_nFlags bits.
#define WF_TOOLTIPS 0x0001 // the window shows tool tips
#define WF_TEMPHIDE 0x0002 // hidden while a modal window runs
#define WF_STAYDISABLED 0x0004 // stays disabled after a modal window ends
#define WF_MODALLOOP 0x0008 // RunModalLoop is running
#define WF_CONTINUEMODAL 0x0010 // the modal loop goes on
#define WF_OLECTLCONTAINER 0x0100 // contains controls
#define WF_TRACKINGTOOLTIPS 0x0400
#define WF_MODALDISABLE 0x0200 // the window was disabled by a modal window
