// cairo and fontconfig keep what they learnt of the fonts for the rest of the process
// and never let it go, which a leak checker (the sanitizer builds) reports as lost
// memory. Once text has been drawn, the host lets those caches go when the process
// ends, after every picture is finished.
#pragma once

namespace simhost::render {

class FontCaches {
public:
    // Safe to call as often as wanted; the release is arranged once.
    static void releaseAtExit();
};

}  // namespace simhost::render
