// The main window's commands: each draws the active tab's symbol through the one picture road and
// hands it to the outputs library, telling the user what went wrong.
#include "app/WindowCommands.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "app/AIForm.h"
#include "app/AboutForm.h"
#include "app/MainForm.h"
#include "output/OfficePackage.h"
#include "output/PictureWriter.h"
#include "output/PrintSymbol.h"
#include "output/SymbolMimeData.h"
#include "output/TemporaryFolder.h"
#include "symbol/SymbolRequest.h"
#include "verify/ScanBack.h"

namespace quillmark {
namespace {

std::optional<PictureChoice> AskPictureFile(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(PictureFilters());
    dialog.setSizeGripEnabled(true);
    // A bare name gets the selected type's extension before the dialog asks about overwriting.
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        dialog.setDefaultSuffix(f == PictureFilters().value(1) ? QStringLiteral("jpg")
                                                               : QStringLiteral("bmp"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return PictureChoice{dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

bool AskPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool AskYesNo(QWidget* parent, const QString& question) {
    return QMessageBox::question(parent, QStringLiteral("Quillmark"), question,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

// Whether the symbol as saved at dotsPerMm reads back as intended, by the scan-back of the
// window's verdict line. A symbol without an expected reading is not questioned.
bool ReadsBack(const SymbolRequest& request, double dotsPerMm, const SymbolStyle& style) {
    if (!ExpectedScanText(request)) return true;
    return ScanBackSymbol(request, dotsPerMm, style).outcome == ScanOutcome::Read;
}

}  // namespace

QStringList PictureFilters() {
    return {WindowCommands::tr("Bitmaps (*.bmp)"),
            WindowCommands::tr("JPEG Image File (*.jpg *.jpeg)")};
}

PictureTarget ResolvePictureTarget(const PictureChoice& choice) {
    const QString suffix = QFileInfo(choice.path).suffix().toLower();
    if (suffix == u"bmp") return {choice.path, "BMP"};
    if (suffix == u"jpg" || suffix == u"jpeg") return {choice.path, "JPEG"};
    const bool jpeg = choice.filter == PictureFilters().value(1);
    QString path = choice.path;
    if (!path.endsWith(u'.')) path += u'.';
    path += jpeg ? QStringLiteral("jpg") : QStringLiteral("bmp");
    return {path, jpeg ? "JPEG" : "BMP"};
}

QString PictureProblemMessage(PictureProblem problem, const TRect& extent) {
    const TRect& e = extent;
    const QString width = QString::number(static_cast<long long>(e.Right) - e.Left);
    const QString height = QString::number(static_cast<long long>(e.Bottom) - e.Top);
    switch (problem) {
        case PictureProblem::None:
            return {};
        case PictureProblem::NoArea:
            return WindowCommands::tr("Символ нельзя нарисовать при такой четкости.");
        case PictureProblem::SideTooLong:
            return WindowCommands::tr(
                       "Рисунок получился бы размером %1 × %2 точек, а сторона может быть не "
                       "больше %3 точек. Уменьшите четкость или размер символа.")
                .arg(width, height)
                .arg(kMaxSymbolImageSide);
        case PictureProblem::TooManyPixels:
            return WindowCommands::tr(
                       "Рисунок получился бы размером %1 × %2 точек, а всего допускается не "
                       "больше %3 точек. Уменьшите четкость или размер символа.")
                .arg(width, height)
                .arg(kMaxSymbolImagePixels);
        case PictureProblem::OutOfMemory:
            return WindowCommands::tr("Не хватило памяти для рисунка размером %1 × %2 точек.")
                .arg(width, height);
    }
    return {};
}

WindowCommands::WindowCommands(TMainForm& window)
    : QObject(&window),
      choosePictureFile(AskPictureFile),
      setUpPrinter(AskPrinter),
      openDocument([](const QString& path, const QString& mimeType) {
          return OpenWithDefaultApplication(path, mimeType);
      }),
      openUrl([](const QUrl& url) { return OpenWithDesktop(url); }),
      reportInformation(ShowInformationMessage),
      ask(AskYesNo),
      window_(window),
      about_(new TAboutForm(&window)),
      aiForm_(new TAIForm(&window)) {
    setObjectName(QStringLiteral("WindowCommands"));
    // The About box's links and messages go through the same replaceable hooks.
    about_->setUrlOpener([this](const QUrl& url) { return openUrl(url); });
    about_->setErrorReporter(
        [this](QWidget* parent, const QString& message) { reportError(parent, message); });
    about_->setInformationReporter(
        [this](QWidget* parent, const QString& message) { reportInformation(parent, message); });
}

std::optional<QString> WindowCommands::AskAIText(int aiIndex) {
    return aiForm_->Run(aiIndex);
}

SymbolPicture WindowCommands::Picture() {
    const double scale = window_.Resolution();
    SymbolPicture picture =
        RenderSymbolPicture(window_.CurrentRequest(), scale, scale, window_.CurrentStyle());
    if (picture.problem != PictureProblem::None) {
        reportError(&window_, PictureProblemMessage(picture.problem, picture.extent));
        picture.image = QImage();
    }
    return picture;
}

bool WindowCommands::SaveAs() {
    // A picture that cannot be made is said before the user picks a file for it.
    const double scale = window_.Resolution();
    const SymbolRequest request = window_.CurrentRequest();
    const RasterPicture measured = MeasureSymbolPicture(BindSymbol(request, scale, scale));
    if (measured.problem != PictureProblem::None) {
        reportError(&window_, PictureProblemMessage(measured.problem, measured.extent));
        return false;
    }
    // A picture that would not read is saved only when the user says so.
    if (!ReadsBack(request, scale, window_.CurrentStyle()) &&
        !ask(&window_, WindowCommands::tr("Символ не читается при этой четкости. Сохранить?")))
        return false;
    const std::optional<PictureChoice> choice = choosePictureFile(&window_);
    if (!choice || choice->path.isEmpty()) return false;
    const PictureTarget target = ResolvePictureTarget(*choice);
    // The dialog asked about the name as typed; an extension added here names another file.
    if (target.path != choice->path && QFileInfo::exists(target.path) &&
        !ask(&window_, WindowCommands::tr("Файл %1 уже существует. Заменить его?")
                           .arg(QDir::toNativeSeparators(target.path))))
        return false;
    const SymbolPicture picture = Picture();
    if (picture.image.isNull()) return false;
    const Result<void> saved =
        SavePicture(ViewOf(picture.image), target.path.toStdString(), target.format, scale);
    if (saved) return true;
    reportError(
        &window_,
        WindowCommands::tr("Рисунок не сохранён.\n%1").arg(QString::fromStdString(saved.error())));
    return false;
}

bool WindowCommands::Print() {
    QPrinter printer(QPrinter::HighResolution);
    if (!setUpPrinter(&window_, printer)) return false;
    const std::string error =
        PrintSymbol(printer, window_.CurrentRequest(), window_.CurrentStyle());
    if (error.empty()) return true;
    reportError(&window_,
                WindowCommands::tr("Символ не напечатан: %1.").arg(QString::fromStdString(error)));
    return false;
}

bool WindowCommands::Copy() {
    const SymbolPicture picture = Picture();
    if (picture.image.isNull()) return false;
    QGuiApplication::clipboard()->setMimeData(SymbolMimeData(picture.image, window_.Resolution()));
    return true;
}

bool WindowCommands::ExportOffice(const QString& suffix, const QString& mimeType,
                                  std::string (*save)(const QImage&, double, const QString&)) {
    const SymbolPicture picture = Picture();
    if (picture.image.isNull()) return false;
    const TemporaryFolder folder = WindowTemporaryFolder();
    const QString path =
        folder.problem.isEmpty() ? FreshTemporaryPath(suffix, folder.path) : QString();
    if (path.isEmpty()) {
        QString message = WindowCommands::tr("Во временной папке %1 не удалось создать файл.")
                              .arg(QDir::toNativeSeparators(folder.path));
        if (!folder.problem.isEmpty()) message += u'\n' + folder.problem;
        reportError(&window_, message);
        return false;
    }
    const std::string error = save(picture.image, window_.Resolution(), path);
    if (!error.empty()) {
        QFile::remove(path);  // the empty placeholder of the fresh name
        reportError(&window_,
                    WindowCommands::tr("Файл не записан.\n%1").arg(QString::fromStdString(error)));
        return false;
    }
    if (!openDocument(path, mimeType))
        reportInformation(
            &window_, WindowCommands::tr("Не найдена программа, которая открывает такие файлы, или "
                                         "её не удалось запустить. Файл записан сюда:\n%1")
                          .arg(QDir::toNativeSeparators(path)));
    return true;
}

bool WindowCommands::ExportWord() {
    return ExportOffice(QStringLiteral("docx"), QString::fromLatin1(kDocxMimeType), SaveDocx);
}

bool WindowCommands::ExportExcel() {
    return ExportOffice(QStringLiteral("xlsx"), QString::fromLatin1(kXlsxMimeType), SaveXlsx);
}

bool WindowCommands::Help() {
    return OpenHelpPage(&window_, openUrl, reportError, reportInformation);
}

void WindowCommands::About() {
    about_->exec();
}

}  // namespace quillmark
