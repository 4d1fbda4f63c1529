#pragma once

#include <QString>

// The text card of one client (ClientId 1 or more, whoever owns it) or the cards of all clients of
// the logged-in user (ClientId below 1): name, sex, identity number, birthday, age, salary,
// address, zip code, classification values, contact entries and remark, lines ending in CR LF
// and fields separated by TAB. No client gives the empty text.
QString ClientToText(qint32 ClientId);

// Puts the cards of all of the user's clients on the clipboard and says so.
void ExportClientsToClipboard();
