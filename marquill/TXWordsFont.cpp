// The prompter font command: the font and its colour for every prompter created afterwards
// (written to the profile at exit).
#include "TXWords.h"

#include "PFontDialog.h"

void CTXWordsApp::OnPrompterFont()
{
    CPFontDialog dialog(&m_lfPrompter, "Marquill", nullptr);
    dialog.m_cf.rgbColors = m_crFontColor;
    if (dialog.DoModal() != IDOK)
        return;
    m_lfPrompter = dialog.m_lf;
    m_crFontColor = dialog.GetColor();
}
