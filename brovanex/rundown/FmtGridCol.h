// The format of one rundown grid column: identifier, heading, cell limits, alignment,
// colours and whether its cells may be edited.
#pragma once
#include "BrovanexApi.h"
#include "fw/core.h"

class BROVANEX_API CFmtGridCol : public CObject
{
    DECLARE_SERIAL(CFmtGridCol)

public:
    CFmtGridCol();
    CFmtGridCol(const CFmtGridCol& other);
    CFmtGridCol(long id, const CString& description, const CString& displayName, short dataType,
                short dataLength, short width, short alignment, const CString& format,
                const CString& defValue, int cellEdit, COLORREF backColor, COLORREF foreColor,
                int cellLocked);
    CFmtGridCol& operator=(const CFmtGridCol& other);
    virtual ~CFmtGridCol();

    // ID, Description, DisplayName, DataType, Format, DefValue, DataLength, Width,
    // Alignment, CellEdit, BackColor, ForeColor, CellLocked; no tag.
    virtual void Serialize(CArchive& ar);

    void SetID(const long& id) { m_ID = id; }
    const long& GetID() const { return m_ID; }
    void SetDescription(const CString& text) { m_Description = text; }
    const CString& GetDescription() const { return m_Description; }
    void SetDisplayName(const CString& text) { m_DisplayName = text; }
    const CString& GetDisplayName() const { return m_DisplayName; }
    void SetDataType(const short& type) { m_DataType = type; }
    const short& GetDataType() const { return m_DataType; }
    void SetDataLength(const short& length) { m_DataLength = length; }
    const short& GetDataLength() const { return m_DataLength; }
    void SetWidth(const short& width) { m_Width = width; }
    const short& GetWidth() const { return m_Width; }
    void SetAlignment(const short& alignment) { m_Alignment = alignment; }
    const short& GetAlignment() const { return m_Alignment; }
    void SetFormat(const CString& format) { m_Format = format; }
    const CString& GetFormat() const { return m_Format; }
    void SetDefValue(const CString& value) { m_DefValue = value; }
    const CString& GetDefValue() const { return m_DefValue; }
    void SetCellEdit(const int& editable) { m_CellEdit = editable; }
    const int& IsEditable() const { return m_CellEdit; }
    void SetBackColor(const COLORREF& color) { m_BackColor = color; }
    const COLORREF& GetBackColor() const { return m_BackColor; }
    void SetForeColor(const COLORREF& color) { m_ForeColor = color; }
    const COLORREF& GetForeColor() const { return m_ForeColor; }
    void SetCellLocked(const int& locked) { m_CellLocked = locked; }
    const int& IsLocked() const { return m_CellLocked; }

    // Alignment values.
    enum { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };

private:
    long m_ID;
    CString m_Description;
    CString m_DisplayName;
    short m_DataType;
    short m_DataLength; // longest text a cell takes
    short m_Width;
    short m_Alignment;
    CString m_Format;
    CString m_DefValue;
    int m_CellEdit;
    COLORREF m_BackColor;
    COLORREF m_ForeColor;
    int m_CellLocked;
};
