// The process-wide feature interfaces: services every grid and model object of one copy
// of the library shares, reached through CGXGridLibraryState. A null pointer means the
// service is off: its callers archive nothing, copy nothing, read FALSE, format nothing.
#pragma once
#include "core/GXDefs.h"

class CGXGridCore;
class CGXStyle;
class CGXFont;
class CGXBrush;
class CGXPen;
class CGXStylesMap;
class CGXProperties;
class CGXGridParam;
class CGXData;
class CGXRange;
class CGXRangeList;
class CGXStylePtrArray;
class CGXStylePtrArrayPtrArray;
class CGXPrintDevice;
class CGXLongOperation;
class CGXCoveredCellPool;
class CDC;
class CView;
class CPrintInfo;
class CTime;
struct tm;

class CGXAbstractStyleSerializeImp
{
public:
    virtual void SerializeFont(CGXFont& font, CArchive& ar) = 0;
    virtual void SerializeBrush(CArchive& ar, CGXBrush& brush) = 0;
    virtual void SerializePen(CArchive& ar, CGXPen& pen) = 0;
    virtual void SerializeStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMap) = 0;
};

class CGXAbstractStyleCompareSubsetImp
{
public:
    // TRUE when every attribute that other includes is included in style with the same value.
    virtual BOOL IsStyleSubSet(const CGXStyle& style, const CGXStyle& other) = 0;
};

class CGXAbstractSerializeTQ5CompatibleImp
{
public:
    // The user attributes of a style stored in the older layout (schemas up to 4).
    virtual void ReadUserAttributes(CGXStyle& style, CArchive& ar) = 0;
};

class CGXAbstractGridProfileImp
{
public:
    virtual void WriteStylesMap(CGXStylesMap& map) = 0;
    virtual void WriteFont(const CGXFont& font, LPCTSTR pszSection, LPCTSTR pszEntry) = 0;
    virtual void WriteStyle(const CGXStyle& style, LPCTSTR pszSection, LPCTSTR pszEntry) = 0;
    virtual void WriteProperties(CGXProperties& prop) = 0;
    virtual BOOL ReadStylesMap(CGXStylesMap& map) = 0;
    virtual BOOL ReadStyle(CGXStyle& style, LPCTSTR pszSection, LPCTSTR pszEntry) = 0;
    virtual BOOL ReadProperties(CGXProperties& prop) = 0;
};

class CGXAbstractGridDocSerializeImp
{
public:
    virtual void SerializeStylesMap(CGXStylesMap& map, CArchive& ar) = 0;
    virtual void SerializeData(CGXData& data, CArchive& ar) = 0;
    virtual void SerializeStylePtrArrayPtrArray(CGXStylePtrArrayPtrArray& arr, CArchive& ar) = 0;
    virtual void SerializeStylePtrArray(CGXStylePtrArray& arr, CArchive& ar) = 0;
    virtual void SerializeProperties(CGXProperties& prop, CArchive& ar) = 0;
    virtual void SerializeParam(CGXGridParam& param, CArchive& ar) = 0;
};

class CGXAbstractGridParamCopyOperatorImp
{
public:
    virtual void CopyParam(CGXGridParam& dest, const CGXGridParam& src) = 0;
    virtual void CopyStylesMap(CGXStylesMap& dest, const CGXStylesMap& src) = 0;
    virtual void CopyProperties(CGXProperties& dest, const CGXProperties& src) = 0;
};

class CGXAbstractCoveredCellPoolImp
{
public:
    // A new pool, owned by the parameter object (deleted through its virtual destructor).
    virtual CObject* CreatePool() = 0;
    virtual void RebuildPool(CObject* pPool, const CGXRangeList& coveredCells) = 0;
};

// Span-cell pools (merged and floated blocks). The shifting operations do nothing for a
// null pool or one of another class.
class CGXAbstractSpanCellPoolImp
{
public:
    virtual CObject* CreateSpanCellPool() = 0;
    virtual CObject* CreateCopy(const CObject* pSource) = 0;
    virtual void CopyPool(CObject* pDest, const CObject* pSource) = 0;
    virtual void InsertRows(CObject* pPool, ROWCOL nAt, ROWCOL nCount) = 0;
    virtual void RemoveRows(CObject* pPool, ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual void MoveRows(CObject* pPool, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
    virtual void InsertCols(CObject* pPool, ROWCOL nAt, ROWCOL nCount) = 0;
    virtual void RemoveCols(CObject* pPool, ROWCOL nFrom, ROWCOL nTo) = 0;
    virtual void MoveCols(CObject* pPool, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) = 0;
};

// Delayed-range pools (areas whose merged or floating cells wait to be worked out).
class CGXAbstractDelayedRangePoolImp
{
public:
    virtual CObject* CreateDelayedRangePool() = 0;
    virtual CObject* CreateCopy(const CObject* pSource) = 0;
    virtual void CopyPool(CObject* pDest, const CObject* pSource) = 0;
};

class CGXAbstractNumberFormattingImp
{
public:
    // The display text of a value.
    virtual void FormatValue(CString& strResult, const CGXStyle& style, LPCTSTR pszValue,
                             UINT nFlags) = 0;
    // TRUE when the text is a number.
    virtual BOOL ParseValue(LPCTSTR pszText, double& d, UINT nFlags) = 0;
};

class CGXAbstractDrawRotatedTextImp
{
public:
    virtual int DrawRotatedText(CDC* pDC, LPCTSTR lpszString, int nCount, int left, int top,
                                int right, int bottom, UINT nFormat, LONG lfOrientation,
                                LPCRECT lpClipRect) = 0;
};

class CGXAbstractDataCopyMoveCellsImp
{
public:
    virtual BOOL CopyDataCells(CGXData& data, const CGXRange& src, ROWCOL nDestRow, ROWCOL nDestCol,
                               UINT nFlags) = 0;
    // pUndoInfo: the styles an earlier move overwrote, put back (an undo of that move); with
    // bCreateUndoInfo it receives the styles this move overwrites (a new object when null).
    virtual BOOL MoveDataCells(CGXData& data, const CGXRange& src, ROWCOL nDestRow, ROWCOL nDestCol,
                               CObject*& pUndoInfo, BOOL bCreateUndoInfo) = 0;
};

class CGXAbstractGridSortMoveDataImp
{
public:
    virtual BOOL ReorderRows(CGXData& data, const CGXRange& range, const CDWordArray& order,
                             UINT nFlags) = 0;
    virtual BOOL ReorderCols(CGXData& data, const CGXRange& range, const CDWordArray& order,
                             UINT nFlags) = 0;
};

class CGXAbstractLongOperationImp
{
public:
    virtual void EnterOperation(CGXLongOperation* pScope) = 0;
    virtual void LeaveOperation(CGXLongOperation* pScope) = 0;
    virtual void FreeStatusText(CGXLongOperation* pScope) = 0;
    virtual void SetStatusText(CGXLongOperation* pScope, LPCTSTR pszText, BOOL bCopy) = 0;
    // Pumps messages when due; reports a cancel request through bCanceled; TRUE to go on.
    virtual BOOL DoMessages(CGXLongOperation* pScope, BOOL& bCanceled) = 0;
    virtual BOOL NeedMessages(CGXLongOperation* pScope) = 0;
    virtual void ProcessMessages(CGXLongOperation* pScope) = 0;
};

class CGXAbstractPrintDeviceImp
{
public:
    virtual void SetDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode) = 0;
    virtual void SetDeviceData(CGXPrintDevice* pDevice, const void* pDevNames, DWORD cbNames,
                               const void* pDevMode, DWORD cbMode) = 0;
    virtual void FreeDevice(CGXPrintDevice* pDevice) = 0;
    // Copies two global blocks into new buffers (new BYTE[]; the caller deletes them).
    virtual BOOL GetDeviceData(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode,
                               void*& pDevNames, DWORD& cbNames, void*& pDevMode,
                               DWORD& cbMode) = 0;
    virtual void NeedDefaultDevice(CGXPrintDevice* pDevice) = 0;
    virtual HDC GetPrinterDC(CGXPrintDevice* pDevice) = 0;
    virtual void ResetPrinterDC(CGXPrintDevice* pDevice) = 0;
    virtual void GetDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL& hDevNames,
                                  HGLOBAL& hDevMode) = 0;
    virtual void UpdateDeviceHandles(CGXPrintDevice* pDevice, HGLOBAL hDevNames,
                                     HGLOBAL hDevMode) = 0;
    virtual void UpdateDeviceData(CGXPrintDevice* pDevice, const void* pDevNames, DWORD cbNames,
                                  const void* pDevMode, DWORD cbMode) = 0;
    virtual int RunPrintSetupDialog(CGXPrintDevice* pDevice) = 0;
    virtual BOOL RunPrintDialog(CGXPrintDevice* pDevice, void* pPrintInfo) = 0;
    // The view's print dialog on the grid's printer; a printer chosen there is kept.
    virtual BOOL DoPreparePrinting(CView* pView, CGXPrintDevice* pDevice, CPrintInfo* pInfo)
    {
        (void)pView;
        return RunPrintDialog(pDevice, pInfo);
    }
    // The application's printer becomes a copy of the device's.
    virtual void CopyToApp(CGXPrintDevice* pDevice) { (void)pDevice; }
    virtual BOOL IsSameDevice(CGXPrintDevice* pDevice, HGLOBAL hDevNames, HGLOBAL hDevMode)
    {
        (void)pDevice, (void)hDevNames, (void)hDevMode;
        return FALSE;
    }
    virtual BOOL IsSameDeviceData(CGXPrintDevice* pDevice, const void* pDevNames, DWORD cbNames,
                                  const void* pDevMode, DWORD cbMode)
    {
        (void)pDevice, (void)pDevNames, (void)cbNames, (void)pDevMode, (void)cbMode;
        return FALSE;
    }
    // The default printer's blocks, when there is one.
    virtual void CreateDefaultDevice(CGXPrintDevice* pDevice) { (void)pDevice; }
};

// A date and time as the date-time feature reads and writes it; month 0 means no date.
struct GXDateTimeRecord
{
    WORD nYear; // in full, such as 1998
    WORD nMonth; // 1 to 12
    WORD nDay;
    WORD nHour;
    WORD nMinute;
    WORD nSecond;
};

// One shared pointer for both variants (with and without OLE dates); the first installed wins.
class CGXAbstractDateTimeImp
{
public:
    virtual void ReadLocaleSettings() = 0;
    // 0 day-month-year, 1 month-day-year, 2 year-month-day; 3 when the variant has none.
    virtual int GetDateOrder(BOOL bReload, BOOL& bFourDigitYear, TCHAR& cSeparator) = 0;
    virtual TCHAR GetTimeSeparator(BOOL bReload) = 0;
    // nOrder 3 takes the locale's order.
    virtual BOOL ParseDateTime(GXDateTimeRecord& record, LPCTSTR pszText, int nOrder) = 0;
    virtual BOOL ParseDateTimeTm(struct tm& tmOut, LPCTSTR pszText, int nOrder) = 0;
    virtual void FormatDateTime(CString& strResult, const GXDateTimeRecord& record) = 0;
    virtual void FormatTime(CString& strResult, const CTime& time) = 0;
};
