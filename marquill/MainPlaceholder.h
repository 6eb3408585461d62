// The program's main window until the MDI frame with its bars takes its place: a window
// of the class "MarquillClass" that restores the saved placement and stores it on closing.
#pragma once
#include "framework.h"

class CTXWordsApp;

class CMainPlaceholder : public CWnd
{
public:
    BOOL CreateMain(CTXWordsApp* app);

protected:
    void OnPaint();
    void OnClose();
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

private:
    CTXWordsApp* m_pApp = nullptr;
};
