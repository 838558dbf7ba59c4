// Labels have fixed boxes; a caption that the default font makes too wide or
// too tall for its box gets a smaller font instead of a bigger box.
#pragma once

class QLabel;

namespace tunelark {

// Shrinks the label's font, one pixel at a time, until its text fits the
// label's current size (or a legible floor is reached). Returns whether the
// font was changed.
bool FitLabelFont(QLabel& label);

}  // namespace tunelark
