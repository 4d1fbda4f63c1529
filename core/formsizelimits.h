#pragma once

#include "platform/twips.h"

#include <QSize>

class QWidget;

// The size limits of one window in pixels; 0 means no limit of that kind.
struct FormSizeLimits
{
    int FormMinWidth = 0;
    int FormMinHeight = 0;
    int FormMaxWidth = 0;
    int FormMaxHeight = 0;

    // The limits the window really enforces: a minimum counts above 100 pixels, a maximum when
    // it is more than 100 pixels above the minimum; otherwise the platform's own limit holds.
    QSize minimumSize() const;
    QSize maximumSize() const;
};

// The four limits of a window given in twips.
FormSizeLimits FormSizeLimitsFromTwips(int MinWidth, int MinHeight, int MaxWidth, int MaxHeight);

// Gives a resizable window its own minimum (and optional maximum) size, given in twips, and sets it
// to its minimum size at once. An MDI child's limits go to the sub-window that frames it. Each
// window keeps its own limits; a second call replaces that window's limits.
void SetFormSizeLimits(QWidget* Frm, int MinWidth, int MinHeight, int MaxWidth, int MaxHeight);

// The limits last given to a window (all 0 for a window that never had any).
FormSizeLimits FormSizeLimitsOf(const QWidget* Frm);
