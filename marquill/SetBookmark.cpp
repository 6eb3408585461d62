#include "SetBookmark.h"

#include "MarquillResource.h"
#include "ScriptView.h"

BEGIN_MESSAGE_MAP(CBookmarkComboCox, CComboBox)
    ON_CONTROL_REFLECT(CBN_EDITUPDATE, &CBookmarkComboCox::OnEditUpdate)
    ON_CONTROL_REFLECT(CBN_SELCHANGE, &CBookmarkComboCox::OnSelChange)
END_MESSAGE_MAP()

void CBookmarkComboCox::EnableEntryButtons(BOOL enable)
{
    CWnd* parent = GetParent();
    if (!parent)
        return;
    for (int id : {IDC_BOOKMARK_GOTO, IDC_BOOKMARK_DELETE})
        if (CWnd* button = parent->GetDlgItem(id))
            button->EnableWindow(enable);
}

void CBookmarkComboCox::OnEditUpdate()
{
    m_bChanged = true;
    EnableEntryButtons(FALSE);
}

void CBookmarkComboCox::OnSelChange()
{
    m_bChanged = true;
    EnableEntryButtons(TRUE);
}

BEGIN_MESSAGE_MAP(CSetBookmark, CDialog)
    ON_BN_CLICKED(IDC_BOOKMARK_ADD, &CSetBookmark::OnAdd)
    ON_BN_CLICKED(IDC_BOOKMARK_DELETE, &CSetBookmark::OnDelete)
    ON_BN_CLICKED(IDC_BOOKMARK_GOTO, &CSetBookmark::OnGoTo)
END_MESSAGE_MAP()

CSetBookmark::CSetBookmark(CMyTXWordsView* view, CWnd* pParent)
    : CDialog(IDD_BOOKMARK, pParent ? pParent : view), m_pView(view), m_nSavedCaret(0),
      m_nSavedAnchor(0)
{ }

void CSetBookmark::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BOOKMARK_COMBO, m_combo);
}

BOOL CSetBookmark::OnInitDialog()
{
    CDialog::OnInitDialog();
    const TXPAIR sel = m_pView->GetSelPair();
    m_nSavedAnchor = sel.first;
    m_nSavedCaret = sel.second;
    m_pView->SendMessage(WM_SETREDRAW, FALSE);
    m_pView->SetSelPair(m_nSavedCaret, m_nSavedCaret);
    m_combo.LimitText(kMaxNameLength);
    FillList();
    if (m_combo.GetCount() == 0) {
        GetDlgItem(IDC_BOOKMARK_GOTO)->EnableWindow(FALSE);
        GetDlgItem(IDC_BOOKMARK_DELETE)->EnableWindow(FALSE);
    }
    return TRUE;
}

void CSetBookmark::FillList()
{
    m_combo.ResetContent();
    for (DWORD id = static_cast<DWORD>(m_pView->SendTx(TXM_FIELDNEXT, 0, 256)); id;
         id = static_cast<DWORD>(m_pView->SendTx(TXM_FIELDNEXT, id, 256))) {
        TXFIELDSETTYPE type = {TXFT_TYPEALL, 0, nullptr, 0};
        CString name;
        CTXTextControl* control = m_pView->GetTextControl();
        if (control && control->FieldGetType(id, &type) && type.nType == TXFIELDTYPE_TARGET)
            name = control->FieldGetTypeText(id);
        const int index = m_combo.AddString(name);
        if (index >= 0)
            m_combo.SetItemData(index, id);
    }
    if (m_combo.GetCount() > 0)
        m_combo.SetCurSel(0);
}

void CSetBookmark::RestoreView(bool restoreSelection)
{
    if (restoreSelection)
        m_pView->SetSelPair(m_nSavedCaret, m_nSavedAnchor);
    m_pView->SendMessage(WM_SETREDRAW, TRUE);
    m_pView->Invalidate();
    if (m_pView->GetTextControl() && m_pView->GetTextControl()->GetSafeHwnd())
        m_pView->GetTextControl()->Invalidate();
    m_pView->SetFocus();
}

void CSetBookmark::OnAdd()
{
    if (!m_combo.m_bChanged)
        return;
    m_combo.SetEditSel(0, -1);
    CString name;
    m_combo.GetWindowText(name);
    name = name.Left(kMaxNameLength);
    if (name.IsEmpty() || m_combo.FindStringExact(-1, name) != CB_ERR)
        return;
    const DWORD id = static_cast<DWORD>(
        m_pView->SendTx(TXM_FIELDINSERT, TXFIELD_TARGET, reinterpret_cast<LPARAM>("")));
    if (id) {
        char buffer[kMaxNameLength + 1] = {};
        lstrcpynA(buffer, name, sizeof buffer);
        TXFIELDSETTYPE type = {TXFT_TYPEALL, TXFIELDTYPE_TARGET, buffer, name.GetLength() + 1};
        if (!m_pView->SendTx(TXM_FIELDSETTYPE, id, reinterpret_cast<LPARAM>(&type)))
            return;
    }
    FillList();
    GetDlgItem(IDC_BOOKMARK_GOTO)->EnableWindow(TRUE);
    GetDlgItem(IDC_BOOKMARK_DELETE)->EnableWindow(TRUE);
    m_pView->m_bChanged = 1;
    RestoreView(true);
    EndDialog(IDCANCEL);
}

void CSetBookmark::OnDelete()
{
    const int index = m_combo.GetCurSel();
    if (index < 0)
        return;
    m_pView->SendTx(TXM_FIELDDELETE, m_combo.GetItemData(index), 1);
    m_combo.DeleteString(index);
    m_combo.SetCurSel(0);
    m_pView->m_bChanged = 1;
}

void CSetBookmark::OnGoTo()
{
    const int index = m_combo.GetCurSel();
    if (index >= 0)
        m_pView->SendTx(TXM_GOTOTARGET, 0, static_cast<LPARAM>(m_combo.GetItemData(index)));
    RestoreView(false);
    EndDialog(IDOK);
}

void CSetBookmark::OnCancel()
{
    RestoreView(true);
    CDialog::OnCancel();
}

// Enter adds the typed name (or goes to the chosen one), leaving the view as every other
// exit does.
void CSetBookmark::OnOK()
{
    if (m_combo.m_bChanged && m_combo.GetCurSel() < 0)
        OnAdd();
    else if (m_combo.GetCurSel() >= 0)
        OnGoTo();
    else
        OnCancel();
}
