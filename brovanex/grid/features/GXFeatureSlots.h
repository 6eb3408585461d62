// Indexes of the per-grid feature table inside CGXGridCore. A null slot means the
// feature is off: the core's forwarder does nothing and answers 0.
#pragma once

enum GXFeatureSlot {
    gxSlotPrint = 2,
    gxSlotSort = 3,
    gxSlotOldDrawing = 4,
    gxSlotCoveredCells = 5,
    gxSlotDrawSpannedCells = 6,
    gxSlotFloatCells = 7,
    gxSlotMergeCells = 8,
    gxSlotCommandFactory = 9,
    gxSlotCalcSize = 10,
    gxSlotUpdateHint = 11,
    gxSlotResizeToFit = 12,
    gxSlotHideCells = 13,
    gxSlotFindReplace = 14,
    gxSlotUserSelectRange = 15,
    gxSlotExcelLikeFrame = 16,
    gxSlotExcelLikeFill = 17,
    gxSlotUserDragSelectRange = 18,
    gxSlotMoveRowsCols = 19,
    gxSlotUserResizeCells = 20,
    gxSlotOptimizedUpdate = 21,
    gxSlotMarkEditHeader = 22,
    gxSlotFreezeMenuHelper = 23,
    gxSlotDirectCopyMoveCells = 24,
    gxSlotTextDataExchange = 25,
    gxSlotStyleDataExchange = 26,
    gxSlotCutPaste = 27,
    gxSlotClearCells = 28,
    gxSlotRangeName = 29, // no object of the library fills 29 to 31
    gxSlotReserved30 = 30,
    gxSlotReserved31 = 31,
    gxSlotAutoScroll = 35,
    gxFeatureSlotCount = 36
};
