// Printer profiles in QSettings, one group per printer queue.
#include "app/PrinterProfiles.h"

#include <QUrl>
#include <algorithm>
#include <cmath>

namespace quillmark {
namespace {

// Queue names may hold "/" and "\", which QSettings takes for group separators.
QString GroupOf(const QString& printerName) {
    return QStringLiteral("printers/") + QString::fromLatin1(QUrl::toPercentEncoding(printerName));
}

double Bounded(const QSettings& settings, const char* key, double fallback, double low,
               double high) {
    bool ok = false;
    const double value = settings.value(QLatin1String(key)).toDouble(&ok);
    if (!ok || !std::isfinite(value)) return fallback;
    return std::clamp(value, low, high);
}

}  // namespace

QSettings& WindowSettings() {
    static QSettings settings(QStringLiteral("Quillmark"), QStringLiteral("Quillmark"));
    return settings;
}

PrinterProfile LoadPrinterProfile(QSettings& settings, const QString& printerName) {
    PrinterProfile profile;
    settings.beginGroup(GroupOf(printerName));
    profile.offsetXMm = Bounded(settings, "offsetX", 0, -kMaxProfileOffsetMm, kMaxProfileOffsetMm);
    profile.offsetYMm = Bounded(settings, "offsetY", 0, -kMaxProfileOffsetMm, kMaxProfileOffsetMm);
    profile.scaleXPercent =
        Bounded(settings, "scaleX", 100, kMinProfileScalePercent, kMaxProfileScalePercent);
    profile.scaleYPercent =
        Bounded(settings, "scaleY", 100, kMinProfileScalePercent, kMaxProfileScalePercent);
    profile.barReductionMicrons = Bounded(settings, "barReduction", 0, 0, kMaxBarReductionMicrons);
    settings.endGroup();
    return profile;
}

void SavePrinterProfile(QSettings& settings, const QString& printerName,
                        const PrinterProfile& profile) {
    settings.beginGroup(GroupOf(printerName));
    settings.setValue(QStringLiteral("offsetX"), profile.offsetXMm);
    settings.setValue(QStringLiteral("offsetY"), profile.offsetYMm);
    settings.setValue(QStringLiteral("scaleX"), profile.scaleXPercent);
    settings.setValue(QStringLiteral("scaleY"), profile.scaleYPercent);
    settings.setValue(QStringLiteral("barReduction"), profile.barReductionMicrons);
    settings.endGroup();
    settings.sync();
}

}  // namespace quillmark
