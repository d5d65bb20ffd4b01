// Files written by one process while others may only read: open + flock(LOCK_EX|LOCK_NB).
#pragma once

#include <string>

namespace FileLock {
// Opens an existing file for reading and writing and takes the exclusive lock; -1 when either fails.
int OpenExistingLocked(const std::string& path);
// Creates a new file (failing when it exists) and takes the exclusive lock; -1 on failure.
int CreateNewLocked(const std::string& path);
} // namespace FileLock
