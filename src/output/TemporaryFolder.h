// The one temporary folder of the window: the help page and the files handed over to Word and
// Excel are written there.
#pragma once

#include <QString>

namespace quillmark {

struct TemporaryFolder {
    QString path;     // the folder, named in messages also when it was refused
    QString problem;  // why it cannot be used; empty when it can
};

// TEMP when it is set and not empty, as the user chose it. Otherwise a folder of the user's own:
// "quillmark" in XDG_RUNTIME_DIR when that is an existing folder, else ~/.cache/quillmark, created
// with mode 0700 (with ~/.cache when missing). An existing one must be a real folder, not a
// symbolic link, owned by the user; a looser mode is tightened to 0700. Anything else is refused
// with a reason.
TemporaryFolder WindowTemporaryFolder();

// Why path cannot be written as a file of the user's: a symbolic link (which would send the bytes
// elsewhere) or a file owned by another user. Empty when path does not exist or is the user's
// own file (folders and other errors are left to the writer to report).
QString ForeignFileProblem(const QString& path);

}  // namespace quillmark
