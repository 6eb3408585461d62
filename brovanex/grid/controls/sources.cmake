# The cell controls. The base, the factory and the window-less controls are always built;
# each further control adds its files with one line:
#   gx_add_control(CGXEditControl GXEditControl.cpp GXEditControlKeys.cpp)
# which also switches the factory from the static stand-in to the class for its ids.
list(APPEND GX_WIN_SOURCES
  controls/GXButtonControls.cpp
  controls/GXCellFind.cpp
  controls/GXCheckBox.cpp
  controls/GXChild.cpp
  controls/GXControl.cpp
  controls/GXControlEditing.cpp
  controls/GXControlInput.cpp
  controls/GXControlFactory.cpp
  controls/GXStatic.cpp
  controls/GXStaticCellText.cpp)
# The edit cell (the default control).
gx_add_control(CGXEditControl GXEditControl.cpp GXEditControlKeys.cpp GXEditControlFind.cpp)
# The date-time window with its gadgets, and the month and popup calendars.
list(APPEND GX_WIN_SOURCES
  controls/GXBCalendar.cpp
  controls/GXBCalendarPaint.cpp
  controls/GXBCalendarPanels.cpp
  controls/GXBCalendarSelect.cpp
  controls/GXBDateNames.cpp
  controls/GXBDateTimeButtonGadgets.cpp
  controls/GXBDateTimeCtrl.cpp
  controls/GXBDateTimeCtrlInput.cpp
  controls/GXBDateTimeCtrlFields.cpp
  controls/GXBDateTimeFieldGadgets.cpp
  controls/GXBDateTimeGadgets.cpp)
# The date-time cell (ids 52543 and 52544).
gx_add_control(CGXDateTimeCtrl GXDateTimeCtrl.cpp GXDateTimeCtrlDraw.cpp GXDateTimeCtrlFind.cpp
  GXDateTimeCtrlKeys.cpp)
# The currency number format (window-free).
list(APPEND GX_CORE_SOURCES controls/GXBCurrencyFormat.cpp)
# The calculator's arithmetic (window-free).
list(APPEND GX_CORE_SOURCES controls/GXBCalcEngine.cpp)
# Stored OLE objects and rich-text values (window-free).
list(APPEND GX_CORE_SOURCES controls/GXOleObjectHeader.cpp controls/GXRichTextValue.cpp)
# The browser grid's parameter record (window-free) and the OLE object cell (id 20132) with
# its viewers and the container side it gives the objects.
list(APPEND GX_CORE_SOURCES controls/GXBrowseParam.cpp)
gx_add_control(CGXOlePreview GXOlePreview.cpp GXOleViewer.cpp GXOleSites.cpp)
# The currency cell control.
gx_add_control(CGXCurrencyEdit GXCurrencyEdit.cpp GXCurrencyEditFind.cpp)
# The calculator window and the currency edit window with its drop button.
list(APPEND GX_WIN_SOURCES
  controls/GXBCalculator.cpp
  controls/GXBDropEdit.cpp
  controls/GXBCurrencyEdit.cpp
  controls/GXBCurrencyEditEditing.cpp)
# The input-mask rules of the masked edit (window-free).
list(APPEND GX_CORE_SOURCES controls/GXMaskData.cpp)
# The progress cell (id 52536).
gx_add_control(CGXProgressCtrl GXProgressCtrl.cpp)
# Child arrow and hot-spot buttons, and cell tips.
list(APPEND GX_WIN_SOURCES controls/GXArrowButton.cpp controls/GXCellTip.cpp)
# The list-box cell (id 52522).
gx_add_control(CGXListBox GXListBox.cpp)
# The password, scroll and hot-spot edits (ids 52537, 52521, 52518).
gx_add_control(CGXPasswordControl GXEditVariants.cpp)
gx_add_control(CGXVScrollEdit)
gx_add_control(CGXHotSpotEdit)
# The spin cell (id 52519).
gx_add_control(CGXSpinEdit GXSpinEdit.cpp)
# The masked edit cell (id 52535).
gx_add_control(CGXMaskControl GXMaskControl.cpp GXMaskControlKeys.cpp)
# The rich-text cell (id 52534).
gx_add_control(CGXRichEditCtrl GXRichEditCtrl.cpp GXRichEditCtrlFormat.cpp
  GXRichEditCtrlFind.cpp)
# The combo box with its drop-down list (ids 52517, 52525-52527, 52531, 52532).
gx_add_control(CGXComboBox GXComboBox.cpp GXComboBoxList.cpp)
# The windowed combo box (ids 52528, 52529).
gx_add_control(CGXComboBoxWnd GXComboBoxWnd.cpp GXComboBoxWndKeys.cpp GXComboBoxWndFind.cpp)
# The check-list combo box (id 52542).
gx_add_control(CGXCheckListComboBox GXCheckListComboBox.cpp)
# The tabbed combo box on the drop-down list cell (id 52541).
gx_add_control(CGXTabbedComboBox GXTabbedComboBox.cpp GXTabbedComboBoxList.cpp
  GXTabbedComboBoxTable.cpp GXTabbedSharedTable.cpp)
# The windowed tabbed combo box (ids 52539, 52540).
gx_add_control(CGXTabbedComboBoxWnd GXTabbedComboBoxWnd.cpp GXTabbedComboBoxWndList.cpp)
