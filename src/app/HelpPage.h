// The help page carried inside the program and its copy in the temporary folder.
#pragma once

#include <QByteArray>
#include <QString>

namespace quillmark {

// The resource holding the page, in Windows-1251, exactly as it is written out.
inline constexpr char kHelpResourcePath[] = ":/HELPRUS";

// The page's bytes; empty only if the resource is missing from the build.
QByteArray HelpPageBytes();

// TEMP (the system's temporary folder when TEMP is unset or empty), a separator when the value
// does not end in one, then "HelpRus.html".
QString HelpPagePath();

// Writes the page to HelpPagePath(), replacing any earlier file in one step, and returns the path.
// On failure returns an empty string, leaves an earlier file as it was and, when error is given,
// sets it to a message naming the file and the system's reason.
QString WriteHelpPage(QString* error);

}  // namespace quillmark
