// The help page carried inside the program and its copy in the temporary folder.
#include "app/HelpPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtGlobal>

// The resource lives in a static library; naming its initialiser links it in and registers it.
static void RegisterHelpResource() {
    Q_INIT_RESOURCE(HelpRus);
}

namespace quillmark {

QByteArray HelpPageBytes() {
    static const bool registered = (RegisterHelpResource(), true);
    Q_UNUSED(registered);
    QFile resource(QString::fromLatin1(kHelpResourcePath));
    if (!resource.open(QIODevice::ReadOnly)) return {};
    return resource.readAll();
}

QString HelpPagePath() {
    QString folder = qEnvironmentVariable("TEMP");
    if (folder.isEmpty()) folder = QDir::tempPath();
    if (!folder.endsWith(u'/') && !folder.endsWith(QDir::separator())) folder += QDir::separator();
    return folder + QStringLiteral("HelpRus.html");
}

QString WriteHelpPage(QString* error) {
    const QString path = HelpPagePath();
    const QByteArray bytes = HelpPageBytes();
    QSaveFile file(path);
    QString reason;
    if (bytes.isEmpty())
        reason = QCoreApplication::translate("HelpPage", "Справка отсутствует в программе.");
    else if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
             !file.commit())
        reason = file.errorString();
    if (reason.isEmpty()) return path;
    if (error != nullptr)
        *error = QCoreApplication::translate("HelpPage", "Не удаётся создать файл \"%1\".\n%2")
                     .arg(QDir::toNativeSeparators(path), reason);
    return {};
}

}  // namespace quillmark
