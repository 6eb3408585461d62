# The show's data: rows and row list, column information and column formats, and the
# rundown's time arithmetic. Window-free: also built natively.
list(APPEND BROVANEX_CORE_SOURCES
  rundown/RundownTime.cpp
  rundown/GridNotify.cpp
  rundown/FileInfo.cpp
  rundown/BaseScriptList.cpp
  rundown/ColInfo.cpp
  rundown/FmtGridCol.cpp
  rundown/FmtGrid.cpp)

# The rundown's windows and dialogs: Windows only.
list(APPEND BROVANEX_WIN_SOURCES
  rundown/LibraryResourceScope.cpp
  rundown/ColumnSelectDlg.cpp
  rundown/NewScriptDlg.cpp)
list(APPEND BROVANEX_WIN_SOURCES
  rundown/MyGridWnd.cpp
  rundown/BaseGrid.cpp
  rundown/BaseGridRows.cpp
  rundown/RundownDoc.cpp
  rundown/RundownView.cpp
  rundown/RundownPrint.cpp
  rundown/ViewPrintPreview.cpp)
