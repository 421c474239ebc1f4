// Reads label sheets from template files in the gLabels XML format: the bundled set and, when
// Debian's glabels-data is installed, the system's copy.
#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sheets/LabelSheet.h"

namespace quillmark {

// Where glabels-data installs its templates and paper sizes.
inline constexpr char kSystemTemplateFolder[] = "/usr/share/libglabels-3.0/templates";

// A template file that could not be read whole, or one template in it that was passed over.
struct TemplateProblem {
    QString file;
    qint64 line = 0;
    QString message;
};

// Paper sizes by id ("A4", "US-Letter", ...), width and height in millimetres.
using PaperSizes = std::map<std::string, std::pair<double, double>>;

struct SheetLibrary {
    std::vector<LabelSheet> sheets;  // definitions and their aliases, each a whole sheet
    int aliases = 0;                 // how many of the sheets are aliases
    std::vector<TemplateProblem> problems;
    PaperSizes paperSizes;
};

// A length as the templates write it: a number and a unit (pt, in, mm, cm, pc), a bare number
// meaning points; nothing for anything else.
std::optional<double> LengthInMm(const QString& text);

// The common paper sizes, for template files read without the system's paper-sizes.xml.
PaperSizes BuiltInPaperSizes();

// Adds the paper sizes of a paper-sizes.xml file; a malformed file adds none and is reported.
void ReadPaperSizes(const QByteArray& xml, const QString& fileName, SheetLibrary& library);

// Adds the templates of one file. A malformed file adds nothing and is reported with its name and
// line; a template that cannot be understood (an unknown unit or paper, a missing size) is
// reported and passed over. Aliases ("equiv") take their definition from the same library.
void ReadTemplateFile(const QByteArray& xml, const QString& fileName, SheetLibrary& library);

// The bundled templates, then every *-templates.xml of folder (the system's copy) with its
// paper-sizes.xml, when the folder exists. A sheet read twice keeps its first definition.
SheetLibrary LoadSheetLibrary(const QString& folder = QString::fromLatin1(kSystemTemplateFolder));

// The bundled template file's text.
QByteArray BundledTemplates();

}  // namespace quillmark
