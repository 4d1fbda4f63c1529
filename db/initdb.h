#pragma once

#include <QString>

// The folder of schema.sql, seed.sql and data/ in the source tree.
QString DatabaseSourceFolder();

// Builds a new encrypted database at target from the schema, the seed rows and the reference data
// files of sourceFolder. The file appears only when it is complete; an existing target is an error.
void BuildDatabase(const QString& target, const QString& key, const QString& sourceFolder = DatabaseSourceFolder());
