#pragma once

#include <QString>

// The register and the program's settings are private financial data, so
// what the program creates for them is readable by its owner only: 0700 for
// directories, 0600 for files, whatever the umask. On Windows the user's
// profile already keeps them private and these simply create them.

// Creates the directory `path` and every missing directory above it, each
// owner-only; directories that exist already keep their permissions.
// Returns false when `path` is not a directory afterwards.
[[nodiscard]] bool makePrivateDirectory(const QString& path);

// Creates `path` as an empty owner-only file unless it exists. Its directory
// must exist. Returns false when there is no file at `path` afterwards.
[[nodiscard]] bool ensurePrivateFile(const QString& path);

// Makes the existing file `path` owner-only, for files that another library
// creates with the umask's permissions.
void restrictFileToOwner(const QString& path);
