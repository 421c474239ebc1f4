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

// QDesktopServices::openUrl. It can report success although nothing opened; when it reports
// failure the commands tell the user what could not be opened.
bool OpenWithDesktop(const QUrl& url);

// A critical message box titled "Quillmark".
void ShowCriticalMessage(QWidget* parent, const QString& message);
// An information message box titled "Quillmark".
void ShowInformationMessage(QWidget* parent, const QString& message);

// Writes the help page to the temporary folder and opens it. When it cannot be written, reports
// the reason as an error and opens nothing; when it is written but does not open, tells where it
// is. Returns whether the page was written.
bool OpenHelpPage(QWidget* parent, const UrlOpener& open = OpenWithDesktop,
                  const ErrorReporter& report = ShowCriticalMessage,
                  const ErrorReporter& inform = ShowInformationMessage);

// Opens a link (a web address, a new message); when that fails, tells the user which link.
// Returns whether it opened.
bool OpenLink(QWidget* parent, const QUrl& url, const UrlOpener& open = OpenWithDesktop,
              const ErrorReporter& inform = ShowInformationMessage);

}  // namespace quillmark
