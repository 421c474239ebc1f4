// The window's commands end to end: element strings through the AI dialog into a scanning symbol,
// pictures saved from every tab and read back, failed saves, copy, print, the office hand-over,
// help, About and Exit.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <string_view>

#include "ai/AIList.h"
#include "app/AIForm.h"
#include "app/AboutForm.h"
#include "app/MainForm.h"
#include "app/PreviewWidget.h"
#include "app/WindowCommands.h"
#include "output/OfficePackage.h"
#include "output/TemporaryFolder.h"
#include "support/QtTables.h"
#include "support/Widgets.h"
#include "support/ZXingDecode.h"

using quillmark::TMainForm;
using quillmark::WindowCommands;
using quillmark::test::Child;
using quillmark::test::Columns;

namespace {

int AIRow(std::string_view ai) {
    for (int row = 0; row < quillmark::kAICount; ++row)
        if (quillmark::AITable[static_cast<std::size_t>(row)].AI == ai) return row;
    qFatal("no AI %s", std::string(ai).c_str());
}

// Picks the AI, clicks "Вставить", types into the dialog's data field and closes it.
void InsertAI(TMainForm& form, std::string_view ai, const QString& typed, bool confirm) {
    Child<QComboBox>(form, "UCCEAN128_AI")->setCurrentIndex(AIRow(ai));
    quillmark::TAIForm& dialog = form.Commands().AIForm();
    QTimer::singleShot(0, &dialog, [&] {
        if (QTest::qWaitForWindowActive(&dialog)) {
            // The dialog's own focus: the data field it prepared for the AI.
            QTest::keyClicks(dialog.focusWidget(), typed);
            Child<QPushButton>(dialog, confirm ? "BitBtn1" : "BitBtn2")->click();
        }
        if (dialog.isVisible()) dialog.done(-1);  // never hang on a dialog that did not answer
    });
    QTest::mouseClick(Child(form, "UCCEAN128_InsAIBtn"), Qt::LeftButton);
}

// Each tab filled with a symbol the decoder reads, and what it reads.
struct TabSymbol {
    const char* field;
    const char* text;
    ZXing::BarcodeFormat format;
    std::string decoded;
};
const TabSymbol kTabs[] = {
    {"EANUPC_CodeValue", "5 901234 123450", ZXing::BarcodeFormat::EAN13, "5901234123457"},
    {"ITF14_CodeValue", "12345678901230", ZXing::BarcodeFormat::ITF, "12345678901231"},
    {"UCCEAN128_CodeValue", "(01)09501101530003(10)AB", ZXing::BarcodeFormat::Code128,
     "010950110153000310AB"},
};

void ShowTab(TMainForm& form, int tab) {
    Child<QTabWidget>(form, "PageControl")->setCurrentIndex(tab);
    Child<QLineEdit>(form, kTabs[tab].field)->setText(QString::fromLatin1(kTabs[tab].text));
}

// The active tab's extent at the window's resolution, as every picture must be.
QSize MeasuredSize(const TMainForm& form) {
    quillmark::TRect extent;
    const double scale = form.Resolution();
    quillmark::RenderSymbol(form.CurrentRequest(), nullptr, 0, 0, scale, scale, extent);
    return {extent.Right - extent.Left, extent.Bottom - extent.Top};
}

// A picture of the active tab: exactly the measured size, and it scans as the tab's symbol.
void VerifySymbolPicture(const QImage& image, const TMainForm& form, int tab) {
    QCOMPARE(image.size(), MeasuredSize(form));
    const auto reading = quillmark::test::Decode(image, kTabs[tab].format);
    QVERIFY(reading.valid);
    QCOMPARE(reading.text, kTabs[tab].decoded);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every write past the limit fails as on a full disk.
template <typename F>
void WithFileSizeLimit(rlim_t bytes, F run) {
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = bytes;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    run();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

// A window whose messages are collected instead of shown.
struct Window {
    TMainForm form;
    WindowCommands& commands = form.Commands();
    QStringList errors;
    QStringList notes;
    QStringList questions;
    Window() {
        commands.reportError = [this](QWidget*, const QString& m) { errors << m; };
        commands.reportInformation = [this](QWidget*, const QString& m) { notes << m; };
        // Questions are answered yes, and recorded; a test that has none to ask checks them.
        commands.ask = [this](QWidget*, const QString& q) { return questions << q, true; };
    }
};

}  // namespace

class WindowCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        // The window's temporary folder: a private one in a runtime folder of the test's own.
        QVERIFY(runtime_.isValid());
        qunsetenv("TEMP");
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toUtf8());
    }

    // "(01)" with 13 typed digits, FNC1, "(10)" with ABC123: one GS1 symbol in the preview.
    void elementStringsThroughTheDialog() {
        TMainForm form;
        form.resize(1400, 600);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(2);
        auto* field = Child<QLineEdit>(form, "UCCEAN128_CodeValue");
        field->clear();
        Child<QSpinBox>(form, "UCCEAN128_GSize")->setValue(200);

        InsertAI(form, "01", "0950110153000", true);
        QCOMPARE(field->text(), QString("(01)09501101530003"));
        InsertAI(form, "10", "IGNORED", false);  // cancelled: nothing appended
        QCOMPARE(field->text(), QString("(01)09501101530003"));
        Child<QComboBox>(form, "UCCEAN128_SpecChr")->setCurrentIndex(0);  // FNC1
        QTest::mouseClick(Child(form, "UCCEAN128_InsSpecChrBtn"), Qt::LeftButton);
        InsertAI(form, "10", "ABC123", true);

        const QImage preview = Child(form, "PaintBox")->grab().toImage();
        const auto reading = quillmark::test::Decode(preview, ZXing::BarcodeFormat::Code128);
        QVERIFY2(reading.valid, qPrintable(QString::fromUtf8(field->text().toUtf8())));
        QCOMPARE(reading.symbology, std::string("]C1"));
        QCOMPARE(quillmark::test::Visible(reading.text),
                 std::string("0109501101530003<1D>10ABC123"));
    }

    // Each tab saved through the window's save path, the format by extension or by filter; an
    // empty name is a cancelled dialog.
    void saveEachTab_data() {
        // written: empty where nothing is
        Columns<int, QString, int, QString>("tab", "chosen", "filter", "written");
        const QString jpeg = quillmark::PictureFilters().at(1);
        for (int tab = 0; tab < 3; ++tab) {
            const QByteArray t = QByteArray::number(tab);
            QTest::newRow(t + " .bmp") << tab << "a.bmp" << 1 << "a.bmp";
            QTest::newRow(t + " .jpg") << tab << "a.jpg" << 0 << "a.jpg";
            QTest::newRow(t + " .JPEG") << tab << "a.JPEG" << 0 << "a.JPEG";
            QTest::newRow(t + " bare, BMP filter") << tab << "a" << 0 << "a.bmp";
            QTest::newRow(t + " bare, JPEG filter") << tab << "a" << 1 << "a.jpg";
            QTest::newRow(t + " other, JPEG filter") << tab << "a.v2" << 1 << "a.v2.jpg";
            QTest::newRow(t + " cancelled") << tab << "" << 0 << "";
        }
    }
    void saveEachTab() {
        QFETCH(int, tab);
        QFETCH(QString, chosen);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QTemporaryDir dir;
        Window w;
        ShowTab(w.form, tab);
        Child<QSpinBox>(w.form, "Resolution")->setValue(9);
        int asked = 0;
        w.commands.choosePictureFile = [&](QWidget*) -> std::optional<quillmark::PictureChoice> {
            ++asked;
            if (chosen.isEmpty()) return std::nullopt;
            return quillmark::PictureChoice{dir.filePath(chosen),
                                            quillmark::PictureFilters().at(filter)};
        };
        QTest::mouseClick(Child(w.form, "SpeedButton1"), Qt::LeftButton);

        QCOMPARE(asked, 1);
        QCOMPARE(w.errors, QStringList());
        QCOMPARE(w.questions, QStringList());
        const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        if (written.isEmpty()) {
            QVERIFY(files.isEmpty());
            return;
        }
        QCOMPARE(files, QStringList{written});
        const QString path = dir.filePath(written);
        QVERIFY(FileBytes(path).startsWith(written.endsWith(".bmp") ? "BM" : "\xFF\xD8\xFF"));
        VerifySymbolPicture(QImage(path), w.form, tab);
    }

    // A target that cannot be written: an existing file stays byte-identical, the user is told
    // which file and why.
    void failedSaveKeepsTheFile_data() {
        Columns<QString, bool, QString>("target", "fullDisk", "reason");
        const QString tooLarge = QString::fromLocal8Bit(strerror(EFBIG));
        QTest::newRow("full disk") << "label.bmp" << true << tooLarge;
        QTest::newRow("full disk, JPEG") << "label.jpg" << true << tooLarge;
        QTest::newRow("missing folder")
            << "gone/label.bmp" << false << QString::fromLocal8Bit(strerror(ENOENT));
        QTest::newRow("a folder") << "folder.bmp" << false << QString();
    }
    void failedSaveKeepsTheFile() {
        QFETCH(QString, target);
        QFETCH(bool, fullDisk);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QByteArray keep = "yesterday's label";
        for (const char* name : {"label.bmp", "label.jpg"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(keep);
        }
        QVERIFY(QDir(dir.path()).mkdir("folder.bmp"));
        Window w;
        const QString path = dir.filePath(target);
        w.commands.choosePictureFile = [&](QWidget*) {
            return quillmark::PictureChoice{path, quillmark::PictureFilters().at(0)};
        };
        WithFileSizeLimit(fullDisk ? 100 : RLIM_INFINITY, [&] { QVERIFY(!w.commands.SaveAs()); });
        QCOMPARE(w.errors.size(), 1);
        QVERIFY2(w.errors[0].contains(path) && w.errors[0].contains(reason),
                 qPrintable(w.errors[0]));
        QCOMPARE(FileBytes(dir.filePath("label.bmp")), keep);
        QCOMPARE(FileBytes(dir.filePath("label.jpg")), keep);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // A picture that does not read back at the chosen density is saved only when the user says
    // so (and then the file is asked for); one that reads is saved without a question.
    void saveAsksAboutUnreadablePicture_data() {
        Columns<int, bool, bool>("resolution", "answer", "asked");
        for (const int resolution : {1, 3})
            for (const bool answer : {false, true})
                QTest::addRow("%d dots/mm, %s", resolution, answer ? "yes" : "no")
                    << resolution << answer << true;
        QTest::newRow("12 dots/mm reads") << 12 << false << false;
    }
    void saveAsksAboutUnreadablePicture() {
        QFETCH(int, resolution);
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        QTemporaryDir dir;
        Window w;
        ShowTab(w.form, 0);
        Child<QSpinBox>(w.form, "Resolution")->setValue(resolution);
        w.commands.ask = [&](QWidget*, const QString& q) { return w.questions << q, answer; };
        w.commands.choosePictureFile = [&](QWidget*) {
            return quillmark::PictureChoice{dir.filePath("a.bmp"), quillmark::PictureFilters()[0]};
        };
        const bool written = !asked || answer;
        QCOMPARE(w.commands.SaveAs(), written);
        QCOMPARE(w.questions, asked
                                  ? QStringList{"Символ не читается при этой четкости. Сохранить?"}
                                  : QStringList());
        QCOMPARE(QFile::exists(dir.filePath("a.bmp")), written);
    }

    // A picture too large to hold is refused with a message before anything is made or asked.
    void tooLargePictureRefused() {
        Window w;
        Child<QTabWidget>(w.form, "PageControl")->setCurrentIndex(2);
        Child<QLineEdit>(w.form, "UCCEAN128_CodeValue")->setText(QString(40, u'A'));
        Child<QSpinBox>(w.form, "UCCEAN128_GSize")->setValue(400);
        Child<QSpinBox>(w.form, "Resolution")->setValue(100);
        bool asked = false;
        w.commands.choosePictureFile = [&](QWidget*) {
            asked = true;
            return std::optional<quillmark::PictureChoice>();
        };
        QGuiApplication::clipboard()->clear();
        QVERIFY(!w.commands.SaveAs() && !w.commands.Copy() && !w.commands.ExportWord());
        QVERIFY(!asked);
        QCOMPARE(w.errors.size(), 3);
        QVERIFY2(w.errors[0].contains("32767"), qPrintable(w.errors[0]));
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }

    void copyRoundTrip_data() {
        Columns<int>("tab");
        for (int tab = 0; tab < 3; ++tab) QTest::newRow(QByteArray::number(tab)) << tab;
    }
    void copyRoundTrip() {
        QFETCH(int, tab);
        Window w;
        ShowTab(w.form, tab);
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(Child(w.form, "SpeedButton3"), Qt::LeftButton);
        QVERIFY(QGuiApplication::clipboard()->mimeData()->hasFormat("image/png"));
        VerifySymbolPicture(QGuiApplication::clipboard()->image(), w.form, tab);
    }

    // A fresh package per hand-over in the temporary folder; where nothing opens it, the user
    // learns where it is.
    void officeHandOver_data() {
        Columns<QString, QString, bool>("action", "mime", "opens");
        for (const bool opens : {false, true}) {
            QTest::newRow(opens ? "docx, opened" : "docx, nothing opens")
                << "ExportWordMI" << quillmark::kDocxMimeType << opens;
            QTest::newRow(opens ? "xlsx, opened" : "xlsx, nothing opens")
                << "ExportExcelMI" << quillmark::kXlsxMimeType << opens;
        }
    }
    void officeHandOver() {
        QFETCH(QString, action);
        QFETCH(QString, mime);
        QFETCH(bool, opens);
        Window w;
        QStringList opened;
        w.commands.openDocument = [&](const QString& path, const QString& type) {
            opened << path;
            return opens && type == mime;
        };
        for (int i = 0; i < 2; ++i) Child<QAction>(w.form, qPrintable(action))->trigger();
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened[0] != opened[1]);
        for (const QString& path : opened) {
            QVERIFY(path.endsWith(QString(QTest::currentDataTag()).left(4)));
            QCOMPARE(QFileInfo(path).absolutePath(), runtime_.filePath("quillmark"));
            QVERIFY(FileBytes(path).startsWith("PK"));
        }
        QVERIFY(w.errors.isEmpty());
        QCOMPARE(w.notes.size(), opens ? 0 : 2);
        for (int i = 0; i < w.notes.size(); ++i)
            QVERIFY2(w.notes[i].contains(QDir::toNativeSeparators(opened[i])),
                     qPrintable(w.notes[i]));
        for (const QString& path : opened) QFile::remove(path);
    }

    // A temporary folder that is not the user's own is refused: nothing is written and the
    // message names the folder and why.
    void officeFolderRefused() {
        const QString folder = runtime_.filePath("quillmark");
        QDir(folder).removeRecursively();
        QVERIFY(QFile::link(runtime_.path(), folder));
        Window w;
        const bool exported = w.commands.ExportWord() || w.commands.ExportExcel();
        QFile::remove(folder);
        QVERIFY(!exported);
        QCOMPARE(w.errors.size(), 2);
        for (const QString& error : w.errors)
            QVERIFY2(error.startsWith(QString("Во временной папке %1 не удалось создать файл.\n")
                                          .arg(QDir::toNativeSeparators(folder))) &&
                         error.contains("символическая ссылка"),
                     qPrintable(error));
        QCOMPARE(QDir(runtime_.path()).entryList(QDir::Files), QStringList());
    }

    // The printer the user set up receives the symbol; cancel prints nothing.
    void print() {
        QTemporaryDir dir;
        Window w;
        const QString pdf = dir.filePath("page.pdf");
        bool accept = false;
        w.commands.setUpPrinter = [&](QWidget*, QPrinter& printer) {
            printer.setOutputFileName(pdf);
            return accept;
        };
        Child<QAction>(w.form, "PrintMI")->trigger();
        QVERIFY(!QFile::exists(pdf));
        accept = true;
        QTest::mouseClick(Child(w.form, "SpeedButton2"), Qt::LeftButton);
        QVERIFY(FileBytes(pdf).startsWith("%PDF"));
        QVERIFY(w.errors.isEmpty());
    }

    // Help writes its page and opens it; About shows its box modally; Exit closes the window.
    void helpAboutExit() {
        QTemporaryDir dir;
        qputenv("TEMP", dir.path().toLocal8Bit());
        TMainForm form;
        form.show();
        QList<QUrl> urls;
        form.Commands().openUrl = [&](const QUrl& url) {
            urls << url;
            return true;
        };
        QTest::mouseClick(Child(form, "SpeedButton5"), Qt::LeftButton);
        QCOMPARE(urls, QList<QUrl>{QUrl::fromLocalFile(dir.filePath("HelpRus.html"))});
        QVERIFY(QFileInfo(dir.filePath("HelpRus.html")).size() > 0);

        TAboutForm& about = form.Commands().AboutForm();
        bool shown = false;
        QTimer::singleShot(0, &about, [&] {
            shown = about.isVisible() && about.isModal();
            about.reject();
        });
        QTest::mouseClick(Child(form, "SpeedButton6"), Qt::LeftButton);
        QVERIFY(shown);
        QCOMPARE(about.parentWidget(), &form);

        Child<QAction>(form, "ExitMI")->trigger();
        QVERIFY(!form.isVisible());
        qunsetenv("TEMP");
    }

private:
    QTemporaryDir runtime_;
};

QTEST_MAIN(WindowCommandsTest)
#include "WindowCommandsTest.moc"
