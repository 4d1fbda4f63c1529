#pragma once

#include <QDate>
#include <QString>

// A resident identity number, 18 characters (17 digits and the ISO 7064 MOD 11-2 check character,
// "X" standing for 10) or the older 15 digits (year of birth without "19"), split into what it
// encodes. SetCode decides whether a number is well formed; the getters then give its facts, and
// after a failed SetCode (or before any call) 0, the zero date and false.
class CheckId
{
public:
    // The date GetBirthday gives for a number that failed: serial day 0.
    static const QDate ZeroDate;
    // How many calendar years back a birth year may lie.
    static constexpr int MaxYears = 140;

    // The first six digits as a number (leading zeros drop out).
    qint32 GetAreaCode() const { return m_valid ? m_areaCode : 0; }
    QDate GetBirthday() const { return m_valid ? m_birthday : ZeroDate; }
    // True for an odd sex digit (a man).
    bool GetSex() const { return m_valid && m_sex; }

    // True when GetCode is well formed: exactly 15 or 18 characters (blanks count), digits in the
    // body, a real birthday neither after today nor more than MaxYears calendar years back, and,
    // for 18 characters, the right check character ("x" counts as "X").
    bool SetCode(const QString& GetCode);
    // The same, measured against the given day instead of today.
    bool SetCode(const QString& GetCode, const QDate& today);

    // The check character of a 17-digit body.
    static QChar CheckCharacter(const QString& body);

private:
    QDate m_birthday;
    qint32 m_areaCode = 0;
    bool m_sex = false;
    bool m_valid = false;
};
