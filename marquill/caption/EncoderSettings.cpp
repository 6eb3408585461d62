#include "EncoderSettings.h"

#include <cstdlib>
#include <vector>

#include "CaptionPageText.h"
#include "CaptionSetupResource.h"
#include "ComPortList.h"

IMPLEMENT_DYNAMIC(CEncoderSettings, CPropertySheet)

BEGIN_MESSAGE_MAP(CEncoderSettings, CPropertySheet)
END_MESSAGE_MAP()

CEncoderSettings::CEncoderSettings(CCaptionCharMap& charMap, bool& charMapActive,
                                   CEncoderProfileMap& profiles, std::string& selectedProfile,
                                   CWnd* pParentWnd)
    : CPropertySheet(IDS_CAPTION_SHEET, pParentWnd), m_EncoderPage(profiles, selectedProfile),
      m_CharacterPage(charMap, charMapActive)
{
    AddPage(&m_PortPage);
    AddPage(&m_EncoderPage);
    AddPage(&m_CharacterPage);
}

CEncoderSettings::~CEncoderSettings() = default;

BOOL CEncoderSettings::OnInitDialog()
{
    const BOOL bResult = CPropertySheet::OnInitDialog();
    SetWindowText("Closed Caption Setup");
    return bResult;
}

INT_PTR RunCloseCaptionSetup(CCaptionData& data, CCaptionLineSettings& line, CWnd* pParentWnd)
{
    std::vector<int> ports;
    EnumerateComPorts(ports);

    CEncoderSettings sheet(data.m_CharMap, data.m_bCharMapActive, data.m_EncoderProfiles,
                           data.m_SelectedProfile, pParentWnd);
    CPortPage& port = sheet.m_PortPage;
    port.m_Ports = ports;
    port.m_strPort.Format("COM %s", line.Port.c_str());
    port.m_strDataBits = line.Data.c_str();
    port.m_strStopBits = line.Stop.c_str();
    port.m_strParity = line.Parity.c_str();
    port.m_strBaudRate = line.Baud.c_str();
    port.m_strFlow = line.Flow.c_str();

    const INT_PTR nResult = sheet.DoModal();
    if (nResult != IDOK)
        return nResult;

    // Ports 10 and above keep their whole number ("COM 12" is "12").
    line.Port = PortSettingFromEntry((LPCSTR)port.m_strPort);
    line.Data = (LPCSTR)port.m_strDataBits;
    line.Stop = (LPCSTR)port.m_strStopBits;
    line.Parity = (LPCSTR)port.m_strParity;
    line.Baud = (LPCSTR)port.m_strBaudRate;
    line.Flow = (LPCSTR)port.m_strFlow;

    const bool bCharsSaved = data.SaveCaptionCharMap();
    const bool bProfilesSaved = data.SaveEncoderProfiles();

    // The encoder page's values are the profile it showed; a page never opened has none.
    const CEncoderPage& encoder = sheet.m_EncoderPage;
    if (encoder.m_bOpened) {
        line.Pacing = encoder.m_nCharPacing;
        line.WPMPacing = encoder.m_nWPMPacing;
        line.Wrap = atoi(encoder.m_strLineLength);
    }

    if (!bCharsSaved || !bProfilesSaved)
        AfxMessageBox("The closed caption settings could not be saved for this machine.\n"
                      "Saving them needs the right to change the machine's settings.",
                      MB_ICONEXCLAMATION);
    return nResult;
}
