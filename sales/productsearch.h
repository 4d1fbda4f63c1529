#pragma once

#include <QString>

#include "sales/sqlquery.h"

// The list query of the catalogue and the picker over products (bundles when bundles is true).
// With a number, the rows whose number holds those digits; with a name whose first character is
// single-byte (StartsWithSingleByte), the rows whose pinyin initials or English name hold it;
// with another name, the rows whose name holds it; with neither, every row by number. The name
// wins when both are given. Its columns: number, name, English name, and for products cost and
// sell price.
SqlQuery ProductListQuery(bool bundles, const QString& number, const QString& name);
