// The paragraph format dialog and its template in memory.
#include "richtext/TXParagraphDialog.h"
#include "DialogTemplate.h"

using richtext::kButton;
using richtext::kCombo;
using richtext::kEdit;
using richtext::kStatic;

#include <cmath>
#include <cstdio>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CTXParagraphDialog, CDialog)
    ON_CBN_SELCHANGE(IDC_TXP_LINE, &CTXParagraphDialog::OnLineChanged)
END_MESSAGE_MAP()

CTXParagraphDialog::CTXParagraphDialog(const CRichParaFormat& format, CWnd* pParent)
    : CDialog(), m_format(format)
{
    m_pParentWnd = pParent;
}

INT_PTR CTXParagraphDialog::DoModal()
{
    // The template's items must start on DWORD boundaries: the vector's storage is aligned.
    richtext::TemplateBuilder t(m_template, "Paragraph", 230, 150);
    const DWORD edit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    t.Item(kStatic, SS_LEFT, 7, 9, 50, 8, 0xFFFF, "&Alignment:");
    t.Item(kCombo, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 62, 7, 80, 80, IDC_TXP_ALIGN, "");
    t.Item(kButton, BS_GROUPBOX, 7, 24, 216, 44, 0xFFFF, "Indentation (points)");
    t.Item(kStatic, SS_LEFT, 14, 37, 30, 8, 0xFFFF, "&Left:");
    t.Item(kEdit, edit, 46, 35, 36, 12, IDC_TXP_LEFT, "");
    t.Item(kStatic, SS_LEFT, 88, 37, 30, 8, 0xFFFF, "&Right:");
    t.Item(kEdit, edit, 120, 35, 36, 12, IDC_TXP_RIGHT, "");
    t.Item(kStatic, SS_LEFT, 14, 53, 30, 8, 0xFFFF, "&First line:");
    t.Item(kEdit, edit, 46, 51, 36, 12, IDC_TXP_FIRST, "");
    t.Item(kButton, BS_GROUPBOX, 7, 72, 216, 44, 0xFFFF, "Spacing (points)");
    t.Item(kStatic, SS_LEFT, 14, 85, 30, 8, 0xFFFF, "&Before:");
    t.Item(kEdit, edit, 46, 83, 36, 12, IDC_TXP_BEFORE, "");
    t.Item(kStatic, SS_LEFT, 14, 101, 30, 8, 0xFFFF, "Af&ter:");
    t.Item(kEdit, edit, 46, 99, 36, 12, IDC_TXP_AFTER, "");
    t.Item(kStatic, SS_LEFT, 92, 85, 40, 8, 0xFFFF, "Li&ne spacing:");
    t.Item(kCombo, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 136, 83, 60, 80, IDC_TXP_LINE, "");
    t.Item(kStatic, SS_LEFT, 92, 101, 40, 8, 0xFFFF, "A&t:");
    t.Item(kEdit, edit, 136, 99, 36, 12, IDC_TXP_LINEAT, "");
    t.Item(kButton, BS_AUTOCHECKBOX | WS_TABSTOP, 7, 122, 100, 10, IDC_TXP_PAGEBREAK,
           "&Page break before");
    t.Item(kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 116, 131, 50, 14, IDOK, "OK");
    t.Item(kButton, BS_PUSHBUTTON | WS_TABSTOP, 173, 131, 50, 14, IDCANCEL, "Cancel");
    if (!InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(m_template.data()), m_pParentWnd))
        return -1;
    return CDialog::DoModal();
}

CString CTXParagraphDialog::PointsText(int twips)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", twips / 20.0);
    return CString(text);
}

bool CTXParagraphDialog::ParsePoints(const CString& text, int& twips)
{
    const char* s = text;
    char* end = nullptr;
    const double v = std::strtod(s, &end);
    if (end == s)
        return false;
    while (*end == ' ')
        ++end;
    if (std::strncmp(end, "pt", 2) == 0)
        end += 2;
    while (*end == ' ')
        ++end;
    if (*end != '\0' || !(std::fabs(v) < 1e6))
        return false;
    twips = static_cast<int>(std::lround(v * 20));
    return true;
}

BOOL CTXParagraphDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    CComboBox* align = static_cast<CComboBox*>(GetDlgItem(IDC_TXP_ALIGN));
    for (const char* a : {"Left", "Centered", "Right", "Justified"})
        align->AddString(a);
    align->SetCurSel(m_format.align <= TXALIGN_JUSTIFY ? m_format.align : 0);
    CComboBox* line = static_cast<CComboBox*>(GetDlgItem(IDC_TXP_LINE));
    for (const char* l : {"Single", "1.5 lines", "Double", "At least", "Exactly", "Multiple"})
        line->AddString(l);
    const CRichParaFormat& f = m_format;
    SetDlgItemText(IDC_TXP_LEFT, PointsText(f.leftIndent));
    SetDlgItemText(IDC_TXP_RIGHT, PointsText(f.rightIndent));
    SetDlgItemText(IDC_TXP_FIRST, PointsText(f.firstIndent));
    SetDlgItemText(IDC_TXP_BEFORE, PointsText(f.spaceBefore));
    SetDlgItemText(IDC_TXP_AFTER, PointsText(f.spaceAfter));
    int choice = kSingle;
    CString at;
    if (f.lineSpacing == 0) {
        choice = kSingle;
    } else if (f.lineMultiple) {
        choice = f.lineSpacing == 360 ? kOneAndHalf : f.lineSpacing == 480 ? kDouble : kMultiple;
        char text[32];
        std::snprintf(text, sizeof text, "%g", f.lineSpacing / 240.0);
        at = text;
    } else {
        choice = f.lineSpacing > 0 ? kAtLeast : kExactly;
        at = PointsText(f.lineSpacing < 0 ? -f.lineSpacing : f.lineSpacing);
    }
    line->SetCurSel(choice);
    SetDlgItemText(IDC_TXP_LINEAT, at);
    GetDlgItem(IDC_TXP_LINEAT)->EnableWindow(choice >= kAtLeast);
    CheckDlgButton(IDC_TXP_PAGEBREAK, f.pageBreakBefore ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void CTXParagraphDialog::OnLineChanged()
{
    const int choice = static_cast<CComboBox*>(GetDlgItem(IDC_TXP_LINE))->GetCurSel();
    GetDlgItem(IDC_TXP_LINEAT)->EnableWindow(choice >= kAtLeast);
    CString at;
    GetDlgItemText(IDC_TXP_LINEAT, at);
    if (choice >= kAtLeast && at.IsEmpty())
        SetDlgItemText(IDC_TXP_LINEAT, choice == kMultiple ? "1" : "12");
}

// A length of a box in [lo, hi] twips; otherwise the box takes the focus and false.
bool CTXParagraphDialog::Read(int id, int& twips, int lo, int hi)
{
    CString text;
    GetDlgItemText(id, text);
    if (ParsePoints(text, twips) && twips >= lo && twips <= hi)
        return true;
    ::MessageBeep(MB_ICONEXCLAMATION);
    if (CWnd* box = GetDlgItem(id)) {
        GotoDlgCtrl(box);
        box->SendMessage(EM_SETSEL, 0, -1);
    }
    return false;
}

void CTXParagraphDialog::OnOK()
{
    CRichParaFormat f = m_format;
    const int maxIndent = CRichParaFormat::kMaxIndent, maxSpace = CRichParaFormat::kMaxSpace;
    if (!Read(IDC_TXP_LEFT, f.leftIndent, -maxIndent, maxIndent) ||
        !Read(IDC_TXP_RIGHT, f.rightIndent, -maxIndent, maxIndent) ||
        !Read(IDC_TXP_FIRST, f.firstIndent, -maxIndent, maxIndent) ||
        !Read(IDC_TXP_BEFORE, f.spaceBefore, 0, maxSpace) ||
        !Read(IDC_TXP_AFTER, f.spaceAfter, 0, maxSpace))
        return;
    const int align = static_cast<CComboBox*>(GetDlgItem(IDC_TXP_ALIGN))->GetCurSel();
    f.align = static_cast<BYTE>(align >= 0 && align <= TXALIGN_JUSTIFY ? align : 0);
    const int choice = static_cast<CComboBox*>(GetDlgItem(IDC_TXP_LINE))->GetCurSel();
    switch (choice) {
    case kOneAndHalf:
    case kDouble:
        f.lineSpacing = choice == kDouble ? 480 : 360;
        f.lineMultiple = true;
        break;
    case kAtLeast:
    case kExactly: {
        int at = 0;
        if (!Read(IDC_TXP_LINEAT, at, 1, maxSpace))
            return;
        f.lineSpacing = choice == kAtLeast ? at : -at;
        f.lineMultiple = false;
        break;
    }
    case kMultiple: {
        // The box holds lines here: read as points, a twentieth of a line is one step.
        int lines20 = 0;
        if (!Read(IDC_TXP_LINEAT, lines20, 1, 200))
            return;
        f.lineSpacing = lines20 * 12; // 240ths of a line
        f.lineMultiple = true;
        break;
    }
    default:
        f.lineSpacing = 0;
        f.lineMultiple = false;
    }
    f.pageBreakBefore = IsDlgButtonChecked(IDC_TXP_PAGEBREAK) == BST_CHECKED;
    f.Clamp();
    m_format = f;
    EndDialog(IDOK);
}
