#pragma once

#include <QString>

// The affair windows the client list opens for one client. They belong to a later subsystem, so
// the application installs the real ones at start; without them the actions do nothing.
class AffairWindows
{
public:
    virtual ~AffairWindows() = default;

    // Shows the affair list (modeless) with the affairs of the client.
    virtual void showClientAffairs(qint32 clientId) = 0;
    // The one-off and the recurring-affair dialog (modal) for a new affair of the client: the
    // client preset by id and name, its choose and clear buttons disabled.
    virtual void addOneOffAffair(qint32 clientId, const QString& clientName) = 0;
    virtual void addRecurringAffair(qint32 clientId, const QString& clientName) = 0;
};

// The installed service, or nullptr.
AffairWindows* affairWindows();
// Installs a service (not owned); nullptr removes it.
void setAffairWindows(AffairWindows* service);
