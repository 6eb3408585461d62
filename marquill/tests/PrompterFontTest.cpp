// The prompter font command through the modal seam: the dialog opens on the prompter's font
// and text colour with our sample text; OK takes the chosen font and colour, Cancel nothing.
#include <gtest/gtest.h>

#include <cstring>

#include "AppTestSupport.h"
#include "MarquillResource.h"
#include "PFontDialog.h"

namespace {

TEST_F(AppFixture, TheFontDialogShowsOurSampleOnThePrompterFont)
{
    std::strcpy(m_app.m_lfPrompter.lfFaceName, "Arial");
    m_app.m_lfPrompter.lfHeight = -40;
    m_app.m_crFontColor = RGB(0, 0, 255);
    bool bShown = false;
    AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([&](const AFX_MODAL_REQUEST& request) {
        EXPECT_EQ(request.nKind, afxModalCommonDialog);
        return AFX_MODAL_REPLY::Script([&](CWnd* pDlg) {
            bShown = true;
            char sample[64] = {};
            ::GetDlgItemTextA(pDlg->m_hWnd, CPFontDialog::kSampleControl, sample, sizeof sample);
            EXPECT_STREQ(sample, "Marquill");
            pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                              (LPARAM)::GetDlgItem(pDlg->m_hWnd, IDCANCEL));
        });
    });
    const LOGFONT before = m_app.m_lfPrompter;
    m_app.OnCmdMsg(IDM_PROMPTER_FONT, CN_COMMAND, nullptr, nullptr);
    AfxSetModalAnswerer(previous);
    EXPECT_TRUE(bShown);
    EXPECT_EQ(std::memcmp(&before, &m_app.m_lfPrompter, sizeof before), 0);
    EXPECT_EQ(m_app.m_crFontColor, RGB(0, 0, 255));
}

TEST_F(AppFixture, OkTakesTheChosenFontAndColour)
{
    std::strcpy(m_app.m_lfPrompter.lfFaceName, "Arial");
    m_app.m_crFontColor = RGB(0, 0, 0);
    AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([&](const AFX_MODAL_REQUEST& request) {
        CFontDialog* pDialog = dynamic_cast<CFontDialog*>(request.pObject);
        EXPECT_NE(pDialog, nullptr);
        if (pDialog) {
            EXPECT_STREQ(pDialog->m_cf.lpLogFont->lfFaceName, "Arial");
            EXPECT_EQ(pDialog->m_cf.rgbColors, RGB(0, 0, 0));
            EXPECT_EQ(pDialog->m_cf.Flags & (CF_SCREENFONTS | CF_EFFECTS),
                      DWORD(CF_SCREENFONTS | CF_EFFECTS));
            std::strcpy(pDialog->m_lf.lfFaceName, "Courier New");
            pDialog->m_lf.lfHeight = -64;
            pDialog->m_cf.rgbColors = RGB(255, 255, 0);
        }
        return AFX_MODAL_REPLY::Answer(IDOK);
    });
    m_app.OnCmdMsg(IDM_PROMPTER_FONT, CN_COMMAND, nullptr, nullptr);
    AfxSetModalAnswerer(previous);
    EXPECT_STREQ(m_app.m_lfPrompter.lfFaceName, "Courier New");
    EXPECT_EQ(m_app.m_lfPrompter.lfHeight, -64);
    EXPECT_EQ(m_app.m_crFontColor, RGB(255, 255, 0));
}

} // namespace
