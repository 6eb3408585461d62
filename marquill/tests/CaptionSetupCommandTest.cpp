// The Close Caption Setup command of the application, driven through the modal seam: OK
// takes the port page's line and the shown profile's numbers into the Captioner settings
// and writes the caption data to the machine's registry byte for byte; Cancel writes
// nothing; and a prompter created afterwards receives the new settings.
#include <gtest/gtest.h>

#include "AppTestSupport.h"
#include "CaptionSetupResource.h"
#include "MarquillCmdWnd.h"
#include "MarquillResource.h"

namespace {

const char kCaptionStore[] = "SOFTWARE\\QEL\\Marquill";

// A value of the machine-wide store: its type and bytes; type 0 when absent.
ProfileValue MachineValue(const std::string& path, const char* name)
{
    ProfileValue value;
    char data[1024];
    DWORD size = sizeof data, type = 0;
    if (::RegGetValueA(HKEY_LOCAL_MACHINE, path.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                       data, &size) == ERROR_SUCCESS) {
        value.type = type;
        value.bytes.assign(data, size);
    }
    return value;
}

class CaptionSetupCommand : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kCaptionStore);
        // As at start-up on a machine that never saved caption data: the presets.
        m_app.LoadEncoderProfiles();
        m_app.LoadCaptionCharMap();
        m_app.m_strCCPort = "7"; // the test prefix's serial line
    }
    void TearDown() override
    {
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kCaptionStore);
        AfxSetModalAnswerer(m_previous);
        AppFixture::TearDown();
    }
    // The next modal window (the sheet) runs fnScript.
    void Script(std::function<void(CPropertySheet*)> fnScript)
    {
        m_previous = AfxSetModalAnswerer([this, fnScript](const AFX_MODAL_REQUEST& request) {
            ++m_nSheets;
            EXPECT_EQ(request.nKind, afxModalPropertySheet);
            return AFX_MODAL_REPLY::Script(
                [fnScript](CWnd* pWnd) { fnScript(static_cast<CPropertySheet*>(pWnd)); });
        });
    }
    static void Press(CWnd* pWnd, int nID)
    {
        pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED),
                          (LPARAM)::GetDlgItem(pWnd->m_hWnd, nID));
    }
    static void Choose(CWnd* pPage, int nID, const char* entry)
    {
        HWND hList = ::GetDlgItem(pPage->m_hWnd, nID);
        const LRESULT index = ::SendMessageA(hList, CB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)entry);
        ASSERT_NE(index, CB_ERR) << entry;
        ::SendMessageA(hList, CB_SETCURSEL, (WPARAM)index, 0);
        pPage->SendMessage(WM_COMMAND, MAKEWPARAM(nID, CBN_SELCHANGE), (LPARAM)hList);
    }
    static void Click(CWnd* pPage, int nID)
    {
        pPage->CheckDlgButton(nID, pPage->IsDlgButtonChecked(nID) ? 0 : 1);
        Press(pPage, nID);
    }
    // The menu command, as the main window sends it.
    void RunCommand() { m_app.OnCmdMsg(IDM_CC_SETUP, CN_COMMAND, nullptr, nullptr); }

    AFX_MODAL_ANSWERER m_previous;
    int m_nSheets = 0;
};

TEST_F(CaptionSetupCommand, OkTakesTheLineAndWritesTheMachinesCaptionData)
{
    Script([](CPropertySheet* pSheet) {
        CWnd* pPort = pSheet->GetPage(0);
        char port[32] = {};
        pPort->GetDlgItemText(IDC_CC_PORT, port, sizeof port);
        EXPECT_STREQ(port, "COM 7");
        Choose(pPort, IDC_CC_BAUD, "9600");
        Click(pPort, IDC_CC_XON_XOFF);

        ASSERT_TRUE(pSheet->SetActivePage(1));
        CWnd* pEncoder = pSheet->GetPage(1);
        char title[64] = {};
        pEncoder->GetDlgItemText(IDC_CC_TITLE, title, sizeof title);
        EXPECT_STREQ(title, "3-Line Rollup");
        Click(pEncoder, IDC_CC_DISPLAY_HEX);
        pEncoder->SetDlgItemText(IDC_CC_INIT, "1;2;1a;");
        Choose(pEncoder, IDC_CC_LINE_LENGTH, "32");

        ASSERT_TRUE(pSheet->SetActivePage(2));
        CWnd* pChars = pSheet->GetPage(2);
        Click(pChars, 1131); // "~"
        pChars->SetDlgItemText(1163, "-");
        Press(pSheet, IDOK);
    });
    RunCommand();
    EXPECT_EQ(m_nSheets, 1);

    EXPECT_STREQ(m_app.m_strCCPort, "7");
    EXPECT_STREQ(m_app.m_strCCBaud, "9600");
    EXPECT_STREQ(m_app.m_strCCFlow, "XON");
    EXPECT_STREQ(m_app.m_strCCData, "8");
    EXPECT_EQ(m_app.m_nWrap, 32);
    EXPECT_EQ(m_app.m_nPacing, 20);
    EXPECT_EQ(m_app.m_nWPMPacing, 48);

    const std::string init = std::string(kEncoderKeyPath) + "\\3-Line Rollup";
    EXPECT_EQ(MachineValue(init, "INIT").type, DWORD(REG_SZ));
    EXPECT_EQ(MachineValue(init, "INIT").bytes, std::string("\x01\x02\x1a\0", 4));
    EXPECT_EQ(MachineValue(init, "Wrap").Dword(), 32u);
    EXPECT_EQ(MachineValue(kEncoderKeyPath, "Selection").String(), "3-Line Rollup");
    EXPECT_EQ(MachineValue(kCharsKeyPath, "~").String(), "-");
    EXPECT_EQ(MachineValue(kCharsKeyPath, "IsActive").Dword(), 1u);

    // The next prompter receives all of it.
    CMarquillCmdWnd prompter;
    m_app.ApplyPrompterSettings(&prompter);
    EXPECT_EQ(std::string((LPCSTR)prompter.m_strCCInit, prompter.m_strCCInit.GetLength()),
              "\x01\x02\x1a");
    EXPECT_EQ(prompter.m_nCCLineLength, 32);
    EXPECT_STREQ(prompter.m_strCCBaud, "9600");
    EXPECT_STREQ(prompter.m_strCCFlow, "XON");
    EXPECT_EQ(prompter.m_ccMap.m_map.count('~'), 1u);
    EXPECT_EQ(prompter.m_ccMap.m_map['~'], '-');
}

TEST_F(CaptionSetupCommand, CancelWritesNothingAndKeepsTheLine)
{
    Script([](CPropertySheet* pSheet) {
        Choose(pSheet->GetPage(0), IDC_CC_BAUD, "9600");
        Press(pSheet, IDCANCEL);
    });
    RunCommand();
    EXPECT_EQ(m_nSheets, 1);
    EXPECT_STREQ(m_app.m_strCCBaud, "1200");
    HKEY key;
    EXPECT_NE(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kEncoderKeyPath, 0, KEY_READ, &key),
              ERROR_SUCCESS);
}

TEST_F(AppFixture, PrompterCaptionDataFollowsTheSelectionAndTheSwitch)
{
    m_app.m_EncoderProfiles = {{"Studio", CEncoderProfile(7, 43, "<", ">", "[i]", "[r]", 24, 1)}};
    m_app.m_CharMap = {{'&', '+'}};
    struct Case
    {
        const char* selected;
        bool active;
        int lineLength; // the prompter's own default stays without a profile
        size_t pairs;
    } cases[] = {{"Studio", true, 24, 1}, {"Gone", false, -1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.selected);
        m_app.m_SelectedProfile = c.selected;
        m_app.m_bCharMapActive = c.active;
        CMarquillCmdWnd prompter;
        const int ownLineLength = prompter.m_nCCLineLength;
        m_app.ApplyPrompterSettings(&prompter);
        EXPECT_EQ(prompter.m_nCCLineLength, c.lineLength < 0 ? ownLineLength : c.lineLength);
        EXPECT_EQ(prompter.m_ccMap.m_map.size(), c.pairs);
        EXPECT_STREQ(prompter.m_strCCPort, m_app.m_strCCPort);
    }
}

} // namespace
