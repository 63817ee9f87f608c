#pragma once

// Makes the program's QSettings file owner-only before anything is written
// to it (the application and organisation names must be set): its missing
// directories are created owner-only and the file is created empty with
// mode 0600. QSettings keeps that mode, as it saves through QSaveFile, which
// gives the new file the permissions of the one it replaces. On Windows the
// settings live in the user's own registry key and nothing is done.
void preparePrivateSettingsFile();
