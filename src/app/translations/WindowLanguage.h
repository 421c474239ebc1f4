// The window's language: Russian, in which its texts are written, or English for other desktops.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace quillmark {

// Russian where the desktop's first language is Russian or none is set (the C/POSIX locale),
// English for every other. uiLanguages as QLocale::uiLanguages() lists them, LANGUAGE first;
// the locale's name decides only where that list is empty.
QLocale::Language WindowLanguage(const QStringList& uiLanguages, const QString& localeName);

// Installs the window's translation and Qt's own for the desktop's language; the returned
// language is the one the window then speaks.
QLocale::Language InstallWindowLanguage(QCoreApplication& application);

// The language the window speaks: Russian until InstallWindowLanguage has chosen another.
QLocale::Language ShownLanguage();

// A decimal written with a point, with the window language's separator instead.
QString DecimalText(QString pointed);

// "(AI) - name", a row of the AI catalogue in the window's language; empty outside the catalogue.
QString AIItemText(int row);

}  // namespace quillmark
