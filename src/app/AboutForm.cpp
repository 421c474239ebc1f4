// The About box: the program's name, version, makers and two links.
#include "app/AboutForm.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

#include "Version.h"

namespace quillmark {

namespace {

constexpr char kIconPath[] = ":/icons/quillmark.svg";
constexpr int kIconSize = 48;

QLabel* LinkLabel(const QString& text, const QString& objectName, QWidget* parent) {
    auto* label =
        new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()), parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setOpenExternalLinks(false);
    return label;
}

}  // namespace

AboutLinks AboutLinks::FromBuild() {
    return {QString::fromUtf8(kQuillmarkWebUrl), QString::fromUtf8(kQuillmarkMail)};
}

QUrl AboutMailUrl(const QString& mail, const QString& version) {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(mail);
    const QByteArray subject = QUrl::toPercentEncoding(QStringLiteral("Quillmark ") + version);
    url.setQuery(QStringLiteral("subject=") + QString::fromLatin1(subject), QUrl::StrictMode);
    return url;
}

}  // namespace quillmark

TAboutForm::TAboutForm(QWidget* parent, quillmark::AboutLinks links)
    : QDialog(parent), links_(std::move(links)) {
    setWindowTitle(tr("О программе"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    QFont font(QStringLiteral("Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);

    auto* name = new QLabel(QStringLiteral("Quillmark"), this);
    name->setObjectName(QStringLiteral("nameLabel"));
    QFont nameFont = font;
    nameFont.setPointSize(12);
    nameFont.setBold(true);
    name->setFont(nameFont);

    auto* version = new QLabel(tr("Версия %1").arg(QString::fromUtf8(kQuillmarkVersion)), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    auto* purpose = new QLabel(tr("Штриховые коды EAN/UPC, ITF-14 и UCC/EAN-128\n"
                                  "в натуральную величину."),
                               this);
    auto* makers = new QLabel(tr("Разработано участниками проекта Quillmark."), this);
    makers->setObjectName(QStringLiteral("makersLabel"));

    const QString webText = links_.web.isEmpty() ? tr("Справка к программе") : links_.web;
    const QString mailText = links_.mail.isEmpty() ? tr("Написать письмо") : links_.mail;
    QLabel* web = quillmark::LinkLabel(webText, QStringLiteral("webLink"), this);
    QLabel* mail = quillmark::LinkLabel(mailText, QStringLiteral("mailLink"), this);
    connect(web, &QLabel::linkActivated, this, &TAboutForm::WebLinkActivated);
    connect(mail, &QLabel::linkActivated, this, &TAboutForm::MailLinkActivated);

    auto* text = new QVBoxLayout;
    for (QWidget* widget : {static_cast<QWidget*>(name), static_cast<QWidget*>(version),
                            static_cast<QWidget*>(purpose), static_cast<QWidget*>(makers),
                            static_cast<QWidget*>(web), static_cast<QWidget*>(mail)})
        text->addWidget(widget);

    auto* top = new QHBoxLayout;
    // The icon is optional: builds without it show the texts alone.
    if (QFile::exists(QString::fromLatin1(quillmark::kIconPath))) {
        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("iconLabel"));
        icon->setPixmap(QIcon(QString::fromLatin1(quillmark::kIconPath))
                            .pixmap(quillmark::kIconSize, quillmark::kIconSize));
        icon->setAlignment(Qt::AlignTop);
        top->addWidget(icon);
    }
    top->addLayout(text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    // The dialog takes the size its contents need and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutForm::setUrlOpener(quillmark::UrlOpener opener) {
    opener_ = std::move(opener);
}

void TAboutForm::setErrorReporter(quillmark::ErrorReporter reporter) {
    reporter_ = std::move(reporter);
}

void TAboutForm::setInformationReporter(quillmark::ErrorReporter reporter) {
    informer_ = std::move(reporter);
}

void TAboutForm::WebLinkActivated() {
    if (links_.web.isEmpty())
        quillmark::OpenHelpPage(this, opener_, reporter_, informer_);
    else
        quillmark::OpenLink(this, QUrl(links_.web), opener_, informer_);
}

void TAboutForm::MailLinkActivated() {
    quillmark::OpenLink(this,
                        quillmark::AboutMailUrl(links_.mail, QString::fromUtf8(kQuillmarkVersion)),
                        opener_, informer_);
}
