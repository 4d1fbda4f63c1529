#pragma once

#include <functional>

#include <QString>

// Every benchmark group works on a database file of its own, built once per run, and on a session of
// its own, so that one run of all groups gives the figures each group gives when run alone.
//
// Makes the group's database (name) the connection Conn: built on first use from the schema and
// seed, then filled by fill in one transaction; opened again when another group had the connection.
// The session is reset (no user logged in, no rights, no classifications); the group then sets what
// it needs.
void UseBenchDatabase(const QString& name, const std::function<void()>& fill);
