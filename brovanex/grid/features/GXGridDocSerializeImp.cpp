// A grid's whole state in an archive: the parameter object with the styles map, the data,
// the properties and the print device it owns, and their own layouts. Reading trusts no
// count or index beyond what the archive holds, and an object that fails half-read leaves
// its owner with a null pointer and a cleared own-flag, never a flag over nothing.
#include "core/GXArchiveHelpers.h"
#include "core/GXCollections.h"
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXProperties.h"
#include "core/GXResourceString.h"
#include "core/GXStylesMap.h"
#include <memory>

namespace {
const WORD kParamSchema = 9;
const WORD kPropertiesSchema = 3;
const WORD kStylesMapSchema = 2;
const DWORD kEndOfEntries = 0xFFFFFFFF;
// Style arrays are dense: an index is a slot to allocate. One array holds at most this many
// slots, and the rows of a data object together at most kMaxCellSlots, so a few stored
// bytes can never ask for gigabytes.
const DWORD kMaxArraySlots = 0x100000;
const ULONGLONG kMaxCellSlots = 0x800000;

[[noreturn]] void Throw(CArchive& ar, int nCause)
{
    AfxThrowArchiveException(nCause, ar.m_strFileName);
}

WORD ReadSchema(CArchive& ar, WORD nWritten, bool bExactly)
{
    WORD nSchema;
    ar >> nSchema;
    if (nSchema > nWritten || (bExactly && nSchema != nWritten))
        Throw(ar, CArchiveException::badSchema);
    return nSchema;
}

// A value stored as the archive type Stored, read back into its own type.
template<class Stored, class T>
void ArchiveAs(CArchive& ar, T& value)
{
    if (ar.IsStoring()) {
        ar << (Stored)value;
    } else {
        Stored stored;
        ar >> stored;
        value = (T)stored;
    }
}

// BOOLs travel as their low byte.
void ArchiveFlag(CArchive& ar, BOOL& b) { ArchiveAs<BYTE>(ar, b); }
template<class T>
void ArchiveWord(CArchive& ar, T& value)
{
    ArchiveAs<WORD>(ar, value);
}
template<class T>
void ArchiveDWord(CArchive& ar, T& value)
{
    ArchiveAs<DWORD>(ar, value);
}

// The archive's document names the styles map while the styles inside an object are
// archived, so that they can find their base styles.
class CStylesMapAsDocument
{
public:
    CStylesMapAsDocument(CArchive& ar, CGXStylesMap* pMap) : m_ar(ar), m_pOld(ar.m_pDocument)
    {
        m_ar.m_pDocument = reinterpret_cast<CDocument*>(static_cast<CObject*>(pMap));
    }
    ~CStylesMapAsDocument() { m_ar.m_pDocument = m_pOld; }
    CStylesMapAsDocument(const CStylesMapAsDocument&) = delete;
    CStylesMapAsDocument& operator=(const CStylesMapAsDocument&) = delete;

private:
    CArchive& m_ar;
    CDocument* m_pOld;
};

// A pool is stored when its class can be; a pool read back must be of the class the
// process-wide factory makes, since the core takes it for one.
void StorePool(CArchive& ar, CObject* pPool)
{
    if (pPool != nullptr && pPool->GetRuntimeClass()->m_wSchema == 0xFFFF)
        pPool = nullptr;
    ar << static_cast<const CObject*>(pPool);
}

CObject* LoadPool(CArchive& ar, CObject* (*pfnCreate)())
{
    std::unique_ptr<CObject> pOb(GXReadOwnedObjectOrNull(ar, RUNTIME_CLASS(CObject)));
    if (pOb == nullptr)
        return nullptr;
    std::unique_ptr<CObject> pProbe(pfnCreate != nullptr ? pfnCreate() : nullptr);
    if (pProbe == nullptr || pProbe->GetRuntimeClass() != pOb->GetRuntimeClass())
        Throw(ar, CArchiveException::badClass);
    return pOb.release();
}

CObject* CreateSpanPool()
{
    CGXAbstractSpanCellPoolImp* pImp = GXGetLibraryState().m_pSpanCellPoolImp;
    return pImp != nullptr ? pImp->CreateSpanCellPool() : nullptr;
}

CObject* CreateDelayedPool()
{
    CGXAbstractDelayedRangePoolImp* pImp = GXGetLibraryState().m_pDelayedRangePoolImp;
    return pImp != nullptr ? pImp->CreateDelayedRangePool() : nullptr;
}

void ArchivePool(CArchive& ar, CObject*& pPool, CObject* (*pfnCreate)())
{
    if (ar.IsStoring()) {
        StorePool(ar, pPool);
        return;
    }
    CObject* pRead = LoadPool(ar, pfnCreate);
    delete pPool;
    pPool = pRead;
}

// The print device's class lives with the window code: it is found by name.
CObject* LoadPrintDevice(CArchive& ar)
{
    std::unique_ptr<CObject> pOb(GXReadOwnedObjectOrNull(ar, RUNTIME_CLASS(CObject)));
    if (pOb == nullptr)
        return nullptr;
    CRuntimeClass* pClass = CRuntimeClass::FromName("CGXPrintDevice");
    if (pClass == nullptr || !pOb->IsKindOf(pClass))
        Throw(ar, CArchiveException::badClass);
    return pOb.release();
}
} // namespace

class CGXGridDocSerializeImp : public CGXAbstractGridDocSerializeImp
{
public:
    void SerializeStylesMap(CGXStylesMap& map, CArchive& ar) override;
    void SerializeData(CGXData& data, CArchive& ar) override;
    void SerializeStylePtrArrayPtrArray(CGXStylePtrArrayPtrArray& arr, CArchive& ar) override;
    void SerializeStylePtrArray(CGXStylePtrArray& arr, CArchive& ar) override;
    void SerializeProperties(CGXProperties& prop, CArchive& ar) override;
    void SerializeParam(CGXGridParam& param, CArchive& ar) override;

private:
    void LoadStylesMap(CGXStylesMap& map, CArchive& ar);
    void LoadProperties(CGXProperties& prop, CArchive& ar);
    void ArchiveParamObjects(CGXGridParam& param, CArchive& ar);
};

// ---------------------------------------------------------------------------------------
// Style arrays and the data object

void CGXGridDocSerializeImp::SerializeStylePtrArray(CGXStylePtrArray& arr, CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (WORD)1 << (DWORD)arr.GetSize();
        for (INT_PTR i = 0; i < arr.GetSize(); ++i)
            if (CGXStyle* pStyle = arr.GetStyle(i))
                ar << (DWORD)i << static_cast<const CObject*>(pStyle);
        ar << kEndOfEntries;
        return;
    }
    ReadSchema(ar, 1, true);
    DWORD nCount;
    ar >> nCount;
    arr.DeleteAll();
    // The array grows to the entries actually read: a count alone allocates nothing, so a
    // few bytes cannot ask for gigabytes. Entries beyond the size read as null anyway.
    for (;;) {
        DWORD nIndex;
        ar >> nIndex;
        if (nIndex == kEndOfEntries)
            break;
        if (nIndex >= nCount || nIndex >= kMaxArraySlots)
            Throw(ar, CArchiveException::badIndex);
        CObject* pOb = GXReadOwnedObject(ar, RUNTIME_CLASS(CGXStyle));
        if ((INT_PTR)nIndex >= arr.GetSize())
            arr.SetSize((INT_PTR)nIndex + 1);
        delete arr.GetStyle(nIndex);
        arr.SetAt(nIndex, pOb);
    }
}

void CGXGridDocSerializeImp::SerializeStylePtrArrayPtrArray(CGXStylePtrArrayPtrArray& arr,
                                                            CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (WORD)1 << (DWORD)arr.GetSize();
        for (INT_PTR i = 0; i < arr.GetSize(); ++i)
            if (CGXStylePtrArray* pRow = arr.GetRow(i)) {
                ar << (DWORD)i;
                SerializeStylePtrArray(*pRow, ar);
            }
        ar << kEndOfEntries;
        return;
    }
    ReadSchema(ar, 1, true);
    DWORD nCount;
    ar >> nCount;
    arr.DeleteAll();
    ULONGLONG nSlots = 0;
    for (;;) {
        DWORD nIndex;
        ar >> nIndex;
        if (nIndex == kEndOfEntries)
            break;
        if (nIndex >= nCount || nIndex >= kMaxArraySlots)
            Throw(ar, CArchiveException::badIndex);
        std::unique_ptr<CGXStylePtrArray> pRow(new CGXStylePtrArray);
        SerializeStylePtrArray(*pRow, ar);
        nSlots += (ULONGLONG)pRow->GetSize();
        if (nSlots > kMaxCellSlots)
            Throw(ar, CArchiveException::badIndex);
        if ((INT_PTR)nIndex >= arr.GetSize())
            arr.SetSize((INT_PTR)nIndex + 1);
        delete arr.GetRow(nIndex);
        arr.SetAt(nIndex, pRow.release());
    }
}

void CGXGridDocSerializeImp::SerializeData(CGXData& data, CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << (WORD)1 << (DWORD)data.m_nRows << (DWORD)data.m_nCols;
    } else {
        ReadSchema(ar, 1, true);
        DWORD nRows, nCols;
        ar >> nRows >> nCols;
        data.DeleteContents();
        data.m_nRows = nRows;
        data.m_nCols = nCols;
    }
    SerializeStylePtrArrayPtrArray(data.m_apapCellStyle, ar);
    SerializeStylePtrArray(data.m_apRowBaseStyles, ar);
    SerializeStylePtrArray(data.m_apColBaseStyles, ar);
}

// ---------------------------------------------------------------------------------------
// The styles map

void CGXGridDocSerializeImp::SerializeStylesMap(CGXStylesMap& map, CArchive& ar)
{
    if (!ar.IsStoring()) {
        LoadStylesMap(map, ar);
        return;
    }
    ar << kStylesMapSchema << map.m_strSection;
    ar << (WORD)map.ControlNames().size();
    for (const auto& kv : map.ControlNames())
        ar << (DWORD)kv.first << kv.second;
    const auto& entries = map.BaseStyleEntries();
    ar << (WORD)entries.size();
    for (const auto& kv : entries)
        ar << (WORD)kv.first << kv.second.strName;
    ar << (WORD)entries.size();
    for (const auto& kv : entries) {
        const GXBaseStyleEntry& entry = kv.second;
        ar << (WORD)entry.nId << (DWORD)entry.nResId << entry.strName << (BYTE)entry.nFlag;
        entry.pStyle->Serialize(ar, &map);
    }
    ar << (WORD)(map.GetNextId() + 1);
    const auto& attributes = map.UserAttributeEntries();
    ar << (WORD)attributes.size();
    for (const auto& kv : attributes) {
        ar << (DWORD)kv.first;
        CGXStyle empty;
        (kv.second.pDefault != nullptr ? *kv.second.pDefault : empty).Serialize(ar, &map);
    }
}

void CGXGridDocSerializeImp::LoadStylesMap(CGXStylesMap& map, CArchive& ar)
{
    WORD nSchema = ReadSchema(ar, kStylesMapSchema, false);
    map.ClearBaseStyles();
    map.ClearControlNames();
    ar >> map.m_strSection;
    WORD nCount;
    ar >> nCount;
    GXEnsureRecords(ar, nCount, 5);
    for (WORD n = 0; n < nCount; ++n) {
        DWORD nId;
        CString strName;
        ar >> nId >> strName;
        if (nId > 0xFFFF)
            Throw(ar, CArchiveException::badIndex);
        map.RestoreControlName((WORD)nId, strName);
    }
    // The names come again with the styles: these are read and dropped.
    ar >> nCount;
    GXEnsureRecords(ar, nCount, 3);
    for (WORD n = 0; n < nCount; ++n) {
        WORD nId;
        CString strName;
        ar >> nId >> strName;
    }
    ar >> nCount;
    GXEnsureRecords(ar, nCount, 18);
    std::unique_ptr<CGXStyle> pStyle(map.CreateStyle());
    for (WORD n = 0; n < nCount; ++n) {
        WORD nId;
        DWORD nResId;
        CString strName;
        BYTE nFlag;
        ar >> nId >> nResId >> strName >> nFlag;
        pStyle->Serialize(ar, &map);
        if (nResId != 0 && (!GXLoadString(nResId, strName) || strName.IsEmpty()))
            strName.Format("STYLE%u", (unsigned)nResId);
        if (!map.RestoreBaseStyle(nId, nResId, strName, *pStyle, nFlag))
            Throw(ar, CArchiveException::badIndex);
    }
    WORD nNext;
    ar >> nNext;
    map.SetNextId(nNext > 0 ? (WORD)(nNext - 1) : 0);
    if (nSchema > 1) {
        ar >> nCount;
        GXEnsureRecords(ar, nCount, 14);
        for (WORD n = 0; n < nCount; ++n) {
            DWORD nId;
            ar >> nId;
            if (nId > 0xFFFF)
                Throw(ar, CArchiveException::badIndex);
            pStyle->Serialize(ar, &map);
            CString strName;
            if (!GXLoadString(nId, strName) || strName.IsEmpty())
                strName.Format("UA%u", (unsigned)nId);
            map.RestoreUserAttribute((WORD)nId, strName, *pStyle);
        }
    }
    map.LookUpStandardStyles();
}

// ---------------------------------------------------------------------------------------
// The properties

void CGXGridDocSerializeImp::SerializeProperties(CGXProperties& prop, CArchive& ar)
{
    if (!ar.IsStoring()) {
        LoadProperties(prop, ar);
        return;
    }
    ar << kPropertiesSchema;
    prop.m_colorValues.Serialize(ar);
    CStringArray empty;
    empty.Serialize(ar);
    for (int i : {3, 4, 2, 0, 1})
        ar << (BYTE)prop.m_abDisplay[i];
    ar << prop.m_strSection << (DWORD)prop.m_nZoom;
    for (const auto& kv : prop.UserProperties()) {
        ar << (DWORD)kv.first << kv.second.strName;
        ar << static_cast<const CObject*>(kv.second.pStyle);
    }
    ar << (DWORD)0;
    const BOOL* p = prop.m_abPrint;
    ar << (DWORD)p[0] << (DWORD)p[1] << (DWORD)p[7] << (DWORD)p[2] << (DWORD)p[3] << (DWORD)p[5]
       << (DWORD)p[6];
    ar << (DWORD)prop.m_nTopMargin << (DWORD)prop.m_nLeftMargin << (DWORD)prop.m_nRightMargin
       << (DWORD)prop.m_nBottomMargin;
    ar << (DWORD)p[8] << (DWORD)prop.m_nHeaderDistance << (DWORD)prop.m_nFooterDistance
       << (DWORD)prop.m_nFirstPage;
    ar << (WORD)prop.m_bPrintingFlag << (WORD)0;
    prop.m_awColBreaks.Serialize(ar);
    prop.m_awRowBreaks.Serialize(ar);
    SerializeData(*prop.m_pDataHeader, ar);
    SerializeData(*prop.m_pDataFooter, ar);
}

void CGXGridDocSerializeImp::LoadProperties(CGXProperties& prop, CArchive& ar)
{
    WORD nSchema = ReadSchema(ar, kPropertiesSchema, false);
    prop.m_colorValues.Serialize(ar);
    {
        CStringArray dropped;
        dropped.Serialize(ar);
    }
    prop.m_colorValues.SetSize(prop.m_colorNames.GetSize());
    for (int i : {3, 4, 2, 0, 1})
        ArchiveFlag(ar, prop.m_abDisplay[i]);
    ar >> prop.m_strSection;
    ArchiveDWord(ar, prop.m_nZoom);
    for (;;) {
        DWORD nId;
        ar >> nId;
        if (nId == 0)
            break;
        if (nId > 0xFFFF)
            Throw(ar, CArchiveException::badIndex);
        CString strName;
        ar >> strName;
        CObject* pOb = GXReadOwnedObject(ar, RUNTIME_CLASS(CGXStyle));
        auto it = prop.m_mapUserProperties.find((WORD)nId);
        if (it != prop.m_mapUserProperties.end()) {
            delete it->second.pStyle;
            it->second.pStyle = static_cast<CGXStyle*>(pOb);
        } else {
            GXUserPropertyEntry entry;
            entry.nId = (WORD)nId;
            entry.strName = strName;
            entry.pStyle = static_cast<CGXStyle*>(pOb);
            prop.m_mapUserProperties[(WORD)nId] = entry;
        }
    }
    BOOL* p = prop.m_abPrint;
    for (int i : {0, 1, 7, 2, 3, 5, 6})
        ArchiveDWord(ar, p[i]);
    ArchiveDWord(ar, prop.m_nTopMargin);
    ArchiveDWord(ar, prop.m_nLeftMargin);
    ArchiveDWord(ar, prop.m_nRightMargin);
    ArchiveDWord(ar, prop.m_nBottomMargin);
    ArchiveDWord(ar, p[8]);
    ArchiveDWord(ar, prop.m_nHeaderDistance);
    ArchiveDWord(ar, prop.m_nFooterDistance);
    LONG nFirstPage;
    ar >> nFirstPage;
    prop.m_nFirstPage = nFirstPage;
    WORD wFlag, wReserved;
    ar >> wFlag >> wReserved;
    prop.m_bPrintingFlag = wFlag;
    CDWordArray colBreaks, rowBreaks;
    colBreaks.Serialize(ar);
    rowBreaks.Serialize(ar);
    if (nSchema == 3) {
        prop.m_awColBreaks.Copy(colBreaks);
        prop.m_awRowBreaks.Copy(rowBreaks);
    }
    SerializeData(*prop.m_pDataHeader, ar);
    SerializeData(*prop.m_pDataFooter, ar);
    if (nSchema == 2)
        ArchiveDWord(ar, p[4]);
}

// ---------------------------------------------------------------------------------------
// The parameter object

void CGXGridDocSerializeImp::SerializeParam(CGXGridParam& param, CArchive& ar)
{
    CGXGridParam& g = param;
    WORD nSchema = kParamSchema;
    if (ar.IsStoring()) {
        ar << nSchema;
    } else {
        nSchema = ReadSchema(ar, kParamSchema, false);
        // The owned objects go first: a failure below leaves null pointers that nobody
        // claims to own.
        if (g.m_bOwnStylesMap)
            g.AttachStylesMap(nullptr, FALSE);
        if (g.m_bOwnData)
            g.AttachData(nullptr, FALSE);
        if (g.m_bOwnProperties)
            g.AttachProperties(nullptr, FALSE);
        if (g.m_bOwnPD)
            g.AttachPrintDevice(nullptr, FALSE);
    }
    BOOL bOwnData = g.m_bOwnData, bOwnPD = g.m_bOwnPD, bOwnProperties = g.m_bOwnProperties,
         bOwnStylesMap = g.m_bOwnStylesMap;
    // Two settings are stored twice; the second copies are read and dropped.
    BOOL bAgainC = g.m_bNumberedColHeaders, bAgainB = g.m_bNumberedRowHeaders;
    ArchiveFlag(ar, g.m_bThumbTrack);
    ArchiveFlag(ar, g.m_bNumberedRowHeaders);
    ArchiveFlag(ar, g.m_bNumberedColHeaders);
    ArchiveFlag(ar, g.m_bUndoEnabled);
    ArchiveFlag(ar, g.m_bLastSortAscending);
    ArchiveFlag(ar, g.m_abKeptSettings[0]);
    ArchiveFlag(ar, bAgainC);
    ArchiveFlag(ar, bAgainB);
    ArchiveFlag(ar, g.m_bAllowMoveCols);
    ArchiveFlag(ar, g.m_bAllowMoveRows);
    ArchiveFlag(ar, bOwnData);
    ArchiveFlag(ar, bOwnPD);
    ArchiveFlag(ar, bOwnProperties);
    ArchiveFlag(ar, bOwnStylesMap);
    ArchiveFlag(ar, g.m_bLineFlag);
    ArchiveFlag(ar, g.m_bShowStoredValues);
    ArchiveFlag(ar, g.m_bStoreGuard);
    ArchiveFlag(ar, g.m_abKeptSettings[1]);
    ArchiveWord(ar, g.m_wAllowSelection);
    ArchiveWord(ar, g.m_wRowResizeFlags);
    ArchiveWord(ar, g.m_wColResizeFlags);
    ArchiveDWord(ar, g.m_nFrozenRows);
    ArchiveDWord(ar, g.m_nFrozenCols);
    ArchiveDWord(ar, g.m_nDefaultColWidth);
    ArchiveDWord(ar, g.m_nDefaultRowHeight);
    if (ar.IsStoring())
        ar << g.m_strName;
    else
        ar >> g.m_strName;
    ArchiveWord(ar, g.m_wWordFlag);
    ArchiveWord(ar, g.m_nTwo);
    ArchiveWord(ar, g.m_nMinTrackWidth);
    ArchiveWord(ar, g.m_nMinTrackHeight);
    ArchiveWord(ar, g.m_nHideCurrentCell);
    ArchiveDWord(ar, g.m_nHeaderRows);
    ArchiveDWord(ar, g.m_nHeaderCols);

    if (ar.IsStoring()) {
        ArchiveParamObjects(g, ar);
    } else {
        g.m_bOwnStylesMap = bOwnStylesMap;
        g.m_bOwnData = bOwnData;
        g.m_bOwnProperties = bOwnProperties;
        g.m_bOwnPD = bOwnPD;
        ArchiveParamObjects(g, ar);
    }

    g.m_selRects.Serialize(ar);
    g.m_coveredCells.Serialize(ar);
    if (!ar.IsStoring())
        g.UpdateCoveredCellPool();
    g.m_rowHeights.Serialize(ar);
    g.m_colWidths.Serialize(ar);
    g.m_rangeList1.Serialize(ar);
    g.m_rangeList2.Serialize(ar);

    if (nSchema > 1)
        ArchiveFlag(ar, g.m_abKeptSettings[2]);
    if (nSchema > 2) {
        ArchiveFlag(ar, g.m_bSortRowsOnDblClk);
        ArchiveFlag(ar, g.m_bSortColsOnDblClk);
        ArchiveDWord(ar, g.m_nLastSortRowKey);
        ArchiveDWord(ar, g.m_nLastSortColKey);
        ArchiveDWord(ar, g.m_dwOptionWord);
    }
    if (nSchema > 3)
        ArchiveWord(ar, g.m_wWholeRowMode);
    if (nSchema > 4) {
        ArchiveFlag(ar, g.m_bSpannedCellBorders);
        ArchiveWord(ar, g.m_nFour);
        ArchiveDWord(ar, g.m_nMaxUndoOp);
    }
    if (nSchema > 5) {
        ArchiveFlag(ar, g.m_bEnableFill);
        ArchiveFlag(ar, g.m_bFrameInsideBorders);
        ArchiveFlag(ar, g.m_bSelectionFrame);
        ArchiveFlag(ar, g.m_bKeepSingleCell);
        ArchiveFlag(ar, g.m_bOldDrawing);
        ArchiveWord(ar, g.m_wFloatCellsMode);
        ArchivePool(ar, g.m_apPools[gxPoolFloatDelayed], &CreateDelayedPool);
        ArchivePool(ar, g.m_apPools[gxPoolFloatSpans], &CreateSpanPool);
        ArchiveWord(ar, g.m_wMergeCellsMode);
        ArchivePool(ar, g.m_apPools[gxPoolMergeDelayed], &CreateDelayedPool);
        ArchivePool(ar, g.m_apPools[gxPoolMergeSpansH], &CreateSpanPool);
        ArchivePool(ar, g.m_apPools[gxPoolMergeSpansV], &CreateSpanPool);
        ArchiveWord(ar, g.m_wMarkHeaders);
    }
    if (nSchema > 7) {
        ArchiveFlag(ar, g.m_bDirectCopy);
        ArchiveFlag(ar, g.m_bDirectMove);
        ArchiveFlag(ar, g.m_bNoCurrentCellFrame);
    }
    if (nSchema > 8)
        ArchiveWord(ar, g.m_wFromState);
    if (!ar.IsStoring() && nSchema == 6) {
        // Spans stored by that layout are evaluated again for the whole grid.
        for (int i : {gxPoolFloatDelayed, gxPoolFloatSpans, gxPoolMergeDelayed, gxPoolMergeSpansH,
                      gxPoolMergeSpansV}) {
            delete g.m_apPools[i];
            g.m_apPools[i] = nullptr;
        }
    }
}

// The owned objects, each only when owned; on reading, a pointer and its own-flag are set
// together once the object has been read whole.
void CGXGridDocSerializeImp::ArchiveParamObjects(CGXGridParam& g, CArchive& ar)
{
    if (ar.IsStoring()) {
        CStylesMapAsDocument doc(ar, g.m_pStylesMap);
        if (g.m_bOwnStylesMap)
            ar << static_cast<const CObject*>(g.m_pStylesMap);
        if (g.m_bOwnData)
            ar << static_cast<const CObject*>(g.m_pData);
        if (g.m_bOwnProperties)
            ar << static_cast<const CObject*>(g.m_pProperties);
    } else {
        const BOOL bStylesMap = g.m_bOwnStylesMap, bData = g.m_bOwnData,
                   bProperties = g.m_bOwnProperties;
        g.m_bOwnStylesMap = g.m_bOwnData = g.m_bOwnProperties = FALSE;
        if (bStylesMap)
            g.AttachStylesMap(static_cast<CGXStylesMap*>(
                                  GXReadOwnedObjectOrNull(ar, RUNTIME_CLASS(CGXStylesMap))),
                              TRUE);
        CStylesMapAsDocument doc(ar, g.m_pStylesMap);
        if (bData)
            g.AttachData(static_cast<CGXData*>(GXReadOwnedObjectOrNull(ar, RUNTIME_CLASS(CGXData))),
                         TRUE);
        if (bProperties)
            g.AttachProperties(static_cast<CGXProperties*>(
                                   GXReadOwnedObjectOrNull(ar, RUNTIME_CLASS(CGXProperties))),
                               TRUE);
    }
    if (ar.IsStoring()) {
        if (g.m_bOwnPD)
            ar << reinterpret_cast<const CObject*>(g.m_pPD);
    } else {
        const BOOL bPD = g.m_bOwnPD;
        g.m_bOwnPD = FALSE;
        if (bPD)
            g.AttachPrintDevice(reinterpret_cast<CGXPrintDevice*>(LoadPrintDevice(ar)), TRUE);
    }
}

void GXImplementGridDocSerialize()
{
    GXInstallProcessFeature<CGXGridDocSerializeImp>(GXGetLibraryState().m_pDocSerializeImp);
}
