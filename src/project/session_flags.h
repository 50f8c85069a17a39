#pragma once

namespace vaporis::project {

//! Choices that carry over between dialogs for the whole run (never saved).
struct SessionFlags {
    //! "output in HTML format" (box 1004 of every module dialog); off at start.
    bool htmlOutputFlag = false;
    //! Whether the gas pressure validity warning may still appear.
    bool validityWarningFlag = true;
};

}  // namespace vaporis::project
