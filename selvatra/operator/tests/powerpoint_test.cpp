// Slide-show control against the automation stand-in: the exact calls for load, start, next,
// previous (also after the show ended), close and quit; placement; texts too short or
// malformed; and the "not available" path when nothing is registered.
#include <gtest/gtest.h>

#include <objbase.h>

#include <algorithm>
#include <string>
#include <vector>

#include "EngineMessages.h"
#include "PowerPointCtl.h"
#include "standins/AutomationStandIn.h"

namespace {

std::vector<std::string> g_messages;
void CollectMessage(const char* text) { g_messages.push_back(text); }

typedef std::vector<std::string> Calls;

const Calls kConnect = {
    "Application.create",           "Application.put 2030(1)",
    "Application.put 2029(2)",      "Application.get 2007()",
    "CommandBars.get 0x60030003()", "CommandBars.get 0(1)",
    "CommandBar.get 0x6004000E()",  "CommandBars.get 0(2)",
    "CommandBar.get 0x6004000E()",  "CommandBar.get 0x60040003()",
    "Controls.get 0x60030001()",    "Controls.get 0(1)",
    "Control.get 0x60040003()",     "Controls.get 0(2)",
    "Control.get 0x60040003()",     "Control.put 0x6004000A(false)",
};
const Calls kOpen = {
    "Application.get 2001()",
    "Presentations.call 2004(\"C:\\shows\\news.ppt\",0,-1,-1)",
    "Presentation.get 2015()",
    "Presentation.get 2047()",
};
const Calls kStartShow = {
    "ShowObject.call 2008()", "Presentation.get 2047()", "Settings.get 2011()",
    "Settings.get 2003()",    "View.put 2007(0)",        "View.get 2006()",
    "View.get 2027()",
};
const char kPath[] = "\"C:\\shows\\news.ppt\"";

Calls Join(std::initializer_list<Calls> parts)
{
    Calls all;
    for (const Calls& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class SlideShow : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(s_server.Loaded()) << "AutomationStandIn.dll next to the test";
        ASSERT_TRUE(s_server.Register());
    }
    static void TearDownTestSuite() { EXPECT_TRUE(s_server.Unregister()); }
    void SetUp() override
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        g_messages.clear();
        m_previous = SetEngineMessageHook(CollectMessage);
        s_server.Clear();
    }
    void TearDown() override
    {
        SetEngineMessageHook(m_previous);
        CoUninitialize();
    }
    static AutomationStandIn s_server;
    PFN_ENGINEMESSAGE m_previous = nullptr;
};
AutomationStandIn SlideShow::s_server;

} // namespace

TEST_F(SlideShow, LoadStartNextPreviousCloseAndQuit)
{
    {
        CPowerPointCtl control;
        control.Apply(PPCommand(PP_LOAD, kPath));
        EXPECT_EQ(control.m_nState, CPowerPointCtl::StateOpen);
        EXPECT_EQ(control.m_strFile, "C:\\shows\\news.ppt");
        EXPECT_EQ(s_server.Log(), Join({kConnect, kOpen}));

        s_server.Clear();
        control.Apply(PPCommand(PP_START, ""));
        control.Apply(PPCommand(PP_NEXT, ""));
        control.Apply(PPCommand(PP_PREVIOUS, ""));
        EXPECT_EQ(control.m_nState, CPowerPointCtl::StateRunning);
        EXPECT_EQ(s_server.Log(),
                  Join({kStartShow,
                        {"View.call 2019()", "View.get 2006()", "View.get 2027()",
                         "View.call 2020()", "View.get 2006()", "View.get 2027()"}}));

        s_server.Clear();
        control.Apply(PPCommand(PP_CLOSE, ""));
        EXPECT_EQ(control.m_nState, CPowerPointCtl::StateConnected);
        EXPECT_EQ(s_server.Log(), Calls({"Presentation.call 2039()"}));
        s_server.Clear();
    }
    // Destruction gives the program its "Go" control back and quits it.
    EXPECT_EQ(s_server.Log(), Calls({"Control.put 0x6004000A(true)", "Application.call 2021()"}));
    EXPECT_TRUE(g_messages.empty());
}

TEST_F(SlideShow, AfterTheShowEndedNextGoesToTheFirstAndPreviousToTheLast)
{
    CPowerPointCtl control;
    control.Apply(PPCommand(PP_LOAD | PP_START, kPath)); // one record: load, then start
    ASSERT_EQ(control.m_nState, CPowerPointCtl::StateRunning);
    s_server.Clear();
    s_server.SetShowState(5);
    control.m_nShowState = 5;
    control.Apply(PPCommand(PP_NEXT, ""));
    control.Apply(PPCommand(PP_PREVIOUS, ""));
    EXPECT_EQ(s_server.Log(),
              Calls({"View.call 2017()", "View.get 2006()", "View.get 2027()", "View.call 2018()",
                     "View.get 2006()", "View.get 2027()"}));
}

TEST_F(SlideShow, PlacementIsPutBeforeTheShowStarts)
{
    struct Case
    {
        std::string text;
        bool applied;
        Calls puts;
    } cases[] = {
        {FormatPlacement(true, 10, 20, 640, 480),
         true,
         {"Settings.put 2006(10)", "Settings.put 2007(20)", "Settings.put 2008(640)",
          "Settings.put 2009(480)"}},
        {"0::10::20::640::480", true, {}}, // first number 0: placement off
        {"1::10::20", false, {}}, // malformed: the instruction is switched off
        {"", false, {}},
        {"1;;2;;3;;4;;5", false, {}},
    };
    for (const Case& c : cases) {
        CPowerPointCtl control;
        EXPECT_EQ(control.SetPlacement(c.text), c.applied) << c.text;
        control.Apply(PPCommand(PP_LOAD, kPath));
        s_server.Clear();
        control.Apply(PPCommand(PP_START, ""));
        Calls expected = kStartShow;
        expected.insert(expected.begin() + 2, c.puts.begin(), c.puts.end());
        EXPECT_EQ(s_server.Log(), expected) << c.text;
    }
    CPowerPointCtl control;
    control.SetPlacement("0::1::2::3::4");
    EXPECT_EQ(control.m_bPlace, 0);
    EXPECT_EQ(control.m_nPlaceLeft, 1); // the numbers are still stored
    EXPECT_EQ(control.m_nPlaceHeight, 4);
}

TEST_F(SlideShow, LoadTextsTooShortDoNothing)
{
    CPowerPointCtl control;
    control.Apply(PPCommand(PP_LOAD, "x")); // no room for the quotes: switched off
    control.Apply(PPCommand(PP_LOAD, ""));
    EXPECT_EQ(control.m_nState, CPowerPointCtl::StateNotConnected);
    control.Apply(PPCommand(PP_LOAD, "\"\"")); // an empty path is stored; starts do nothing
    EXPECT_EQ(control.m_strFile, "");
    control.Apply(PPCommand(PP_START, ""));
    control.Apply(PPCommand(PP_NEXT, ""));
    EXPECT_TRUE(s_server.Log().empty());
}

TEST_F(SlideShow, FailedOpenEndsTheCommandOnly)
{
    CPowerPointCtl control;
    s_server.FailOpen(true);
    control.Apply(PPCommand(PP_LOAD | PP_START, kPath));
    EXPECT_EQ(control.m_nState, CPowerPointCtl::StateConnected);
    s_server.FailOpen(false);
    s_server.Clear();
    // A later start loads the stored path again.
    control.Apply(PPCommand(PP_START, ""));
    EXPECT_EQ(control.m_nState, CPowerPointCtl::StateRunning);
    EXPECT_EQ(s_server.Log(), Join({kOpen, kStartShow}));
}

TEST_F(SlideShow, TheThreadCarriesOutQueuedCommandsAndQuitsOnStop)
{
    ASSERT_TRUE(CPowerPointThread::Start(nullptr));
    EXPECT_TRUE(CPowerPointThread::Start(nullptr)); // one thread per process
    CPowerPointThread::Queue(PPCommand(PP_PLACEMENT, FormatPlacement(true, 1, 2, 3, 4)));
    CPowerPointThread::Queue(PPCommand(PP_LOAD, kPath));
    CPowerPointThread::Queue(PPCommand(PP_START, ""));
    CPowerPointThread::Queue(PPCommand(PP_NEXT, ""));
    auto logged = [](const char* call) {
        Calls log = s_server.Log();
        return std::find(log.begin(), log.end(), call) != log.end();
    };
    for (int i = 0; i < 500 && !logged("View.call 2019()"); ++i)
        Sleep(10);
    CPowerPointThread::Stop();
    EXPECT_FALSE(CPowerPointThread::IsRunning());
    Calls log = s_server.Log();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "Application.create");
    EXPECT_NE(std::find(log.begin(), log.end(), "Settings.put 2009(4)"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "View.call 2019()"), log.end());
    // Stopping closes the presentation and quits the program.
    Calls tail(log.end() - 3, log.end());
    EXPECT_EQ(tail,
              Calls({"Presentation.call 2039()", "Control.put 0x6004000A(true)",
                     "Application.call 2021()"}));
}

TEST(SlideShowUnavailable, NothingRegisteredIsReportedOnceAndCommandsDoNothing)
{
    AutomationStandIn server;
    ASSERT_TRUE(server.Loaded());
    EXPECT_TRUE(server.Unregister());
    server.Clear();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    g_messages.clear();
    PFN_ENGINEMESSAGE previous = SetEngineMessageHook(CollectMessage);
    {
        CPowerPointCtl control;
        control.Apply(PPCommand(PP_LOAD | PP_START, kPath));
        EXPECT_EQ(control.m_nState, CPowerPointCtl::StateUnavailable);
        control.Apply(PPCommand(PP_LOAD, kPath));
        control.Apply(PPCommand(PP_NEXT | PP_CLOSE, ""));
        EXPECT_EQ(control.m_nState, CPowerPointCtl::StateUnavailable);
    }
    SetEngineMessageHook(previous);
    CoUninitialize();
    ASSERT_EQ(g_messages.size(), 1u);
    EXPECT_EQ(g_messages[0],
              "Registry Entry missing. Unable to  create Powerpoint object.\n"
              " Application Shutting Down");
    EXPECT_TRUE(server.Log().empty());
}
