#pragma once

#include <QString>

// A money amount in Chinese capital numerals with yuan, jiao and fen, as printed on the order
// sheet: 1234.56 gives 壹仟贰佰叁拾肆元伍角陆分, 50000 gives 伍万元整, 0 gives 零.
QString MoneyToChinese(double Amount);
