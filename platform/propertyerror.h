#pragma once

#include <stdexcept>

#include <QString>

// A property setter refused a value (run-time error 380, "invalid property value"); the property
// keeps its old value. source is "<application>.<control type>:<property>".
class PropertyError : public std::runtime_error
{
public:
    static constexpr int InvalidPropertyValue = 380;

    PropertyError(int number, const QString& source, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number), m_source(source),
          m_description(description)
    {
    }

    int number() const { return m_number; }
    QString source() const { return m_source; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_source;
    QString m_description;
};
