// Folders only their owner may enter, for the notes and the lock beside them.
#pragma once

#include <QString>

// Makes every missing folder of path with mode 0700, whatever the umask.
// Returns the empty text, or why it could not, in words a user can act on.
QString makePrivateFolder(const QString &path);
