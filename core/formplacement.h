#pragma once

class QWidget;

// Places a child window of the main window in its area: centred across, and down by topFactor of
// the room left above and below it, never above or left of the area. A window outside the main
// window's area stays where it is.
void PlaceInMainWindow(QWidget* Frm, double topFactor);
