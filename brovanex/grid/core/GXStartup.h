// Starting one copy of the grid library: the control factory, the process-wide texts, the
// window classes, the system colours. Brovanex's GridInit and Marquill's start-up each call
// GXStartGridLibrary once, for their own copy.
#pragma once
#include "core/GXDefs.h"
#include "fw/win.h"

class CGXControlFactory;
class CGXGridLibraryState;

// Installs the factory (owned by the library state from then on), loads the texts,
// registers the window classes and reads the system colours. A second call replaces the
// factory and skips classes that exist already.
void GXStartGridLibrary(DWORD dwReserved0, CGXControlFactory* pFactory, DWORD dwReserved1 = 0,
                        DWORD dwReserved2 = 0);
// The factory's classes, then "GXEDIT", "GXLISTBOX", "GXCOMBOBOX", "GXWND",
// "GXNDBLCLKSWND" and "GxMdiFrame" when the instance does not have them yet.
void GXRegisterGridClasses(HINSTANCE hInstance);
// The parent of a window when it is of the class (null otherwise; without bIgnoreIconic
// also null when any ancestor is minimised).
CWnd* GXGetParentOfClass(CWnd* pWnd, CRuntimeClass* pClass, BOOL bIgnoreIconic);
// The main frame's active view, or its active child frame's.
CView* GXGetActiveView();
// The four process-wide texts loaded with the state's texts (ids 20081, 20075, 20076,
// 20077: the grid, rows, columns and cells).
const CString& GXGetProcessText(int nIndex);
// Frees the state's window-bound objects (the factory, the tab-window interface, the
// drawing object); the state calls it at shut-down.
void GXReleaseWindowObjects(CGXGridLibraryState& state);
