// The help page carried inside the program and its copy in the temporary folder.
#pragma once

#include <QByteArray>
#include <QString>

namespace quillmark {

// The resources holding the Russian and the English page, in Windows-1251, exactly as they are
// written out.
inline constexpr char kHelpResourcePath[] = ":/HELPRUS";
inline constexpr char kEnglishHelpResourcePath[] = ":/HELPENG";

// The bytes of the page in the window's language; empty only if the resource is missing.
QByteArray HelpPageBytes();

// "HelpRus.html" ("HelpEng.html" for the English window) in the window's temporary folder
// (WindowTemporaryFolder: TEMP when set, else a folder of the user's own).
QString HelpPagePath();

// Writes the page to HelpPagePath() with the atomic writer, replacing an earlier page of the
// user's in one step, and returns the path. A symbolic link or another user's file at that path
// is refused and left as it is, as is a temporary folder that is refused. On failure returns an
// empty string, leaves an earlier file as it was and, when error is given, sets it to a message
// naming the file and the reason.
QString WriteHelpPage(QString* error);

}  // namespace quillmark
