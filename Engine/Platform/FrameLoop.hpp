#pragma once
// The program's frame loop, the same on every platform: framePass runs once per
// frame until it returns false, then onLoopEnded runs once.
//
// On the desktop the loop runs in place and RunFrameLoop returns after
// onLoopEnded. In the browser the page must get control back between frames, so
// the browser calls framePass from its animation frames (which also pace them)
// and RunFrameLoop never returns to its caller: whatever the passes use must
// outlive the calling function. The page's Module.onFirstFrameDrawn is called
// after the first pass, and its Module.onFrameLoopEnded after onLoopEnded,
// each when the page has one.

#include <functional>

void RunFrameLoop(std::function<bool()> framePass, std::function<void()> onLoopEnded);
