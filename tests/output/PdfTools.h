// Poppler's command-line tools for the PDF tests: page size and rasterising.
#pragma once

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtMath>

namespace quillmark::test {

// The first page's size in points as pdfinfo reports it; empty when pdfinfo failed.
inline QSizeF PdfPageSizePoints(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(30000) || info.exitCode() != 0) return {};
    const QString text = QString::fromLocal8Bit(info.readAllStandardOutput());
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+) pts")).match(text);
    if (!m.hasMatch()) return {};
    return {m.captured(1).toDouble(), m.captured(2).toDouble()};
}

// How many pages pdfinfo counts; -1 when it failed.
inline int PdfPageCount(const QString& pdf) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(30000) || info.exitCode() != 0) return -1;
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
            .match(QString::fromLocal8Bit(info.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The first page rendered by pdftoppm at dpi in shades of grey (a page at 600 dpi in colour is
// beyond Qt's image allocation limit), only its top-left part of cropMm when that is given; null
// when pdftoppm failed.
inline QImage RasterisePdf(const QString& pdf, int dpi, QSizeF cropMm = {}) {
    QTemporaryDir dir;
    if (!dir.isValid()) return {};
    QStringList arguments{QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                          QStringLiteral("-gray"), QStringLiteral("-singlefile")};
    if (cropMm.isValid())
        arguments << QStringLiteral("-W") << QString::number(qCeil(cropMm.width() * dpi / 25.4))
                  << QStringLiteral("-H") << QString::number(qCeil(cropMm.height() * dpi / 25.4));
    arguments << pdf << dir.filePath(QStringLiteral("page"));
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), arguments);
    if (!render.waitForFinished(120000) || render.exitCode() != 0) return {};
    QImageReader::setAllocationLimit(1024);  // megabytes; a whole page at 600 dpi
    return QImage(dir.filePath(QStringLiteral("page.png")));
}

// The smallest rectangle holding every pixel that is not white.
inline QRect NonWhiteExtent(const QImage& page) {
    const QImage rgb = page.convertToFormat(QImage::Format_RGB32);
    int left = rgb.width(), top = rgb.height(), right = -1, bottom = -1;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == 0xFFFFFF) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace quillmark::test
