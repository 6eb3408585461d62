# Windows-only engine sources (prompter window, threads, timers, captions, slide shows).
set(SELVATRA_WIN_SOURCES
  SelvatraModule.cpp
  SpeedTable.cpp
  PromptState.cpp
  PromptLayout.cpp
  PromptBaseWnd.cpp
  PromptThreads.cpp
  PromptScripts.cpp
  PromptBitmaps.cpp
  PromptScroll.cpp
  PromptMarkers.cpp
  MarquillCmdWnd.cpp
)

# Operator controls, captions, clocks and slide shows.
list(APPEND SELVATRA_WIN_SOURCES
  EngineMessages.cpp
  CloseCaption.cpp
  CaptionWriter.cpp
  DispatchDriver.cpp
  PowerPointCtl.cpp
  ClockTime.cpp
  ClockGlyphs.cpp
  ClockWindows.cpp
  SelvatraClocks.rc
  PrompterOperator.cpp
  OperatorInput.cpp
  SecondPrompter.cpp
)
