// Label sheets from gLabels template files, read with QXmlStreamReader.
#include "sheets/SheetTemplates.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <cmath>
#include <set>

namespace quillmark {

extern const char kBundledSheets[];

namespace {

constexpr double kMmPerPoint = 25.4 / 72;
// The most cells one layout may hold and the largest length read, so that a hostile file cannot
// make millions of cells or infinite pages.
constexpr int kMaxCellsPerLayout = 10'000;
constexpr double kMaxLengthMm = 100'000;

// A template or paper size that cannot be understood; its message is reported with the line.
struct TemplateError {
    QString message;
};

double Length(const QXmlStreamAttributes& attributes, const char* name, bool required) {
    const QString text = attributes.value(QLatin1String(name)).toString();
    if (text.isEmpty()) {
        if (required) throw TemplateError{QStringLiteral("no %1").arg(QLatin1String(name))};
        return 0;
    }
    const std::optional<double> mm = LengthInMm(text);
    if (!mm || *mm < 0 || *mm > kMaxLengthMm) {
        throw TemplateError{
            QStringLiteral("%1=\"%2\" is not a length").arg(QLatin1String(name), text)};
    }
    return *mm;
}

// A corner's radius only shapes the outline drawn; one written without its number (Debian's set
// has round="in") is read as gLabels reads it, as none.
double CornerRadius(const QXmlStreamAttributes& attributes) {
    const std::optional<double> mm =
        LengthInMm(attributes.value(QLatin1String("round")).toString());
    return mm && *mm >= 0 && *mm <= kMaxLengthMm ? *mm : 0;
}

int Count(const QXmlStreamAttributes& attributes, const char* name) {
    const QString text = attributes.value(QLatin1String(name)).toString();
    if (text.isEmpty()) return 1;
    bool ok = false;
    const int count = text.toInt(&ok);
    if (!ok || count < 1 || count > kMaxCellsPerLayout) {
        throw TemplateError{
            QStringLiteral("%1=\"%2\" is not a count").arg(QLatin1String(name), text)};
    }
    return count;
}

std::string Text(const QXmlStreamAttributes& attributes, const char* name) {
    return attributes.value(QLatin1String(name)).toString().toStdString();
}

SheetLayout ReadLayout(const QXmlStreamAttributes& a) {
    SheetLayout layout{Count(a, "nx"),         Count(a, "ny"),         Length(a, "x0", false),
                       Length(a, "y0", false), Length(a, "dx", false), Length(a, "dy", false)};
    if (static_cast<long long>(layout.nx) * layout.ny > kMaxCellsPerLayout) {
        throw TemplateError{
            QStringLiteral("a layout of more than %1 labels").arg(kMaxCellsPerLayout)};
    }
    return layout;
}

// The label element's shape and size, into sheet.
void ReadLabel(QStringView element, const QXmlStreamAttributes& a, LabelSheet& sheet) {
    const double waste = Length(a, "waste", false);
    sheet.xWaste = sheet.yWaste = waste;
    if (element == u"Label-rectangle") {
        sheet.shape = LabelShape::Rectangle;
        sheet.labelWidth = Length(a, "width", true);
        sheet.labelHeight = Length(a, "height", true);
        sheet.round = CornerRadius(a);
        if (a.hasAttribute(QLatin1String("x_waste"))) sheet.xWaste = Length(a, "x_waste", false);
        if (a.hasAttribute(QLatin1String("y_waste"))) sheet.yWaste = Length(a, "y_waste", false);
    } else if (element == u"Label-round" || element == u"Label-cd") {
        sheet.shape = element == u"Label-round" ? LabelShape::Round : LabelShape::Cd;
        sheet.labelWidth = sheet.labelHeight = 2 * Length(a, "radius", true);
        // Business-card CDs are clipped to a width and height of their own.
        if (a.hasAttribute(QLatin1String("width"))) sheet.labelWidth = Length(a, "width", true);
        if (a.hasAttribute(QLatin1String("height"))) sheet.labelHeight = Length(a, "height", true);
        sheet.hole = Length(a, "hole", false);
    } else if (element == u"Label-ellipse") {
        sheet.shape = LabelShape::Ellipse;
        sheet.labelWidth = Length(a, "width", true);
        sheet.labelHeight = Length(a, "height", true);
    } else {  // Label-continuous
        sheet.shape = LabelShape::Continuous;
        sheet.labelWidth = Length(a, "width", true);
        sheet.labelHeight = a.hasAttribute(QLatin1String("default_height"))
                                ? Length(a, "default_height", true)
                                : Length(a, "height", true);
    }
    if (sheet.labelWidth <= 0 || sheet.labelHeight <= 0) {
        throw TemplateError{QStringLiteral("a label without area")};
    }
}

bool IsLabelElement(QStringView name) {
    return name == u"Label-rectangle" || name == u"Label-round" || name == u"Label-ellipse" ||
           name == u"Label-cd" || name == u"Label-continuous";
}

void ReadPaper(const QXmlStreamAttributes& a, const PaperSizes& papers, LabelSheet& sheet) {
    sheet.paperId = Text(a, "size");
    if (sheet.paperId == "Other" || sheet.paperId == "roll") {
        sheet.paperWidth = Length(a, "width", true);
        sheet.paperHeight = Length(a, "height", sheet.paperId == "Other");
        return;
    }
    const auto paper = papers.find(sheet.paperId);
    if (paper == papers.end()) {
        throw TemplateError{
            QStringLiteral("unknown paper size \"%1\"").arg(a.value(QLatin1String("size")))};
    }
    sheet.paperWidth = paper->second.first;
    sheet.paperHeight = paper->second.second;
}

// The Template element the reader stands on, up to its end. A label's layouts follow it.
LabelSheet ReadTemplate(QXmlStreamReader& xml, const PaperSizes& papers) {
    const QXmlStreamAttributes a = xml.attributes();
    LabelSheet sheet;
    sheet.brand = Text(a, "brand");
    sheet.part = Text(a, "part");
    sheet.description = a.hasAttribute(QLatin1String("_description")) ? Text(a, "_description")
                                                                      : Text(a, "description");
    sheet.equivalentOf = Text(a, "equiv");
    if (sheet.brand.empty() || sheet.part.empty())
        throw TemplateError{QStringLiteral("no brand or part")};
    if (!sheet.equivalentOf.empty()) {
        xml.skipCurrentElement();
        return sheet;
    }
    ReadPaper(a, papers, sheet);
    bool labelRead = false;
    while (xml.readNextStartElement()) {
        if (IsLabelElement(xml.name()) && !labelRead) {
            ReadLabel(xml.name(), xml.attributes(), sheet);
            labelRead = true;
            while (xml.readNextStartElement()) {
                if (xml.name() == u"Layout") sheet.layouts.push_back(ReadLayout(xml.attributes()));
                xml.skipCurrentElement();
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    if (!labelRead) throw TemplateError{QStringLiteral("no label")};
    if (sheet.layouts.empty()) throw TemplateError{QStringLiteral("no layout")};
    if (sheet.shape == LabelShape::Continuous && sheet.paperHeight == 0) {
        sheet.paperHeight = sheet.labelHeight;
    }
    return sheet;
}

// After a template that could not be read, wherever in it the reader stopped.
void SkipToTemplateEnd(QXmlStreamReader& xml) {
    while (!(xml.isEndElement() && xml.name() == u"Template") && !xml.atEnd()) xml.readNext();
}

const LabelSheet* FindDefinition(const std::vector<LabelSheet>& sheets, const LabelSheet& alias) {
    for (const LabelSheet& sheet : sheets) {
        if (sheet.brand == alias.brand && sheet.part == alias.equivalentOf) {
            return &sheet;
        }
    }
    return nullptr;
}

// Turns every alias of read into a copy of its definition, looked for in read, then in library.
// An alias may repeat another alias, so the aliases are resolved until no more can be.
void ResolveAliases(std::vector<LabelSheet>& read, const QString& fileName,
                    std::vector<std::pair<LabelSheet, qint64>>& aliases, SheetLibrary& library) {
    for (bool resolvedAny = true; resolvedAny;) {
        resolvedAny = false;
        std::erase_if(aliases, [&](const std::pair<LabelSheet, qint64>& entry) {
            const LabelSheet& alias = entry.first;
            const LabelSheet* definition = FindDefinition(read, alias);
            if (!definition) definition = FindDefinition(library.sheets, alias);
            if (!definition) return false;
            LabelSheet sheet = *definition;
            sheet.part = alias.part;
            sheet.equivalentOf = alias.equivalentOf;
            if (!alias.description.empty()) sheet.description = alias.description;
            read.push_back(std::move(sheet));
            resolvedAny = true;
            return true;
        });
    }
    for (const auto& [alias, line] : aliases) {
        library.problems.push_back(
            {fileName, line,
             QStringLiteral("%1 %2 repeats %3, which is not defined")
                 .arg(QString::fromStdString(alias.brand), QString::fromStdString(alias.part),
                      QString::fromStdString(alias.equivalentOf))});
    }
}

// Adds the sheets read that the library does not hold yet.
void AddNewSheets(std::vector<LabelSheet>& read, SheetLibrary& library) {
    std::set<std::string> known;
    for (const LabelSheet& sheet : library.sheets) known.insert(SheetName(sheet));
    for (LabelSheet& sheet : read) {
        if (!known.insert(SheetName(sheet)).second) continue;
        if (!sheet.equivalentOf.empty()) ++library.aliases;
        library.sheets.push_back(std::move(sheet));
    }
}

bool ReadOrReport(const QString& path, QByteArray& bytes, SheetLibrary& library) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        library.problems.push_back({path, 0, file.errorString()});
        return false;
    }
    bytes = file.readAll();
    return true;
}

}  // namespace

std::optional<double> LengthInMm(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*([-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?)\s*(pt|in|mm|cm|pc)?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const double number = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    double factor = kMmPerPoint;
    if (unit == u"in")
        factor = 25.4;
    else if (unit == u"mm")
        factor = 1;
    else if (unit == u"cm")
        factor = 10;
    else if (unit == u"pc")
        factor = 12 * kMmPerPoint;
    const double mm = number * factor;
    if (!std::isfinite(mm)) return std::nullopt;
    return mm;
}

PaperSizes BuiltInPaperSizes() {
    return {{"A3", {297, 420}},
            {"A4", {210, 297}},
            {"A5", {148, 210}},
            {"A6", {105, 148}},
            {"B5", {176, 250}},
            {"SRA3", {320, 450}},
            {"US-Letter", {215.9, 279.4}},
            {"US-Legal", {215.9, 355.6}},
            {"US-Executive", {184.15, 266.7}}};
}

void ReadPaperSizes(const QByteArray& bytes, const QString& fileName, SheetLibrary& library) {
    QXmlStreamReader xml(bytes);
    PaperSizes read;
    try {
        if (xml.readNextStartElement() && xml.name() == u"Glabels-paper-sizes") {
            while (xml.readNextStartElement()) {
                const QXmlStreamAttributes a = xml.attributes();
                if (xml.name() == u"Paper-size") {
                    read[Text(a, "id")] = {Length(a, "width", true), Length(a, "height", true)};
                }
                xml.skipCurrentElement();
            }
        } else if (!xml.hasError()) {
            xml.raiseError(QStringLiteral("not a gLabels paper size file"));
        }
    } catch (const TemplateError& error) {
        xml.raiseError(error.message);
    }
    if (xml.hasError()) {
        library.problems.push_back({fileName, xml.lineNumber(), xml.errorString()});
        return;
    }
    library.paperSizes.merge(read);
}

void ReadTemplateFile(const QByteArray& bytes, const QString& fileName, SheetLibrary& library) {
    if (library.paperSizes.empty()) library.paperSizes = BuiltInPaperSizes();
    QXmlStreamReader xml(bytes);
    std::vector<LabelSheet> read;
    std::vector<std::pair<LabelSheet, qint64>> aliases;
    std::vector<TemplateProblem> passedOver;
    if (!xml.readNextStartElement() || xml.name() != u"Glabels-templates") {
        if (!xml.hasError()) xml.raiseError(QStringLiteral("not a gLabels template file"));
    }
    while (!xml.hasError() && xml.readNextStartElement()) {
        if (xml.name() != u"Template") {
            xml.skipCurrentElement();
            continue;
        }
        const qint64 line = xml.lineNumber();
        try {
            LabelSheet sheet = ReadTemplate(xml, library.paperSizes);
            if (sheet.equivalentOf.empty())
                read.push_back(std::move(sheet));
            else
                aliases.emplace_back(std::move(sheet), line);
        } catch (const TemplateError& error) {
            passedOver.push_back({fileName, line, error.message});
            SkipToTemplateEnd(xml);
        }
    }
    if (xml.hasError()) {
        library.problems.push_back({fileName, xml.lineNumber(), xml.errorString()});
        return;
    }
    library.problems.insert(library.problems.end(), passedOver.begin(), passedOver.end());
    ResolveAliases(read, fileName, aliases, library);
    AddNewSheets(read, library);
}

QByteArray BundledTemplates() {
    return QByteArray(kBundledSheets);
}

SheetLibrary LoadSheetLibrary(const QString& folder) {
    SheetLibrary library;
    library.paperSizes = BuiltInPaperSizes();
    const QDir dir(folder);
    QByteArray bytes;
    if (dir.exists(QStringLiteral("paper-sizes.xml")) &&
        ReadOrReport(dir.filePath(QStringLiteral("paper-sizes.xml")), bytes, library)) {
        ReadPaperSizes(bytes, dir.filePath(QStringLiteral("paper-sizes.xml")), library);
    }
    ReadTemplateFile(BundledTemplates(), QStringLiteral("quillmark-sheets.xml"), library);
    const QStringList files =
        dir.entryList({QStringLiteral("*-templates.xml")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        if (ReadOrReport(dir.filePath(name), bytes, library)) {
            ReadTemplateFile(bytes, dir.filePath(name), library);
        }
    }
    return library;
}

}  // namespace quillmark
