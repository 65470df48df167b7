// The desktop's own wish for less animation. Qt 6.4 exposes none (its UI-effect flags are
// fixed per platform theme), so the desktop's settings portal is asked over D-Bus: the
// standard "reduced-motion" key, else GNOME's "enable-animations". The question never
// blocks the window: it is asked from a thread of its own, each call waits a second at
// most, and a bus that takes the connection and then never answers holds only that thread.
#pragma once

#include <functional>

// Calls `alResponder(true)`, in the main thread, if and when the desktop says it wants
// reduced motion.
void PreguntarDeseoCalma(std::function<void(bool)> alResponder);
