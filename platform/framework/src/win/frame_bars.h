// The frame's control bars as other parts of the framework need them.
#pragma once
class CFrameWnd;

namespace fw {

// Print preview takes the frame's room: its bars (all but the preview's own) hide while it
// shows and come back after; a bar hidden before the preview stays hidden.
void HideBarsForPreview(CFrameWnd* pFrame, bool bPreview);

} // namespace fw
