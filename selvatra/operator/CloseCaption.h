// The closed-caption writer: sends caption text, line by line, to a caption encoder on a
// serial port, with the encoder's control strings, character replacement and pacing.
#pragma once
#include <windows.h>

#include <atomic>
#include <list>
#include <map>
#include <string>
#include <utility>

#include "SelvatraApi.h"

// Characters replaced before sending: from -> to. Inactive until the host sets a map.
class SELVATRA_API CCharReplaceMap
{
public:
    std::map<char, char> m_map;
    BYTE m_bActive = 0;

    // Marks the map active and adds the pairs; a character already mapped keeps its first
    // replacement.
    void Set(const std::list<std::pair<char, char>>& pairs);
};

// The replacement of a byte 0x80 to 0xFE (one to four ASCII characters); empty otherwise.
SELVATRA_API const char* CaptionHighCharReplacement(unsigned char c);

// The time captions are paced by. The system's clock waits for real (cut short by an abort);
// tests give the writer a clock of their own, whose pauses take no time and are recorded.
class SELVATRA_API CCaptionClock
{
public:
    virtual ~CCaptionClock() = default;
    // Waits ms milliseconds unless abort is signalled first; false when aborted.
    virtual bool Pause(DWORD ms, HANDLE abort) = 0;
    // The system's clock, shared by every writer that was given no other.
    static CCaptionClock& System();
};

class SELVATRA_API CCloseCaption
{
public:
    CCloseCaption();
    virtual ~CCloseCaption();

    // Line and encoder settings (the host's texts, copied before Setup).
    void SetPort(const std::string& port) { m_strPort = port; }
    void SetBaud(const std::string& baud) { m_strBaud = baud; }
    void SetData(const std::string& data) { m_strData = data; }
    void SetParity(const std::string& parity) { m_strParity = parity; }
    void SetStop(const std::string& stop) { m_strStop = stop; }
    void SetFlow(const std::string& flow) { m_strFlow = flow; }
    void SetBOL(const std::string& bol) { m_strBOL = bol; }
    void SetEOL(const std::string& eol) { m_strEOL = eol; }
    void SetInit(const std::string& init) { m_strInit = init; }
    void SetReset(const std::string& reset) { m_strReset = reset; }
    void SetLineLength(int length) { m_nLineLength = length > 0 ? length : 1; }
    void SetMap(const CCharReplaceMap& map) { m_map = map; }
    // The clock the pacing waits on (kept; the caller's); null for the system's.
    void SetClock(CCaptionClock* clock) { m_pClock = clock ? clock : &CCaptionClock::System(); }
    // Bytes written to the port since it was opened.
    size_t BytesWritten() const { return m_nWritten; }

    // Builds the replacement set, opens the port and sends the initialisation string.
    // False when the port cannot be opened: the writer then stays silent (reported once).
    bool Setup();
    bool Open();
    bool IsOpen() const { return m_hPort != INVALID_HANDLE_VALUE; }
    void Write(const char* bytes, int length);
    void Write(const std::string& bytes) { Write(bytes.data(), (int)bytes.size()); }

    // Sends one caption: replacement, line splitting, begin and end strings, pacing.
    void Send(std::string text, int pacing, int wpmPacing);

    // Sends the reset string and closes the port (after any caption in progress).
    void Close();

    // Makes a caption in progress give up its pacing and remaining characters, so a close
    // never waits for a long paced text. Cleared by the next Setup.
    void Abort();

    void Replace(std::string& text) const;
    void SplitLines(std::string text, std::list<std::string>& lines) const;
    // The line of text that starts at start; returns where the next line starts.
    unsigned NextLine(const std::string& text, unsigned start, std::string& line) const;

    // Settings as fields (read by tests and by the prompter's copy).
    std::string m_strReplace;
    int m_nLineLength;
    std::string m_strBOL;
    std::string m_strEOL;
    std::string m_strReset;
    std::string m_strInit;
    CCharReplaceMap m_map;
    HANDLE m_hPort;
    std::string m_strData, m_strStop, m_strParity, m_strPort, m_strFlow, m_strBaud;

    // 1 while a caption is being written (by the caption thread; Close waits for 0).
    std::atomic<LONG> m_nBusy;

private:
    // Waits ms milliseconds on the clock unless Abort is called; false when aborted.
    bool Pause(DWORD ms);
    HANDLE m_hAbort;
    CCaptionClock* m_pClock;
    std::atomic<size_t> m_nWritten {0};
};
