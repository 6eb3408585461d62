// The script file dialog through the modal seam: its filter lists the formats (an open
// dialog without Unicode text, a save dialog without "All"), it starts on the remembered
// or given format with that format's extension, and the format chosen comes back as its
// index in the full table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "MarquillResource.h"

namespace {

const UINT kOpenTitle = 0xF000; // the framework's "Open"

// The names of a dialog filter ("name\0pattern\0...\0\0").
std::vector<std::string> FilterNames(LPCSTR filter)
{
    std::vector<std::string> names;
    for (LPCSTR p = filter; p && *p;) {
        names.push_back(p);
        p += strlen(p) + 1; // the name
        p += strlen(p) + 1; // its pattern
    }
    return names;
}

TEST_F(AppFixture, TheScriptFileDialogsFormatsAndTheFormatChosen)
{
    struct Case
    {
        BOOL open;
        int remembered; // the application's index (open dialogs)
        int given; // the caller's index (save dialogs)
        size_t entries;
        DWORD shownIndex;
        const char* defaultExtension;
        DWORD chosenIndex; // in the dialog
        int tableIndex; // handed back
    } cases[] = {
        {TRUE, 1, 0, 6, 1, "doc", 6, 7}, // "All": the last entry, table index 7
        {TRUE, 7, 0, 6, 6, "", 3, 3},
        {FALSE, 1, 6, 6, 6, "txt", 6, 6}, // Unicode text only in a save dialog
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.open ? "open" : "save");
        m_app.m_nFilterIndex = c.remembered;
        std::vector<std::string> names;
        DWORD shown = 0;
        std::string extension, title;
        AFX_MODAL_ANSWERER previous = AfxSetModalAnswerer([&](const AFX_MODAL_REQUEST& request) {
            CFileDialog* pDialog = dynamic_cast<CFileDialog*>(request.pObject);
            EXPECT_NE(pDialog, nullptr);
            if (pDialog) {
                names = FilterNames(pDialog->m_ofn.lpstrFilter);
                shown = pDialog->m_ofn.nFilterIndex;
                extension = pDialog->m_ofn.lpstrDefExt ? pDialog->m_ofn.lpstrDefExt : "";
                title = pDialog->m_ofn.lpstrTitle ? pDialog->m_ofn.lpstrTitle : "";
                pDialog->m_ofn.nFilterIndex = c.chosenIndex;
            }
            return AFX_MODAL_REPLY::Answer(IDOK, "C:\\scripts\\news.rtf");
        });
        CString file;
        int index = c.given;
        const BOOL chosen = m_app.DoPromptFileName(file, kOpenTitle, OFN_FILEMUSTEXIST, c.open,
                                                   c.open ? nullptr : &index);
        AfxSetModalAnswerer(previous);
        ASSERT_TRUE(chosen);
        EXPECT_EQ(names.size(), c.entries);
        if (c.open) {
            EXPECT_EQ(names.back(), "All Documents (*.*)");
            EXPECT_EQ(m_app.m_nFilterIndex, c.tableIndex);
        } else {
            EXPECT_EQ(names.back(), "Unicode Text Document");
            EXPECT_EQ(index, c.tableIndex);
        }
        EXPECT_EQ(shown, c.shownIndex);
        EXPECT_EQ(extension, c.defaultExtension);
        CString expectedTitle;
        expectedTitle.LoadString(kOpenTitle);
        EXPECT_FALSE(expectedTitle.IsEmpty());
        EXPECT_EQ(title, (LPCSTR)expectedTitle);
        EXPECT_STREQ(file, "C:\\scripts\\news.rtf");
    }
}

} // namespace
