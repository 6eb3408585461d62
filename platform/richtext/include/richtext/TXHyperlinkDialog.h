// CTXHyperlinkDialog: the hyperlink dialog of rich-text views: the text the link shows and
// the address it leads to (a web or mail address, a file, or "#name" for a target of the
// document). OK needs an address; an empty text shows the address.
#pragma once
#include "framework.h"

#include <vector>

class CTXHyperlinkDialog : public CDialog
{
public:
    enum { IDC_TXH_TEXT = 1001, IDC_TXH_ADDRESS };

    explicit CTXHyperlinkDialog(CWnd* pParent = nullptr);
    INT_PTR DoModal() override;

    CString m_strText; // shown when the dialog opens, chosen when it closes with OK
    CString m_strAddress;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    std::vector<WORD> m_template;
};
