#include "FmtGrid.h"

IMPLEMENT_SERIAL(CFmtGrid, CObject, 1)

namespace {
// Rundown columns are white text on black; only ERT, TTL and Cume are computed.
void AddRundownColumn(CFmtGrid& grid, long id, const CString& heading, long width, short dataLength,
                      short alignment, int cellEdit)
{
    // Column formats keep widths as 16-bit values.
    grid.AddColumn(CFmtGridCol(id, "", heading, 135, dataLength, (short)(WORD)width, alignment, "",
                               "", cellEdit, 0x000000, 0xFFFFFF, 0));
}
} // namespace

CFmtGrid::CFmtGrid()
    : m_HorzLines(1), m_VertLines(1), m_LineColor(0), m_Height(16.0f), m_LockedColCount(0),
      m_BackColor(0xFFFFFF), m_SelForeColor(0xFFFFFF), m_SelBackColor(0xC00000), m_Columns(10)
{ }

CFmtGrid::CFmtGrid(CColInfo& info)
    : m_HorzLines(1), m_VertLines(1), m_LineColor(0), m_Height(13.0f), m_LockedColCount(0),
      m_BackColor(0xFAE6E6), m_SelForeColor(0x000000), m_SelBackColor(0x00FFFF), m_Columns(10)
{
    const short left = CFmtGridCol::AlignLeft;
    const short centre = CFmtGridCol::AlignCentre;
    const short right = CFmtGridCol::AlignRight;
    if (info.ShowPageNo)
        AddRundownColumn(*this, COLID_PAGENO, "#", info.WidthPageNo, 10, centre, 1);
    if (info.ShowTalent)
        AddRundownColumn(*this, COLID_TALENT, "Talent", info.WidthTalent, 50, left, 1);
    if (info.ShowMisc1)
        AddRundownColumn(*this, COLID_MISC1, info.Misc1Title, info.WidthMisc1, 255, left, 1);
    if (info.ShowMisc2)
        AddRundownColumn(*this, COLID_MISC2, info.Misc2Title, info.WidthMisc2, 255, left, 1);
    if (info.ShowSlug)
        AddRundownColumn(*this, COLID_SLUG, "Slug", info.WidthSlug, 255, left, 1);
    if (info.ShowERT)
        AddRundownColumn(*this, COLID_ERT, "ERT", info.WidthERT, 20, centre, 0);
    if (info.ShowSOT)
        AddRundownColumn(*this, COLID_SOT, "SOT", info.WidthSOT, 20, centre, 1);
    if (info.ShowTTL)
        AddRundownColumn(*this, COLID_TTL, "TTL", info.WidthTTL, 20, centre, 0);
    if (info.ShowCume)
        AddRundownColumn(*this, COLID_CUME, "Cume", info.WidthCume, 20, right, 0);
}

CFmtGrid::CFmtGrid(const CFmtGrid& other) : CObject(), m_Columns(10) { CopyFrom(other); }

CFmtGrid& CFmtGrid::operator=(const CFmtGrid& other)
{
    if (this != &other) {
        RemoveAllColumns();
        CopyFrom(other);
    }
    return *this;
}

CFmtGrid::~CFmtGrid() { RemoveAllColumns(); }

void CFmtGrid::CopyFrom(const CFmtGrid& other)
{
    m_HorzLines = other.m_HorzLines;
    m_VertLines = other.m_VertLines;
    m_LineColor = other.m_LineColor;
    m_Height = other.m_Height;
    m_LockedColCount = other.m_LockedColCount;
    m_BackColor = other.m_BackColor;
    m_SelForeColor = other.m_SelForeColor;
    m_SelBackColor = other.m_SelBackColor;
    for (POSITION pos = other.m_Columns.GetHeadPosition(); pos != NULL;)
        AddColumn(*(const CFmtGridCol*)other.m_Columns.GetNext(pos));
}

void CFmtGrid::Serialize(CArchive&) { }

void CFmtGrid::AddColumn(const CFmtGridCol& column) { m_Columns.AddTail(new CFmtGridCol(column)); }

void CFmtGrid::RemoveAllColumns()
{
    while (!m_Columns.IsEmpty())
        delete (CFmtGridCol*)m_Columns.RemoveHead();
}
