# The operator's side: keys and mouse, captions, clocks, slide shows and the second prompter.
list(APPEND SELVATRA_WIN_SOURCES
  operator/EngineMessages.cpp
  operator/CloseCaption.cpp
  operator/CaptionWriter.cpp
  operator/DispatchDriver.cpp
  operator/PowerPointCtl.cpp
  operator/ClockTime.cpp
  operator/ClockGlyphs.cpp
  operator/ClockWindows.cpp
  operator/SelvatraClocks.rc
  operator/SelvatraCaptionSetup.rc
  operator/PrompterOperator.cpp
  operator/OperatorInput.cpp
  operator/SecondPrompter.cpp
)
