#pragma once

#include "clients/affairwindows.h"

// The affair windows of the affairs subsystem, opened for the client list. main installs one for
// the life of the program.
class AppAffairWindows : public AffairWindows
{
public:
    void showClientAffairs(qint32 clientId) override;
    void addOneOffAffair(qint32 clientId, const QString& clientName) override;
    void addRecurringAffair(qint32 clientId, const QString& clientName) override;
};
