#pragma once

#include <QtGlobal>

class Grid;

// Lays out the printable sheet of an order in grid sheet and fills it: the title, the two parties,
// the lines copied from source (the order list's grid of entered lines when isMul, of lines
// expanded to single products otherwise), the total and discounted amounts in figures and in
// Chinese capitals, the delivery date, the remark when there is one and the two signature rows,
// with the lines' block framed. Without an order row the sheet gets its layout only.
void BuildOrderSheet(Grid* sheet, const Grid* source, bool isMul, qint32 orderId);
