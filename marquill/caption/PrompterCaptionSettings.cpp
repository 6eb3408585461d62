#include "PrompterCaptionSettings.h"

#include <list>
#include <utility>

#include "PromptBaseWnd.h"

namespace {

// A byte string as the prompter keeps it (raw bytes; the store holds no zero byte).
CString Bytes(const std::string& bytes) { return CString(bytes.c_str(), (int)bytes.size()); }

} // namespace

void ApplyCaptionSettings(CPromptBaseWnd& prompter, const CCaptionData& data,
                          const CCaptionLineSettings& line)
{
    if (data.m_bCharMapActive) {
        std::list<std::pair<char, char>> pairs(data.m_CharMap.begin(), data.m_CharMap.end());
        prompter.SetCCMap(&pairs);
    }
    if (const CEncoderProfile* profile = data.SelectedEncoderProfile()) {
        prompter.m_strCCInit = Bytes(profile->INIT);
        prompter.m_strCCBOL = Bytes(profile->BOL);
        prompter.m_strCCEOL = Bytes(profile->EOL);
        prompter.m_strCCReset = Bytes(profile->Reset);
        prompter.m_nCCLineLength = profile->Wrap;
        prompter.m_nCCPacing = profile->Pacing;
        prompter.m_nCCWPMPacing = profile->WPMPacing;
    }
    prompter.m_strCCPort = line.Port.c_str();
    prompter.m_strCCFlow = line.Flow.c_str();
    prompter.m_strCCData = line.Data.c_str();
    prompter.m_strCCStop = line.Stop.c_str();
    prompter.m_strCCParity = line.Parity.c_str();
    prompter.m_strCCBaud = line.Baud.c_str();
}
