#pragma once

#include <QList>

#include "core/dblayer.h"

// Random keys drawn in a given order while in scope (the last one repeats), to force the key
// collisions that another copy of the program would cause.
class ScriptedKeys
{
public:
    explicit ScriptedKeys(QList<qint32> keys)
    {
        SetRandomIdSource([keys = std::move(keys), next = qsizetype(0)]() mutable {
            return keys.at(qMin(next++, keys.size() - 1));
        });
    }
    ~ScriptedKeys() { SetRandomIdSource({}); }
    ScriptedKeys(const ScriptedKeys&) = delete;
    ScriptedKeys& operator=(const ScriptedKeys&) = delete;
};
