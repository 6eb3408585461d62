// A user attribute holding an OLE VARIANT (pictures of database cells among them). The
// variants come from a process-wide pool and go back to it, cleared, when released.
#pragma once
#include "core/GXUserAttribute.h"
#if defined(_WIN32)
#include <oaidl.h>

class CGXOleVarUserAttribute : public CGXAbstractUserAttribute
{
    DECLARE_SERIAL(CGXOleVarUserAttribute)
public:
    CGXOleVarUserAttribute();
    explicit CGXOleVarUserAttribute(const VARIANT& var);
    ~CGXOleVarUserAttribute() override;
    CGXOleVarUserAttribute(const CGXOleVarUserAttribute&) = delete;
    CGXOleVarUserAttribute& operator=(const CGXOleVarUserAttribute&) = delete;

    CGXOleVarUserAttribute& SetValue(const VARIANT& var);
    const VARIANT& GetVariant() const;
    // The text form is empty and text setters do nothing.
    using CGXAbstractUserAttribute::SetValue;
    CString GetValue() const override { return CString(); }
    CGXAbstractUserAttribute* Clone() const override;
    // Equal only to the very same variant object.
    BOOL IsEqual(const CGXAbstractUserAttribute& other) const override;
    BOOL IsEmpty() const override;

    // By value: the VARTYPE, then the value (numbers at their width, a string as its
    // UTF-16 units, a byte array as its bytes). Other types are stored as empty. Reading
    // never follows a stored address.
    void Serialize(CArchive& ar) override;

    static int GetPoolCount();

private:
    VARIANT* m_pVariant;
};
#endif
