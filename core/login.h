#pragma once

#include <optional>

#include <QString>

class QComboBox;

// What a login attempt came to.
enum class LoginResult
{
    LoggedIn,
    NoUser,        // no user chosen (an empty user list) or the row is gone
    GroupMissing,  // the user's group row does not exist
    WrongPassword, // the scrambled password differs from the stored one
};

// The login window's load: fills the user list, makes sure the company-name setting exists
// (OwnCompanyName takes it) and sets the login window's font size, with the database open only
// meanwhile.
void PrepareLogin(QComboBox* userList);

// Creates the setup row "公司名称" when it is missing and reads it into OwnCompanyName.
// Needs the open connection.
void LoadOwnCompanyName();

// One login attempt for the chosen user: loads the user's row and the group's rights into the
// session, corrects an invalid font size in the row, then compares the scrambled password. The
// database is open only during the attempt.
LoginResult LogIn(std::optional<qint32> userId, const QString& password);

// The message a failed attempt shows; "" for a successful one.
QString LoginMessage(LoginResult result);
