#pragma once

#include <functional>

#include "shell/frame_label_draw.h"

class QWidget;

namespace tavrin {

class InstanceLock;

// The start-up sequence, run by main before its event loop:
//   1. when another copy already holds `lock`, say so ("Application is
//      already running") and return false: nothing else happens, no setting
//      is read or written, and the caller ends the program;
//   2. seed the program's random generator from the clock;
//   3. the update reminder;
//   4. and 5. `showEntryForm`, which shows the entry form and brings the
//      drawn one of its two frame labels to the front.
bool StartUp(InstanceLock& lock, const std::function<void(FrontFrameLabel front)>& showEntryForm);

// Brings the drawn one of the two labels that share the entry form's frame
// to the front.
void RaiseFrontFrameLabel(FrontFrameLabel front, QWidget& cobrand, QWidget& fullBrand);

// The message of step 1: information icon, OK only, the application title.
void ShowAlreadyRunning();

}  // namespace tavrin
