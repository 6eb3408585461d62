// Dates and times typed into cells and shown from them: one variant reads and writes
// them by its own rules with the locale's date order and separators, the other hands
// both to COleDateTime. Whichever is switched on first serves the whole process.
#pragma once
#include "features/GXAbstractProcessFeatures.h"
#include "fw/string.h"
#include "fw/time.h"

class CGXNoOleDateTimeImp : public CGXAbstractDateTimeImp
{
public:
    void ReadLocaleSettings() override;
    int GetDateOrder(BOOL bReload, BOOL& bFourDigitYear, TCHAR& cSeparator) override;
    TCHAR GetTimeSeparator(BOOL bReload) override;
    BOOL ParseDateTime(GXDateTimeRecord& record, LPCTSTR pszText, int nOrder) override;
    BOOL ParseDateTimeTm(struct tm& tmOut, LPCTSTR pszText, int nOrder) override;
    void FormatDateTime(CString& strResult, const GXDateTimeRecord& record) override;
    void FormatTime(CString& strResult, const CTime& time) override;

protected:
    // The locale's short-date pattern ("M/d/yyyy") and time separator (":").
    virtual CString ReadShortDateFormat();
    virtual CString ReadTimeSeparatorText();

private:
    // The shared reading: the record form keeps the full year and the month 1-12.
    BOOL Parse(GXDateTimeRecord& record, LPCTSTR pszText, int nOrder);

    int m_nDateOrder = 3; // 3 until read
    BOOL m_bFourDigitYear = FALSE;
    TCHAR m_cDateSeparator = '/';
    TCHAR m_cTimeSeparator = 0; // 0 until read
};

class CGXOleDateTimeImp : public CGXAbstractDateTimeImp
{
public:
    void ReadLocaleSettings() override { }
    int GetDateOrder(BOOL, BOOL&, TCHAR&) override { return 3; }
    TCHAR GetTimeSeparator(BOOL) override { return 0; }
    BOOL ParseDateTime(GXDateTimeRecord& record, LPCTSTR pszText, int nOrder) override;
    BOOL ParseDateTimeTm(struct tm& tmOut, LPCTSTR pszText, int nOrder) override;
    void FormatDateTime(CString& strResult, const GXDateTimeRecord& record) override;
    void FormatTime(CString& strResult, const CTime& time) override;
};
