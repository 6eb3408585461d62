# The feature objects (each feature issue appends its files here).
# Value formats: numbers, dates and times.
list(APPEND GX_CORE_SOURCES
  features/GXDateTimeImp.cpp
  features/GXNumberFormattingImp.cpp)
# Covered cells, their pool and drawing spanned blocks as one cell.
gx_add_feature(CoveredCellPool GXCoveredCellPool.cpp)
gx_add_feature(CoveredCells WIN GXGridCoveredCellsImp.cpp GXDrawSpannedCellsImp.cpp)
# The span-cell and delayed-range pools that merged and floating cells keep their blocks in.
gx_add_feature(SpanCellPool GXSpanCellPool.cpp)
gx_add_feature(DelayedRangePool GXDelayedRangePool.cpp)
# Merged and floating cells (every grid has them; each is off until its mode is set).
gx_add_feature(MergeCells WIN GXGridMergeCellsImp.cpp)
gx_add_feature(FloatCells WIN GXGridFloatCellsImp.cpp)
# The alternate drawing path (taken when the parameter object's old-drawing setting is on).
gx_add_feature(OldDrawing WIN GXGridOldDrawingImp.cpp)
# Hidden rows and columns; the size a cell's content needs and rows and columns fitted to it.
gx_add_feature(HideCells GXHiddenBits.cpp WIN GXGridHideCellsImp.cpp)
gx_add_feature(ResizeToFit WIN GXCalcSizeImp.cpp GXGridResizeToFitImp.cpp)
# The redraw after rows and columns were inserted, removed or resized.
gx_add_feature(OptimizedUpdate WIN GXGridOptimizedUpdateImp.cpp)
# Text in rotated fonts.
gx_add_feature(DrawRotatedText WIN GXDrawRotatedTextImp.cpp)
# Undo and redo: the commands and the command factory.
gx_add_feature(UndoRedo WIN GXCommand.cpp GXCommands.cpp GXCommandFactory.cpp
  GXCommandFactoryMenus.cpp)
# Moving rows and columns (switched on by a program, not by the factory).
gx_add_feature(MoveRowsCols WIN GXGridMoveRowsColsImp.cpp)
# Update hints between the views of one document.
gx_add_feature(UpdateHint WIN GXGridUpdateHintImp.cpp)
# Freezing rows and columns from the selection.
gx_add_feature(FreezeMenuHelper WIN GXGridFreezeMenuHelperImp.cpp)
# Copying and moving stored cells, and rewriting stored rows and columns in a sorted order.
gx_add_feature(DataCopyMoveCells GXDataCopyMoveCellsImp.cpp)
gx_add_feature(GridSortMoveData GXGridSortMoveDataImp.cpp)
# The clipboard's byte formats: tab-separated text and the style block.
list(APPEND GX_CORE_SOURCES features/GXClipboardFormats.cpp)
# Long-operation feedback (wait cursor, status text, Esc to cancel).
gx_add_feature(LongOperation WIN GXLongOperationImp.cpp)
# Clearing cells, text and style exchange, cut, copy and paste, direct copy and move.
list(APPEND GX_WIN_SOURCES features/GXExchangeHelpers.cpp)
gx_add_feature(ClearCells WIN GXGridClearCellsImp.cpp)
gx_add_feature(TextDataExchange WIN GXGridDataExchangeImp.cpp)
gx_add_feature(StyleDataExchange)
gx_add_feature(DirectCopyMoveCells WIN GXGridDirectCopyMoveCellsImp.cpp)
gx_add_feature(CutPaste WIN GXGridCutPasteImp.cpp)
# Styles in archives, style comparison and the reader of the older style layout.
gx_add_feature(StyleSerialize GXStyleSerializeImp.cpp)
gx_add_feature(StyleCompareSubset GXStyleCompareSubsetImp.cpp)
gx_add_feature(SerializeTQ5Compatible GXSerializeTQ5CompatibleImp.cpp)
# Grid documents: the parameter object with its styles map, data, properties and print device.
gx_add_feature(GridDocSerialize GXGridDocSerializeImp.cpp)
# Deep copies of parameter objects, styles maps and properties.
gx_add_feature(GridParamCopyOperator GXGridParamCopyOperatorImp.cpp)
# The printer each grid remembers and the print dialogs on it.
gx_add_feature(PrintDevice WIN GXPrintDeviceImp.cpp)
# Grid settings and styles in the application's profile.
gx_add_feature(GridProfile WIN GXGridProfileImp.cpp)
# Printing a grid in pages with its header and footer.
gx_add_feature(Printing WIN GXGridPrintImp.cpp GXGridPrintImpHeaderFooter.cpp)
# Selecting ranges with the mouse and the keys.
gx_add_feature(UserSelectRange WIN GXGridUserSelectRangeImp.cpp)
# Marking the headers of the current cell and of a row or column being sized.
gx_add_feature(MarkEditHeader WIN GXGridMarkEditHeaderImp.cpp)
# Sorting rows and columns by key columns and rows, with undo.
gx_add_feature(Sort GXSortInfo.cpp WIN GXGridSortImp.cpp)
# Sizing rows and columns by dragging their header edges.
gx_add_feature(UserResizeCells WIN GXGridUserResizeCellsImp.cpp)
# Dragging selected rows and columns by their headers.
gx_add_feature(UserDragSelectRange WIN GXGridUserDragSelectRangeImp.cpp)
# Find and replace in a grid's column with the library's find dialog.
gx_add_feature(FindReplace WIN GXFindReplaceInfo.cpp GXGridFindReplaceImp.cpp
  GXGridFindReplaceDialog.cpp)
# Auto-scroll while the mouse is held beyond the grid (a plug-in of the grid window).
gx_add_feature(AutoScroll WIN GXAutoScrollPlugin.cpp)
# The spreadsheet-like selection frame and the fill handle's drag.
gx_add_feature(ExcelLikeFrame WIN GXGridExcelLikeFrameImp.cpp)
gx_add_feature(ExcelLikeFill WIN GXGridExcelLikeFillImp.cpp)
