#pragma once

#include <QString>

// Display scaling is settled once, before the application object exists.
void prepareDisplayScaling();
bool enableDpiAwareness();
// Logical pixels per inch of the screen divided by 96 (1.0 when unknown).
double dpiScale();
// Factor between the capture overlay's logical coordinates and screen pixels.
double screenScale();
