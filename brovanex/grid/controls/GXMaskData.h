// CGXMaskData: the rules of an input mask and the text held in it. Each mask character is
// one position: "#" a digit, "&" any character, "?" a letter, "A" a letter or a digit, "L" a
// letter stored in lower case, "U" a letter stored in upper case; "\" makes the next
// character a literal and every other character is a literal. Editable positions show the
// prompt while they are empty. Which positions the user filled is tracked, so a prompt that
// is itself a valid input (a "0" prompt over digits) never loses or invents typed data.
// With an empty mask (and no-mask mode on) the object holds plain text up to a maximum
// length. Window-free: the masked edit cell owns two of these (one for its window, one for
// drawing inactive cells), of a run-time class a derived mask can replace.
#pragma once
#include "fw/collections.h"
#include "fw/object.h"
#include "fw/string.h"

class CGXMaskData : public CObject
{
    DECLARE_SERIAL(CGXMaskData)
public:
    CGXMaskData();
    ~CGXMaskData() override;

    virtual void ClearMask();
    // An empty mask clears all positions and the no-mask maximum length.
    virtual void SetMask(LPCTSTR pszMask);
    // The data of the editable positions nFrom..nTo (-1: the end), empty positions as
    // spaces; bTrim drops trailing spaces. In no-mask mode the text itself.
    virtual void GetData(CString& strResult, int nFrom = 0, int nTo = -1, BOOL bTrim = TRUE) const;
    // Data without literals, from nStart (-1: reset the display and start at 0), each character
    // to the next editable position. Stops at the first character that does not fit. The
    // position after the last one written, or -1 when nStart lies outside the mask.
    virtual int SetData(LPCTSTR pszText, int nStart = -1, BOOL bInsert = FALSE);
    // The shown text of positions nFrom..nTo (literals and prompts included).
    virtual void GetDisplayText(CString& strResult, int nFrom = 0, int nTo = -1) const;
    // Shown text (literals included) from nStart (-1: reset first). A literal must match and an
    // editable character must be valid, else -1; the position reached otherwise.
    virtual int SetDisplayText(LPCTSTR pszText, int nStart = -1, BOOL bInsert = FALSE);
    // Whether the text may stand at the position; a space becomes the prompt, "L" and "U"
    // change the case of strText.
    virtual BOOL IsValidChar(int nPos, CString& strText) const;
    virtual int NextEditPos(int nPos) const;
    virtual int PrevEditPos(int nPos) const;
    // The caret position after the entered data: after the last filled editable position
    // before nPos (the first editable position when none is filled).
    virtual int GetEndPos(int nPos) const;
    // Inserts at an editable position, shifting the later entered data right by one editable
    // position; nNext becomes the next editable position. FALSE when the mask is full.
    virtual BOOL InsertAt(int nPos, LPCTSTR pszText, int& nNext);
    // Removes the editable positions nFrom..nTo - 1; later data moves left, freed positions at
    // the end become empty.
    virtual void DeleteRange(int nTo, int nFrom);
    virtual BOOL IsComplete() const;
    virtual BOOL IsMaskEmpty() const;
    // Count of positions (no-mask mode: of characters).
    virtual int GetLength() const;
    virtual int PositionsToBytes(int nCount) const;
    virtual int BytesToPositions(int nBytes) const;
    virtual void ResetDisplay();
    virtual int GetMaxLength() const;
    virtual void SetMaxLength(int nMax);
    virtual BOOL IsMaskChar(LPCTSTR pszChar) const;
    virtual BOOL IsLiteral(int nPos) const;

    // A prompt of at most one character (empty: a space); a longer text is refused (FALSE)
    // and the prompt stays. With bReplace every empty editable position shows the new one.
    BOOL SetPrompt(LPCTSTR pszPrompt, BOOL bReplace = TRUE);
    const CString& GetPrompt() const { return m_strPrompt; }
    // The position was entered (not an empty editable position).
    BOOL IsFilled(int nPos) const;
    BOOL IsNoMaskMode() const { return m_bNoMask && m_astrMask.GetSize() == 0; }
    void SetNoMaskMode(BOOL bNoMask) { m_bNoMask = bNoMask; }

    void Serialize(CArchive& ar) override;

    // Character classes of the mask (code-page text: letters include the accented ones).
    static BOOL IsLetter(char ch);
    static BOOL IsDigit(char ch);
    static char ToLower(char ch);
    static char ToUpper(char ch);

protected:
    // The position's class takes the character (changing its case for "L" and "U").
    BOOL AcceptsByClass(int nPos, CString& strText) const;
    // IsValidChar, and whether the accepted character is an entry (bFilled) or stands for an
    // empty position.
    BOOL CheckChar(int nPos, CString& strText, BOOL& bFilled) const;
    // Puts a checked character at an editable position.
    void Put(int nPos, const CString& strChar, BOOL bFilled);
    void Empty(int nPos);
    int FindEditPosAtOrAfter(int nPos) const;
    int LastEditPos() const;

    CStringArray m_astrMask;
    CByteArray m_abLiteral;
    CStringArray m_astrValues;
    CString m_strPrompt;
    BOOL m_bNoMask;
    int m_nMaxLength;
    CByteArray m_abFilled; // per position: 1 when entered
};
