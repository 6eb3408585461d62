// The Close Caption Setup sheet: the serial port, the encoder profiles and the replacement
// characters on three pages, whose caption and templates live in Selvatra's resources. The
// menu command runs it through RunCloseCaptionSetup. Selvatra must be loaded (the program
// links it), so that its resources are on the chain.
#pragma once
#include "framework.h"

#include "CaptionData.h"
#include "CaptionLineSettings.h"
#include "CharacterPage.h"
#include "EncoderPage.h"
#include "PortPage.h"

class CEncoderSettings : public CPropertySheet
{
    DECLARE_DYNAMIC(CEncoderSettings)
public:
    // The pages keep references to the maps and the selection: applying a page changes them.
    CEncoderSettings(CCaptionCharMap& charMap, bool& charMapActive, CEncoderProfileMap& profiles,
                     std::string& selectedProfile, CWnd* pParentWnd = nullptr);
    ~CEncoderSettings() override;

    CPortPage m_PortPage;
    CEncoderPage m_EncoderPage;
    CCharacterPage m_CharacterPage;

    BOOL OnInitDialog() override;

protected:
    DECLARE_MESSAGE_MAP()
};

// The Close Caption Setup command: runs the sheet on the caption data and the serial line.
// Apply and OK hand the edited profiles and replacements to data; OK alone also takes the
// port page's line into line (and the shown profile's pacing and line length), and writes
// the caption data to the registry, saying so when that fails. Cancel leaves line and the
// registry as they were. Returns what the sheet returned (IDOK or IDCANCEL).
INT_PTR RunCloseCaptionSetup(CCaptionData& data, CCaptionLineSettings& line,
                             CWnd* pParentWnd = nullptr);
