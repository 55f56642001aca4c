#pragma once

#include <QLockFile>
#include <QString>

namespace app {

// Keeps one running copy of the program per program directory, and so per data.mdb: the copy
// that starts first holds a lock file beside the database until it ends, and a later start on
// the same directory finds it held. A lock file left behind by a copy that crashed or was killed
// names a process that no longer runs and is taken over. Taken at construction, released by the
// destructor.
class ProgramDirectoryLock {
public:
    explicit ProgramDirectoryLock(const QString& programDirectory);
    ProgramDirectoryLock(const ProgramDirectoryLock&) = delete;
    ProgramDirectoryLock& operator=(const ProgramDirectoryLock&) = delete;

    // Another running copy of the program holds the directory: this one must end before it
    // touches the database. When no lock file can be written at all (a read-only directory)
    // nobody holds it, and the start goes on: such a directory takes no writes either.
    bool heldElsewhere() const { return heldElsewhere_; }

private:
    QLockFile file_;
    bool heldElsewhere_ = false;
};

// The lock file of a program directory.
QString programLockFile(const QString& programDirectory);

// What a second start on a directory in use tells the staff before it ends.
QString programAlreadyOpenMessage();

}  // namespace app
