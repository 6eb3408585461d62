// Whether one style holds every attribute of another with the same value.
#include "core/GXLibraryState.h"
#include "core/GXStyle.h"

class CGXStyleCompareSubsetImp : public CGXAbstractStyleCompareSubsetImp
{
public:
    BOOL IsStyleSubSet(const CGXStyle& style, const CGXStyle& other) override;
};

BOOL CGXStyleCompareSubsetImp::IsStyleSubSet(const CGXStyle& style, const CGXStyle& other)
{
    const DWORD dwOther = other.GetInclude();
    // The checks stop at the first attribute that differs.
    auto differs = [&](DWORD dwBit, auto get) {
        if ((dwOther & dwBit) == 0)
            return false;
        return !style.GetInclude(dwBit) || !(get(style) == get(other));
    };
    if (differs(gxHorzAlign, [](const CGXStyle& s) { return s.GetHorizontalAlignment(); }) ||
        differs(gxVertAlign, [](const CGXStyle& s) { return s.GetVerticalAlignment(); }) ||
        differs(gxReadOnly, [](const CGXStyle& s) { return s.GetReadOnly(); }) ||
        differs(gxFloatCell, [](const CGXStyle& s) { return s.GetFloatCell(); }) ||
        differs(gxFloodCell, [](const CGXStyle& s) { return s.GetFloodCell(); }) ||
        differs(gxMergeCell, [](const CGXStyle& s) { return s.GetMergeCell(); }) ||
        differs(gxDraw3dFrame, [](const CGXStyle& s) { return s.GetDraw3dFrame(); }) ||
        differs(gxMaxLength, [](const CGXStyle& s) { return s.GetMaxLength(); }) ||
        differs(gxVertScroll, [](const CGXStyle& s) { return s.GetVerticalScrollBar(); }) ||
        differs(gxTextColor, [](const CGXStyle& s) { return s.GetTextColor(); }) ||
        differs(gxWrapText, [](const CGXStyle& s) { return s.GetWrapText(); }) ||
        differs(gxAutoSize, [](const CGXStyle& s) { return s.GetAutoSize(); }) ||
        differs(gxAllowEnter, [](const CGXStyle& s) { return s.GetAllowEnter(); }) ||
        differs(gxEnabled, [](const CGXStyle& s) { return s.GetEnabled(); }) ||
        differs(gxTriState, [](const CGXStyle& s) { return s.GetTriState(); }) ||
        differs(gxControl, [](const CGXStyle& s) { return s.GetControl(); }) ||
        differs(gxInterior, [](const CGXStyle& s) { return s.GetInterior(); }))
        return FALSE;
    if (dwOther & gxBorders) {
        if (!style.GetInclude(gxBorders))
            return FALSE;
        for (int i = 0; i < 4; ++i)
            if (other.GetBorders(i).IsSet() && style.GetBorders(i) != other.GetBorders(i))
                return FALSE;
    }
    if (differs(gxFont, [](const CGXStyle& s) { return s.GetFont(); }) ||
        differs(gxValue, [](const CGXStyle& s) { return s.GetValue(); }) ||
        differs(gxFormat, [](const CGXStyle& s) { return s.GetFormat(); }) ||
        differs(gxPlaces, [](const CGXStyle& s) { return s.GetPlaces(); }) ||
        differs(gxBaseStyle, [](const CGXStyle& s) { return s.GetBaseStyle(); }) ||
        differs(gxChoiceList, [](const CGXStyle& s) { return s.GetChoiceList(); }) ||
        differs(gxItemData, [](const CGXStyle& s) { return s.GetItemDataPtr(); }))
        return FALSE;
    const CGXUserAttributeMap* pOther = other.GetUserAttributeMap();
    if (pOther != nullptr && !pOther->IsEmpty()) {
        const CGXUserAttributeMap* pMine = style.GetUserAttributeMap();
        if (pMine == nullptr || pMine->GetCount() < pOther->GetCount())
            return FALSE;
        for (INT_PTR i = 0; i < pOther->GetCount(); ++i) {
            const CGXAbstractUserAttribute* a = pMine->GetAt(i);
            const CGXAbstractUserAttribute* b = pOther->GetAt(i);
            if (a->m_nId != b->m_nId || !a->IsEqual(*b))
                return FALSE;
        }
    }
    return TRUE;
}

void GXImplementStyleCompareSubset()
{
    GXInstallProcessFeature<CGXStyleCompareSubsetImp>(GXGetLibraryState().m_pStyleCompareSubsetImp);
}
