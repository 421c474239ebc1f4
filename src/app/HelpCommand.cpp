// The help command: writes the help page and opens it; link opening shared with the About box.
#include "app/HelpCommand.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>

#include "app/HelpPage.h"

namespace quillmark {

bool OpenWithDesktop(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

void ShowCriticalMessage(QWidget* parent, const QString& message) {
    QMessageBox::critical(parent, QStringLiteral("Quillmark"), message);
}

void ShowInformationMessage(QWidget* parent, const QString& message) {
    QMessageBox::information(parent, QStringLiteral("Quillmark"), message);
}

bool OpenHelpPage(QWidget* parent, const UrlOpener& open, const ErrorReporter& report,
                  const ErrorReporter& inform) {
    QString error;
    const QString path = WriteHelpPage(&error);
    if (path.isEmpty()) {
        report(parent, error);
        return false;
    }
    if (!open(QUrl::fromLocalFile(path)))
        inform(parent, QCoreApplication::translate(
                           "HelpCommand",
                           "Не найдена программа, которая открывает справку, или её не удалось "
                           "запустить. Справка записана сюда:\n%1")
                           .arg(QDir::toNativeSeparators(path)));
    return true;
}

bool OpenLink(QWidget* parent, const QUrl& url, const UrlOpener& open,
              const ErrorReporter& inform) {
    if (open(url)) return true;
    // A mail link is named by its address, a web link as it is written.
    const QString named = url.scheme() == u"mailto"
                              ? url.toString(QUrl::RemoveQuery | QUrl::PrettyDecoded)
                              : url.toString(QUrl::PrettyDecoded);
    inform(parent, QCoreApplication::translate(
                       "HelpCommand",
                       "Не найдена программа, которая открывает ссылку, или её не удалось "
                       "запустить:\n%1")
                       .arg(named));
    return false;
}

}  // namespace quillmark
