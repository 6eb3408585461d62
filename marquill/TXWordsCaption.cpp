// The Close Caption Setup command and the caption line the caption module works on.
#include "TXWords.h"

#include "EncoderSettings.h"

CCaptionLineSettings CTXWordsApp::GetCaptionLine() const
{
    CCaptionLineSettings line;
    line.Port = (LPCSTR)m_strCCPort;
    line.Data = (LPCSTR)m_strCCData;
    line.Stop = (LPCSTR)m_strCCStop;
    line.Parity = (LPCSTR)m_strCCParity;
    line.Baud = (LPCSTR)m_strCCBaud;
    line.Flow = (LPCSTR)m_strCCFlow;
    line.Wrap = m_nWrap;
    line.Pacing = m_nPacing;
    line.WPMPacing = m_nWPMPacing;
    return line;
}

void CTXWordsApp::SetCaptionLine(const CCaptionLineSettings& line)
{
    m_strCCPort = line.Port.c_str();
    m_strCCData = line.Data.c_str();
    m_strCCStop = line.Stop.c_str();
    m_strCCParity = line.Parity.c_str();
    m_strCCBaud = line.Baud.c_str();
    m_strCCFlow = line.Flow.c_str();
    m_nWrap = line.Wrap;
    m_nPacing = line.Pacing;
    m_nWPMPacing = line.WPMPacing;
}

void CTXWordsApp::OnCloseCaptionSetup()
{
    CCaptionLineSettings line = GetCaptionLine();
    if (RunCloseCaptionSetup(*this, line, nullptr) == IDOK)
        SetCaptionLine(line);
}
