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
  core/GXGridParamListCache.cpp
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
# The grid core that draws: the core class (split by concern), the grid window and the
# plug-in base.
list(APPEND GX_WIN_SOURCES
  core/GXGridCore.cpp
  core/GXGridCoreCaches.cpp
  core/GXGridCoreCell.cpp
  core/GXGridCoreControls.cpp
  core/GXGridCoreCoords.cpp
  core/GXGridCoreDC.cpp
  core/GXGridCoreEvents.cpp
  core/GXGridCoreFocus.cpp
  core/GXGridCoreForwarders.cpp
  core/GXGridCoreForwardersData.cpp
  core/GXGridCoreInsertRemove.cpp
  core/GXGridCoreKeys.cpp
  core/GXGridCoreMouse.cpp
  core/GXGridCoreInvalidate.cpp
  core/GXGridCorePaint.cpp
  core/GXGridCorePaintLines.cpp
  core/GXGridCoreScroll.cpp
  core/GXGridCoreSizes.cpp
  core/GXGridCoreStructure.cpp
  core/GXGridCoreStyles.cpp
  core/GXGridWnd.cpp
  core/GXPluginComponent.cpp
  core/GXStartup.cpp)
# The grid a person uses: scroll bars, the tab window and its strip, the drag line and the
# print device.
list(APPEND GX_WIN_SOURCES
  core/GXDragLineWnd.cpp
  core/GXEditLabelPopup.cpp
  core/GXGridCoreScrollBars.cpp
  core/GXGridMessages.cpp
  core/GXGridView.cpp
  core/GXPrintDevice.cpp
  core/GXTabBeam.cpp
  core/GXTabBeamPaint.cpp
  core/GXTabWnd.cpp
  core/GXTabWndPanes.cpp
  core/GXTabWndViews.cpp)
