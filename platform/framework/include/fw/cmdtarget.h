// Command targets and message maps. A class with DECLARE_MESSAGE_MAP binds window
// messages, commands and control notifications to its member functions in a table
// (BEGIN_MESSAGE_MAP ... END_MESSAGE_MAP); a message not in the table is looked for in
// the base class's table, and so on up to CCmdTarget.
#pragma once
#include "fw/winbase.h"

class CCmdTarget;
class CCmdUI;
class CWnd;
class CMenu;

// Marks message handlers in class declarations (afx_msg void OnPaint();).
#ifndef afx_msg
#define afx_msg
#endif
#ifndef AFX_MSG_CALL
#define AFX_MSG_CALL
#endif

typedef void (CCmdTarget::*AFX_PMSG)(void);
typedef void (CWnd::*AFX_PMSGW)(void);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage; // window message (WM_COMMAND, WM_NOTIFY, a reflected message ...)
    UINT nCode; // control code or WM_NOTIFY code
    UINT nID; // control id (0 for window messages)
    UINT nLastID; // last id of a range
    UINT_PTR nSig; // handler signature (AfxSig_*); for registered messages the UINT* of the id
    AFX_PMSG pfn; // handler
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Command codes passed to OnCmdMsg besides the control notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// WM_NOTIFY handlers receive this through OnCmdMsg's pExtra.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Filled by OnCmdMsg instead of calling the handler, to ask whether one exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                           \
    const AFX_MSGMAP* GetMessageMap() const override;                                              \
                                                                                                   \
public:

// theClass's table; each entry names its handler through ThisClass (ON_WM_*) or takes a
// member pointer written out in full (ON_COMMAND(ID_X, &CMyWnd::OnX)).
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                                         \
    {                                                                                              \
        typedef theClass ThisClass;                                                                \
        typedef baseClass TheBaseClass;                                                            \
        (void)sizeof(ThisClass);                                                                   \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    {                                                                                              \
        0, 0, 0, 0, 0, (AFX_PMSG) nullptr                                                          \
    }                                                                                              \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

class FW_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    ~CCmdTarget() override;

    // Routes a command (nCode CN_COMMAND, CN_UPDATE_COMMAND_UI or a control code; the
    // high word may carry WM_NOTIFY or a reflected message) through this object's tables.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The hourglass while a long operation runs; calls nest.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    friend class CWnd;
};

// The user-interface state of one command: a menu item or a control. Update handlers
// (ON_UPDATE_COMMAND_UI) receive one and enable, check or retitle the item.
class FW_API CCmdUI
{
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1); // 0 unchecked, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCSTR lpszText);
    void ContinueRouting();

    // Asks pTarget's handlers about this item; with bDisableIfNoHndler an item that no
    // handler enables is disabled when no command handler exists for it.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    UINT m_nID;
    UINT m_nIndex; // menu item index, or control index
    CMenu* m_pMenu; // the menu, when a menu item
    CMenu* m_pSubMenu; // the popup the item opens, if any
    CWnd* m_pOther; // the control, when not a menu item
    BOOL m_bEnableChanged;
    BOOL m_bContinueRouting;
    UINT m_nIndexMax;
    CMenu* m_pParentMenu;
};

// Records what the handlers did, without touching any item: tells whether a command is
// enabled before it is routed.
class FW_API CTestCmdUI : public CCmdUI
{
public:
    CTestCmdUI() : m_bEnabled(TRUE) { }
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override { }
    void SetRadio(BOOL) override { }
    void SetText(LPCSTR) override { }
    BOOL m_bEnabled;
};
