// Hands the caption data to a prompter before it is created: the replacement list (while
// replacement is on), the selected encoder profile (when one has that title) and the line.
#pragma once
#include "CaptionData.h"
#include "CaptionLineSettings.h"

class CPromptBaseWnd;

void ApplyCaptionSettings(CPromptBaseWnd& prompter, const CCaptionData& data,
                          const CCaptionLineSettings& line);
