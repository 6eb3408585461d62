# Windows-only engine sources (prompter window, threads, timers, captions, slide shows).
set(SELVATRA_WIN_SOURCES
  SelvatraModule.cpp
)
