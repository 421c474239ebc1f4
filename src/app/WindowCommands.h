// The main window's commands: the About box and the AI dialog it owns, save, print, copy, the
// office hand-over and help, with every dialog and message replaceable for tests.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "app/HelpCommand.h"
#include "canvas/SymbolImage.h"

class QPrinter;
class TAboutForm;

namespace quillmark {

class TAIForm;
class TMainForm;

// The file a user chose in the save dialog, and the filter selected when confirming it.
struct PictureChoice {
    QString path;
    QString filter;
};

// Where and how a picture is written: the format named by the extension, or the chosen filter's.
struct PictureTarget {
    QString path;
    const char* format = nullptr;  // "BMP" or "JPEG"
};

// The save dialog's filters, in order.
QStringList PictureFilters();

// The target for a chosen name: .bmp, .jpg and .jpeg (any case) keep their format; any other name
// takes the selected filter's format and its extension appended (BMP when the filter is unknown).
PictureTarget ResolvePictureTarget(const PictureChoice& choice);

// Why a picture cannot be made, for the user; empty when it can.
QString PictureProblemMessage(PictureProblem problem, const TRect& extent);

class WindowCommands : public QObject {
    Q_OBJECT

public:
    // Asks for a file to save to; nullopt when cancelled.
    using PictureFileChooser = std::function<std::optional<PictureChoice>(QWidget* parent)>;
    // Lets the user set the printer up; false when cancelled.
    using PrinterSetup = std::function<bool(QWidget* parent, QPrinter& printer)>;
    // Opens a written office file with the desktop's application for its type; false when none.
    using DocumentOpener = std::function<bool(const QString& path, const QString& mimeType)>;
    // Asks the user a yes/no question; true for yes.
    using Question = std::function<bool(QWidget* parent, const QString& question)>;

    // Creates the About box, then the AI dialog, both children of the window.
    explicit WindowCommands(TMainForm& window);

    TAboutForm& AboutForm() const { return *about_; }
    TAIForm& AIForm() const { return *aiForm_; }

    // The AI dialog for row aiIndex; the text to append when the user confirmed it.
    std::optional<QString> AskAIText(int aiIndex);
    // Each returns whether it produced its output (false on cancel and on failure, which has been
    // reported). SaveAs asks first whether to save a picture that does not read back.
    bool SaveAs();
    bool Print();
    bool Copy();
    bool ExportWord();
    bool ExportExcel();
    bool Help();
    void About();

    PictureFileChooser choosePictureFile;
    PrinterSetup setUpPrinter;
    DocumentOpener openDocument;
    UrlOpener openUrl;
    ErrorReporter reportError = ShowCriticalMessage;
    ErrorReporter reportInformation;
    Question ask;

private:
    // The active tab's symbol at Resolution() dots per mm in the window's style; a null image
    // after the reason has been reported.
    SymbolPicture Picture();
    bool ExportOffice(const QString& suffix, const QString& mimeType,
                      std::string (*save)(const QImage&, double, const QString&));

    TMainForm& window_;
    TAboutForm* about_;
    TAIForm* aiForm_;
};

}  // namespace quillmark
