#pragma once

class QWidget;

// Places a window over the main window as the list, picker and dialog windows do at load: centred
// across, and down by topFactor of the height left free. A child window of the main window is
// placed in its window area (never above or left of it); a window of its own over the shown main
// window; without a main window nothing moves.
void PlaceInMainWindow(QWidget* Frm, double topFactor);
