#pragma once

#include <optional>

#include <QString>

// The names an order shows for its parties; none when the row is missing.
std::optional<QString> CompanyName(qint32 companyId);
std::optional<QString> ClientName(qint32 clientId);
std::optional<QString> UserName(qint32 userId);
