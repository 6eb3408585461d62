// The first page of the Close Caption Setup sheet: the caption encoder's serial line (port,
// baud rate, data bits, parity, stop bits) and its flow control. The page edits texts the
// command copies in before the sheet runs and reads back after OK; it writes nothing else.
#pragma once
#include "framework.h"

#include <vector>

class CPortPage : public CPropertyPage
{
    DECLARE_DYNCREATE(CPortPage)
public:
    CPortPage();
    ~CPortPage() override;

    int m_bXonXoff; // check box states, set from m_strFlow when the page opens
    CString m_strStopBits; // "1", "1.5", "2"
    int m_bRtsCts;
    int m_bDtrDsr;
    CString m_strParity; // "None", "Even", "Odd"
    CString m_strDataBits; // "5" to "8"
    CString m_strPort; // the chosen entry, "COM %d" of the port number
    std::vector<int> m_Ports; // the serial ports the machine has
    CString m_strBaudRate;
    CString m_strFlow; // "XON", "DTR", "RTS" or "NONE"

    BOOL OnInitDialog() override;
    BOOL OnApply() override;

    // The check boxes from the flow text.
    void SetFlowChecks();
    // The port list from m_Ports, with the entry of m_strPort selected (else the first).
    void FillPortList();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnSelchangeCombo();
    void OnRtsCts();
    void OnDtrDsr();
    void OnXonXoff();
    DECLARE_MESSAGE_MAP()

private:
    // A flow check box was clicked: its flow text when it is now checked (the other two
    // boxes are cleared), "NONE" when it is now clear.
    void FlowClicked(int nID, const char* flow);
};
