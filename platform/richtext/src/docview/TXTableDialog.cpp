// The table dialogs and their templates in memory.
#include "richtext/TXTableDialog.h"
#include "DialogTemplate.h"
#include "richtext/RichDocument.h"
#include "richtext/TXParagraphDialog.h"

CTXTableDialog::CTXTableDialog(bool insert, CWnd* pParent) : CDialog(), m_bInsert(insert)
{
    m_pParentWnd = pParent;
}

INT_PTR CTXTableDialog::DoModal()
{
    using namespace richtext;
    TemplateBuilder t(m_template, m_bInsert ? "Insert Table" : "Table Attributes", 180, 74);
    const DWORD edit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    if (m_bInsert) {
        t.Item(kStatic, SS_LEFT, 7, 9, 70, 8, 0xFFFF, "&Rows:");
        t.Item(kEdit, edit, 80, 7, 40, 12, IDC_TXT_FIRST, "");
        t.Item(kStatic, SS_LEFT, 7, 27, 70, 8, 0xFFFF, "&Columns:");
        t.Item(kEdit, edit, 80, 25, 40, 12, IDC_TXT_SECOND, "");
    } else {
        t.Item(kStatic, SS_LEFT, 7, 9, 70, 8, 0xFFFF, "Column &width (points):");
        t.Item(kEdit, edit, 80, 7, 40, 12, IDC_TXT_FIRST, "");
        t.Item(kButton, BS_AUTOCHECKBOX | WS_TABSTOP, 7, 27, 100, 10, IDC_TXT_BORDERS, "&Borders");
    }
    t.Item(kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 66, 53, 50, 14, IDOK, "OK");
    t.Item(kButton, BS_PUSHBUTTON | WS_TABSTOP, 123, 53, 50, 14, IDCANCEL, "Cancel");
    if (!InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), m_pParentWnd))
        return -1;
    return CDialog::DoModal();
}

BOOL CTXTableDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_bInsert) {
        SetDlgItemInt(IDC_TXT_FIRST, static_cast<UINT>(m_nRows), FALSE);
        SetDlgItemInt(IDC_TXT_SECOND, static_cast<UINT>(m_nColumns), FALSE);
    } else {
        SetDlgItemText(IDC_TXT_FIRST, CTXParagraphDialog::PointsText(m_nWidth));
        CheckDlgButton(IDC_TXT_BORDERS, m_bBorders ? BST_CHECKED : BST_UNCHECKED);
    }
    return TRUE;
}

void CTXTableDialog::OnOK()
{
    if (m_bInsert) {
        BOOL rowsOk = FALSE, columnsOk = FALSE;
        const UINT rows = GetDlgItemInt(IDC_TXT_FIRST, &rowsOk, FALSE);
        const UINT columns = GetDlgItemInt(IDC_TXT_SECOND, &columnsOk, FALSE);
        if (!rowsOk || rows < 1 || rows > 1000 || !columnsOk || columns < 1 ||
            columns > CRichParaFormat::kMaxCells) {
            AfxMessageBox("A table has 1 to 1000 rows and 1 to 63 columns.",
                          MB_OK | MB_ICONINFORMATION);
            return;
        }
        m_nRows = static_cast<int>(rows);
        m_nColumns = static_cast<int>(columns);
    } else {
        CString text;
        GetDlgItemText(IDC_TXT_FIRST, text);
        int width = 0;
        if (!CTXParagraphDialog::ParsePoints(text, width) || width < 5 ||
            width > CRichParaFormat::kMaxIndent) {
            AfxMessageBox("A column is a quarter point to 1584 points wide.",
                          MB_OK | MB_ICONINFORMATION);
            return;
        }
        m_nWidth = width;
        m_bBorders = IsDlgButtonChecked(IDC_TXT_BORDERS) == BST_CHECKED;
    }
    CDialog::OnOK();
}
