// The About box: the program's name, version, makers and two links.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

#include "app/HelpCommand.h"

class QLabel;

namespace quillmark {

// The About box's link targets; an empty one falls back (see TAboutForm).
struct AboutLinks {
    QString web;
    QString mail;

    // The addresses chosen when the program was built (QUILLMARK_WEB_URL, QUILLMARK_MAIL).
    static AboutLinks FromBuild();
};

// "mailto:" the address (none when empty) with the subject "Quillmark <version>".
QUrl AboutMailUrl(const QString& mail, const QString& version);

}  // namespace quillmark

// A small fixed-size modal dialog. The web link opens links.web, or the bundled help page when it
// is empty; the mail link opens a new message to links.mail, or one without a recipient.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* parent = nullptr,
                        quillmark::AboutLinks links = quillmark::AboutLinks::FromBuild());

    // Every link goes through these; the defaults are the desktop and a critical message box.
    void setUrlOpener(quillmark::UrlOpener opener);
    void setErrorReporter(quillmark::ErrorReporter reporter);
    // Tells where the help page is, or which link, when nothing opened it.
    void setInformationReporter(quillmark::ErrorReporter reporter);

private:
    void WebLinkActivated();
    void MailLinkActivated();

    quillmark::AboutLinks links_;
    quillmark::UrlOpener opener_ = quillmark::OpenWithDesktop;
    quillmark::ErrorReporter reporter_ = quillmark::ShowCriticalMessage;
    quillmark::ErrorReporter informer_ = quillmark::ShowInformationMessage;
};
