#pragma once

#include <optional>

#include <QString>

// The name of the client with that id; nothing when no client row has it.
std::optional<QString> ClientNameOf(qint32 clientId);
