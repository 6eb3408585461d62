// Slide-show control through late-bound automation of the presentation program.
#include "PowerPointCtl.h"

#include <objbase.h>

#include <cstdio>
#include <cstdlib>

#include "EngineMessages.h"

namespace {

// Dispatch ids of the presentation program's automation interface.
enum : DISPID {
    APP_PRESENTATIONS = 2001,
    APP_COMMANDBARS = 2007,
    APP_WINDOWSTATE = 2029,
    APP_VISIBLE = 2030,
    APP_QUIT = 2021,
    BARS_COUNT = 0x60030003,
    CONTROLS_COUNT = 0x60030001,
    BAR_NAME = 0x6004000E,
    BAR_CONTROLS = 0x60040003,
    CONTROL_CAPTION = 0x60040003,
    CONTROL_ENABLED = 0x6004000A,
    PRESENTATIONS_OPEN = 2004,
    PRES_SHOWOBJECT = 2015,
    PRES_SETTINGS = 2047,
    PRES_CLOSE = 2039,
    SHOWOBJECT_PREPARE = 2008,
    SETTINGS_LEFT = 2006,
    SETTINGS_TOP = 2007,
    SETTINGS_WIDTH = 2008,
    SETTINGS_HEIGHT = 2009,
    SETTINGS_RANGE = 2011,
    SETTINGS_RUN = 2003,
    VIEW_ZOOM = 2007,
    VIEW_STATE = 2006,
    VIEW_POSITION = 2027,
    VIEW_FIRST = 2017,
    VIEW_LAST = 2018,
    VIEW_NEXT = 2019,
    VIEW_PREVIOUS = 2020
};

const int kShowEnded = 5;

// Reads an integer at p; false when there is none.
bool ReadInt(const char*& p, int& value)
{
    char* end = nullptr;
    long v = strtol(p, &end, 10);
    if (end == p)
        return false;
    value = (int)v;
    p = end;
    return true;
}

} // namespace

std::string FormatPlacement(bool on, int left, int top, int width, int height)
{
    char text[96];
    snprintf(text, sizeof text, "%d::%d::%d::%d::%d", on ? 1 : 0, left, top, width, height);
    return text;
}

CPowerPointCtl::CPowerPointCtl() = default;

CPowerPointCtl::~CPowerPointCtl()
{
    try {
        Close(true);
    } catch (const CAutomationError&) {
    }
}

void CPowerPointCtl::Apply(const PPCommand& command)
{
    const int flags = command.m_nFlags;
    try {
        if (flags & PP_CLOSE)
            Close(false);
        if (flags & PP_PLACEMENT)
            SetPlacement(command.m_strText);
        if (flags & PP_LOAD)
            Open(command.m_strText);
        if (flags & PP_START)
            Start();
        if (flags & PP_NEXT)
            Next();
        if (flags & PP_PREVIOUS)
            Previous();
    } catch (const CAutomationError&) {
        // The command ends here; the next one is taken.
    }
}

bool CPowerPointCtl::Connect()
{
    if (m_nState == StateUnavailable)
        return false;
    if (!m_app.CreateDispatch(L"Powerpoint.Application")) {
        ShowEngineMessage("Registry Entry missing. Unable to  create Powerpoint object.\n"
                          " Application Shutting Down");
        m_nState = StateUnavailable;
        return false;
    }
    m_app.PutLong(APP_VISIBLE, 1);
    m_app.PutLong(APP_WINDOWSTATE, 2);
    // The program's own "Go" control would let the presenter's screen jump: switch it off
    // while we drive the show, and on again when we quit.
    m_commandBars.Attach(m_app.GetObject(APP_COMMANDBARS));
    long bars = m_commandBars.GetLong(BARS_COUNT);
    for (long i = 1; i <= bars && !m_goControl.IsValid(); ++i) {
        m_commandBar.Attach(m_commandBars.GetItem(i));
        if (m_commandBar.GetString(BAR_NAME) != "Slide Show")
            continue;
        m_controls.Attach(m_commandBar.GetObject(BAR_CONTROLS));
        long controls = m_controls.GetLong(CONTROLS_COUNT);
        for (long j = 1; j <= controls; ++j) {
            m_control.Attach(m_controls.GetItem(j));
            if (m_control.GetString(CONTROL_CAPTION) == "&Go") {
                m_control.PutBool(CONTROL_ENABLED, false);
                m_control.Get()->AddRef();
                m_goControl.Attach(m_control.Get());
                break;
            }
        }
    }
    m_nState = StateConnected;
    return true;
}

bool CPowerPointCtl::Open(const std::string& quotedPath)
{
    // The text is the path in quotes; anything shorter has no path at all.
    if (quotedPath.size() < 2 || m_nState == StateUnavailable)
        return false;
    return OpenPresentation(quotedPath.substr(1, quotedPath.size() - 2));
}

bool CPowerPointCtl::OpenPresentation(const std::string& path)
{
    if (m_nState == StateUnavailable)
        return false;
    m_strFile = path;
    if (m_nState >= StateOpen)
        Close(false);
    if (path.empty())
        return false;
    if (m_nState == StateNotConnected && !Connect())
        return false;
    m_presentations.Attach(m_app.GetObject(APP_PRESENTATIONS));
    m_presentation.Attach(m_presentations.CallOpen(PRESENTATIONS_OPEN, path, 0, -1, -1));
    m_presentationShow.Attach(m_presentation.GetObject(PRES_SHOWOBJECT));
    m_settings.Attach(m_presentation.GetObject(PRES_SETTINGS));
    m_nState = StateOpen;
    return true;
}

void CPowerPointCtl::StartShow()
{
    m_presentationShow.Call(SHOWOBJECT_PREPARE);
    m_settings.Attach(m_presentation.GetObject(PRES_SETTINGS));
    if (m_bPlace) {
        m_settings.PutFloat(SETTINGS_LEFT, (float)m_nPlaceLeft);
        m_settings.PutFloat(SETTINGS_TOP, (float)m_nPlaceTop);
        m_settings.PutFloat(SETTINGS_WIDTH, (float)m_nPlaceWidth);
        m_settings.PutFloat(SETTINGS_HEIGHT, (float)m_nPlaceHeight);
    }
    m_settings.GetLong(SETTINGS_RANGE);
    m_view.Attach(m_settings.GetObject(SETTINGS_RUN));
    m_view.PutLong(VIEW_ZOOM, 0);
    ReadShowState();
    m_nState = StateRunning;
}

void CPowerPointCtl::ReadShowState()
{
    m_nShowState = (int)m_view.GetLong(VIEW_STATE);
    m_nPosition = (int)m_view.GetLong(VIEW_POSITION);
}

void CPowerPointCtl::Start()
{
    if (m_nState == StateUnavailable || m_nState == StateNotConnected)
        return;
    if (m_nState == StateConnected && !m_strFile.empty())
        OpenPresentation(m_strFile);
    if (m_nState == StateOpen) {
        StartShow();
    } else if (m_nState == StateRunning) {
        m_view.Call(VIEW_FIRST);
        m_nShowState = (int)m_view.GetLong(VIEW_STATE);
    }
}

void CPowerPointCtl::Next()
{
    if (m_nState == StateRunning) {
        m_view.Call(m_nShowState != kShowEnded ? VIEW_NEXT : VIEW_FIRST);
        ReadShowState();
    } else if (m_nState == StateOpen && !m_strFile.empty()) {
        if (OpenPresentation(m_strFile)) {
            StartShow();
            m_view.Call(VIEW_FIRST);
        }
    }
}

void CPowerPointCtl::Previous()
{
    if (m_nState == StateRunning) {
        m_view.Call(m_nShowState != kShowEnded ? VIEW_PREVIOUS : VIEW_LAST);
        ReadShowState();
    } else if (m_nState == StateOpen && !m_strFile.empty()) {
        if (OpenPresentation(m_strFile)) {
            StartShow();
            m_view.Call(VIEW_LAST);
        }
    }
}

void CPowerPointCtl::ReleasePresentation()
{
    m_view.Release();
    m_settings.Release();
    m_presentationShow.Release();
    m_presentation.Release();
    m_presentations.Release();
}

void CPowerPointCtl::Close(bool quit)
{
    if (!m_app.IsValid())
        return;
    HRESULT closed = S_OK;
    if (m_nState >= StateOpen) {
        m_nState = StateConnected;
        try {
            m_presentation.Call(PRES_CLOSE);
        } catch (const CAutomationError& error) {
            closed = error.m_hr;
        }
        ReleasePresentation();
    }
    if (FAILED(closed) && !quit)
        throw CAutomationError(closed);
    if (quit && (SUCCEEDED(closed) || closed == E_FAIL)) {
        try {
            if (m_goControl.IsValid())
                m_goControl.PutBool(CONTROL_ENABLED, true);
            m_app.Call(APP_QUIT);
        } catch (const CAutomationError&) {
        }
        m_goControl.Release();
        m_control.Release();
        m_controls.Release();
        m_commandBar.Release();
        m_commandBars.Release();
        m_app.Release();
        m_nState = StateNotConnected;
    }
}

bool CPowerPointCtl::SetPlacement(const std::string& text)
{
    // "on::left::top::width::height"; a malformed text leaves the placement as it was.
    int values[5];
    const char* p = text.c_str();
    for (int i = 0; i < 5; ++i) {
        if (i > 0) {
            if (p[0] != ':' || p[1] != ':')
                return false;
            p += 2;
        }
        if (!ReadInt(p, values[i]))
            return false;
    }
    m_bPlace = values[0] != 0;
    m_nPlaceLeft = values[1];
    m_nPlaceTop = values[2];
    m_nPlaceWidth = values[3];
    m_nPlaceHeight = values[4];
    return true;
}

// ---- the process-wide thread ----------------------------------------------------------

namespace {

struct PowerPointWorker
{
    std::mutex lock;
    std::deque<PPCommand> queue;
    HANDLE work = nullptr;
    HANDLE thread = nullptr;
    HWND foreground = nullptr;
    volatile LONG stop = 0;
};

PowerPointWorker& Worker()
{
    static PowerPointWorker worker;
    return worker;
}

bool PopCommand(PPCommand& command)
{
    PowerPointWorker& w = Worker();
    std::lock_guard<std::mutex> guard(w.lock);
    if (w.queue.empty())
        return false;
    command = w.queue.front();
    w.queue.pop_front();
    return true;
}

DWORD WINAPI PowerPointThreadProc(LPVOID)
{
    PowerPointWorker& w = Worker();
    HRESULT ole = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(ole))
        ShowEngineMessage("OLE INIT FAILED");
    {
        CPowerPointCtl control;
        for (;;) {
            WaitForSingleObject(w.work, INFINITE);
            if (w.stop)
                break;
            PPCommand command;
            bool any = false;
            while (!w.stop && PopCommand(command)) {
                control.Apply(command);
                any = true;
            }
            // The presentation program takes the focus; the operator's keys belong here.
            if (any && w.foreground && IsWindow(w.foreground))
                SetForegroundWindow(w.foreground);
        }
    }
    if (SUCCEEDED(ole))
        CoUninitialize();
    return 0;
}

} // namespace

bool CPowerPointThread::Start(HWND foreground)
{
    PowerPointWorker& w = Worker();
    if (w.thread)
        return true;
    {
        std::lock_guard<std::mutex> guard(w.lock);
        w.queue.clear(); // every run starts afresh
    }
    w.foreground = foreground;
    InterlockedExchange(&w.stop, 0);
    w.work = CreateEvent(nullptr, FALSE, FALSE, nullptr);
    w.thread = CreateThread(nullptr, 0, PowerPointThreadProc, nullptr, 0, nullptr);
    if (!w.thread) {
        CloseHandle(w.work);
        w.work = nullptr;
        return false;
    }
    return true;
}

void CPowerPointThread::Queue(const PPCommand& command)
{
    PowerPointWorker& w = Worker();
    if (!w.thread)
        return;
    {
        std::lock_guard<std::mutex> guard(w.lock);
        w.queue.push_back(command);
    }
    SetEvent(w.work);
}

void CPowerPointThread::Stop()
{
    PowerPointWorker& w = Worker();
    if (!w.thread)
        return;
    InterlockedExchange(&w.stop, 1);
    SetEvent(w.work);
    WaitForSingleObject(w.thread, INFINITE);
    CloseHandle(w.thread);
    CloseHandle(w.work);
    w.thread = nullptr;
    w.work = nullptr;
    w.foreground = nullptr;
    std::lock_guard<std::mutex> guard(w.lock);
    w.queue.clear();
}

bool CPowerPointThread::IsRunning() { return Worker().thread != nullptr; }

size_t CPowerPointThread::Pending()
{
    PowerPointWorker& w = Worker();
    std::lock_guard<std::mutex> guard(w.lock);
    return w.queue.size();
}
