// .docx through libzip and .xlsx through libxlsxwriter, both built before the target is touched.
#include "output/OfficePackage.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QUrl>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

#include <xlsxwriter.h>
#include <zip.h>

#include "output/AtomicFile.h"
#include "output/ImagePng.h"
#include "output/PictureWriter.h"
#include "output/Result.h"
#include "output/TemporaryFolder.h"

namespace quillmark {
namespace {

// The file messages and the atomic write for the QString paths and texts of this file.
std::string CannotWrite(const QString& path, const QString& reason) {
    return quillmark::CannotWrite(path.toStdString(), reason.toStdString());
}

std::string WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    return quillmark::WriteFileAtomically(
               path.toStdString(),
               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
        .error();
}

constexpr const char* kXmlHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

QByteArray ContentTypes() {
    return QByteArray(kXmlHeader) +
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Default Extension=\"png\" ContentType=\"image/png\"/>"
           "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
           "</Types>";
}

QByteArray Relationship(const char* type, const char* target) {
    return QByteArray(kXmlHeader) +
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
           "2006/relationships/" +
           type + "\" Target=\"" + target + "\"/></Relationships>";
}

// A4 with 12.7 mm margins, turned to landscape when the picture is wider than the portrait text
// column, so that a wide ITF-14 symbol keeps its physical size on the page.
QByteArray Section(std::int64_t pictureWidthEmu) {
    constexpr std::int64_t kEmuPerTwip = 635;
    constexpr int kShort = 11906;  // twips
    constexpr int kMargin = 720;
    const bool landscape = pictureWidthEmu > (kShort - 2 * kMargin) * kEmuPerTwip;
    const QByteArray size = landscape
                                ? "<w:pgSz w:w=\"16838\" w:h=\"11906\" w:orient=\"landscape\"/>"
                                : "<w:pgSz w:w=\"11906\" w:h=\"16838\"/>";
    return "<w:sectPr>" + size +
           "<w:pgMar w:top=\"720\" w:right=\"720\" w:bottom=\"720\" w:left=\"720\" "
           "w:header=\"0\" w:footer=\"0\" w:gutter=\"0\"/></w:sectPr>";
}

QByteArray Document(std::int64_t cx, std::int64_t cy) {
    const QByteArray extent =
        "cx=\"" + QByteArray::number(cx) + "\" cy=\"" + QByteArray::number(cy) + "\"";
    return QByteArray(kXmlHeader) +
           "<w:document "
           "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
           "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
           "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
           "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
           "<w:body><w:p><w:r><w:drawing>"
           "<wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\">"
           "<wp:extent " +
           extent +
           "/>"
           "<wp:effectExtent l=\"0\" t=\"0\" r=\"0\" b=\"0\"/>"
           "<wp:docPr id=\"1\" name=\"Barcode\"/>"
           "<wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect=\"1\"/>"
           "</wp:cNvGraphicFramePr>"
           "<a:graphic><a:graphicData "
           "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\">"
           "<pic:pic><pic:nvPicPr><pic:cNvPr id=\"1\" name=\"image1.png\"/><pic:cNvPicPr/>"
           "</pic:nvPicPr>"
           "<pic:blipFill><a:blip r:embed=\"rId1\"/><a:stretch><a:fillRect/></a:stretch>"
           "</pic:blipFill>"
           "<pic:spPr><a:xfrm><a:off x=\"0\" y=\"0\"/><a:ext " +
           extent +
           "/></a:xfrm>"
           "<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr>"
           "</pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r></w:p>" +
           Section(cx) + "</w:body></w:document>";
}

QString ZipMessage(zip_error_t* error) {
    return QString::fromLocal8Bit(zip_error_strerror(error));
}

// The parts zipped into memory; empty with reason set on failure.
QByteArray ZipInMemory(const std::vector<std::pair<const char*, QByteArray>>& parts,
                       QString& reason) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* memory = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!memory) {
        reason = ZipMessage(&error);
        zip_error_fini(&error);
        return {};
    }
    zip_source_keep(memory);  // read back after the archive is closed
    QByteArray bytes;
    zip_t* archive = zip_open_from_source(memory, ZIP_TRUNCATE, &error);
    bool ok = archive != nullptr;
    if (!ok) reason = ZipMessage(&error);
    for (const auto& [name, data] : parts) {
        if (!ok) break;
        zip_source_t* source =
            zip_source_buffer(archive, data.constData(), static_cast<zip_uint64_t>(data.size()), 0);
        const zip_int64_t index =
            source ? zip_file_add(archive, name, source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (source) zip_source_free(source);
            reason = QString::fromLocal8Bit(zip_strerror(archive));
            ok = false;
        }
    }
    if (ok && zip_close(archive) != 0) {
        reason = QString::fromLocal8Bit(zip_strerror(archive));
        ok = false;
    }
    if (!ok && archive) zip_discard(archive);
    if (ok && zip_source_open(memory) == 0) {
        zip_source_seek(memory, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(memory);
        zip_source_seek(memory, 0, SEEK_SET);
        bytes.resize(static_cast<qsizetype>(size));
        if (size < 0 ||
            zip_source_read(memory, bytes.data(), static_cast<zip_uint64_t>(size)) != size) {
            bytes.clear();
            reason = QStringLiteral("the package could not be read back from memory");
        }
        zip_source_close(memory);
    } else if (ok) {
        reason = QStringLiteral("the package could not be read back from memory");
    }
    zip_source_free(memory);
    zip_error_fini(&error);
    return bytes;
}

// The drawing part of a workbook libxlsxwriter wrote, anchored by size in place. The reason, or
// empty.
QString AnchorWorkbookPictureBySize(const QString& workbookPath, std::int64_t cx, std::int64_t cy) {
    constexpr const char* kDrawing = "xl/drawings/drawing1.xml";
    int code = 0;
    zip_t* archive = zip_open(QFile::encodeName(workbookPath).constData(), 0, &code);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString reason = ZipMessage(&error);
        zip_error_fini(&error);
        return reason;
    }
    QString reason;
    QByteArray drawing;
    zip_stat_t stat;
    zip_file_t* file = zip_stat(archive, kDrawing, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)
                           ? zip_fopen(archive, kDrawing, 0)
                           : nullptr;
    if (file) {
        drawing.resize(static_cast<qsizetype>(stat.size));
        if (zip_fread(file, drawing.data(), stat.size) != static_cast<zip_int64_t>(stat.size))
            drawing.clear();
        zip_fclose(file);
    }
    // The source takes the bytes without copying them: they live until the archive is closed.
    const QByteArray anchored = AnchorPictureBySize(drawing, cx, cy);
    zip_source_t* source = anchored.isEmpty()
                               ? nullptr
                               : zip_source_buffer(archive, anchored.constData(),
                                                   static_cast<zip_uint64_t>(anchored.size()), 0);
    if (!source) {
        reason = QStringLiteral("the workbook's drawing could not be anchored");
    } else if (zip_file_add(archive, kDrawing, source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        reason = QString::fromLocal8Bit(zip_strerror(archive));
    } else if (zip_close(archive) != 0) {
        reason = QString::fromLocal8Bit(zip_strerror(archive));
    } else {
        return {};
    }
    zip_discard(archive);
    return reason;
}

}  // namespace

QByteArray AnchorPictureBySize(const QByteArray& drawing, std::int64_t cx, std::int64_t cy) {
    QString xml = QString::fromUtf8(drawing);
    static const QRegularExpression opening(QStringLiteral("<xdr:twoCellAnchor\\b[^>]*>"));
    static const QRegularExpression to(QStringLiteral("<xdr:to>.*?</xdr:to>"),
                                       QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression pictureExtent(
        QStringLiteral("<a:ext cx=\"\\d+\" cy=\"\\d+\"/>"));
    const QString closing = QStringLiteral("</xdr:twoCellAnchor>");
    if (xml.count(opening) != 1 || xml.count(to) != 1 || xml.count(closing) != 1 ||
        xml.count(pictureExtent) > 1)
        return {};
    const QString size = QStringLiteral("cx=\"%1\" cy=\"%2\"").arg(cx).arg(cy);
    xml.replace(opening, QStringLiteral("<xdr:oneCellAnchor>"));
    xml.replace(to, QStringLiteral("<xdr:ext %1/>").arg(size));
    xml.replace(closing, QStringLiteral("</xdr:oneCellAnchor>"));
    xml.replace(pictureExtent, QStringLiteral("<a:ext %1/>").arg(size));
    return xml.toUtf8();
}

std::int64_t PixelsToEmu(int pixels, double dotsPerMm) {
    return std::llround(pixels / dotsPerMm * 36000.0);
}

// The picture's PNG bytes for a document saved at path, or why that save fails.
Result<QByteArray> DocumentPicture(const QImage& picture, double dotsPerMm, const QString& path) {
    if (picture.isNull() || !(dotsPerMm > 0))
        return Failure{CannotWrite(path, QStringLiteral("there is no picture"))};
    QByteArray png = EncodePng(picture, dotsPerMm);
    if (png.isEmpty()) return Failure{CannotWrite(path, QStringLiteral("PNG encoding failed"))};
    return png;
}

std::string SaveDocx(const QImage& picture, double dotsPerMm, const QString& path) {
    const Result<QByteArray> png = DocumentPicture(picture, dotsPerMm, path);
    if (!png) return png.error();
    QString reason;
    const QByteArray package =
        ZipInMemory({{"[Content_Types].xml", ContentTypes()},
                     {"_rels/.rels", Relationship("officeDocument", "word/document.xml")},
                     {"word/document.xml", Document(PixelsToEmu(picture.width(), dotsPerMm),
                                                    PixelsToEmu(picture.height(), dotsPerMm))},
                     {"word/_rels/document.xml.rels", Relationship("image", "media/image1.png")},
                     {"word/media/image1.png", *png}},
                    reason);
    if (package.isEmpty()) return CannotWrite(path, reason);
    return WriteFileAtomically(path, package);
}

std::string SaveXlsx(const QImage& picture, double dotsPerMm, const QString& path) {
    const Result<QByteArray> png = DocumentPicture(picture, dotsPerMm, path);
    if (!png) return png.error();
    // libxlsxwriter writes only to a named file: it makes the workbook in a private folder, and
    // the finished bytes go to the target atomically.
    QTemporaryDir folder;
    if (!folder.isValid()) return CannotWrite(path, folder.errorString());
    const QByteArray workbookPath = QFile::encodeName(folder.filePath("book.xlsx"));
    IgnoreFileSizeSignal();  // libxlsxwriter writes the workbook's files itself
    lxw_workbook* workbook = workbook_new(workbookPath.constData());
    if (!workbook) return CannotWrite(path, QStringLiteral("the workbook could not be made"));
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
    // libxlsxwriter sizes a picture as pixels x 96 / dpi, with dpi from the PNG's pHYs chunk
    // (pixels per metre x 0.0254); the scale makes up for the rounding to whole dots per metre.
    const double scale = DotsPerMetre(dotsPerMm) / (dotsPerMm * 1000.0);
    lxw_image_options options{};
    options.x_scale = scale;
    options.y_scale = scale;
    options.object_position = LXW_OBJECT_DONT_MOVE_DONT_SIZE;
    const lxw_error inserted =
        sheet ? worksheet_insert_image_buffer_opt(
                    sheet, 0, 0, reinterpret_cast<const unsigned char*>(png->constData()),
                    static_cast<size_t>(png->size()), &options)
              : LXW_ERROR_MEMORY_MALLOC_FAILED;
    errno = 0;
    const lxw_error closed = workbook_close(workbook);
    const int systemError = errno;
    const lxw_error failure = inserted != LXW_NO_ERROR ? inserted : closed;
    // libxlsxwriter's own message for a full disk speaks of temporary files; the system's
    // reason is the one the user can act on.
    if (failure != LXW_NO_ERROR)
        return CannotWrite(path, closed != LXW_NO_ERROR && systemError != 0
                                     ? QString::fromLocal8Bit(std::strerror(systemError))
                                     : QString::fromLocal8Bit(lxw_strerror(failure)));
    const QString anchorProblem = AnchorWorkbookPictureBySize(
        folder.filePath("book.xlsx"), PixelsToEmu(picture.width(), dotsPerMm),
        PixelsToEmu(picture.height(), dotsPerMm));
    if (!anchorProblem.isEmpty()) return CannotWrite(path, anchorProblem);
    QFile written(folder.filePath("book.xlsx"));
    if (!written.open(QIODevice::ReadOnly)) return CannotWrite(path, written.errorString());
    return WriteFileAtomically(path, written.readAll());
}

QString FreshTemporaryPath(const QString& suffix, const QString& folder) {
    QString where = folder;
    if (where.isEmpty()) {
        const TemporaryFolder temporary = WindowTemporaryFolder();
        if (!temporary.problem.isEmpty()) return {};
        where = temporary.path;
    }
    QTemporaryFile file(where + QStringLiteral("/quillmark-XXXXXX.") + suffix);
    file.setAutoRemove(false);
    if (!file.open()) return {};
    return file.fileName();
}

QString DefaultApplication(const QString& mimeType) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

bool OpenWithDefaultApplication(const QString& path, const QString& mimeType) {
    if (DefaultApplication(mimeType).isEmpty()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace quillmark
