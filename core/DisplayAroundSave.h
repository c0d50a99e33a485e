// A tool's display is taken off the page before its document is saved, so that the file
// never holds it, and shown again once the save has reported back. A save that fails
// never reports back: the display then comes back at the next idle event, or the page
// would be left without it while the tool still runs.
#pragma once

#include <utility>

class DisplayAroundSave {
public:
    // The display was taken off for a save of its document.
    void takenOff() { off_ = true; }
    // Whether the display is off for a save that has not reported back.
    bool isOff() const { return off_; }
    // Whether the display is to be shown again now: once, when it was taken off.
    bool showAgain() { return std::exchange(off_, false); }
    // The run ended: nothing is to come back.
    void forget() { off_ = false; }

private:
    bool off_ = false;
};
