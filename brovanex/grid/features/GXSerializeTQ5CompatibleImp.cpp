// The user attributes of styles stored by the older style layout (schemas up to 4): one
// object, a map from attribute id to the attribute's text, in place of the attribute map.
#include "core/GXArchiveHelpers.h"
#include "core/GXCollections.h"
#include "core/GXLibraryState.h"
#include "core/GXStyle.h"
#include <memory>

class CGXSerializeTQ5CompatibleImp : public CGXAbstractSerializeTQ5CompatibleImp
{
public:
    void ReadUserAttributes(CGXStyle& style, CArchive& ar) override;
};

void CGXSerializeTQ5CompatibleImp::ReadUserAttributes(CGXStyle& style, CArchive& ar)
{
    std::unique_ptr<CObject> pOb(
        GXReadOwnedObjectOrNull(ar, RUNTIME_CLASS(CGXCollMapDWordToString)));
    if (pOb == nullptr)
        return;
    const CGXCollMapDWordToString& texts = *static_cast<CGXCollMapDWordToString*>(pOb.get());
    CGXUserAttributeMap map;
    for (POSITION pos = texts.GetStartPosition(); pos != nullptr;) {
        DWORD nId;
        CString strText;
        texts.GetNextAssoc(pos, nId, strText);
        // Attribute ids are 16 bits: a larger key names no attribute.
        if (nId > 0xFFFF)
            continue;
        map.PutAttribute((WORD)nId, new CGXUserAttribute(strText));
    }
    map.Sort();
    style.ReplaceUserAttributes(&map);
}

void GXImplementSerializeTQ5Compatible()
{
    GXInstallProcessFeature<CGXSerializeTQ5CompatibleImp>(
        GXGetLibraryState().m_pSerializeTQ5CompatibleImp);
}
