#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

class Grid;

// The filters of the client list at the moment of a search.
struct ClientListFilter
{
    // The classification tables the list built its filter boxes from, and the value chosen in
    // each box (0 = none chosen).
    QStringList classTables;
    QList<qint32> classValues;
    // The chosen owner's user id, 0 = every user; counts only for users who may see all users.
    qint32 owner = 0;
    // The trimmed search text: pinyin initials when it starts with a single-byte character,
    // otherwise part of the name.
    QString text;
};

// The filters of the company list.
struct CompanyListFilter
{
    qint32 owner = 0;
    QString text;
};

// The text of a list query and its bound values.
struct ListQuery
{
    QString sql;
    QVariantList params;
};

// The client list's query for the filters: columns id, name, sex, birthday, owner id, owner name.
ListQuery ClientSearchQuery(const ClientListFilter& filter);
// The contact entries the list shows (kinds 1, 2, 4 and 5) of count clients whose ids are bound
// in its place, or of all clients when count is 0: columns entry id, client id, kind, text.
QString ClientContactsQuery(int count);
// How many client ids one contacts query binds at most; a longer list reads all entries at once.
constexpr int ClientContactsBatch = 500;

// Refills the client list's grid (columns 1 to 8: id, name, sex, birthday, mobile, e-mail, QQ,
// owner) with the logged-in user's clients, or every user's for a user who may see them all.
// The contact columns show the newest entry of their kind; "手 机" falls back to kind 2.
void SearchClients(Grid* grid, const ClientListFilter& filter);

// Refills the company list's grid (columns 1 to 4: id, full name, short name, owner).
void SearchCompanies(Grid* grid, const CompanyListFilter& filter);
