// The script file formats the file dialogs offer.
#include "TXWords.h"

#include "MarquillResource.h"

ScriptFormatFilter CTXWordsApp::GetScriptFormatFilter(bool openDialog) const
{
    std::vector<std::string> strings;
    for (UINT id = IDS_FORMAT_WORD; id <= IDS_FORMAT_ALL; ++id) {
        char text[512] = {};
        AfxLoadString(id, text, sizeof text);
        strings.push_back(text);
    }
    return BuildScriptFormatFilter(strings, openDialog);
}
