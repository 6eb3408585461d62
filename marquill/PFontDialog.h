// The prompter's font dialog: the font dialog with a sample text of our own in its sample
// box.
#pragma once
#include "framework.h"

class CPFontDialog : public CFontDialog
{
public:
    static const int kSampleControl = 1092; // the font dialog's sample box

    // Created by name it shows "Sample Text".
    explicit CPFontDialog(LPCSTR lpszFaceName = nullptr);
    CPFontDialog(LPLOGFONTA lplfInitial, LPCSTR lpszSample, CWnd* pParentWnd = nullptr);
    ~CPFontDialog() override;

    BOOL OnInitDialog() override;

    CString m_strSample;
};
