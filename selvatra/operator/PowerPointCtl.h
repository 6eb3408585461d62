// Slide-show control: commands queued by the prompter as instruction paragraphs reach the
// reading line, carried out on one worker thread per process that drives the presentation
// program through late-bound automation.
#pragma once
#include <windows.h>

#include <deque>
#include <mutex>
#include <string>

#include "DispatchDriver.h"
#include "SelvatraApi.h"

// Command flags, applied in this order when one record carries several.
enum : int {
    PP_CLOSE = 8,
    PP_PLACEMENT = 0x1000,
    PP_LOAD = 1,
    PP_START = 2,
    PP_NEXT = 4,
    PP_PREVIOUS = 16
};

class SELVATRA_API PPCommand
{
public:
    PPCommand() = default;
    PPCommand(int flags, std::string text) : m_nFlags(flags), m_strText(std::move(text)) { }
    virtual ~PPCommand() = default;
    int m_nFlags = 0;
    std::string m_strText;
};

// The placement command's text: "1::left::top::width::height" (first number 0 turns it off).
SELVATRA_API std::string FormatPlacement(bool on, int left, int top, int width, int height);

class SELVATRA_API CPowerPointCtl
{
public:
    enum State {
        StateUnavailable = -1,
        StateNotConnected = 0,
        StateConnected = 1,
        StateOpen = 2,
        StateRunning = 4
    };

    CPowerPointCtl();
    ~CPowerPointCtl(); // closes the presentation and quits the program when connected

    // Applies one record's flags in order; automation errors end the command.
    void Apply(const PPCommand& command);

    bool Connect();
    bool Open(const std::string& quotedPath); // flag 1: the path in quotes
    bool OpenPresentation(const std::string& path);
    void StartShow();
    void Start();
    void Next();
    void Previous();
    void Close(bool quit);
    bool SetPlacement(const std::string& text);

    std::string m_strFile;
    BYTE m_bPlace = 0;
    int m_nPlaceHeight = 0, m_nPlaceWidth = 0, m_nPlaceTop = 0, m_nPlaceLeft = 0;
    int m_nState = StateNotConnected;
    int m_nShowState = 0;
    int m_nPosition = 0;

private:
    void ReadShowState();
    void ReleasePresentation();

    CDispatchDriver m_app;
    CDispatchDriver m_commandBars, m_commandBar, m_controls, m_control, m_goControl;
    CDispatchDriver m_presentations, m_presentation, m_presentationShow, m_settings, m_view;
};

// The process-wide slide-show thread and its queue.
class SELVATRA_API CPowerPointThread
{
public:
    // Starts the thread (once per process); foreground is the window brought back to the
    // front after each batch of commands (the presentation program takes the focus).
    static bool Start(HWND foreground);
    // Appends a command and wakes the thread; ignored when the thread is not running.
    static void Queue(const PPCommand& command);
    // Stops the thread after the command in progress; the controller closes the program.
    static void Stop();
    static bool IsRunning();
    static size_t Pending();
};
