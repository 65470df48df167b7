// What the game asks of Qt before the application object exists.
#pragma once

// Call first in main(), before QApplication: Qt reads these settings as it starts.
void PrepararEntornoQt();
