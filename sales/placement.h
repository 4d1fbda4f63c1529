#pragma once

class QWidget;

// Places a window over the main window as the list, picker and dialog windows do at load:
// centred across, and down by topFactor of the height left free. A child window of the main
// window is placed in its window area; without a main window nothing moves.
void PlaceInMainWindow(QWidget* form, double topFactor);
