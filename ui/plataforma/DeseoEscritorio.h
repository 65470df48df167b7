// The desktop's own wish for less animation. Qt 6.4 exposes none (its UI-effect flags are
// fixed per platform theme), so the desktop's settings portal is asked over D-Bus: the
// standard "reduced-motion" key, else GNOME's "enable-animations". The question never
// blocks: with no session bus or no portal there is simply no answer.
#pragma once

#include <functional>

// Calls `alResponder(true)` if and when the desktop says it wants reduced motion.
void PreguntarDeseoCalma(std::function<void(bool)> alResponder);
