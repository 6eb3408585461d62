// CTXTableDialog: the table dialogs of rich-text views. Insertion asks for the number of
// rows and columns; the attributes ask for the columns' width (points) and whether the cells
// print with borders.
#pragma once
#include "framework.h"

#include <vector>

class CTXTableDialog : public CDialog
{
public:
    enum { IDC_TXT_FIRST = 1001, IDC_TXT_SECOND, IDC_TXT_BORDERS };

    // insert: the insertion dialog, else the attributes.
    explicit CTXTableDialog(bool insert, CWnd* pParent = nullptr);
    INT_PTR DoModal() override;

    bool m_bInsert;
    int m_nRows = 2, m_nColumns = 2; // insertion: 1 to 1000 rows, 1 to 63 columns
    int m_nWidth = 2880; // attributes: a column's width in twips, a quarter point to 22 inches
    BOOL m_bBorders = TRUE;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    std::vector<WORD> m_template;
};
