#include "FmtGridCol.h"

IMPLEMENT_SERIAL(CFmtGridCol, CObject, 1)

CFmtGridCol::CFmtGridCol()
    : m_ID(0), m_DataType(145), m_DataLength(5), m_Width(0), m_Alignment(AlignLeft),
      m_Format("none"), m_CellEdit(0), m_BackColor(0xFFFFFF), m_ForeColor(0), m_CellLocked(0)
{ }

CFmtGridCol::CFmtGridCol(const CFmtGridCol& other) : CObject() { *this = other; }

CFmtGridCol::CFmtGridCol(long id, const CString& description, const CString& displayName,
                         short dataType, short dataLength, short width, short alignment,
                         const CString& format, const CString& defValue, int cellEdit,
                         COLORREF backColor, COLORREF foreColor, int cellLocked)
    : m_ID(id), m_Description(description), m_DisplayName(displayName), m_DataType(dataType),
      m_DataLength(dataLength), m_Width(width), m_Alignment(alignment), m_Format(format),
      m_DefValue(defValue), m_CellEdit(cellEdit), m_BackColor(backColor), m_ForeColor(foreColor),
      m_CellLocked(cellLocked)
{ }

CFmtGridCol& CFmtGridCol::operator=(const CFmtGridCol& other)
{
    m_ID = other.m_ID;
    m_Description = other.m_Description;
    m_DisplayName = other.m_DisplayName;
    m_DataType = other.m_DataType;
    m_DataLength = other.m_DataLength;
    m_Width = other.m_Width;
    m_Alignment = other.m_Alignment;
    m_Format = other.m_Format;
    m_DefValue = other.m_DefValue;
    m_CellEdit = other.m_CellEdit;
    m_BackColor = other.m_BackColor;
    m_ForeColor = other.m_ForeColor;
    m_CellLocked = other.m_CellLocked;
    return *this;
}

CFmtGridCol::~CFmtGridCol() { }

void CFmtGridCol::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (LONG)m_ID << m_Description << m_DisplayName << (WORD)m_DataType << m_Format
           << m_DefValue << (WORD)m_DataLength << (WORD)m_Width << (WORD)m_Alignment
           << (LONG)m_CellEdit << (DWORD)m_BackColor << (DWORD)m_ForeColor << (LONG)m_CellLocked;
        return;
    }
    LONG id = 0, cellEdit = 0, cellLocked = 0;
    WORD dataType = 0, dataLength = 0, width = 0, alignment = 0;
    DWORD backColor = 0, foreColor = 0;
    ar >> id >> m_Description >> m_DisplayName >> dataType >> m_Format >> m_DefValue >>
        dataLength >> width >> alignment >> cellEdit >> backColor >> foreColor >> cellLocked;
    m_ID = id;
    m_DataType = (short)dataType;
    m_DataLength = (short)dataLength;
    m_Width = (short)width;
    m_Alignment = (short)alignment;
    m_CellEdit = cellEdit;
    m_BackColor = backColor;
    m_ForeColor = foreColor;
    m_CellLocked = cellLocked;
}
