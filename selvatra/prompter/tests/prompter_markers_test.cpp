// Slide-show instructions at the reading line, held-back instructions and bookmarks.
#include <gtest/gtest.h>

#include <vector>

#include "fixtures/script_rtf_shapes.h"
#include "test_host.h"

namespace {

// Records the slide-show commands instead of handing them to the slide-show thread.
class InstructionPrompter : public TestPrompter
{
public:
    std::vector<int> codes;

protected:
    void QueueInstruction(int code, const qelstring&) override { codes.push_back(code); }
};

InstructionPrompter* NewInstructionPrompter(TestHost& host)
{
    InstructionPrompter* p = new InstructionPrompter;
    TestPrompter* defaults = host.NewPrompter(false);
    // Take the host's test settings, then let the recording prompter stand in for it.
    p->m_logFont = defaults->m_logFont;
    p->m_pfnGetRecord = defaults->m_pfnGetRecord;
    p->m_pfnGetScriptText = defaults->m_pfnGetScriptText;
    p->m_pfnPromptDone = defaults->m_pfnPromptDone;
    delete defaults;
    host.prompter = p;
    return p;
}

} // namespace

TEST(PrompterMarkers, InstructionsGoOutAsTheyPassAndAreUndoneGoingBack)
{
    TestHost host;
    host.scripts[1] = script_rtf_shapes::kScript;
    InstructionPrompter* p = NewInstructionPrompter(host);
    p->m_bPowerPointOn = 1;
    p->m_bShowPPInst = 1;
    p->m_nDefaultSpeed = ps_fast4;
    host.CreateFullScreen(p);
    p->OnPromptNow(1, 0);
    ASSERT_EQ(p->codes, std::vector<int>({0x1000})) << "the slide-show set-up goes first";

    p->StartStop(false);
    ASSERT_TRUE(TickUntil(host, [&] { return !p->m_bRunning; }));
    EXPECT_EQ(p->codes, std::vector<int>({0x1000, 2, 4})) << "forwards: as written";

    p->StartStop(false);
    p->SendMessage(WM_KEYDOWN, VK_DECIMAL, 0);
    ASSERT_TRUE(TickUntil(host, [&] { return !p->m_bRunning; }));
    EXPECT_EQ(p->codes, std::vector<int>({0x1000, 2, 4, 16, 2}))
        << "backwards: next becomes previous";
    p->SendMessage(WM_CLOSE);
    EXPECT_TRUE(TestHost::PumpUntil([&] { return !host.prompter; }, 5000));
}

TEST(PrompterMarkers, AHeldBackInstructionDoesNotOutliveItsRun)
{
    TestHost host;
    // Hidden instruction paragraphs are held back for the next text paragraph; this script
    // ends with one, and a looping run adds no end line that would take it.
    host.scripts[1] = std::string("{\\rtf1\\ansi\\ansicpg1252 Opening words.\\par\n") +
        script_rtf_shapes::kNextSlideParagraph + "}";
    TestPrompter* p = host.NewPrompter(false);
    p->m_bPromptContinuous = 1;
    host.CreateFullScreen(p);
    p->OnPromptNow(1, 0);
    p->SendMessage(WM_CLOSE);
    EXPECT_TRUE(TestHost::PumpUntil([&] { return !host.prompter; }, 5000));

    host.scripts[1] = "Plain words\n";
    p = host.NewPrompter(false);
    p->m_bPromptContinuous = 1;
    host.CreateFullScreen(p);
    p->OnPromptNow(1, 0);
    ASSERT_FALSE(p->m_lstParagraphs.IsEmpty());
    CPromptParagraph* first = p->m_lstParagraphs.GetHead();
    EXPECT_EQ(first->m_nInstrCode, 0);
    EXPECT_FALSE(first->m_nFlags & PT_INSTRUCTION);
    p->SendMessage(WM_CLOSE);
    EXPECT_TRUE(TestHost::PumpUntil([&] { return !host.prompter; }, 5000));
}

TEST(PrompterMarkers, BookmarkKeysMoveBetweenMarkedParagraphs)
{
    TestHost host;
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252 ";
    for (int i = 1; i <= 30; ++i) {
        if (i == 8 || i == 20)
            rtf += script_rtf_shapes::kBookmarkIntro;
        rtf += "Paragraph " + std::to_string(i) + ".\\par\n";
    }
    rtf += "}";
    host.scripts[1] = rtf;
    for (BYTE bookmarks : {BYTE(1), BYTE(0)}) {
        TestPrompter* p = host.NewPrompter(false);
        p->m_bBookmarks = bookmarks;
        host.CreateFullScreen(p);
        p->OnPromptNow(1, 0);
        const int first = p->ParagraphAt(p->m_posPrompter)->m_nNumber;
        std::vector<int> seen;
        for (UINT key : {VK_F8, VK_F8, VK_F7, VK_F8, VK_F8}) {
            p->SendMessage(WM_KEYDOWN, key, 0);
            seen.push_back((p->ParagraphAt(p->m_posPrompter)->m_nNumber - first) / 100);
        }
        if (bookmarks) {
            ASSERT_EQ(seen.size(), 5u);
            EXPECT_EQ(seen[0], 7);
            EXPECT_EQ(seen[1], 19);
            EXPECT_EQ(seen[2], 7);
            EXPECT_EQ(seen[3], 19);
            // Past the last bookmark: the end of the loaded text (the end line).
            EXPECT_TRUE(p->ParagraphAt(p->m_posPrompter)->m_nFlags & PT_STOP_MARKER);
        } else {
            EXPECT_EQ(seen, std::vector<int>(5, 0)) << "without bookmark keys F7 and F8 do nothing";
        }
        p->SendMessage(WM_CLOSE);
        EXPECT_TRUE(TestHost::PumpUntil([&] { return !host.prompter; }, 5000));
    }
}
