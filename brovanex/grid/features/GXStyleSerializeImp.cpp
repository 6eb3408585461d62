// Styles in archives: a style with its interior brush, border pens, font and user
// attributes, in the layout of schema 6 (older schemas are read too). Documents, the
// styles map and the clipboard's private format all carry styles in this form.
#include "core/GXArchiveHelpers.h"
#include "core/GXFontTable.h"
#include "core/GXLibraryState.h"
#include "core/GXStyle.h"
#include "core/GXStylesMap.h"
#include "core/GXSysColorCache.h"

namespace {
const WORD kStyleSchema = 6;
const WORD kFontSchema = 2;

[[noreturn]] void ThrowBadSchema(CArchive& ar)
{
    AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
}

// A colour of a pen or brush in the archive: a plain colour keeps its 2-bit type in bits
// 24 and 25; a system colour is stored as its present value with 254 - index on top.
DWORD ColorToArchive(COLORREF cr)
{
    if (GXIsSysColorRef(cr)) {
        int nIndex = GXSysColorIndexOfRef(cr);
        return (GXResolveColor(cr) & 0xFFFFFF) | ((DWORD)(254 - nIndex) << 24);
    }
    return cr & 0x03FFFFFF;
}

COLORREF ColorFromArchive(DWORD dw)
{
    if (dw >= 0x41000000 && dw <= 0xFEFFFFFF)
        return GXSysColorRef(254 - (int)(dw >> 24));
    return (dw & 0xFFFFFF) | (((dw >> 24) & 3) << 24);
}

// The styles map a style's base style is named in: the one given, else the archive's
// document when that is a styles map (the grid document sets it while it archives).
const CGXStylesMap* StylesMapOf(CArchive& ar, const CGXStylesMap* pStylesMap)
{
    if (pStylesMap != nullptr)
        return pStylesMap;
    CObject* pDoc = reinterpret_cast<CObject*>(ar.m_pDocument);
    if (pDoc != nullptr && pDoc->IsKindOf(RUNTIME_CLASS(CGXStylesMap)))
        return static_cast<const CGXStylesMap*>(pDoc);
    return nullptr;
}

// Border sides in their archive order: top, left, bottom, right.
const int kBorderOrder[4] = {gxBorderTop, gxBorderLeft, gxBorderBottom, gxBorderRight};

BYTE ReadByte(CArchive& ar)
{
    BYTE b;
    ar >> b;
    return b;
}

WORD ReadWord(CArchive& ar)
{
    WORD w;
    ar >> w;
    return w;
}

DWORD ReadDWord(CArchive& ar)
{
    DWORD dw;
    ar >> dw;
    return dw;
}

CString ReadString(CArchive& ar)
{
    CString s;
    ar >> s;
    return s;
}
} // namespace

class CGXStyleSerializeImp : public CGXAbstractStyleSerializeImp
{
public:
    void SerializeFont(CGXFont& font, CArchive& ar) override;
    void SerializeBrush(CArchive& ar, CGXBrush& brush) override;
    void SerializePen(CArchive& ar, CGXPen& pen) override;
    void SerializeStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMap) override;

private:
    void StoreStyle(const CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMap);
    void LoadStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMap);
    void LoadFontSchema1(CGXFont& font, CArchive& ar);
};

void CGXStyleSerializeImp::SerializeFont(CGXFont& font, CArchive& ar)
{
    if (ar.IsStoring()) {
        DWORD dwMask = 0;
        if (font.GetIncludeItalic())
            dwMask |= 1 | (font.GetItalic() ? 8 : 0);
        if (font.GetIncludeUnderline())
            dwMask |= 2 | (font.GetUnderline() ? 16 : 0);
        if (font.GetIncludeStrikeOut())
            dwMask |= 4 | (font.GetStrikeOut() ? 32 : 0);
        if (font.GetIncludeWeight())
            dwMask |= 1u << 6;
        if (font.GetIncludeSize())
            dwMask |= 1u << 7;
        if (font.GetIncludeOrientation())
            dwMask |= 1u << 8;
        if (font.GetIncludeFaceName())
            dwMask |= 1u << 9;
        ar << kFontSchema << dwMask;
        if (dwMask & (1u << 6))
            ar << (WORD)font.GetWeight();
        if (dwMask & (1u << 7))
            ar << (WORD)(font.GetSize() * 10 + 0.5);
        if (dwMask & (1u << 8))
            ar << (WORD)font.GetOrientation();
        if (dwMask & (1u << 9)) {
            const GXFaceEntry* pFace = GXGetFaceEntry(font.GetFaceIndex());
            ar << GXGetFaceName(font.GetFaceIndex());
            ar << (BYTE)(pFace != nullptr ? pFace->nCharSet : 0);
            ar << (BYTE)(pFace != nullptr ? pFace->nPitchAndFamily : 0);
        }
        return;
    }

    WORD nSchema = ReadWord(ar);
    if (nSchema > kFontSchema)
        ThrowBadSchema(ar);
    CGXFont result;
    if (nSchema < 2) {
        LoadFontSchema1(result, ar);
        font = result;
        return;
    }
    DWORD dwMask = ReadDWord(ar);
    if (dwMask & 1)
        result.SetItalic((dwMask & 8) != 0);
    if (dwMask & 2)
        result.SetUnderline((dwMask & 16) != 0);
    if (dwMask & 4)
        result.SetStrikeOut((dwMask & 32) != 0);
    if (dwMask & (1u << 6))
        result.SetWeight(ReadWord(ar));
    if (dwMask & (1u << 7))
        result.SetSize(ReadWord(ar) / 10.0);
    if (dwMask & (1u << 8))
        result.SetOrientation(ReadWord(ar));
    if (dwMask & (1u << 9)) {
        CString strFace = ReadString(ar);
        BYTE nCharSet = ReadByte(ar);
        BYTE nPitch = ReadByte(ar);
        result.SetFaceIndex(GXGetFaceIndex(strFace, nPitch, nCharSet));
    }
    font = result;
}

// Schema 1: the height (tenths of a point; a negative height counts the same), the
// weight, the three flags and the face as they stood, then a mask of what is set.
void CGXStyleSerializeImp::LoadFontSchema1(CGXFont& font, CArchive& ar)
{
    LONG nHeight;
    ar >> nHeight;
    DWORD dwWeight = ReadDWord(ar);
    BYTE bItalic = ReadByte(ar), bUnderline = ReadByte(ar), bStrikeOut = ReadByte(ar);
    CString strFace = ReadString(ar).Left(LF_FACESIZE - 1);
    DWORD dwSet = ReadDWord(ar);
    if (dwSet & 1)
        font.SetWeight((LONG)(dwWeight > 1000 ? 1000 : dwWeight));
    if (dwSet & 2)
        font.SetItalic(bItalic != 0);
    if (dwSet & 4)
        font.SetUnderline(bUnderline != 0);
    if (dwSet & 8)
        font.SetStrikeOut(bStrikeOut != 0);
    if (dwSet & 16) {
        double d = nHeight < 0 ? -(double)nHeight : (double)nHeight;
        font.SetSize(d / 10.0);
    }
    if ((dwSet & 32) && !strFace.IsEmpty())
        font.SetFaceName(strFace);
    if (dwSet & 64) {
        LONG nOrientation;
        ar >> nOrientation;
        font.SetOrientation(nOrientation);
    }
}

void CGXStyleSerializeImp::SerializeBrush(CArchive& ar, CGXBrush& brush)
{
    if (ar.IsStoring()) {
        ar << (DWORD)brush.GetStyle() << ColorToArchive(brush.GetColor()) << (DWORD)brush.GetHatch()
           << (DWORD)brush.GetPattern() << ColorToArchive(brush.GetBkColor());
        return;
    }
    DWORD dwKind = ReadDWord(ar) & 3;
    DWORD dwColor = ReadDWord(ar);
    DWORD dwHatch = ReadDWord(ar) & 7;
    DWORD dwPattern = ReadDWord(ar) & 0x3F;
    DWORD dwBack = ReadDWord(ar);
    CGXBrush result;
    // A pattern beyond the library's table cannot be drawn: the brush is hollow then.
    if (dwKind == BS_PATTERN && dwPattern >= GX_PATTERN_COUNT)
        dwKind = BS_HOLLOW;
    result.SetStyle(dwKind);
    result.SetHatch((int)dwHatch);
    result.SetPattern((int)dwPattern);
    result.SetColor(ColorFromArchive(dwColor));
    result.SetBkColor(ColorFromArchive(dwBack));
    brush = result;
}

void CGXStyleSerializeImp::SerializePen(CArchive& ar, CGXPen& pen)
{
    if (ar.IsStoring()) {
        ar << (DWORD)pen.GetStyle() << (WORD)pen.GetWidth() << (WORD)(pen.IsSet() ? 1 : 0)
           << ColorToArchive(pen.GetColor());
        return;
    }
    DWORD dwStyle = ReadDWord(ar) & 7;
    WORD nWidth = ReadWord(ar);
    WORD nSet = ReadWord(ar);
    DWORD dwColor = ReadDWord(ar);
    CGXPen result;
    result.SetStyle(nSet == 0 ? GX_PEN_NOTSET : dwStyle);
    result.SetWidth(nWidth);
    result.SetColor(ColorFromArchive(dwColor));
    pen = result;
}

void CGXStyleSerializeImp::SerializeStyle(CGXStyle& style, CArchive& ar,
                                          const CGXStylesMap* pStylesMap)
{
    pStylesMap = StylesMapOf(ar, pStylesMap);
    if (ar.IsStoring())
        StoreStyle(style, ar, pStylesMap);
    else
        LoadStyle(style, ar, pStylesMap);
}

void CGXStyleSerializeImp::StoreStyle(const CGXStyle& style, CArchive& ar,
                                      const CGXStylesMap* pStylesMap)
{
    const DWORD dwInclude = style.GetInclude();
    auto has = [dwInclude](DWORD dwBit) { return (dwInclude & dwBit) != 0; };
    ar << kStyleSchema << style.GetIncludeBits();
    if (has(gxHorzAlign))
        ar << (DWORD)style.GetHorizontalAlignment();
    if (has(gxVertAlign))
        ar << (DWORD)style.GetVerticalAlignment();
    if (has(gxReadOnly))
        ar << (BYTE)style.GetReadOnly();
    if (has(gxControl))
        ar << (DWORD)style.GetControl();
    if (has(gxInterior)) {
        CGXBrush brush = style.GetInterior();
        SerializeBrush(ar, brush);
    }
    if (has(gxTextColor)) {
        // A system text colour is kept as the colour it shows now.
        COLORREF cr = style.GetTextColor();
        ar << (DWORD)(GXIsSysColorRef(cr) ? GXResolveColor(cr) & 0xFFFFFF : cr & 0x03FFFFFF);
    }
    if (has(gxWrapText))
        ar << (BYTE)style.GetWrapText();
    if (has(gxAllowEnter))
        ar << (BYTE)style.GetAllowEnter();
    if (has(gxFont))
        ar << static_cast<const CObject*>(&style.GetFont());
    if (has(gxValue))
        ar << style.GetValue();
    if (has(gxChoiceList))
        ar << style.GetChoiceList();
    if (has(gxVertScroll))
        ar << (BYTE)style.GetVerticalScrollBar();
    if (has(gxMaxLength))
        ar << (WORD)style.GetMaxLength();
    if (has(gxEnabled))
        ar << (BYTE)style.GetEnabled();
    if (has(gxTriState))
        ar << (BYTE)style.GetTriState();
    if (has(gxDraw3dFrame))
        ar << (BYTE)style.GetDraw3dFrame();
    if (has(gxAutoSize))
        ar << (BYTE)style.GetAutoSize();
    ar << (WORD)(has(gxBorders) ? 1 : 0);
    if (has(gxBorders)) {
        for (int nSide : kBorderOrder) {
            const CGXPen& pen = style.GetBorders(nSide);
            if (!pen.IsSet()) {
                ar << (WORD)0;
            } else {
                ar << (WORD)1 << pen.GetDescription();
            }
        }
    }
    if (has(gxBaseStyle)) {
        UINT nResId = 0;
        LPCTSTR pszName = nullptr;
        if (pStylesMap != nullptr)
            pszName = pStylesMap->BaseStyleName(style.GetBaseStyle(), nResId);
        ar << (DWORD)nResId;
        if (nResId == 0)
            ar << CString(pszName != nullptr ? pszName : "");
    }
    const CGXUserAttributeMap* pMap = style.GetUserAttributeMap();
    ar << static_cast<const CObject*>(
        has(gxUserAttr) && pMap != nullptr && !pMap->IsEmpty() ? pMap : nullptr);
    if (has(gxFloatCell))
        ar << (BYTE)style.GetFloatCell();
    if (has(gxFloodCell))
        ar << (BYTE)style.GetFloodCell();
    if (has(gxMergeCell))
        ar << (BYTE)style.GetMergeCell();
    if (has(gxItemData))
        ar << (DWORD)style.GetItemDataPtr();
    if (has(gxFormat))
        ar << (BYTE)style.GetFormat();
    if (has(gxPlaces))
        ar << (BYTE)style.GetPlaces();
    if (has(gxValue))
        ar << (BYTE)style.GetValueType();
}

void CGXStyleSerializeImp::LoadStyle(CGXStyle& style, CArchive& ar, const CGXStylesMap* pStylesMap)
{
    WORD nSchema = ReadWord(ar);
    if (nSchema > kStyleSchema)
        ThrowBadSchema(ar);
    CGXAbstractSerializeTQ5CompatibleImp* pCompatible =
        GXGetLibraryState().m_pSerializeTQ5CompatibleImp;
    if (nSchema <= 4 && pCompatible == nullptr)
        ThrowBadSchema(ar);

    DWORD dwArchiveBits = ReadDWord(ar);
    CGXStyle mask;
    mask.SetIncludeBits(dwArchiveBits);
    const DWORD dwInclude = mask.GetInclude();
    // Every setter below includes its attribute: what the archive names but does not
    // carry (a null font or attribute map, borders without pens) stays out.
    CGXStyle& s = style;
    const WORD nOldBase = style.GetBaseStyle();
    s.ClearAll();
    auto has = [dwInclude](DWORD dwBit) { return (dwInclude & dwBit) != 0; };

    if (has(gxHorzAlign))
        s.SetHorizontalAlignment(ReadDWord(ar));
    if (has(gxVertAlign))
        s.SetVerticalAlignment(ReadDWord(ar));
    if (has(gxReadOnly))
        s.SetReadOnly(ReadByte(ar) != 0);
    if (has(gxControl))
        s.SetControl((WORD)ReadDWord(ar));
    if (has(gxInterior)) {
        CGXBrush brush;
        SerializeBrush(ar, brush);
        s.SetInterior(brush);
    }
    if (has(gxTextColor))
        s.SetTextColor(ReadDWord(ar) & 0x03FFFFFF);
    if (has(gxWrapText))
        s.SetWrapText(ReadByte(ar) != 0);
    if (has(gxAllowEnter))
        s.SetAllowEnter(ReadByte(ar) != 0);
    if (has(gxFont)) {
        CObject* pOb = GXReadOwnedObjectOrNull(ar, RUNTIME_CLASS(CGXFont));
        if (pOb != nullptr) {
            s.SetFont(*static_cast<CGXFont*>(pOb));
            delete pOb;
        }
    }
    if (has(gxValue))
        s.SetValue(ReadString(ar));
    if (has(gxChoiceList))
        s.SetChoiceList(ReadString(ar));
    if (has(gxVertScroll))
        s.SetVerticalScrollBar(ReadByte(ar) != 0);
    if (has(gxMaxLength))
        s.SetMaxLength(ReadWord(ar));
    if (has(gxEnabled))
        s.SetEnabled(ReadByte(ar) != 0);
    if (has(gxTriState))
        s.SetTriState(ReadByte(ar) != 0);
    if (has(gxDraw3dFrame))
        s.SetDraw3dFrame(ReadByte(ar) & 3);
    if (has(gxAutoSize))
        s.SetAutoSize(ReadByte(ar) != 0);
    if (ReadWord(ar) != 0) {
        CGXPen aPens[4];
        for (int nSide : kBorderOrder) {
            if (ReadWord(ar) != 0)
                aPens[nSide].SetDescription(ReadString(ar));
        }
        s.SetBorders(aPens);
    }
    if (has(gxBaseStyle)) {
        DWORD nResId = ReadDWord(ar);
        CString strName;
        if (nResId == 0)
            strName = ReadString(ar);
        WORD nId = 0;
        if (pStylesMap != nullptr)
            nId = !strName.IsEmpty() ? pStylesMap->BaseStyleIdOfName(strName)
                : nResId != 0        ? pStylesMap->BaseStyleIdOfStringId(nResId)
                                     : 0;
        // An unknown base style leaves the id the style had.
        if (nId == 0)
            nId = nOldBase;
        if (nId != 0)
            s.SetBaseStyle(nId);
    }
    if (nSchema <= 4) {
        pCompatible->ReadUserAttributes(s, ar);
    } else {
        CObject* pOb = GXReadOwnedObjectOrNull(ar, RUNTIME_CLASS(CGXUserAttributeMap));
        s.ReplaceUserAttributes(static_cast<CGXUserAttributeMap*>(pOb));
        delete pOb;
    }
    if (nSchema > 1) {
        if (has(gxFloatCell))
            s.SetFloatCell(ReadByte(ar) != 0);
        if (has(gxFloodCell))
            s.SetFloodCell(ReadByte(ar) != 0);
        if (has(gxMergeCell))
            s.SetMergeCell(ReadByte(ar) & 7);
    }
    if (nSchema > 2 && has(gxItemData))
        s.SetItemDataPtr(ReadDWord(ar));
    if (nSchema > 3) {
        if (nSchema < 6) {
            // Format and places travelled together under the format bit.
            if (has(gxFormat)) {
                s.SetFormat(ReadByte(ar) & 0x1F);
                s.SetPlaces(ReadByte(ar) & 0xF);
            }
        } else {
            if (has(gxFormat))
                s.SetFormat(ReadByte(ar) & 0x1F);
            if (has(gxPlaces))
                s.SetPlaces(ReadByte(ar) & 0xF);
        }
        if (has(gxValue))
            s.SetValueType(ReadByte(ar) & 7);
    }
}

void GXImplementStyleSerialize()
{
    GXInstallProcessFeature<CGXStyleSerializeImp>(GXGetLibraryState().m_pStyleSerializeImp);
}
