// CTXParagraphDialog: the paragraph format dialog of rich-text views: alignment, indents
// (left, right, first line), spacing before and after, line spacing and a page break before.
// Lengths are shown in points. The library carries no resources, so the dialog builds its
// own template in memory.
#pragma once
#include "framework.h"
#include "richtext/RichDocument.h"

#include <vector>

class CTXParagraphDialog : public CDialog
{
public:
    enum {
        IDC_TXP_ALIGN = 1001,
        IDC_TXP_LEFT,
        IDC_TXP_RIGHT,
        IDC_TXP_FIRST,
        IDC_TXP_BEFORE,
        IDC_TXP_AFTER,
        IDC_TXP_LINE,
        IDC_TXP_LINEAT,
        IDC_TXP_PAGEBREAK,
    };
    // The line-spacing box's entries.
    enum { kSingle, kOneAndHalf, kDouble, kAtLeast, kExactly, kMultiple };

    explicit CTXParagraphDialog(const CRichParaFormat& format, CWnd* pParent = nullptr);
    INT_PTR DoModal() override;

    CRichParaFormat m_format; // shown when the dialog opens, chosen when it closes with OK

    // Points as the dialog shows them ("36", "1.5") and back (false: not a number).
    static CString PointsText(int twips);
    static bool ParsePoints(const CString& text, int& twips);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnLineChanged();
    DECLARE_MESSAGE_MAP()

private:
    bool Read(int id, int& twips, int lo, int hi);
    std::vector<WORD> m_template;
};
