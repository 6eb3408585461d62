# The reader: the engine's data model, RTF tokens, script text to formatted runs (window-free,
# built into Selvatra.dll and natively) and line layout (Windows only: it measures with GDI).
list(APPEND SELVATRA_CORE_SOURCES
  reader/qelstring.cpp
  reader/PromptModel.cpp
  reader/TextConversion.cpp
  reader/RtfKeywords.cpp
  reader/RtfToken.cpp
  reader/PromptTextReader.cpp
  reader/RtfRunReader.cpp
  reader/RtfControlWords.cpp
  reader/ScriptParagraphs.cpp
)
list(APPEND SELVATRA_WIN_SOURCES
  reader/PromptLayout.cpp
)
