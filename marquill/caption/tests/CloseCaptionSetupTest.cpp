// The Close Caption Setup command on a store in memory: OK without opening the other pages
// still rewrites the profiles and replacements from the unchanged maps and keeps the line's
// encoder numbers; a store that cannot be written is reported; Cancel writes nothing.
#include "CaptionSheetSupport.h"

#include "EncoderSettings.h"
#include "MemoryRegistry.h"

namespace {

const bool kSelvatraLoaded = LoadSelvatraResources();

// The sheet answered unseen with a button.
class AnswerSheet
{
public:
    explicit AnswerSheet(INT_PTR nResult)
    {
        m_previous = AfxSetModalAnswerer(
            [nResult](const AFX_MODAL_REQUEST&) { return AFX_MODAL_REPLY::Answer(nResult); });
    }
    ~AnswerSheet() { AfxSetModalAnswerer(m_previous); }

private:
    AFX_MODAL_ANSWERER m_previous;
};

CCaptionLineSettings Line()
{
    CCaptionLineSettings line;
    line.Port = "12";
    line.Baud = "9600";
    line.Wrap = 32;
    line.Pacing = 7;
    line.WPMPacing = 43;
    return line;
}

TEST(CloseCaptionSetup, OkWithoutOpeningThePagesRewritesTheStoreFromTheMaps)
{
    ASSERT_TRUE(kSelvatraLoaded);
    CMemoryRegistry registry;
    CCaptionData data(&registry);
    data.LoadEncoderProfiles(); // the presets, as at start-up
    data.m_EncoderProfiles["Studio"] = CEncoderProfile(5, 43, "<", ">", "[i]", "[r]", 24, 0);
    data.m_SelectedProfile = "Studio";
    data.m_CharMap = {{'&', '+'}};
    data.m_bCharMapActive = true;
    CCaptionLineSettings line = Line();
    MessageBoxes boxes;
    {
        AnswerSheet answer(IDOK);
        EXPECT_EQ(RunCloseCaptionSetup(data, line), IDOK);
    }
    EXPECT_TRUE(boxes.m_texts.empty());
    // Port 12 keeps its whole number; the encoder numbers stay (the page was never shown).
    EXPECT_EQ(line.Port, "12");
    EXPECT_EQ(line.Baud, "9600");
    EXPECT_EQ(line.Wrap, 32);
    EXPECT_EQ(line.Pacing, 7);
    EXPECT_EQ(line.WPMPacing, 43);

    CCaptionData reloaded(&registry);
    reloaded.LoadEncoderProfiles();
    reloaded.LoadCaptionCharMap();
    EXPECT_EQ(reloaded.m_SelectedProfile, "Studio");
    EXPECT_EQ(reloaded.m_EncoderProfiles, data.m_EncoderProfiles);
    EXPECT_EQ(reloaded.m_CharMap, data.m_CharMap);
    EXPECT_TRUE(reloaded.m_bCharMapActive);
}

TEST(CloseCaptionSetup, AStoreThatCannotBeWrittenIsReported)
{
    CMemoryRegistry registry;
    registry.readOnly = true;
    CCaptionData data(&registry);
    data.m_EncoderProfiles = {{"Studio", CEncoderProfile()}};
    data.m_SelectedProfile = "Studio";
    CCaptionLineSettings line = Line();
    MessageBoxes boxes;
    {
        AnswerSheet answer(IDOK);
        EXPECT_EQ(RunCloseCaptionSetup(data, line), IDOK);
    }
    ASSERT_EQ(boxes.m_texts.size(), 1u);
    EXPECT_NE(boxes.m_texts[0].find("could not be saved"), std::string::npos);
}

TEST(CloseCaptionSetup, CancelWritesNothing)
{
    CMemoryRegistry registry;
    CCaptionData data(&registry);
    data.m_EncoderProfiles = {{"Studio", CEncoderProfile()}};
    CCaptionLineSettings line = Line();
    line.Port = "3";
    {
        AnswerSheet answer(IDCANCEL);
        EXPECT_EQ(RunCloseCaptionSetup(data, line), IDCANCEL);
    }
    EXPECT_EQ(line.Port, "3");
    CCaptionData reloaded(&registry);
    reloaded.LoadEncoderProfiles();
    EXPECT_EQ(reloaded.m_EncoderProfiles.count("Studio"), 0u);
}

} // namespace
