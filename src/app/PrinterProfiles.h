// Printer profiles kept per printer queue in the user's settings.
#pragma once

#include <QSettings>
#include <QString>

#include "output/PrinterProfile.h"

namespace quillmark {

// The settings the window keeps its profiles in (~/.config/Quillmark/Quillmark.conf).
QSettings& WindowSettings();

// The profile stored for the printer, or the neutral one; values out of range are brought in.
PrinterProfile LoadPrinterProfile(QSettings& settings, const QString& printerName);
void SavePrinterProfile(QSettings& settings, const QString& printerName,
                        const PrinterProfile& profile);

}  // namespace quillmark
