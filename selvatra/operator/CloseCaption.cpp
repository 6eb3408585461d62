// The closed-caption writer on a serial port.
#include "CloseCaption.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "EngineMessages.h"

namespace {

// Replacements of the bytes 0x80 to 0xFE of the encoder's code page: the nearest ASCII text,
// or, for the nine characters the caption character set carries, the position it uses.
const char* const kHighChars[0xFF - 0x80] = {
    /* 80 */ "E", "?",  "'", "f",  "\"",  "...", "t",   "tt",
    "^",          "?",  "S", "<",  "CE",  "?",   "Z",   "?",
    /* 90 */ "?", "'",  "'", "\"", "\"",  ".",   "-",   "--",
    "~",          "TM", "s", ">",  "oe",  "?",   "z",   "Y",
    /* A0 */ " ", "!",  "c", "L",  "?",   "Y",   "|",   "?",
    "\"",         "C",  "a", "<<", "-",   "-",   "R",   "-",
    /* B0 */ "o", "?",  "2", "3",  "'",   "u",   "?",   ".",
    ",",          "1",  "o", ">>", "1/4", "1/2", "3/4", "?",
    /* C0 */ "A", "A",  "A", "A",  "A",   "A",   "AE",  "C",
    "E",          "E",  "E", "E",  "I",   "I",   "I",   "I",
    /* D0 */ "D", "}",  "O", "O",  "O",   "O",   "O",   "x",
    "O",          "U",  "U", "U",  "U",   "Y",   "?",   "B",
    /* E0 */ "a", "*",  "a", "a",  "a",   "a",   "ae",  "{",
    "e",          "\\", "e", "e",  "i",   "^",   "i",   "i",
    /* F0 */ "o", "~",  "o", "_",  "o",   "o",   "o",   "|",
    "o",          "u",  "`", "u",  "u",   "y",   "b"};

// The encoder defaults: reset and initialisation strings.
const char kDefaultReset[] = {0x03, 0x01, 0x33, 0x20, 0x33, 0x0D, 0x14, 0x2C, 0x03, 0x01, 0x37};
const char kDefaultInit[] = {0x03, 0x01, 0x33, 0x20, 0x33, 0x0D, 0x03,
                             0x01, 0x36, 0x01, 0x4E, 0x33, 0x0D};

void ReportCommError(DWORD error)
{
    char text[64];
    snprintf(text, sizeof text, "Comm I/O error -> %lu\r\n", (unsigned long)error);
    ShowEngineMessage(text);
}

} // namespace

namespace {

class SystemCaptionClock : public CCaptionClock
{
public:
    bool Pause(DWORD ms, HANDLE abort) override
    {
        return WaitForSingleObject(abort, ms) != WAIT_OBJECT_0;
    }
};

} // namespace

CCaptionClock& CCaptionClock::System()
{
    static SystemCaptionClock clock;
    return clock;
}

void CCharReplaceMap::Set(const std::list<std::pair<char, char>>& pairs)
{
    m_bActive = 1;
    for (const auto& pair : pairs)
        m_map.insert(pair);
}

const char* CaptionHighCharReplacement(unsigned char c)
{
    if (c < 0x80 || c > 0xFE)
        return "";
    return kHighChars[c - 0x80];
}

CCloseCaption::CCloseCaption()
    : m_nLineLength(28), m_strEOL("\r"), m_strReset(kDefaultReset, sizeof kDefaultReset),
      m_strInit(kDefaultInit, sizeof kDefaultInit), m_hPort(INVALID_HANDLE_VALUE), m_strData("8"),
      m_strStop("1"), m_strParity("None"), m_strPort("2"), m_strFlow("NONE"), m_strBaud("1200"),
      m_nBusy(0), m_hAbort(CreateEvent(nullptr, TRUE, FALSE, nullptr)),
      m_pClock(&CCaptionClock::System())
{ }

CCloseCaption::~CCloseCaption()
{
    if (IsOpen())
        Close();
    if (m_hAbort)
        CloseHandle(m_hAbort);
}

bool CCloseCaption::Setup()
{
    ResetEvent(m_hAbort);
    m_strReplace.clear();
    if (m_map.m_bActive) {
        for (int c = 0x80; c <= 0xFE; ++c)
            m_strReplace += (char)c;
        for (const auto& entry : m_map.m_map)
            m_strReplace += entry.first;
    }
    if (!Open())
        return false;
    Write(m_strInit);
    return true;
}

bool CCloseCaption::Open()
{
    if (IsOpen())
        return true;
    // The device namespace form also reaches ports numbered 10 and up.
    std::string device = "\\\\.\\COM" + m_strPort;
    m_nWritten = 0;
    m_hPort = CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          0, nullptr);
    if (m_hPort == INVALID_HANDLE_VALUE) {
        // Not fatal: the studio keeps its prompter (and any unsaved script) running without
        // captions, and the operator learns why.
        char text[256];
        snprintf(text, sizeof text,
                 "Close Caption Serial Port COM%s could not be opened (error %lu).\n"
                 "Prompting goes on without closed captions.",
                 m_strPort.c_str(), (unsigned long)GetLastError());
        ShowEngineMessage(text);
        return false;
    }

    SetupComm(m_hPort, 4096, 4096);
    PurgeComm(m_hPort, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);

    DCB dcb;
    memset(&dcb, 0, sizeof dcb);
    dcb.DCBlength = sizeof dcb;
    GetCommState(m_hPort, &dcb);
    dcb.BaudRate = (DWORD)atoi(m_strBaud.c_str());
    dcb.ByteSize = (BYTE)atoi(m_strData.c_str());
    if (_stricmp(m_strParity.c_str(), "Odd") == 0)
        dcb.Parity = ODDPARITY;
    else if (_stricmp(m_strParity.c_str(), "Even") == 0)
        dcb.Parity = EVENPARITY;
    else if (_stricmp(m_strParity.c_str(), "Mark") == 0)
        dcb.Parity = MARKPARITY;
    else if (_stricmp(m_strParity.c_str(), "Space") == 0)
        dcb.Parity = SPACEPARITY;
    else
        dcb.Parity = NOPARITY;
    if (m_strStop == "1.5")
        dcb.StopBits = ONE5STOPBITS;
    else if (m_strStop == "2")
        dcb.StopBits = TWOSTOPBITS;
    else
        dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = TRUE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    if (_stricmp(m_strFlow.c_str(), "XON") == 0) {
        dcb.fOutX = TRUE;
        dcb.fInX = TRUE;
        dcb.XonChar = 17;
        dcb.XoffChar = 19;
    } else if (_stricmp(m_strFlow.c_str(), "DTR") == 0) {
        dcb.fOutxDsrFlow = TRUE;
        dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
    } else if (_stricmp(m_strFlow.c_str(), "RTS") == 0) {
        dcb.fOutxCtsFlow = TRUE;
        dcb.fRtsControl = RTS_CONTROL_TOGGLE;
    }
    dcb.XonLim = 100;
    dcb.XoffLim = 100;
    if (!SetCommState(m_hPort, &dcb))
        ReportCommError(GetLastError());
    return true;
}

void CCloseCaption::Write(const char* bytes, int length)
{
    if (!IsOpen() || length <= 0)
        return;
    DWORD written = 0;
    if (!WriteFile(m_hPort, bytes, (DWORD)length, &written, nullptr))
        ReportCommError(GetLastError());
    m_nWritten += written;
}

bool CCloseCaption::Pause(DWORD ms) { return m_pClock->Pause(ms, m_hAbort); }

void CCloseCaption::Abort() { SetEvent(m_hAbort); }

void CCloseCaption::Replace(std::string& text) const
{
    if (!m_map.m_bActive || m_strReplace.empty())
        return;
    size_t pos = text.find_first_of(m_strReplace);
    while (pos != std::string::npos) {
        unsigned char c = (unsigned char)text[pos];
        std::string with;
        if (c >= 0x80 && c <= 0xFE) {
            with = CaptionHighCharReplacement(c);
        } else {
            auto it = m_map.m_map.find((char)c);
            char to = it != m_map.m_map.end() ? it->second : (char)c;
            if (to != '\0')
                with.assign(1, to);
        }
        text.replace(pos, 1, with);
        pos = text.find_first_of(m_strReplace, pos + with.size());
    }
}

unsigned CCloseCaption::NextLine(const std::string& text, unsigned start, std::string& line) const
{
    const size_t length = (size_t)m_nLineLength;
    std::string rest = text.substr(start < text.size() ? start : text.size());
    if (length > rest.size()) {
        line = rest;
        return (unsigned)text.size();
    }
    size_t end = rest.rfind(' ', length);
    if (end == std::string::npos || end == 0)
        end = length;
    line = rest.substr(0, end);
    size_t next = rest.find_first_not_of(' ', end);
    // Only blanks follow: nothing more to send.
    if (next == std::string::npos)
        return (unsigned)text.size();
    return (unsigned)(start + next);
}

void CCloseCaption::SplitLines(std::string text, std::list<std::string>& lines) const
{
    unsigned start = 0;
    while (start < text.size()) {
        std::string line;
        start = NextLine(text, start, line);
        if (line.empty())
            break;
        lines.push_back(line);
    }
}

void CCloseCaption::Send(std::string text, int pacing, int wpmPacing)
{
    m_nBusy = 1;
    Replace(text);
    std::list<std::string> lines;
    SplitLines(text, lines);
    bool aborted = false;
    for (const std::string& line : lines) {
        if (!m_strBOL.empty() && !line.empty())
            Write(m_strBOL);
        for (size_t i = 0; i < line.size() && !aborted; ++i) {
            unsigned char c = (unsigned char)line[i];
            if (c == ' ' && (i == 0 || line[i - 1] == ' '))
                continue;
            if (c >= 128)
                continue;
            Write((const char*)&c, 1);
            aborted = !Pause(pacing > 0 ? (DWORD)pacing : 0);
        }
        if (!aborted && wpmPacing > pacing)
            aborted = !Pause((DWORD)(line.size() * (size_t)(wpmPacing - pacing)));
        Write(m_strEOL);
        if (aborted)
            break;
    }
    m_nBusy = 0;
}

void CCloseCaption::Close()
{
    while (m_nBusy)
        Sleep(100);
    if (!IsOpen())
        return;
    Write(m_strReset);
    // The reset must reach the encoder: a port closed with bytes still queued may drop them.
    FlushFileBuffers(m_hPort);
    CloseHandle(m_hPort);
    m_hPort = INVALID_HANDLE_VALUE;
}
