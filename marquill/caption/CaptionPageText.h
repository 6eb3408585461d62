// The texts the Close Caption Setup pages show and read, apart from their windows: port
// entries, the words-per-minute rates, flow control and the check of a new profile title.
#pragma once
#include <string>
#include <vector>

// "COM %d" of a port number, as the port list shows it.
std::string PortEntryText(int port);
// The port setting an entry stands for: the whole number after "COM" ("COM 12" gives
// "12"), so that ports 10 and above survive; empty when the entry names no port.
std::string PortSettingFromEntry(const std::string& entry);

// The flow-control check boxes for a flow text (exact, case-sensitive: "XON", "DTR",
// "RTS"; anything else sets none).
struct FlowChecks
{
    int xonXoff = 0;
    int dtrDsr = 0;
    int rtsCts = 0;
};
FlowChecks FlowChecksFromText(const std::string& flow);

// Words-per-minute rates and the pacing each stands for.
extern const char* const kWordsPerMinuteEntries[8]; // "NONE", "210" ... "150"
// The rate shown for a pacing: 0, 40, 43, 45, 50, 53, 59 their rows, anything else "180".
std::string WordsPerMinuteText(int wpmPacing);
// The pacing a chosen rate gives: "NONE" (any case) 0, the rates their rows, else 48.
int WordsPerMinutePacing(const std::string& text);

// Why a new profile title cannot be added (empty when it can): blank, already used by a
// title equal without regard to case, or holding a backslash, which the registry store
// would take for nested keys.
std::string NewTitleProblem(const std::string& title, const std::vector<std::string>& titles);
