// Message-map entries. Window messages use ON_WM_* with the handler's conventional name
// and signature (OnPaint, OnSize(UINT, int, int) ...); commands, notifications and
// user messages take the handler as a full member pointer: ON_COMMAND(ID_X, &CMyWnd::OnX).
#pragma once
#include "fw/cmdtarget.h"

class CDC;
class CScrollBar;
class CListBox;
class CWinThread;

// Reflected messages arrive at the child control as WM_REFLECT_BASE + the message.
#define WM_REFLECT_BASE 0xBC00
// Sent to a window and its descendants at idle time to update toolbars and the like.
#define WM_IDLEUPDATECMDUI 0x0363
// The 16-bit WM_CTLCOLOR that the WM_CTLCOLOR* family is folded into.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// lParam of a WM_CTLCOLOR entry.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// Handler signatures: the dispatcher converts wParam and lParam by these.
enum AfxSig {
    AfxSig_end = 0,
    AfxSig_vv, // void ()
    AfxSig_is, // int (LPCREATESTRUCT)
    AfxSig_bs, // BOOL (LPCREATESTRUCT)
    AfxSig_bD, // BOOL (CDC*)
    AfxSig_vwii, // void (UINT, int, int)
    AfxSig_vii, // void (int, int)
    AfxSig_vt, // void (UINT_PTR)
    AfxSig_vwww, // void (UINT, UINT, UINT)     keys: char, repeat count, flags
    AfxSig_vwp, // void (UINT, CPoint)
    AfxSig_bwsp, // BOOL (UINT, short, CPoint)
    AfxSig_lp, // LRESULT (CPoint)
    AfxSig_bWww, // BOOL (CWnd*, UINT, UINT)
    AfxSig_vW, // void (CWnd*)
    AfxSig_vwwScroll, // void (UINT, UINT, CScrollBar*)
    AfxSig_hDWw, // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_uv, // UINT ()
    AfxSig_vwWb, // void (UINT, CWnd*, BOOL)
    AfxSig_iWww, // int (CWnd*, UINT, UINT)
    AfxSig_vbw, // void (BOOL, UINT)
    AfxSig_vPOS, // void (WINDOWPOS*)
    AfxSig_vMMI, // void (MINMAXINFO*)
    AfxSig_vwl, // void (UINT, LPARAM)
    AfxSig_vWp, // void (CWnd*, CPoint)
    AfxSig_vDRAW, // void (int, LPDRAWITEMSTRUCT)
    AfxSig_vMEASURE, // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_vCALC, // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_vMwb, // void (CMenu*, UINT, BOOL)
    AfxSig_vb, // void (BOOL)
    AfxSig_vws, // void (UINT, LPCSTR)
    AfxSig_vbd, // void (BOOL, DWORD)
    AfxSig_bb, // BOOL (BOOL)
    AfxSig_vDROP, // void (HDROP)
    AfxSig_vwSIZING, // void (UINT, LPRECT)
    AfxSig_vwwh, // void (UINT, UINT, HMENU)
    AfxSig_bv, // BOOL ()
    AfxSig_lwl, // LRESULT (WPARAM, LPARAM)      ON_MESSAGE
    AfxSig_vwlThread, // void (WPARAM, LPARAM)         ON_THREAD_MESSAGE
    AfxSig_hDw, // HBRUSH (CDC*, UINT)           reflected WM_CTLCOLOR
    AfxSig_vDRAWr, // void (LPDRAWITEMSTRUCT)       reflected WM_DRAWITEM
    AfxSig_vMEASUREr, // void (LPMEASUREITEMSTRUCT)    reflected WM_MEASUREITEM
    AfxSig_vwwr, // void (UINT, UINT)             reflected scroll
    AfxSig_vs, // void (LPCSTR)
    AfxSig_vM, // void (CMenu*)

    // Command handlers (through OnCmdMsg).
    AfxSigCmd_v, // void ()
    AfxSigCmd_b, // BOOL ()
    AfxSigCmd_EX, // BOOL (UINT)
    AfxSigCmd_RANGE, // void (UINT)
    AfxSigCmdUI, // void (CCmdUI*)
    AfxSigNotify_v, // void (NMHDR*, LRESULT*)
    AfxSigNotify_b, // BOOL (NMHDR*, LRESULT*)
    AfxSigNotify_RANGE, // void (UINT, NMHDR*, LRESULT*)
    AfxSigNotify_EX, // BOOL (UINT, NMHDR*, LRESULT*)

    // Window messages added later (kept after the others).
    AfxSig_vbWW, // void (BOOL, CWnd*, CWnd*)      WM_MDIACTIVATE
    AfxSig_vwW, // void (UINT, CWnd*)             WM_ENTERIDLE
    AfxSig_bHELPINFO, // BOOL (HELPINFO*)
    AfxSig_iCOMPARE, // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_vDELETE, // void (int, LPDELETEITEMSTRUCT)
    AfxSig_iwWw, // int (UINT, CListBox*, UINT)   WM_CHARTOITEM, WM_VKEYTOITEM
    AfxSig_iCOMPAREr, // int (LPCOMPAREITEMSTRUCT)     reflected WM_COMPAREITEM
    AfxSig_vDELETEr, // void (LPDELETEITEMSTRUCT)     reflected WM_DELETEITEM
    AfxSig_iwwr, // int (UINT, UINT)              reflected WM_CHARTOITEM, WM_VKEYTOITEM
};

#define FW_WM_ENTRY(msg, sig, type, fn)                                                            \
    {msg, 0, 0, 0, sig, (AFX_PMSG)(AFX_PMSGW)(static_cast<type>(&ThisClass::fn))},

// Window messages.
#define ON_WM_CREATE() FW_WM_ENTRY(WM_CREATE, AfxSig_is, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE()                                                                           \
    FW_WM_ENTRY(WM_NCCREATE, AfxSig_bs, BOOL (CWnd::*)(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY() FW_WM_ENTRY(WM_DESTROY, AfxSig_vv, void (CWnd::*)(), OnDestroy)
#define ON_WM_NCDESTROY() FW_WM_ENTRY(WM_NCDESTROY, AfxSig_vv, void (CWnd::*)(), OnNcDestroy)
#define ON_WM_CLOSE() FW_WM_ENTRY(WM_CLOSE, AfxSig_vv, void (CWnd::*)(), OnClose)
#define ON_WM_PAINT() FW_WM_ENTRY(WM_PAINT, AfxSig_vv, void (CWnd::*)(), OnPaint)
#define ON_WM_NCPAINT() FW_WM_ENTRY(WM_NCPAINT, AfxSig_vv, void (CWnd::*)(), OnNcPaint)
#define ON_WM_ERASEBKGND() FW_WM_ENTRY(WM_ERASEBKGND, AfxSig_bD, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_SIZE() FW_WM_ENTRY(WM_SIZE, AfxSig_vwii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE() FW_WM_ENTRY(WM_MOVE, AfxSig_vii, void (CWnd::*)(int, int), OnMove)
#define ON_WM_SIZING()                                                                             \
    FW_WM_ENTRY(WM_SIZING, AfxSig_vwSIZING, void (CWnd::*)(UINT, LPRECT), OnSizing)
#define ON_WM_MOVING()                                                                             \
    FW_WM_ENTRY(WM_MOVING, AfxSig_vwSIZING, void (CWnd::*)(UINT, LPRECT), OnMoving)
#define ON_WM_TIMER() FW_WM_ENTRY(WM_TIMER, AfxSig_vt, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_KEYDOWN()                                                                            \
    FW_WM_ENTRY(WM_KEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() FW_WM_ENTRY(WM_KEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() FW_WM_ENTRY(WM_CHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_DEADCHAR()                                                                           \
    FW_WM_ENTRY(WM_DEADCHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnDeadChar)
#define ON_WM_SYSKEYDOWN()                                                                         \
    FW_WM_ENTRY(WM_SYSKEYDOWN, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP()                                                                           \
    FW_WM_ENTRY(WM_SYSKEYUP, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SYSDEADCHAR()                                                                        \
    FW_WM_ENTRY(WM_SYSDEADCHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysDeadChar)
#define ON_WM_SYSCHAR()                                                                            \
    FW_WM_ENTRY(WM_SYSCHAR, AfxSig_vwww, void (CWnd::*)(UINT, UINT, UINT), OnSysChar)
#define ON_WM_LBUTTONDOWN()                                                                        \
    FW_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP()                                                                          \
    FW_WM_ENTRY(WM_LBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()                                                                      \
    FW_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN()                                                                        \
    FW_WM_ENTRY(WM_RBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP()                                                                          \
    FW_WM_ENTRY(WM_RBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK()                                                                      \
    FW_WM_ENTRY(WM_RBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN()                                                                        \
    FW_WM_ENTRY(WM_MBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP()                                                                          \
    FW_WM_ENTRY(WM_MBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK()                                                                      \
    FW_WM_ENTRY(WM_MBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMButtonDblClk)
#define ON_WM_MOUSEMOVE()                                                                          \
    FW_WM_ENTRY(WM_MOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_MOUSEWHEEL()                                                                         \
    FW_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_NCMOUSEMOVE()                                                                        \
    FW_WM_ENTRY(WM_NCMOUSEMOVE, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN()                                                                      \
    FW_WM_ENTRY(WM_NCLBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP()                                                                        \
    FW_WM_ENTRY(WM_NCLBUTTONUP, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK()                                                                    \
    FW_WM_ENTRY(WM_NCLBUTTONDBLCLK, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN()                                                                      \
    FW_WM_ENTRY(WM_NCRBUTTONDOWN, AfxSig_vwp, void (CWnd::*)(UINT, CPoint), OnNcRButtonDown)
#define ON_WM_NCHITTEST()                                                                          \
    FW_WM_ENTRY(WM_NCHITTEST, AfxSig_lp, LRESULT (CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_SETCURSOR()                                                                          \
    FW_WM_ENTRY(WM_SETCURSOR, AfxSig_bWww, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_SETFOCUS() FW_WM_ENTRY(WM_SETFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() FW_WM_ENTRY(WM_KILLFOCUS, AfxSig_vW, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_CAPTURECHANGED()                                                                     \
    FW_WM_ENTRY(WM_CAPTURECHANGED, AfxSig_vW, void (CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_PALETTECHANGED()                                                                     \
    FW_WM_ENTRY(WM_PALETTECHANGED, AfxSig_vW, void (CWnd::*)(CWnd*), OnPaletteChanged)
#define ON_WM_QUERYNEWPALETTE()                                                                    \
    FW_WM_ENTRY(WM_QUERYNEWPALETTE, AfxSig_bv, BOOL (CWnd::*)(), OnQueryNewPalette)
#define ON_WM_HSCROLL()                                                                            \
    FW_WM_ENTRY(WM_HSCROLL, AfxSig_vwwScroll, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL()                                                                            \
    FW_WM_ENTRY(WM_VSCROLL, AfxSig_vwwScroll, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_CTLCOLOR()                                                                           \
    FW_WM_ENTRY(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_GETDLGCODE() FW_WM_ENTRY(WM_GETDLGCODE, AfxSig_uv, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_ACTIVATE()                                                                           \
    FW_WM_ENTRY(WM_ACTIVATE, AfxSig_vwWb, void (CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_MOUSEACTIVATE()                                                                      \
    FW_WM_ENTRY(WM_MOUSEACTIVATE, AfxSig_iWww, int (CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_SHOWWINDOW()                                                                         \
    FW_WM_ENTRY(WM_SHOWWINDOW, AfxSig_vbw, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_WINDOWPOSCHANGING()                                                                  \
    FW_WM_ENTRY(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED()                                                                   \
    FW_WM_ENTRY(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_GETMINMAXINFO()                                                                      \
    FW_WM_ENTRY(WM_GETMINMAXINFO, AfxSig_vMMI, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_SYSCOMMAND()                                                                         \
    FW_WM_ENTRY(WM_SYSCOMMAND, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_CONTEXTMENU()                                                                        \
    FW_WM_ENTRY(WM_CONTEXTMENU, AfxSig_vWp, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_DRAWITEM()                                                                           \
    FW_WM_ENTRY(WM_DRAWITEM, AfxSig_vDRAW, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM()                                                                        \
    FW_WM_ENTRY(WM_MEASUREITEM, AfxSig_vMEASURE, void (CWnd::*)(int, LPMEASUREITEMSTRUCT),         \
                OnMeasureItem)
#define ON_WM_NCCALCSIZE()                                                                         \
    FW_WM_ENTRY(WM_NCCALCSIZE, AfxSig_vCALC, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_INITMENUPOPUP()                                                                      \
    FW_WM_ENTRY(WM_INITMENUPOPUP, AfxSig_vMwb, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_INITMENU() FW_WM_ENTRY(WM_INITMENU, AfxSig_vM, void (CWnd::*)(CMenu*), OnInitMenu)
#define ON_WM_MENUSELECT()                                                                         \
    FW_WM_ENTRY(WM_MENUSELECT, AfxSig_vwwh, void (CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_ENABLE() FW_WM_ENTRY(WM_ENABLE, AfxSig_vb, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_SETTINGCHANGE()                                                                      \
    FW_WM_ENTRY(WM_SETTINGCHANGE, AfxSig_vws, void (CWnd::*)(UINT, LPCSTR), OnSettingChange)
#define ON_WM_WININICHANGE()                                                                       \
    FW_WM_ENTRY(WM_WININICHANGE, AfxSig_vs, void (CWnd::*)(LPCSTR), OnWinIniChange)
#define ON_WM_ACTIVATEAPP()                                                                        \
    FW_WM_ENTRY(WM_ACTIVATEAPP, AfxSig_vbd, void (CWnd::*)(BOOL, DWORD), OnActivateApp)
#define ON_WM_NCACTIVATE() FW_WM_ENTRY(WM_NCACTIVATE, AfxSig_bb, BOOL (CWnd::*)(BOOL), OnNcActivate)
#define ON_WM_DROPFILES()                                                                          \
    FW_WM_ENTRY(WM_DROPFILES, AfxSig_vDROP, void (CWnd::*)(HDROP), OnDropFiles)
#define ON_WM_SYSCOLORCHANGE()                                                                     \
    FW_WM_ENTRY(WM_SYSCOLORCHANGE, AfxSig_vv, void (CWnd::*)(), OnSysColorChange)
#define ON_WM_CANCELMODE() FW_WM_ENTRY(WM_CANCELMODE, AfxSig_vv, void (CWnd::*)(), OnCancelMode)
#define ON_WM_FONTCHANGE() FW_WM_ENTRY(WM_FONTCHANGE, AfxSig_vv, void (CWnd::*)(), OnFontChange)
#define ON_WM_TIMECHANGE() FW_WM_ENTRY(WM_TIMECHANGE, AfxSig_vv, void (CWnd::*)(), OnTimeChange)
#define ON_WM_MDIACTIVATE()                                                                        \
    FW_WM_ENTRY(WM_MDIACTIVATE, AfxSig_vbWW, void (CWnd::*)(BOOL, CWnd*, CWnd*), OnMDIActivate)
#define ON_WM_CHILDACTIVATE()                                                                      \
    FW_WM_ENTRY(WM_CHILDACTIVATE, AfxSig_vv, void (CWnd::*)(), OnChildActivate)
#define ON_WM_PARENTNOTIFY()                                                                       \
    FW_WM_ENTRY(WM_PARENTNOTIFY, AfxSig_vwl, void (CWnd::*)(UINT, LPARAM), OnParentNotify)
#define ON_WM_ENTERIDLE()                                                                          \
    FW_WM_ENTRY(WM_ENTERIDLE, AfxSig_vwW, void (CWnd::*)(UINT, CWnd*), OnEnterIdle)
#define ON_WM_HELPINFO()                                                                           \
    FW_WM_ENTRY(WM_HELP, AfxSig_bHELPINFO, BOOL (CWnd::*)(HELPINFO*), OnHelpInfo)
#define ON_WM_QUERYENDSESSION()                                                                    \
    FW_WM_ENTRY(WM_QUERYENDSESSION, AfxSig_bv, BOOL (CWnd::*)(), OnQueryEndSession)
#define ON_WM_ENDSESSION() FW_WM_ENTRY(WM_ENDSESSION, AfxSig_vb, void (CWnd::*)(BOOL), OnEndSession)
#define ON_WM_COMPAREITEM()                                                                        \
    FW_WM_ENTRY(WM_COMPAREITEM, AfxSig_iCOMPARE, int (CWnd::*)(int, LPCOMPAREITEMSTRUCT),          \
                OnCompareItem)
#define ON_WM_DELETEITEM()                                                                         \
    FW_WM_ENTRY(WM_DELETEITEM, AfxSig_vDELETE, void (CWnd::*)(int, LPDELETEITEMSTRUCT),            \
                OnDeleteItem)
#define ON_WM_CHARTOITEM()                                                                         \
    FW_WM_ENTRY(WM_CHARTOITEM, AfxSig_iwWw, int (CWnd::*)(UINT, CListBox*, UINT), OnCharToItem)
#define ON_WM_VKEYTOITEM()                                                                         \
    FW_WM_ENTRY(WM_VKEYTOITEM, AfxSig_iwWw, int (CWnd::*)(UINT, CListBox*, UINT), OnVKeyToItem)

// Messages a parent reflects back to the child control that sent them.
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    {WM_CTLCOLOR + WM_REFLECT_BASE,                                                                \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_hDw,                                                                                   \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<HBRUSH (CWnd::*)(CDC*, UINT)>(&ThisClass::CtlColor))},
#define ON_WM_DRAWITEM_REFLECT()                                                                   \
    {WM_DRAWITEM + WM_REFLECT_BASE,                                                                \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vDRAWr,                                                                                \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (CWnd::*)(LPDRAWITEMSTRUCT)>(&ThisClass::DrawItem))},
#define ON_WM_MEASUREITEM_REFLECT()                                                                \
    {WM_MEASUREITEM + WM_REFLECT_BASE,                                                             \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vMEASUREr,                                                                             \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (CWnd::*)(LPMEASUREITEMSTRUCT)>(                       \
         &ThisClass::MeasureItem))},
#define ON_WM_HSCROLL_REFLECT()                                                                    \
    {WM_HSCROLL + WM_REFLECT_BASE,                                                                 \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vwwr,                                                                                  \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (CWnd::*)(UINT, UINT)>(&ThisClass::HScroll))},
#define ON_WM_VSCROLL_REFLECT()                                                                    \
    {WM_VSCROLL + WM_REFLECT_BASE,                                                                 \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vwwr,                                                                                  \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (CWnd::*)(UINT, UINT)>(&ThisClass::VScroll))},
#define ON_WM_COMPAREITEM_REFLECT()                                                                \
    {WM_COMPAREITEM + WM_REFLECT_BASE,                                                             \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_iCOMPAREr,                                                                             \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<int (CWnd::*)(LPCOMPAREITEMSTRUCT)>(                        \
         &ThisClass::CompareItem))},
#define ON_WM_DELETEITEM_REFLECT()                                                                 \
    {WM_DELETEITEM + WM_REFLECT_BASE,                                                              \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vDELETEr,                                                                              \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (CWnd::*)(LPDELETEITEMSTRUCT)>(                        \
         &ThisClass::DeleteItem))},
#define ON_WM_CHARTOITEM_REFLECT()                                                                 \
    {WM_CHARTOITEM + WM_REFLECT_BASE,                                                              \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_iwwr,                                                                                  \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<int (CWnd::*)(UINT, UINT)>(&ThisClass::CharToItem))},
#define ON_WM_VKEYTOITEM_REFLECT()                                                                 \
    {WM_VKEYTOITEM + WM_REFLECT_BASE,                                                              \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_iwwr,                                                                                  \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<int (CWnd::*)(UINT, UINT)>(&ThisClass::VKeyToItem))},
#define ON_WM_PARENTNOTIFY_REFLECT()                                                               \
    {WM_PARENTNOTIFY + WM_REFLECT_BASE,                                                            \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vwl,                                                                                   \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (CWnd::*)(UINT, LPARAM)>(&ThisClass::ParentNotify))},

// User-defined and registered messages: LRESULT handler(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn)                                                             \
    {                                                                                              \
        message,                                                                                   \
        0,                                                                                         \
        0,                                                                                         \
        0,                                                                                         \
        AfxSig_lwl,                                                                                \
        (AFX_PMSG)(AFX_PMSGW)(static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(memberFxn))},
// nMessageVariable: a UINT holding the RegisterWindowMessage result (read at dispatch).
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                         \
    {0xC000,                                                                                       \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     (UINT_PTR)(UINT*)(&nMessageVariable),                                                         \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(memberFxn))},
// Thread messages (posted to a CWinThread with no window): void handler(WPARAM, LPARAM).
#define ON_THREAD_MESSAGE(message, memberFxn)                                                      \
    {message,                                                                                      \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     AfxSig_vwlThread,                                                                             \
     (AFX_PMSG)(static_cast<void (CWinThread::*)(WPARAM, LPARAM)>(memberFxn))},
#define ON_REGISTERED_THREAD_MESSAGE(nMessageVariable, memberFxn)                                  \
    {0xC000,                                                                                       \
     0,                                                                                            \
     0,                                                                                            \
     0,                                                                                            \
     (UINT_PTR)(UINT*)(&nMessageVariable),                                                         \
     (AFX_PMSG)(static_cast<void (CWinThread::*)(WPARAM, LPARAM)>(memberFxn))},

// Commands (menus, accelerators, buttons) and their user-interface updates.
#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSigCmd_v, static_cast<AFX_PMSG>(memberFxn)},
#define ON_COMMAND_EX(id, memberFxn)                                                               \
    {WM_COMMAND, CN_COMMAND,   (WORD)(id),                                                         \
     (WORD)(id), AfxSigCmd_EX, (AFX_PMSG)(static_cast<BOOL (CCmdTarget::*)(UINT)>(memberFxn))},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                    \
    {WM_COMMAND,      CN_COMMAND,                                                                  \
     (WORD)(id),      (WORD)(idLast),                                                              \
     AfxSigCmd_RANGE, (AFX_PMSG)(static_cast<void (CCmdTarget::*)(UINT)>(memberFxn))},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                 \
    {                                                                                              \
        WM_COMMAND,   CN_COMMAND,                                                                  \
        (WORD)(id),   (WORD)(idLast),                                                              \
        AfxSigCmd_EX, (AFX_PMSG)(static_cast<BOOL (CCmdTarget::*)(UINT)>(memberFxn))},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                        \
    {WM_COMMAND,  CN_UPDATE_COMMAND_UI,                                                            \
     (WORD)(id),  (WORD)(id),                                                                      \
     AfxSigCmdUI, (AFX_PMSG)(static_cast<void (CCmdTarget::*)(CCmdUI*)>(memberFxn))},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                          \
    {WM_COMMAND,  CN_UPDATE_COMMAND_UI,                                                            \
     (WORD)(id),  (WORD)(idLast),                                                                  \
     AfxSigCmdUI, (AFX_PMSG)(static_cast<void (CCmdTarget::*)(CCmdUI*)>(memberFxn))},

// Control notifications through WM_COMMAND.
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    {WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id),                                                  \
     (WORD)(id), AfxSigCmd_v,         static_cast<AFX_PMSG>(memberFxn)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                       \
    {WM_COMMAND,      (WORD)(wNotifyCode),                                                         \
     (WORD)(id),      (WORD)(idLast),                                                              \
     AfxSigCmd_RANGE, (AFX_PMSG)(static_cast<void (CCmdTarget::*)(UINT)>(memberFxn))},
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// Control notifications through WM_NOTIFY: void handler(NMHDR*, LRESULT*).
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                      \
    {WM_NOTIFY,      (WORD)(int)(wNotifyCode),                                                     \
     (WORD)(id),     (WORD)(id),                                                                   \
     AfxSigNotify_v, (AFX_PMSG)(static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(memberFxn))},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                        \
    {WM_NOTIFY,                                                                                    \
     (WORD)(int)(wNotifyCode),                                                                     \
     (WORD)(id),                                                                                   \
     (WORD)(idLast),                                                                               \
     AfxSigNotify_RANGE,                                                                           \
     (AFX_PMSG)(static_cast<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(memberFxn))},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                   \
    {WM_NOTIFY,                                                                                    \
     (WORD)(int)(wNotifyCode),                                                                     \
     (WORD)(id),                                                                                   \
     (WORD)(id),                                                                                   \
     AfxSigNotify_EX,                                                                              \
     (AFX_PMSG)(static_cast<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(memberFxn))},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                     \
    {WM_NOTIFY,                                                                                    \
     (WORD)(int)(wNotifyCode),                                                                     \
     (WORD)(id),                                                                                   \
     (WORD)(idLast),                                                                               \
     AfxSigNotify_EX,                                                                              \
     (AFX_PMSG)(static_cast<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(memberFxn))},

// Notifications reflected to the control that sent them.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                 \
    {WM_COMMAND + WM_REFLECT_BASE,    (WORD)(wNotifyCode), 0, 0, AfxSigCmd_v,                      \
     static_cast<AFX_PMSG>(memberFxn)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                              \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                 \
     (WORD)(wNotifyCode),                                                                          \
     0,                                                                                            \
     0,                                                                                            \
     AfxSigCmd_b,                                                                                  \
     (AFX_PMSG)(static_cast<BOOL (CCmdTarget::*)()>(memberFxn))},
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn)                                                    \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                 \
     (WORD)-1,                                                                                     \
     0,                                                                                            \
     0,                                                                                            \
     AfxSigCmdUI,                                                                                  \
     (AFX_PMSG)(static_cast<void (CCmdTarget::*)(CCmdUI*)>(memberFxn))},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                  \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                  \
     (WORD)(int)(wNotifyCode),                                                                     \
     0,                                                                                            \
     0,                                                                                            \
     AfxSigNotify_v,                                                                               \
     (AFX_PMSG)(static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(memberFxn))},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                               \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                  \
     (WORD)(int)(wNotifyCode),                                                                     \
     0,                                                                                            \
     0,                                                                                            \
     AfxSigNotify_b,                                                                               \
     (AFX_PMSG)(static_cast<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(memberFxn))},
