// The help command: writes the help page and opens it; link opening shared with the About box.
#include "app/HelpCommand.h"

#include <QDesktopServices>
#include <QMessageBox>

#include "app/HelpPage.h"

namespace quillmark {

bool OpenWithDesktop(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void ShowCriticalMessage(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QStringLiteral("Quillmark"), message);
}

bool OpenHelpPage(QWidget* parent, const UrlOpener& open, const ErrorReporter& report) {
    QString error;
    const QString path = WriteHelpPage(&error);
    if (path.isEmpty()) {
        report(parent, error);
        return false;
    }
    open(QUrl::fromLocalFile(path));
    return true;
}

}  // namespace quillmark
