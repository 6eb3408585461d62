# The feature objects (each feature issue appends its files here).
# Value formats: numbers, dates and times.
list(APPEND GX_CORE_SOURCES
  features/GXDateTimeImp.cpp
  features/GXNumberFormattingImp.cpp)
# Covered cells, their pool and drawing spanned blocks as one cell.
gx_add_feature(CoveredCellPool GXCoveredCellPool.cpp)
gx_add_feature(CoveredCells WIN GXGridCoveredCellsImp.cpp GXDrawSpannedCellsImp.cpp)
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
