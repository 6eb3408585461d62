// The grid format the rundown applies to its grid: lines, colours, heading height and
// the ordered column formats, built from the show's column information.
#pragma once
#include "BrovanexApi.h"
#include "ColInfo.h"
#include "FmtGridCol.h"
#include "fw/core.h"

// Column identifiers of the rundown grid.
enum RundownColumnId {
    COLID_SLUG = 1280,
    COLID_ERT = 1282,
    COLID_SOT = 1283,
    COLID_TTL = 1284,
    COLID_CUME = 1285,
    COLID_PAGENO = 1316,
    COLID_TALENT = 1317,
    COLID_MISC1 = 1536,
    COLID_MISC2 = 1537,
    COLID_RECNO = 1792 // the hidden record-number column, not a column format
};

class BROVANEX_API CFmtGrid : public CObject
{
    DECLARE_SERIAL(CFmtGrid)

public:
    CFmtGrid();
    // One column format for each shown column, in the rundown's fixed column order.
    explicit CFmtGrid(CColInfo& info);
    CFmtGrid(const CFmtGrid& other);
    CFmtGrid& operator=(const CFmtGrid& other);
    virtual ~CFmtGrid();

    // Grid formats are never stored.
    virtual void Serialize(CArchive& ar);

    void SetHorzLines(const int& value) { m_HorzLines = value; }
    const int& GetHorzLines() const { return m_HorzLines; }
    void SetVertLines(const int& value) { m_VertLines = value; }
    const int& GetVertLines() const { return m_VertLines; }
    void SetLineColor(const COLORREF& value) { m_LineColor = value; }
    const COLORREF& GetLineColor() const { return m_LineColor; }
    void SetHeight(const float& value) { m_Height = value; }
    const float& GetHeight() const { return m_Height; }
    void SetLockedColCount(const unsigned& value) { m_LockedColCount = value; }
    const unsigned& GetLockedColCount() const { return m_LockedColCount; }
    void SetBackColor(const COLORREF& value) { m_BackColor = value; }
    const COLORREF& GetBackColor() const { return m_BackColor; }
    void SetSelForeColor(const COLORREF& value) { m_SelForeColor = value; }
    const COLORREF& GetSelForeColor() const { return m_SelForeColor; }
    void SetSelBackColor(const COLORREF& value) { m_SelBackColor = value; }
    const COLORREF& GetSelBackColor() const { return m_SelBackColor; }

    // The column formats (CFmtGridCol*), owned by this object, in column order.
    const CObList& GetColumns() const { return m_Columns; }
    INT_PTR GetColumnCount() const { return m_Columns.GetCount(); }
    // Appends a copy of the format.
    void AddColumn(const CFmtGridCol& column);
    void RemoveAllColumns();

private:
    void CopyFrom(const CFmtGrid& other);

    int m_HorzLines;
    int m_VertLines;
    COLORREF m_LineColor;
    float m_Height; // of the heading row
    unsigned m_LockedColCount;
    COLORREF m_BackColor;
    COLORREF m_SelForeColor;
    COLORREF m_SelBackColor;
    CObList m_Columns;
};
