// The About box: fixed size, the configured version, the links' targets, and closing with Esc.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Version.h"
#include "app/AboutForm.h"
#include "support/QtTables.h"

using quillmark::AboutLinks;
using quillmark::test::Columns;
Q_DECLARE_METATYPE(AboutLinks)

namespace {

// Activates the link label named name as a click on its link does.
void ActivateLink(TAboutForm& form, const char* name) {
    auto* label = form.findChild<QLabel*>(name);
    QVERIFY(label != nullptr);
    emit label->linkActivated(QStringLiteral("#"));
}

}  // namespace

class AboutFormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(temp_.isValid());
        qputenv("TEMP", temp_.path().toUtf8());
    }

    void smallFixedModalWithVersion() {
        TAboutForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.isModal());
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.width() <= 400 && form.height() <= 300);
        QCOMPARE(form.windowTitle(), QString("О программе"));
        QCOMPARE(form.font().pointSize(), 8);
        QCOMPARE(form.findChild<QLabel*>("nameLabel")->text(), QString("Quillmark"));
        QCOMPARE(form.findChild<QLabel*>("versionLabel")->text(),
                 QString("Версия %1").arg(kQuillmarkVersion));
        QVERIFY(form.findChild<QLabel*>("makersLabel")->text().contains("проекта Quillmark"));
    }

    void showsIconWhereTheBuildCarriesOne() {
        TAboutForm form;
        auto* icon = form.findChild<QLabel*>("iconLabel");
        QVERIFY(icon != nullptr);
        if (QImageReader::supportedImageFormats().contains("svg"))
            QCOMPARE(icon->pixmap().size(), QSize(48, 48));
    }

    void linkTargets_data() {
        // webTarget: empty for the help page
        Columns<QString, QString, QUrl, QByteArray>("web", "mail", "webTarget", "mailTarget");
        const QByteArray subject = QByteArray("subject=Quillmark%20") + kQuillmarkVersion;
        QTest::newRow("none set") << QString() << QString() << QUrl()
                                  << QByteArray("mailto:?") + subject;
        QTest::newRow("both set") << "https://quillmark.example/"
                                  << "team@quillmark.example" << QUrl("https://quillmark.example/")
                                  << QByteArray("mailto:team@quillmark.example?") + subject;
        QTest::newRow("mail only") << QString() << "a.b@quillmark.example" << QUrl()
                                   << QByteArray("mailto:a.b@quillmark.example?") + subject;
    }
    void linkTargets() {
        QFETCH(QString, web);
        QFETCH(QString, mail);
        QFETCH(QUrl, webTarget);
        QFETCH(QByteArray, mailTarget);
        TAboutForm form(nullptr, AboutLinks{web, mail});
        QList<QUrl> opened;
        QStringList errors;
        form.setUrlOpener([&](const QUrl& url) { return opened << url, true; });
        form.setErrorReporter([&](QWidget*, const QString& message) { errors << message; });

        QFile::remove(temp_.filePath("HelpRus.html"));
        ActivateLink(form, "webLink");
        ActivateLink(form, "mailLink");
        QCOMPARE(errors, QStringList());
        QCOMPARE(opened.size(), 2);
        if (webTarget.isEmpty()) {
            QCOMPARE(opened[0], QUrl::fromLocalFile(temp_.filePath("HelpRus.html")));
            QVERIFY(QFile::exists(opened[0].toLocalFile()));
        } else {
            QCOMPARE(opened[0], webTarget);
            QVERIFY(form.findChild<QLabel*>("webLink")->text().contains(web));
        }
        QCOMPARE(opened[1].toEncoded(), mailTarget);
        if (!mail.isEmpty()) QVERIFY(form.findChild<QLabel*>("mailLink")->text().contains(mail));
    }

    // Where nothing opens a link, the user is told what could not be opened (the help page's
    // file, the web or the mail address) as information, not as an error.
    void linkThatDoesNotOpenIsTold_data() {
        Columns<AboutLinks, QByteArray, QString>("links", "link", "named");
        QTest::newRow("help page") << AboutLinks{} << QByteArray("webLink")
                                   << QDir::toNativeSeparators(temp_.filePath("HelpRus.html"));
        QTest::newRow("web address") << AboutLinks{"https://q.example/", {}}
                                     << QByteArray("webLink") << "https://q.example/";
        QTest::newRow("mail address") << AboutLinks{{}, "team@q.example"} << QByteArray("mailLink")
                                      << "mailto:team@q.example";
    }
    void linkThatDoesNotOpenIsTold() {
        QFETCH(AboutLinks, links);
        QFETCH(QByteArray, link);
        QFETCH(QString, named);
        TAboutForm form(nullptr, links);
        QStringList errors, told;
        form.setUrlOpener([](const QUrl&) { return false; });
        form.setErrorReporter([&](QWidget*, const QString& message) { errors << message; });
        form.setInformationReporter([&](QWidget*, const QString& message) { told << message; });
        ActivateLink(form, link.constData());
        QCOMPARE(errors, QStringList());
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].endsWith("\n" + named), qPrintable(told[0]));
    }

    void mailSubjectIsPercentEncoded() {
        QCOMPARE(quillmark::AboutMailUrl(QString(), "1.0 beta+1&x").toEncoded(),
                 QByteArray("mailto:?subject=Quillmark%201.0%20beta%2B1%26x"));
    }

    // A failed help page is reported and nothing is opened.
    void webFallbackReportsUnwritablePage() {
        qputenv("TEMP", temp_.filePath("missing").toUtf8());
        TAboutForm form(nullptr, AboutLinks{});
        int opened = 0;
        QStringList errors;
        form.setUrlOpener([&](const QUrl&) { return ++opened, true; });
        form.setErrorReporter([&](QWidget* parent, const QString& message) {
            QCOMPARE(parent, &form);
            errors << message;
        });
        ActivateLink(form, "webLink");
        qputenv("TEMP", temp_.path().toUtf8());
        QCOMPARE(opened, 0);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].contains("HelpRus.html"));
    }

    void execEndsWithKey_data() {
        Columns<int, int>("key", "result");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(QDialog::Rejected);
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
    }
    void execEndsWithKey() {
        QFETCH(int, key);
        QFETCH(int, result);
        TAboutForm form;
        QTimer::singleShot(0, &form, [&] {
            QVERIFY(form.isVisible());
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                        : static_cast<QWidget*>(&form),
                            static_cast<Qt::Key>(key));
        });
        QTimer::singleShot(5000, &form, [&] { form.done(-1); });  // a stuck dialog fails, not hangs
        QCOMPARE(form.exec(), result);
    }

private:
    QTemporaryDir temp_;
};

QTEST_MAIN(AboutFormTest)
#include "AboutFormTest.moc"
