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

#include "about/AboutForm.h"
#include "ai/AIList.h"
#include "app/AIForm.h"
#include "app/MainForm.h"
#include "app/PreviewWidget.h"
#include "app/WindowCommands.h"
#include "output/OfficePackage.h"
#include "support/ZXingDecode.h"

using quillmark::TMainForm;
using quillmark::WindowCommands;

namespace {

template <typename T = QWidget>
T* Child(const QObject& form, const char* name) {
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) qFatal("no control %s", name);
    return found;
}

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
    int tab;
    std::function<void(TMainForm&)> fill;
    ZXing::BarcodeFormat format;
    std::string decoded;
};

TabSymbol Tab(int tab) {
    if (tab == 0)
        return {0,
                [](TMainForm& f) {
                    Child<QLineEdit>(f, "EANUPC_CodeValue")->setText("5 901234 123450");
                },
                ZXing::BarcodeFormat::EAN13, "5901234123457"};
    if (tab == 1)
        return {1,
                [](TMainForm& f) {
                    Child<QLineEdit>(f, "ITF14_CodeValue")->setText("12345678901230");
                    Child<QSpinBox>(f, "ITF14_Size")->setValue(50);
                },
                ZXing::BarcodeFormat::ITF, "12345678901231"};
    return {2,
            [](TMainForm& f) {
                Child<QLineEdit>(f, "UCCEAN128_CodeValue")->setText("(01)09501101530003(10)AB");
            },
            ZXing::BarcodeFormat::Code128, "010950110153000310AB"};
}

// The active tab's extent at the window's resolution, as every picture must be.
QSize MeasuredSize(const TMainForm& form) {
    quillmark::TRect extent;
    const double scale = form.Resolution();
    quillmark::RenderSymbol(form.CurrentRequest(), nullptr, 0, 0, scale, scale, extent);
    return {extent.Right - extent.Left, extent.Bottom - extent.Top};
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

// Messages collected instead of shown.
struct Messages {
    QStringList errors;
    QStringList notes;
    void Attach(WindowCommands& commands) {
        commands.reportError = [this](QWidget*, const QString& m) { errors << m; };
        commands.reportInformation = [this](QWidget*, const QString& m) { notes << m; };
    }
};

}  // namespace

class WindowCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

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

    // Each tab saved through the window's save path, the format by extension or by filter.
    void saveEachTab_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("magic");
        const QByteArray bmp("BM");
        const QByteArray jpeg("\xFF\xD8\xFF");
        for (int tab = 0; tab < 3; ++tab) {
            const QByteArray t = QByteArray::number(tab);
            QTest::newRow(t + " .bmp") << tab << "a.bmp" << 1 << "a.bmp" << bmp;
            QTest::newRow(t + " .jpg") << tab << "a.jpg" << 0 << "a.jpg" << jpeg;
            QTest::newRow(t + " .JPEG") << tab << "a.JPEG" << 0 << "a.JPEG" << jpeg;
            QTest::newRow(t + " bare, BMP filter") << tab << "a" << 0 << "a.bmp" << bmp;
            QTest::newRow(t + " bare, JPEG filter") << tab << "a" << 1 << "a.jpg" << jpeg;
            QTest::newRow(t + " other, JPEG filter") << tab << "a.v2" << 1 << "a.v2.jpg" << jpeg;
        }
    }
    void saveEachTab() {
        QFETCH(int, tab);
        QFETCH(QString, chosen);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(QByteArray, magic);
        QTemporaryDir dir;
        TMainForm form;
        Messages messages;
        messages.Attach(form.Commands());
        const TabSymbol symbol = Tab(tab);
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(tab);
        symbol.fill(form);
        Child<QSpinBox>(form, "Resolution")->setValue(9);
        form.Commands().choosePictureFile = [&](QWidget*) {
            return quillmark::PictureChoice{dir.filePath(chosen),
                                            quillmark::PictureFilters().at(filter)};
        };
        QTest::mouseClick(Child(form, "SpeedButton1"), Qt::LeftButton);

        QCOMPARE(messages.errors, QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
        const QString path = dir.filePath(written);
        QVERIFY(FileBytes(path).startsWith(magic));
        const QImage image(path);
        QCOMPARE(image.size(), MeasuredSize(form));
        const auto reading = quillmark::test::Decode(image, symbol.format);
        QVERIFY(reading.valid);
        QCOMPARE(reading.text, symbol.decoded);
    }

    void cancelledSaveWritesNothing() {
        QTemporaryDir dir;
        TMainForm form;
        Messages messages;
        messages.Attach(form.Commands());
        int asked = 0;
        form.Commands().choosePictureFile = [&](QWidget*) {
            ++asked;
            return std::optional<quillmark::PictureChoice>();
        };
        Child<QAction>(form, "SaveAsMI")->trigger();
        QCOMPARE(asked, 1);
        QVERIFY(QDir(dir.path()).isEmpty());
        QVERIFY(messages.errors.isEmpty());
    }

    // A target that cannot be written: an existing file stays byte-identical, the user is told
    // which file and why.
    void failedSaveKeepsTheFile_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk")
            << "label.bmp" << true << QString::fromLocal8Bit(strerror(EFBIG));
        QTest::newRow("full disk, JPEG")
            << "label.jpg" << true << QString::fromLocal8Bit(strerror(EFBIG));
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
        TMainForm form;
        Messages messages;
        messages.Attach(form.Commands());
        const QString path = dir.filePath(target);
        form.Commands().choosePictureFile = [&](QWidget*) {
            return quillmark::PictureChoice{path, quillmark::PictureFilters().at(0)};
        };
        if (fullDisk)
            WithFileSizeLimit(100, [&] { QVERIFY(!form.Commands().SaveAs()); });
        else
            QVERIFY(!form.Commands().SaveAs());
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY2(messages.errors[0].contains(path), qPrintable(messages.errors[0]));
        QVERIFY2(messages.errors[0].contains(reason), qPrintable(messages.errors[0]));
        QCOMPARE(FileBytes(dir.filePath("label.bmp")), keep);
        QCOMPARE(FileBytes(dir.filePath("label.jpg")), keep);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // A picture too large to hold is refused with a message before anything is made or asked.
    void tooLargePictureRefused() {
        TMainForm form;
        Messages messages;
        messages.Attach(form.Commands());
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(2);
        Child<QLineEdit>(form, "UCCEAN128_CodeValue")->setText(QString(40, u'A'));
        Child<QSpinBox>(form, "UCCEAN128_GSize")->setValue(400);
        Child<QSpinBox>(form, "Resolution")->setValue(100);
        bool asked = false;
        form.Commands().choosePictureFile = [&](QWidget*) {
            asked = true;
            return std::optional<quillmark::PictureChoice>();
        };
        QGuiApplication::clipboard()->clear();
        QVERIFY(!form.Commands().SaveAs());
        QVERIFY(!form.Commands().Copy());
        QVERIFY(!form.Commands().ExportWord());
        QVERIFY(!asked);
        QCOMPARE(messages.errors.size(), 3);
        QVERIFY2(messages.errors[0].contains("32767"), qPrintable(messages.errors[0]));
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }

    void copyRoundTrip_data() {
        QTest::addColumn<int>("tab");
        for (int tab = 0; tab < 3; ++tab) QTest::newRow(QByteArray::number(tab)) << tab;
    }
    void copyRoundTrip() {
        QFETCH(int, tab);
        TMainForm form;
        const TabSymbol symbol = Tab(tab);
        Child<QTabWidget>(form, "PageControl")->setCurrentIndex(tab);
        symbol.fill(form);
        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(Child(form, "SpeedButton3"), Qt::LeftButton);
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data != nullptr);
        QVERIFY(data->hasFormat("image/png"));
        const QImage image = QGuiApplication::clipboard()->image();
        QCOMPARE(image.size(), MeasuredSize(form));
        const auto reading = quillmark::test::Decode(image, symbol.format);
        QVERIFY(reading.valid);
        QCOMPARE(reading.text, symbol.decoded);
    }

    // The package is written to the temporary folder; where nothing opens it, the user learns
    // where it is.
    void officeHandOver_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("mime");
        QTest::addColumn<bool>("opens");
        for (const bool opens : {false, true}) {
            QTest::newRow(opens ? "Word, opened" : "Word, nothing opens")
                << "ExportWordMI"
                << ".docx" << quillmark::kDocxMimeType << opens;
            QTest::newRow(opens ? "Excel, opened" : "Excel, nothing opens")
                << "ExportExcelMI"
                << ".xlsx" << quillmark::kXlsxMimeType << opens;
        }
    }
    void officeHandOver() {
        QFETCH(QString, action);
        QFETCH(QString, suffix);
        QFETCH(QString, mime);
        QFETCH(bool, opens);
        TMainForm form;
        Messages messages;
        messages.Attach(form.Commands());
        QStringList opened;
        form.Commands().openDocument = [&](const QString& path, const QString& type) {
            opened << path;
            return opens && type == mime;
        };
        Child<QAction>(form, action.toLatin1().constData())->trigger();
        Child<QAction>(form, action.toLatin1().constData())->trigger();
        QCOMPARE(opened.size(), 2);
        QVERIFY(opened[0] != opened[1]);  // a fresh file per hand-over
        for (const QString& path : opened) {
            QVERIFY(path.endsWith(suffix));
            QCOMPARE(QFileInfo(path).absolutePath(), QDir(QDir::tempPath()).absolutePath());
            QVERIFY(FileBytes(path).startsWith("PK"));
        }
        QVERIFY(messages.errors.isEmpty());
        QCOMPARE(messages.notes.size(), opens ? 0 : 2);
        for (int i = 0; i < messages.notes.size(); ++i)
            QVERIFY2(messages.notes[i].contains(QDir::toNativeSeparators(opened[i])),
                     qPrintable(messages.notes[i]));
        for (const QString& path : opened) QFile::remove(path);
    }

    // The printer set up by the user receives the symbol; cancel prints nothing.
    void print() {
        QTemporaryDir dir;
        TMainForm form;
        Messages messages;
        messages.Attach(form.Commands());
        const QString pdf = dir.filePath("page.pdf");
        bool accept = false;
        form.Commands().setUpPrinter = [&](QWidget*, QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return accept;
        };
        Child<QAction>(form, "PrintMI")->trigger();
        QVERIFY(!QFile::exists(pdf));
        accept = true;
        QTest::mouseClick(Child(form, "SpeedButton2"), Qt::LeftButton);
        QVERIFY(FileBytes(pdf).startsWith("%PDF"));
        QVERIFY(messages.errors.isEmpty());
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
};

QTEST_MAIN(WindowCommandsTest)
#include "WindowCommandsTest.moc"
