#pragma once

#include <QString>

// The check dialog's two lines about the order: its cost and its sell price.
QString OrderCheckInfo(qint32 orderId);

// Stores the result of checking an order: the real sell price, the checked and finished flags and
// today as overdate, with its log row, together.
void SaveOrderCheck(qint32 orderId, double realSell, bool checked, bool finished);
