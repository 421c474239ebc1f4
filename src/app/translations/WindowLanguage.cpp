// Chooses the window's language from the desktop and installs its translations.
#include "app/translations/WindowLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ai/AIList.h"

namespace quillmark {
namespace {

// Until a translation is installed the window speaks its source language.
QLocale::Language shownLanguage = QLocale::Russian;

bool Installed(QCoreApplication& application, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

}  // namespace

QLocale::Language WindowLanguage(const QStringList& uiLanguages, const QString& localeName) {
    const QString first = uiLanguages.isEmpty() ? localeName : uiLanguages.first();
    if (first.isEmpty() || first == QLatin1String("C") || first == QLatin1String("POSIX"))
        return QLocale::Russian;
    // "ru", "ru-RU", "ru_RU.UTF-8": the language is what comes before the region.
    const QString language = first.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    return language.compare(QLatin1String("ru"), Qt::CaseInsensitive) == 0 ? QLocale::Russian
                                                                           : QLocale::English;
}

QLocale::Language InstallWindowLanguage(QCoreApplication& application) {
    const QLocale desktop = QLocale::system();
    shownLanguage = WindowLanguage(desktop.uiLanguages(), desktop.name());
    if (shownLanguage == QLocale::Russian) {
        // Qt's file, print and message dialogs in Russian too, where that translation is installed.
        Installed(application, QStringLiteral("qtbase_ru"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return shownLanguage;
    }
    // Qt's own texts are English already. Without its translation the window stays Russian
    // throughout, numbers included.
    if (!Installed(application, QStringLiteral("quillmark_en"), QStringLiteral(":/i18n")))
        shownLanguage = QLocale::Russian;
    return shownLanguage;
}

QLocale::Language ShownLanguage() {
    return shownLanguage;
}

QString DecimalText(QString pointed) {
    if (shownLanguage == QLocale::Russian) pointed.replace(QLatin1Char('.'), QLatin1Char(','));
    return pointed;
}

QString AIItemText(int row) {
    if (row < 0 || row >= kAICount) return {};
    const TAIEntry& entry = AITable[static_cast<std::size_t>(row)];
    const QString name = QCoreApplication::translate("AIList", std::string(entry.Name).c_str());
    return QStringLiteral("(%1) - %2")
        .arg(QLatin1String(entry.AI.data(), static_cast<qsizetype>(entry.AI.size())), name);
}

}  // namespace quillmark
