// The help page carried inside the program and its copy in the temporary folder.
#include "app/HelpPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <string>

#include "app/translations/WindowLanguage.h"
#include "output/AtomicFile.h"
#include "output/TemporaryFolder.h"

// The resource lives in a static library; naming its initialiser links it in and registers it.
static void RegisterHelpResource() {
    Q_INIT_RESOURCE(HelpRus);
}

namespace quillmark {

namespace {

bool English() {
    return ShownLanguage() == QLocale::English;
}

}  // namespace

QByteArray HelpPageBytes() {
    static const bool registered = (RegisterHelpResource(), true);
    Q_UNUSED(registered);
    QFile resource(QString::fromLatin1(English() ? kEnglishHelpResourcePath : kHelpResourcePath));
    if (!resource.open(QIODevice::ReadOnly)) return {};
    return resource.readAll();
}

namespace {

QString PagePath(const QString& folder) {
    return folder + (English() ? QStringLiteral("/HelpEng.html") : QStringLiteral("/HelpRus.html"));
}

// The writer's reason without its "cannot write "<path>": " prefix, which the message has.
QString WriterReason(const std::string& message, const QString& path) {
    const std::string prefix = CannotWrite(QFile::encodeName(path).toStdString(), "");
    const bool prefixed = message.compare(0, prefix.size(), prefix) == 0;
    return QString::fromLocal8Bit(prefixed ? message.substr(prefix.size()) : message);
}

}  // namespace

QString HelpPagePath() {
    return PagePath(WindowTemporaryFolder().path);
}

QString WriteHelpPage(QString* error) {
    const TemporaryFolder folder = WindowTemporaryFolder();
    const QString path = PagePath(folder.path);
    const QByteArray bytes = HelpPageBytes();
    QString reason;
    if (bytes.isEmpty()) {
        reason = QCoreApplication::translate("HelpPage", "Справка отсутствует в программе.");
    } else if (!folder.problem.isEmpty()) {
        reason = QCoreApplication::translate("HelpPage", "Папка %1 не годится: %2")
                     .arg(QDir::toNativeSeparators(folder.path), folder.problem);
    } else {
        // Checked here whatever the writer does with links and other users' files: the page
        // never goes through a link planted at its name, nor into another user's file.
        reason = ForeignFileProblem(path);
        if (reason.isEmpty()) {
            const Result<void> written = WriteFileAtomically(
                QFile::encodeName(path).toStdString(),
                std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
            if (!written) reason = WriterReason(written.error(), path);
        }
    }
    if (reason.isEmpty()) return path;
    if (error != nullptr)
        *error = QCoreApplication::translate("HelpPage", "Не удаётся создать файл \"%1\".\n%2")
                     .arg(QDir::toNativeSeparators(path), reason);
    return {};
}

}  // namespace quillmark
