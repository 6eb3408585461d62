# Window-free engine sources (data model, RTF reader): built into Selvatra.dll and natively.
set(SELVATRA_CORE_SOURCES
  qelstring.cpp
  PromptModel.cpp
  TextConversion.cpp
  RtfKeywords.cpp
  RtfToken.cpp
  PromptTextReader.cpp
  RtfRunReader.cpp
  RtfControlWords.cpp
)
