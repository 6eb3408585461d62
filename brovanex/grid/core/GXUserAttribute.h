// User attributes: extra, control-specific cell attributes keyed by a 16-bit id (in
// practice a string-resource id), kept inside a style by a CGXUserAttributeMap.
#pragma once
#include "core/GXDefs.h"

class CGXAbstractUserAttribute : public CObject
{
    DECLARE_SERIAL(CGXAbstractUserAttribute)
public:
    CGXAbstractUserAttribute() : m_nId(0) { }

    virtual CGXAbstractUserAttribute& SetValue(LPCTSTR pszValue);
    virtual CGXAbstractUserAttribute& SetValue(const CString& strValue);
    virtual CString GetValue() const;
    virtual LONG AsLong() const;
    virtual DWORD AsDWord() const;
    virtual double AsDouble() const;
    virtual CGXAbstractUserAttribute* Clone() const;
    virtual BOOL IsEqual(const CGXAbstractUserAttribute& other) const;
    virtual BOOL IsEmpty() const;

    void Serialize(CArchive& ar) override;

    WORD m_nId;

protected:
    CString m_strText; // the base class's value (its archive form)
};

// A number, a short or long text, a double or 8 raw bytes.
class CGXUserAttribute : public CGXAbstractUserAttribute
{
    DECLARE_SERIAL(CGXUserAttribute)
public:
    enum Kind {
        kEmpty = 0,
        kDWord = 1,
        kLong = 2,
        kShortText = 3,
        kText = 4,
        kDouble = 5,
        kBytes = 6
    };

    CGXUserAttribute();
    explicit CGXUserAttribute(LPCTSTR pszValue);
    CGXUserAttribute(const CGXUserAttribute& other);
    CGXUserAttribute& operator=(const CGXUserAttribute& other);

    CGXAbstractUserAttribute& SetValue(LPCTSTR pszValue) override;
    CGXAbstractUserAttribute& SetValue(const CString& strValue) override
    {
        return SetValue((LPCTSTR)strValue);
    }
    CGXUserAttribute& SetDWord(DWORD dw);
    CGXUserAttribute& SetLong(LONG l);
    CGXUserAttribute& SetDouble(double d);
    CGXUserAttribute& SetBytes(const BYTE ab[8]);

    CString GetValue() const override;
    LONG AsLong() const override;
    DWORD AsDWord() const override;
    double AsDouble() const override;
    CGXAbstractUserAttribute* Clone() const override;
    BOOL IsEqual(const CGXAbstractUserAttribute& other) const override;
    BOOL IsEmpty() const override { return m_nKind == kEmpty; }

    // One byte with the kind; then the text (kinds 3, 4) or the 8 value bytes.
    void Serialize(CArchive& ar) override;

    DWORD GetKind() const { return m_nKind; }

private:
    DWORD m_nKind;
    BYTE m_abValue[8]; // kinds 1, 2, 5, 6 and a short text (no terminator at 8 bytes)
    // A text longer than 8 bytes lives here (kind 4), never behind a stored pointer.
    CString m_strLong;
};

// One 16-bit value.
class CGXEllipseUserAttribute : public CGXAbstractUserAttribute
{
    DECLARE_SERIAL(CGXEllipseUserAttribute)
public:
    CGXEllipseUserAttribute() : m_wValue(0) { }
    explicit CGXEllipseUserAttribute(WORD w) : m_wValue(w) { }
    CGXEllipseUserAttribute& SetEllipseValue(WORD w)
    {
        m_wValue = w;
        return *this;
    }
    WORD GetEllipseValue() const { return m_wValue; }
    CString GetValue() const override;
    LONG AsLong() const override { return m_wValue; }
    DWORD AsDWord() const override { return m_wValue; }
    double AsDouble() const override { return m_wValue; }
    CGXAbstractUserAttribute* Clone() const override;
    BOOL IsEqual(const CGXAbstractUserAttribute& other) const override;
    BOOL IsEmpty() const override { return FALSE; }
    void Serialize(CArchive& ar) override;

private:
    WORD m_wValue;
};

// The attributes of one style, ordered by id; it owns them.
class CGXUserAttributeMap : public CObject
{
    DECLARE_SERIAL(CGXUserAttributeMap)
public:
    CGXUserAttributeMap() = default;
    CGXUserAttributeMap(const CGXUserAttributeMap& other);
    CGXUserAttributeMap& operator=(const CGXUserAttributeMap& other);
    ~CGXUserAttributeMap() override;

    // Stores the object itself (this map owns it), replacing one of the same id.
    void PutAttribute(WORD nId, CGXAbstractUserAttribute* pAttribute);
    void PutAttributeCopy(WORD nId, const CGXAbstractUserAttribute& attribute);
    void DropAttribute(WORD nId);
    const CGXAbstractUserAttribute* FindAttribute(WORD nId) const;
    BOOL IsEmpty() const { return m_attributes.GetSize() == 0; }
    INT_PTR GetCount() const { return m_attributes.GetSize(); }
    const CGXAbstractUserAttribute* GetAt(INT_PTR i) const
    {
        return static_cast<const CGXAbstractUserAttribute*>(m_attributes[i]);
    }
    void Sort();
    void RemoveAll();
    void MergeMap(const CGXUserAttributeMap& other, GXModifyType mt);
    // Every attribute is in other with an equal value.
    BOOL IsSubSet(const CGXUserAttributeMap& other) const;
    // WORD count, then each attribute as an object followed by its WORD id.
    void Serialize(CArchive& ar) override;
    // Each attribute's text under "UA" and its id in a section of the application's
    // profile (Windows; with the profile feature's files).
    void WriteProfile(LPCTSTR pszSection) const;

private:
    INT_PTR IndexOf(WORD nId) const;
    CObArray m_attributes;
};
