#include "clients/checkid.h"

#include <array>

namespace {

constexpr int BodyLength = 17;
// 2^(18-i) mod 11 for the body positions i = 1..17.
constexpr std::array<int, BodyLength> Weights{7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
// The check character by the weighted sum mod 11.
constexpr std::array<char, 11> CheckCharacters{'1', '0', 'X', '9', '8', '7', '6', '5', '4', '3', '2'};

bool allDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

const QDate CheckId::ZeroDate(1899, 12, 30);

QChar CheckId::CheckCharacter(const QString& body)
{
    int sum = 0;
    for (int i = 0; i < BodyLength; ++i)
        sum += (body.at(i).unicode() - '0') * Weights[size_t(i)];
    return QLatin1Char(CheckCharacters[size_t(sum % 11)]);
}

bool CheckId::SetCode(const QString& GetCode)
{
    return SetCode(GetCode, QDate::currentDate());
}

bool CheckId::SetCode(const QString& GetCode, const QDate& today)
{
    m_valid = false;
    QString body;
    if (GetCode.size() == 18)
        body = GetCode.left(BodyLength);
    else if (GetCode.size() == 15)
        body = GetCode.left(6) + QStringLiteral("19") + GetCode.mid(6);
    else
        return false;
    if (!allDigits(body))
        return false;

    const QDate birthday(body.mid(6, 4).toInt(), body.mid(10, 2).toInt(), body.mid(12, 2).toInt());
    if (!birthday.isValid() || birthday > today || today.year() - birthday.year() > MaxYears)
        return false;
    if (GetCode.size() == 18 && GetCode.at(17).toUpper() != CheckCharacter(body))
        return false;

    m_birthday = birthday;
    m_sex = (body.at(16).unicode() - '0') % 2 == 1;
    m_areaCode = body.left(6).toInt();
    m_valid = true;
    return true;
}
