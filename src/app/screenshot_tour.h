#pragma once
// Pictures of the editor for looking at it without a desktop: the main window on each outer
// page and every dialog.

#include <QString>

namespace vorlan {

class TForm1;

// Writes the PNG files into directory; 0 when all were written, 1 otherwise.
int TakeScreenshotTour(TForm1& window, const QString& directory);

}  // namespace vorlan
