# The grid model: styles, fonts, brushes, pens, ranges, parameters, styles map, user
# attributes, data object, collections, properties and the library's process-wide state.
list(APPEND GX_CORE_SOURCES
  core/GXArchiveHelpers.cpp
  core/GXChoiceList.cpp
  core/GXCollections.cpp
  core/GXData.cpp
  core/GXDIB.cpp
  core/GXFont.cpp
  core/GXFontTable.cpp
  core/GXGridParam.cpp
  core/GXLibraryState.cpp
  core/GXLongOperation.cpp
  core/GXPatterns.cpp
  core/GXPenBrush.cpp
  core/GXProperties.cpp
  core/GXRange.cpp
  core/GXResourceString.cpp
  core/GXStyle.cpp
  core/GXStylesMap.cpp
  core/GXSysColorCache.cpp
  core/GXUserAttribute.cpp)
# Windows only: bitmaps, drawing and the GDI caches.
list(APPEND GX_WIN_SOURCES
  core/GXDIBPool.cpp
  core/GXDrawingAndFormatting.cpp
  core/GXOleVarUserAttribute.cpp)
