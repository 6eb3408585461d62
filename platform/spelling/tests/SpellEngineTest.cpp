// The engine library as the program calls it: the session over the shipped word list, the
// text functions with their errors, and the correction dialog answered through the modal seam.
#include <gtest/gtest.h>

#include "fw/modal.h"
#include "fw/wnd.h"
#include "spelling/SpellCheckDlgIds.h"
#include "spelling/SpellEngine.h"

#include <cstring>
#include <deque>
#include <functional>
#include <string>

namespace {

// Answers each correction dialog with the next reply while it lives.
class Replies
{
public:
    explicit Replies(std::deque<AFX_MODAL_REPLY> replies) : m_replies(std::move(replies))
    {
        m_previous = AfxSetModalAnswerer([this](const AFX_MODAL_REQUEST& r) {
            if (r.nKind != afxModalDialog || m_replies.empty())
                return AFX_MODAL_REPLY::Answer(IDCANCEL);
            AFX_MODAL_REPLY reply = m_replies.front();
            m_replies.pop_front();
            ++asked;
            return reply;
        });
    }
    ~Replies() { AfxSetModalAnswerer(m_previous); }
    int asked = 0;

private:
    std::deque<AFX_MODAL_REPLY> m_replies;
    AFX_MODAL_ANSWERER m_previous;
};

AFX_MODAL_REPLY Type(const std::string& text)
{
    return AFX_MODAL_REPLY::Script([text](CWnd* d) {
        d->SetDlgItemText(IDC_SPELL_CHANGE_TO, text.c_str());
        d->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
}

} // namespace

TEST(SpellEngine, SessionChecksAndReplacesInTheCallersBuffer)
{
    const int16_t sid = SSCE_GetSid();
    ASSERT_GE(sid, 0) << "the word list beside the library could not be read";
    char text[32] = "We recieve the nwes.";
    char word[81], other[81];
    int32_t cursor = 0;
    ASSERT_EQ(SSCE_CheckString(sid, text, &cursor, word, 81, other, 81), 1);
    EXPECT_STREQ(word, "recieve");
    EXPECT_EQ(cursor, 3);
    EXPECT_EQ(SSCE_ReplaceStringWord(sid, text, sizeof text, cursor, "receive"), 0);
    cursor += 7;
    ASSERT_EQ(SSCE_CheckString(sid, text, &cursor, word, 81, other, 81), 1);
    EXPECT_STREQ(word, "nwes");
    EXPECT_LT(SSCE_ReplaceStringWord(sid, text, sizeof text, cursor, "news-and-more-news"), 0);
    EXPECT_STREQ(text, "We receive the nwes.");
    cursor += 4;
    EXPECT_EQ(SSCE_CheckString(sid, text, &cursor, word, 81, other, 81), 64);
    EXPECT_LT(SSCE_CheckString(static_cast<int16_t>(sid + 1), text, &cursor, word, 81, other, 81),
              0);
}

TEST(SpellEngine, DialogAnswersChangeIgnoreAndCancel)
{
    {
        // OK given unseen takes the closest suggestion.
        Replies replies({AFX_MODAL_REPLY::Answer(IDOK)});
        char block[81] = "recieve";
        EXPECT_EQ(SSCE_CheckBlockDlg(nullptr, block, 7, 81, 0), 0);
        EXPECT_STREQ(block, "receive");
        EXPECT_EQ(replies.asked, 1);
    }
    {
        Replies replies({AFX_MODAL_REPLY::Answer(IDCANCEL)});
        char block[81] = "recieve";
        EXPECT_EQ(SSCE_CheckBlockDlg(nullptr, block, 7, 81, 0), -17);
        EXPECT_STREQ(block, "recieve");
    }
    {
        // A block of several words: each questioned word gets its own dialog.
        Replies replies({AFX_MODAL_REPLY::Answer(IDC_SPELL_IGNORE), Type("news")});
        char block[81] = "recieve the nwes";
        EXPECT_EQ(SSCE_CheckBlockDlg(nullptr, block, 16, 81, 0), 0);
        EXPECT_STREQ(block, "recieve the news");
        EXPECT_EQ(replies.asked, 2);
    }
    {
        // A change that would not fit the caller's block leaves the word.
        Replies replies({Type(std::string(90, 'a'))});
        char block[81] = "nwes";
        EXPECT_EQ(SSCE_CheckBlockDlg(nullptr, block, 4, 81, 0), 0);
        EXPECT_STREQ(block, "nwes");
    }
}

TEST(SpellEngine, DialogShowsTheWordAndItsSuggestions)
{
    std::string shown, first;
    Replies replies({AFX_MODAL_REPLY::Script([&](CWnd* d) {
        CString text;
        d->GetDlgItemText(IDC_SPELL_WORD, text);
        shown = (LPCSTR)text;
        d->GetDlgItemText(IDC_SPELL_CHANGE_TO, text);
        first = (LPCSTR)text;
        d->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    })});
    char block[81] = "Recieve";
    EXPECT_EQ(SSCE_CheckBlockDlg(nullptr, block, 7, 81, 0), -17);
    EXPECT_EQ(shown, "Recieve");
    EXPECT_EQ(first, "Receive");
}
