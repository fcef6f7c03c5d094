// Puts program input events into SDL's event queue as if the devices had
// sent them, so that a script can drive the real window end to end (the demo
// and the checks of the SDL back end's event translation use it).
#pragma once

#include "platform/Input.h"

// Coordinates are window pixels. Input kinds only (mouse, wheel, keys,
// characters); false for anything else or when SDL refuses the event.
bool InjectSdlInput(const InputEvent& event);
