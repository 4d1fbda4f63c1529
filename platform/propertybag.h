#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

// The design-time settings of a control kept by its host window: one key per property. A value
// equal to the property's default is not stored, and a missing key reads as the default.
class PropertyBag
{
public:
    QVariant read(const QString& key, const QVariant& defaultValue) const;
    void write(const QString& key, const QVariant& value, const QVariant& defaultValue);
    bool contains(const QString& key) const { return m_values.contains(key); }
    int size() const { return int(m_values.size()); }
    const QVariantMap& values() const { return m_values; }
    void clear() { m_values.clear(); }

private:
    QVariantMap m_values;
};
