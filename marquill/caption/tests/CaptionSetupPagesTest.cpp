// The Close Caption Setup sheet and its three pages, run through the modal seam on maps of
// the test's own: the port list and flow checks, profiles shown, edited in hex, added,
// refused and deleted, replacement rows checked and cleared, and what Apply, OK and Cancel
// hand to the maps the sheet was given.
#include "CaptionSheetSupport.h"

#include "CaptionSetupResource.h"
#include "EncoderSettings.h"

namespace {

const bool kSelvatraLoaded = LoadSelvatraResources();

struct SetupMaps
{
    CCaptionCharMap chars = {{'&', '+'}, {'a', 'b'}};
    bool active = true;
    CEncoderProfileMap profiles = {
        {"Studio A",
         CEncoderProfile(20, 48, "", EncoderBytes({13}), EncoderBytes({3, 1, 51}),
                         EncoderBytes({3, 1, 55}), 28, 0)},
        {"Studio B",
         CEncoderProfile(5, 43, EncoderBytes({20, 38}), "", EncoderBytes({200, 26}), "", 32, 1)},
    };
    std::string selected = "Studio B";
};

// --- the sheet -----------------------------------------------------------------------

TEST(CaptionSetupSheet, ThreePagesInOrderUnderItsOwnTitle)
{
    ASSERT_TRUE(kSelvatraLoaded);
    SetupMaps maps;
    CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
    SheetScript script([&](CWnd* pSheet) {
        EXPECT_EQ(pSheet, &sheet);
        CString title;
        pSheet->GetWindowText(title);
        EXPECT_EQ(title, CString("Closed Caption Setup"));
        ASSERT_EQ(sheet.GetPageCount(), 3);
        EXPECT_EQ(sheet.GetPage(0), &sheet.m_PortPage);
        EXPECT_EQ(sheet.GetPage(1), &sheet.m_EncoderPage);
        EXPECT_EQ(sheet.GetPage(2), &sheet.m_CharacterPage);
        EXPECT_EQ(sheet.GetActivePage(), &sheet.m_PortPage);
        Press(pSheet, IDCANCEL);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    ASSERT_EQ(script.m_kinds.size(), 1u);
    EXPECT_EQ(script.m_kinds[0], afxModalPropertySheet);
}

TEST(CaptionSetupSheet, CancelAfterApplyKeepsWhatWasAppliedAndCancelAloneNothing)
{
    SetupMaps maps;
    {
        CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
        SheetScript script([&](CWnd* pSheet) {
            ASSERT_TRUE(sheet.SetActivePage(2));
            Click(&sheet.m_CharacterPage, 1113); // "-"
            ASSERT_TRUE(sheet.SetActivePage(1));
            sheet.m_EncoderPage.SetDlgItemText(IDC_CC_LINE_LENGTH, "16");
            sheet.m_EncoderPage.SetDlgItemText(IDC_CC_CHAR_PACING, "7");
            Press(pSheet, kApplyButton);
            EXPECT_TRUE(::IsWindow(pSheet->m_hWnd));
            sheet.m_EncoderPage.SetDlgItemText(IDC_CC_CHAR_PACING, "9");
            Press(pSheet, IDCANCEL);
        });
        EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    }
    EXPECT_EQ(maps.chars.count('-'), 1u);
    EXPECT_EQ(maps.profiles.at("Studio B").Pacing, 7);
    EXPECT_EQ(maps.profiles.at("Studio B").Wrap, 16);

    SetupMaps untouched;
    const SetupMaps before = untouched;
    CEncoderSettings sheet(untouched.chars, untouched.active, untouched.profiles,
                           untouched.selected);
    SheetScript script([&](CWnd* pSheet) {
        ASSERT_TRUE(sheet.SetActivePage(1));
        sheet.m_EncoderPage.SetDlgItemText(IDC_CC_CHAR_PACING, "9");
        ASSERT_TRUE(sheet.SetActivePage(2));
        Click(&sheet.m_CharacterPage, 1101);
        Press(pSheet, IDCANCEL);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(untouched.chars, before.chars);
    EXPECT_EQ(untouched.profiles, before.profiles);
    EXPECT_EQ(untouched.selected, before.selected);
}

// --- the port page -------------------------------------------------------------------

TEST(CaptionPortPage, ThePortListComesFromTheDetectedPorts)
{
    struct Case
    {
        std::vector<int> ports;
        const char* port;
        std::vector<std::string> entries;
        const char* selected; // null: nothing selected
    } cases[] = {
        {{1, 10}, "COM 1", {"COM 1", "COM 10"}, "COM 1"},
        {{10, 1}, "COM 10", {"COM 1", "COM 10"}, "COM 10"},
        {{3, 7}, "COM 2", {"COM 3", "COM 7"}, "COM 3"}, // the configured port has gone
        {{}, "COM 1", {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        SetupMaps maps;
        CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
        sheet.m_PortPage.m_Ports = c.ports;
        sheet.m_PortPage.m_strPort = c.port;
        SheetScript script([&](CWnd* pSheet) {
            CPortPage& page = sheet.m_PortPage;
            EXPECT_EQ(Entries(&page, IDC_CC_PORT), c.entries);
            if (c.selected)
                EXPECT_EQ(ItemText(&page, IDC_CC_PORT), c.selected);
            else
                EXPECT_EQ(Selection(&page, IDC_CC_PORT), CB_ERR);
            Press(pSheet, IDOK);
        });
        EXPECT_EQ(sheet.DoModal(), IDOK);
        EXPECT_EQ(std::string(sheet.m_PortPage.m_strPort), c.selected ? c.selected : "");
    }
}

TEST(CaptionPortPage, TheTemplatesListsAreSortedByText)
{
    SetupMaps maps;
    CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
    CPortPage& page = sheet.m_PortPage;
    page.m_strBaudRate = "9600";
    page.m_strDataBits = "7";
    page.m_strParity = "even";
    page.m_strStopBits = "1.5";
    SheetScript script([&](CWnd* pSheet) {
        EXPECT_EQ(Entries(&page, IDC_CC_BAUD),
                  (std::vector<std::string> {"110", "1200", "128000", "14400", "19200", "2400",
                                             "300", "38400", "4800", "56000", "9600"}));
        EXPECT_EQ(Entries(&page, IDC_CC_DATA_BITS),
                  (std::vector<std::string> {"5", "6", "7", "8"}));
        EXPECT_EQ(Entries(&page, IDC_CC_PARITY),
                  (std::vector<std::string> {"Even", "None", "Odd"}));
        EXPECT_EQ(Entries(&page, IDC_CC_STOP_BITS), (std::vector<std::string> {"1", "1.5", "2"}));
        EXPECT_EQ(ItemText(&page, IDC_CC_BAUD), "9600");
        EXPECT_EQ(ItemText(&page, IDC_CC_PARITY), "Even"); // begins with, without regard to case
        EXPECT_EQ(ItemText(&page, IDC_CC_STOP_BITS), "1.5");
        ASSERT_TRUE(Choose(&page, IDC_CC_BAUD, "19200"));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(pSheet->m_hWnd, kApplyButton)));
        Press(pSheet, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(page.m_strBaudRate, CString("19200"));
    EXPECT_EQ(page.m_strParity, CString("Even"));
    EXPECT_EQ(page.m_strDataBits, CString("7"));
}

TEST(CaptionPortPage, OneFlowControlAtATime)
{
    struct Case
    {
        const char* flow;
        int xon, dtr, rts;
    } opening[] = {{"XON", 1, 0, 0},  {"DTR", 0, 1, 0}, {"RTS", 0, 0, 1},
                   {"None", 0, 0, 0}, {"rts", 0, 0, 0}, {"", 0, 0, 0}};
    for (const Case& c : opening) {
        SCOPED_TRACE(c.flow);
        SetupMaps maps;
        CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
        sheet.m_PortPage.m_strFlow = c.flow;
        SheetScript script([&](CWnd* pSheet) {
            CPortPage& page = sheet.m_PortPage;
            EXPECT_EQ((int)page.IsDlgButtonChecked(IDC_CC_XON_XOFF), c.xon);
            EXPECT_EQ((int)page.IsDlgButtonChecked(IDC_CC_DTR_DSR), c.dtr);
            EXPECT_EQ((int)page.IsDlgButtonChecked(IDC_CC_RTS_CTS), c.rts);
            Press(pSheet, IDCANCEL);
        });
        sheet.DoModal();
    }

    SetupMaps maps;
    CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
    CPortPage& page = sheet.m_PortPage;
    page.m_strFlow = "XON";
    SheetScript script([&](CWnd* pSheet) {
        Click(&page, IDC_CC_RTS_CTS);
        EXPECT_EQ(page.m_strFlow, CString("RTS"));
        EXPECT_FALSE(page.IsDlgButtonChecked(IDC_CC_XON_XOFF));
        EXPECT_TRUE(page.IsDlgButtonChecked(IDC_CC_RTS_CTS));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(pSheet->m_hWnd, kApplyButton)));
        Click(&page, IDC_CC_RTS_CTS);
        EXPECT_EQ(page.m_strFlow, CString("NONE"));
        Click(&page, IDC_CC_DTR_DSR);
        Press(pSheet, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(page.m_strFlow, CString("DTR"));
    EXPECT_EQ(page.m_bDtrDsr, 1);
    EXPECT_EQ(page.m_bXonXoff, 0);
}

// --- the encoder page ----------------------------------------------------------------

TEST(CaptionEncoderPage, ShowsTheSelectedProfileAndEditsItInHex)
{
    SetupMaps maps;
    CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
    sheet.SetActivePage(1);
    CEncoderPage& page = sheet.m_EncoderPage;
    SheetScript script([&](CWnd* pSheet) {
        EXPECT_EQ(Entries(&page, IDC_CC_TITLE),
                  (std::vector<std::string> {"Studio A", "Studio B"}));
        EXPECT_EQ(ItemText(&page, IDC_CC_TITLE), "Studio B");
        EXPECT_EQ(ItemText(&page, IDC_CC_INIT), "200;26;");
        EXPECT_EQ(ItemText(&page, IDC_CC_BOL), "20;38;");
        EXPECT_EQ(ItemText(&page, IDC_CC_LINE_LENGTH), "32");
        EXPECT_EQ(ItemText(&page, IDC_CC_CHAR_PACING), "5");
        EXPECT_EQ(ItemText(&page, IDC_CC_WORDS_PER_MINUTE), "200");
        EXPECT_EQ(
            Entries(&page, IDC_CC_WORDS_PER_MINUTE),
            (std::vector<std::string> {"NONE", "210", "200", "190", "180", "170", "160", "150"}));
        EXPECT_EQ(Entries(&page, IDC_CC_LINE_LENGTH),
                  (std::vector<std::string> {"0", "4", "8", "12", "16", "20", "24", "28", "32"}));

        Click(&page, IDC_CC_DISPLAY_HEX);
        EXPECT_EQ(ItemText(&page, IDC_CC_INIT), "c8;1a;");
        page.SetDlgItemText(IDC_CC_INIT, "3;1;1a;;ff;");
        ASSERT_TRUE(Choose(&page, IDC_CC_WORDS_PER_MINUTE, "NONE"));
        ASSERT_TRUE(Choose(&page, IDC_CC_LINE_LENGTH, "12"));

        // Another profile, and back: the edits stayed with Studio B.
        ASSERT_TRUE(Choose(&page, IDC_CC_TITLE, "Studio A"));
        EXPECT_EQ(ItemText(&page, IDC_CC_INIT), "3;1;33;");
        Click(&page, IDC_CC_DISPLAY_HEX);
        EXPECT_EQ(ItemText(&page, IDC_CC_INIT), "3;1;51;");
        ASSERT_TRUE(Choose(&page, IDC_CC_TITLE, "Studio B"));
        EXPECT_EQ(ItemText(&page, IDC_CC_INIT), "3;1;26;255;");
        Press(pSheet, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    const CEncoderProfile& b = maps.profiles.at("Studio B");
    EXPECT_EQ(b.INIT, EncoderBytes({3, 1, 26, 255}));
    EXPECT_EQ(b.WPMPacing, 0);
    EXPECT_EQ(b.Wrap, 12);
    EXPECT_EQ(b.PopOn, 1); // no page offers it: kept
    EXPECT_EQ(maps.selected, "Studio B");
}

TEST(CaptionEncoderPage, AZeroByteFirstEndsTheStoredString)
{
    SetupMaps maps;
    CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
    sheet.SetActivePage(1);
    CEncoderPage& page = sheet.m_EncoderPage;
    SheetScript script([&](CWnd* pSheet) {
        page.SetDlgItemText(IDC_CC_RESET, "0;5;");
        page.SetDlgItemText(IDC_CC_BOL, "x;300;");
        Press(pSheet, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(maps.profiles.at("Studio B").Reset, "");
    EXPECT_EQ(maps.profiles.at("Studio B").BOL, ""); // "x" gives the byte 0
}

TEST(CaptionEncoderPage, ANewProfileNeedsAnUnusedTitle)
{
    SetupMaps maps;
    CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
    sheet.SetActivePage(1);
    CEncoderPage& page = sheet.m_EncoderPage;
    MessageBoxes boxes;
    SheetScript script([&](CWnd* pSheet) {
        Press(&page, IDC_CC_NEW_PROFILE);
        EXPECT_TRUE(page.m_bNewProfile);
        EXPECT_EQ(ItemText(&page, IDC_CC_EOL), "13;");
        EXPECT_EQ(ItemText(&page, IDC_CC_INIT), "3;1;51;32;51;13;3;1;54;1;78;51;13;");
        EXPECT_EQ(ItemText(&page, IDC_CC_LINE_LENGTH), "28");
        EXPECT_EQ(ItemText(&page, IDC_CC_WORDS_PER_MINUTE), "180");

        // A field changed before a title was typed.
        page.SetDlgItemText(IDC_CC_BOL, "20;");
        ASSERT_EQ(boxes.m_texts.size(), 1u);
        EXPECT_EQ(boxes.m_texts[0], "The name cannot be blank.");
        EXPECT_EQ(boxes.m_types[0] & MB_ICONMASK, (UINT)MB_ICONSTOP);
        EXPECT_TRUE(page.m_bNewProfile);

        const struct
        {
            const char* title;
            const char* message;
        } refused[] = {{"studio a", "studio a is already used."},
                       {"Studio\\C", "The name cannot contain a backslash (\\)."}};
        for (const auto& r : refused) {
            page.SetDlgItemText(IDC_CC_TITLE, r.title);
            page.SetDlgItemText(IDC_CC_BOL, "20;");
            EXPECT_EQ(boxes.m_texts.back(), r.message);
            EXPECT_TRUE(page.m_bNewProfile);
        }
        EXPECT_EQ(maps.profiles.size(), 2u);

        // OK with the title still refused keeps the sheet open on the page.
        page.SetDlgItemText(IDC_CC_TITLE, "");
        const size_t before = boxes.m_texts.size();
        Press(pSheet, IDOK);
        EXPECT_TRUE(::IsWindow(pSheet->m_hWnd));
        EXPECT_EQ(boxes.m_texts.size(), before + 1);
        EXPECT_EQ(sheet.GetActivePage(), &page);

        page.SetDlgItemText(IDC_CC_TITLE, "Studio C");
        Press(pSheet, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    ASSERT_EQ(maps.profiles.count("Studio C"), 1u);
    const CEncoderProfile& c = maps.profiles.at("Studio C");
    // The defaults, with the begin-of-line typed while the title was refused.
    EXPECT_EQ(c,
              CEncoderProfile(20, 48, EncoderBytes({20}), EncoderBytes({13}),
                              EncoderBytes({3, 1, 51, 32, 51, 13, 3, 1, 54, 1, 78, 51, 13}),
                              EncoderBytes({3, 1, 51, 32, 51, 13, 20, 44, 3, 1, 55}), 28, 0));
    EXPECT_EQ(maps.selected, "Studio C");
}

TEST(CaptionEncoderPage, NewWithHexShownKeepsTheDefaultBytes)
{
    SetupMaps maps;
    CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
    sheet.SetActivePage(1);
    CEncoderPage& page = sheet.m_EncoderPage;
    SheetScript script([&](CWnd* pSheet) {
        Click(&page, IDC_CC_DISPLAY_HEX);
        Press(&page, IDC_CC_NEW_PROFILE);
        EXPECT_EQ(ItemText(&page, IDC_CC_EOL), "d;");
        Click(&page, IDC_CC_DISPLAY_HEX);
        EXPECT_EQ(ItemText(&page, IDC_CC_EOL), "13;");
        page.SetDlgItemText(IDC_CC_TITLE, "Hex");
        Press(pSheet, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    ASSERT_EQ(maps.profiles.count("Hex"), 1u);
    EXPECT_EQ(maps.profiles.at("Hex").EOL, EncoderBytes({13}));
}

TEST(CaptionEncoderPage, DeletingEveryProfileLeavesNoneAndNoSelection)
{
    SetupMaps maps;
    CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
    sheet.SetActivePage(1);
    CEncoderPage& page = sheet.m_EncoderPage;
    SheetScript script([&](CWnd* pSheet) {
        Press(&page, IDC_CC_DELETE_PROFILE);
        EXPECT_EQ(Entries(&page, IDC_CC_TITLE), (std::vector<std::string> {"Studio A"}));
        Press(&page, IDC_CC_DELETE_PROFILE);
        EXPECT_TRUE(Entries(&page, IDC_CC_TITLE).empty());
        Press(pSheet, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(maps.profiles.empty());
    EXPECT_EQ(maps.selected, "");
}

TEST(CaptionEncoderPage, ASelectedTitleWithoutAProfileSelectsNone)
{
    SetupMaps maps;
    maps.selected = "Gone";
    CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
    sheet.SetActivePage(1);
    CEncoderPage& page = sheet.m_EncoderPage;
    SheetScript script([&](CWnd* pSheet) {
        EXPECT_EQ(Selection(&page, IDC_CC_TITLE), CB_ERR);
        EXPECT_EQ(ItemText(&page, IDC_CC_INIT), "3;1;51;"); // the first profile's
        Press(pSheet, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(maps.selected, "");
    EXPECT_EQ(maps.profiles.size(), 2u);
}

// --- the replacement-character page ----------------------------------------------------

TEST(CaptionCharacterPage, RowsShowTheMapAndFollowTheMasterSwitch)
{
    SetupMaps maps;
    maps.active = false;
    CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
    sheet.SetActivePage(2);
    CCharacterPage& page = sheet.m_CharacterPage;
    SheetScript script([&](CWnd* pSheet) {
        EXPECT_FALSE(page.IsDlgButtonChecked(IDC_CC_USE_REPLACEMENTS));
        EXPECT_TRUE(page.IsDlgButtonChecked(1106)); // "&" -> "+"
        EXPECT_EQ(ItemText(&page, 1138), "+");
        EXPECT_FALSE(page.IsDlgButtonChecked(1164)); // "`" unmapped shows itself
        EXPECT_EQ(ItemText(&page, 1165), "`");
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page.m_hWnd, 1106)));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page.m_hWnd, 1138)));

        Click(&page, IDC_CC_USE_REPLACEMENTS);
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page.m_hWnd, 1106)));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page.m_hWnd, 1138)));
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page.m_hWnd, 1164)));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page.m_hWnd, 1165)));
        Press(pSheet, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(maps.active);
}

TEST(CaptionCharacterPage, CheckingClearingAndUncheckingRows)
{
    SetupMaps maps;
    CEncoderSettings sheet(maps.chars, maps.active, maps.profiles, maps.selected);
    sheet.SetActivePage(2);
    CCharacterPage& page = sheet.m_CharacterPage;
    SheetScript script([&](CWnd* pSheet) {
        Click(&page, 1164); // "`": no replacement yet, so itself
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(page.m_hWnd, 1165)));
        Click(&page, 1124); // backslash
        page.SetDlgItemText(1156, "/");
        Click(&page, 1101); // "!"
        page.SetDlgItemText(1133, ""); // cleared: a space
        Click(&page, 1106); // "&" unchecked: no pair
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page.m_hWnd, 1138)));
        Click(&page, IDC_CC_USE_REPLACEMENTS); // off: the pairs stay
        Press(pSheet, IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    const CCaptionCharMap expected = {{'`', '`'}, {'\\', '/'}, {'!', ' '}, {'a', 'b'}};
    EXPECT_EQ(maps.chars, expected);
    EXPECT_FALSE(maps.active);
}

} // namespace
