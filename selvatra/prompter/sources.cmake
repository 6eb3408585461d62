# The prompter: window, records, off-screen bitmaps, worker threads, scrolling and markers.
list(APPEND SELVATRA_WIN_SOURCES
  prompter/SpeedTable.cpp
  prompter/PromptState.cpp
  prompter/PromptFaults.cpp
  prompter/PromptBaseWnd.cpp
  prompter/PromptThreads.cpp
  prompter/PromptScripts.cpp
  prompter/PromptBitmaps.cpp
  prompter/PromptScroll.cpp
  prompter/PromptMarkers.cpp
  prompter/MarquillCmdWnd.cpp
)
