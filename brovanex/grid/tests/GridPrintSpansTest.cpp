// Floating and merged cells on the printed page: the printout works its floating cells out
// in pools of its own and draws each block's text once over the cells it spans.
#include "GridPrintFixture.h"
#include "features/GXGridMergeCellsImp.h"

namespace {
class GridPrintSpans : public GridPrint, public ::testing::WithParamInterface<WORD>
{
protected:
    // The page's texts equal to psz.
    std::vector<CPageText> Find(size_t nPage, LPCTSTR psz) const
    {
        std::vector<CPageText> found;
        for (const CPageText& text : m_pageTexts.at(nPage))
            if (text.strText == psz)
                found.push_back(text);
        return found;
    }
};
} // namespace

TEST_P(GridPrintSpans, FloatingAndMergedCellsArePrintedAsOneBlock)
{
    CGXGridWnd& grid = Grid();
    GXImplementFloatCells(&grid);
    GXImplementMergeCells(&grid);
    grid.SetRowCount(6);
    grid.SetColCount(6);
    grid.SetColWidth(1, 6, 50);
    grid.SetFloatCellsMode(GetParam());
    grid.SetMergeCellsMode(GetParam());
    // Row 1 marks where each column begins on the page.
    for (ROWCOL c = 1; c <= 6; ++c) {
        CString s;
        s.Format("c%u", (unsigned)c);
        grid.SetValueRange(CGXRange(1, c, 1, c), s);
    }
    const CString strLong('W', 24); // about four columns wide
    grid.SetValueRange(CGXRange(2, 2, 2, 2), strLong); // floats over empty cells
    grid.SetValueRange(CGXRange(4, 2, 4, 2), strLong + "4"); // stopped by the next cell
    grid.SetValueRange(CGXRange(4, 3, 4, 3), "x");
    grid.SetStyleRange(CGXRange(3, 2, 3, 4),
                       CGXStyle().SetValue("M").SetMergeCell(gxMergeHorizontal));

    PrintAll();
    ASSERT_EQ(1u, m_nPages);
    const auto c2 = Find(0, "c2"), c4 = Find(0, "c4");
    ASSERT_EQ(1u, c2.size());
    ASSERT_EQ(1u, c4.size());
    // The whole text once, from its own column on across the columns it floods.
    const auto floated = Find(0, strLong);
    ASSERT_EQ(1u, floated.size()) << "the floating text is not printed whole";
    EXPECT_EQ(c2[0].rectBounds.left, floated[0].rectBounds.left);
    EXPECT_GT(floated[0].rectBounds.right, c4[0].rectBounds.left);
    // A neighbour with a value stops the text at its own column.
    EXPECT_TRUE(Find(0, strLong + "4").empty());
    EXPECT_EQ(1u, Find(0, "x").size());
    // Three equal merged cells print their value once.
    EXPECT_EQ(1u, Find(0, "M").size());

    // The next job works its blocks out afresh: a value typed into a flooded cell stops
    // the text before it.
    grid.SetValueRange(CGXRange(2, 4, 2, 4), "y");
    PrintAll();
    EXPECT_TRUE(Find(0, strLong).empty());
    EXPECT_EQ(1u, Find(0, "y").size());
}

INSTANTIATE_TEST_SUITE_P(Modes, GridPrintSpans, ::testing::Values((WORD)1, (WORD)2));
