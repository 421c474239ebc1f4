// Office Open XML files holding the symbol's picture at physical size, for the hand-over to a
// word processor or a spreadsheet, and their opening with the desktop's default application.
#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <string>

namespace quillmark {

inline constexpr const char* kDocxMimeType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.document";
inline constexpr const char* kXlsxMimeType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

// English Metric Units (36000 per millimetre) of a length of pixels drawn at dotsPerMm, rounded.
std::int64_t PixelsToEmu(int pixels, double dotsPerMm);

// A word-processing document (.docx) whose one paragraph holds the picture, drawn at dotsPerMm,
// as an inline picture at physical size. The package is made in memory with libzip and written
// atomically. Empty on success; otherwise a message naming the file and the reason.
std::string SaveDocx(const QImage& picture, double dotsPerMm, const QString& path);

// A workbook (.xlsx, libxlsxwriter) with the picture at cell A1 at physical size: anchored by its
// size (see AnchorPictureBySize), so that it keeps its millimetres whatever the column widths.
// Empty on success; otherwise a message naming the file and the reason.
std::string SaveXlsx(const QImage& picture, double dotsPerMm, const QString& path);

// libxlsxwriter anchors a picture to two cells, so that its size follows the widths of the
// columns and rows as each spreadsheet program measures them. This turns the one
// <xdr:twoCellAnchor> of a drawing part into an <xdr:oneCellAnchor> at the same top-left cell
// with the extent cx x cy EMU (the picture's own <a:ext> made the same). Empty when the drawing
// has not exactly one two-cell anchor.
QByteArray AnchorPictureBySize(const QByteArray& drawing, std::int64_t cx, std::int64_t cy);

// A new, empty file in folder (the window's temporary folder when empty, see
// WindowTemporaryFolder) named "quillmark-XXXXXX.<suffix>", left in place for the application
// that opens it; a fresh name on every call. Empty when none could be made (also when the
// window's temporary folder is refused).
QString FreshTemporaryPath(const QString& suffix, const QString& folder = {});

// The desktop file of the default application for mimeType as `xdg-mime query default` names
// it; empty when none is registered or xdg-mime cannot be run.
QString DefaultApplication(const QString& mimeType);

// Opens path with the default application for mimeType. False when no application is registered
// or the desktop refused; the caller then tells the user where the file is. (QDesktopServices
// alone can report success although nothing opened.)
bool OpenWithDefaultApplication(const QString& path, const QString& mimeType);

}  // namespace quillmark
