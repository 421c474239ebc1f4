// The help command: writes the help page and opens it; link opening shared with the About box.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace quillmark {

// Opens a URL with the desktop's application for it; its result says little (see OpenWithDesktop).
using UrlOpener = std::function<bool(const QUrl&)>;
// Tells the user that a command failed.
using ErrorReporter = std::function<void(QWidget* parent, const QString& message)>;

// QDesktopServices::openUrl. Its result is ignored by the commands: it can report success
// although nothing opened, and the user sees either way.
bool OpenWithDesktop(const QUrl& url);

// A critical message box titled "Quillmark".
void ShowCriticalMessage(QWidget* parent, const QString& message);

// Writes the help page to the temporary folder and opens it. When it cannot be written, reports
// the system's message and opens nothing. Returns whether the page was written.
bool OpenHelpPage(QWidget* parent, const UrlOpener& open = OpenWithDesktop,
                  const ErrorReporter& report = ShowCriticalMessage);

}  // namespace quillmark
