// The listener a grid carries of its own (an application attaches one; the grid owns it):
// told about mouse moves, size changes, messages on their way to the window and changes
// of the rows and columns. Every operation is empty by default.
#pragma once
#include "core/GXDefs.h"
#include "fw/win.h"

class CGXGridCore;

// What CGXGridCore::NotifyGridListeners reports.
enum GXGridListenerEvent {
    gxListenCurrentCell = 0, // the current cell was set or a control was bound to it
    gxListenStructure = 1, // rows or columns were inserted, removed or counted anew
    gxListenActivated = 2 // the grid was activated
};

class CGXGridListener
{
public:
    virtual ~CGXGridListener() = default;
    virtual void OnStructureChanged(CGXGridCore*) { }
    // A mouse move while the grid does not hold the capture.
    virtual void OnGridMouseMove(CGXGridCore*, UINT /*nFlags*/, CPoint /*point*/) { }
    virtual void OnGridSized(CGXGridCore*, UINT /*nType*/, int /*cx*/, int /*cy*/) { }
    // A message the window or view is about to translate.
    virtual void OnGridMessage(CGXGridCore*, const MSG*) { }
};
