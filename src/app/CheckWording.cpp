// The symbol checks' findings in the window's words for the window's verdict line and its tooltip.
#include "app/CheckWording.h"

#include <QCoreApplication>

#include <cmath>
#include <string>
#include <utility>

#include "ai/FieldCharacters.h"
#include "app/translations/WindowLanguage.h"
#include "check/GS1Dictionary.h"

namespace quillmark {

namespace {

// The findings' translation context, in a form lupdate reads.
struct Wording {
    Q_DECLARE_TR_FUNCTIONS(CheckWording)
};

QString Number(double v, int decimals) {
    return DecimalText(QString::number(v, 'f', decimals));
}

QString GradeLetter(ContrastGrade grade) {
    return QString(QLatin1Char("ABCDF"[static_cast<int>(grade)]));
}

QString Ai(const GS1Finding& f) {
    return QString::fromStdString(f.ai);
}

QString Expected(const GS1Finding& f) {
    return QString::fromStdString(f.expected);
}

QString Found(const GS1Finding& f) {
    return QString::fromStdString(f.found);
}

QString Position(const GS1Finding& f) {
    return QString::number(f.position + 1);
}

// "(02) или (8026)" of "02,8026".
QString Alternatives(const GS1Finding& f) {
    return QLatin1Char('(') + Expected(f).split(QLatin1Char(',')).join(Wording::tr(") или (")) +
           QLatin1Char(')');
}

// The rule a value broke, by the dictionary's name of the linter that found it.
QString RuleOf(const std::string& linter) {
    static const std::pair<const char*, const char*> kRules[] = {
        {"yesno", QT_TRANSLATE_NOOP("CheckWording", "допустимы только 0 и 1")},
        {"zero", QT_TRANSLATE_NOOP("CheckWording", "допустим только 0")},
        {"nonzero", QT_TRANSLATE_NOOP("CheckWording", "не может быть нулём")},
        {"winding", QT_TRANSLATE_NOOP("CheckWording", "допустимы только 0, 1 и 9")},
        {"pieceoftotal",
         QT_TRANSLATE_NOOP("CheckWording", "номер части должен быть от 1 до числа частей")},
        {"nozeroprefix", QT_TRANSLATE_NOOP("CheckWording", "не может начинаться с 0")},
        {"hyphen", QT_TRANSLATE_NOOP("CheckWording", "допустим только дефис")},
        {"mediatype", QT_TRANSLATE_NOOP("CheckWording", "такого кода вида носителя нет")},
        {"importeridx", QT_TRANSLATE_NOOP("CheckWording", "такого индекса импортёра нет")},
        {"latitude", QT_TRANSLATE_NOOP("CheckWording", "широта больше 90°")},
        {"longitude", QT_TRANSLATE_NOOP("CheckWording", "долгота больше 180°")},
        {"pcenc", QT_TRANSLATE_NOOP("CheckWording",
                                    "после знака % должны стоять две шестнадцатеричные цифры")},
        {"iban", QT_TRANSLATE_NOOP("CheckWording", "неверный IBAN")},
        {"couponcode", QT_TRANSLATE_NOOP("CheckWording", "нарушено строение кода купона")},
        {"couponposoffer",
         QT_TRANSLATE_NOOP("CheckWording", "нарушено строение кода предложения купона")},
        {"mmoptss", QT_TRANSLATE_NOOP("CheckWording",
                                      "нужны минуты (ММ) или минуты и секунды "
                                      "(ММСС)")},
        {"csumalpha",
         QT_TRANSLATE_NOOP("CheckWording", "слишком короткое или длинное для контрольной пары")},
        {"iso3166list", QT_TRANSLATE_NOOP("CheckWording", "не список трёхзначных кодов стран")},
    };
    for (const auto& [name, rule] : kRules)
        if (linter == name) return Wording::tr(rule);
    return Wording::tr("здесь недопустимо");
}

// ": нужно увеличение 200 %": the magnification that mends a size finding.
QString MendText(SizeMend mend, unsigned short percent) {
    switch (mend) {
        case SizeMend::Size:
            return Wording::tr(": нужно увеличение %1 %").arg(percent);
        case SizeMend::VerticalSize:
            return Wording::tr(": нужно вертикальное увеличение %1 %").arg(percent);
        case SizeMend::HorizontalSize:
            return Wording::tr(": нужно горизонтальное увеличение %1 %").arg(percent);
        case SizeMend::None:
            break;
    }
    return Wording::tr(": ни одно увеличение не подходит");
}

// The data as scanned, with its add-on after " + "; GS1 data as printed under the bars, each AI
// in parentheses, where it parses.
QString ScanShown(bool gs1, const std::string& text, const std::string& addOn) {
    const std::optional<std::string> printed =
        gs1 ? ElementStringsInParentheses(text) : std::nullopt;
    const QString main = ScanDataText(printed.value_or(text), gs1);
    return addOn.empty() ? main : main + QStringLiteral(" + ") + QString::fromStdString(addOn);
}

}  // namespace

QString CharacterText(unsigned char c) {
    if (c >= 32 && c < 127) return QString(QLatin1Char(static_cast<char>(c)));
    if (const std::optional<int> index = SpecialCharIndexOfCode(c)) {
        const std::string_view name = SpecialCharNames[static_cast<std::size_t>(*index)];
        return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }
    return Wording::tr("код %1").arg(c);
}

QString ContrastText(const ContrastResult& c) {
    if (c.inverted)
        return Wording::tr(
            "Штрихи светлее фона в красном свете сканера: многие сканеры не читают "
            "такой символ");
    const QString percent = QString::number(std::lround(c.symbolContrast * 100));
    const QString grade = GradeLetter(c.grade);
    switch (c.severity) {
        case Severity::Pass:
            return Wording::tr("Контраст в красном свете сканера %1 %, класс %2")
                .arg(percent, grade);
        case Severity::Warning:
            return Wording::tr(
                       "Контраст в красном свете сканера %1 %, класс %2: читается не всеми "
                       "сканерами")
                .arg(percent, grade);
        case Severity::Failure:
            break;
    }
    return Wording::tr(
               "Контраст в красном свете сканера всего %1 %, класс %2: сканер не отличит штрихи "
               "от фона")
        .arg(percent, grade);
}

QString GS1FindingText(const GS1Finding& f) {
    switch (f.problem) {
        case GS1Problem::DataTooShort:
            return Wording::tr("AI (%1): в данных %2 симв., нужно не меньше %3")
                .arg(Ai(f), Found(f), Expected(f));
        case GS1Problem::DataTooLong:
            return Wording::tr("AI (%1): в данных %2 симв., допустимо не больше %3")
                .arg(Ai(f), Found(f), Expected(f));
        case GS1Problem::NonDigit:
            return Wording::tr("AI (%1): «%2» в позиции %3, а данные только цифровые")
                .arg(Ai(f), CharacterText(static_cast<unsigned char>(f.found[0])), Position(f));
        case GS1Problem::WrongCheckDigit:
            return Wording::tr("AI (%1): контрольная цифра должна быть %2, а не %3")
                .arg(Ai(f), Expected(f), Found(f));
        case GS1Problem::MissingFNC1:
            return Wording::tr("AI (%1): перед (%2) нет FNC1, сканер прочтёт (%2) как данные (%1)")
                .arg(Ai(f), Expected(f));
        case GS1Problem::TextTruncated:
            return Wording::tr("В символ поместились только первые %1 из %2 знаков текста")
                .arg(Found(f), Expected(f));
        case GS1Problem::ImpossibleDate:
            return Wording::tr("AI (%1): %2 не дата (ГГММДД)").arg(Ai(f), Found(f));
        case GS1Problem::DecimalPointAboveFive:
            return Wording::tr("AI (%1): положение десятичной точки %2 больше %3")
                .arg(Ai(f), Found(f), Expected(f));
        case GS1Problem::SpaceInData:
            return Wording::tr("AI (%1): пробел в позиции %2 печатается, но не кодируется")
                .arg(Ai(f), Position(f));
        case GS1Problem::TooManyDataCharacters:
            return Wording::tr("В символе %1 знаков данных, GS1 допускает не больше %2")
                .arg(Found(f), Expected(f));
        case GS1Problem::UnknownAI:
            return Wording::tr("AI (%1) не определён в GS1").arg(Ai(f));
        case GS1Problem::UnclosedAI:
            return Wording::tr("AI (%1: нет закрывающей скобки").arg(Ai(f));
        case GS1Problem::DataWithoutAI:
            return Wording::tr("Данные в позиции %1 не относятся ни к одному AI").arg(Position(f));
        case GS1Problem::NoElementStrings:
            return Wording::tr("Нет данных GS1");
        case GS1Problem::UnencodableCharacter:
            return Wording::tr("Знак с кодом %1 в позиции %2 не кодируется и пропущен")
                .arg(Found(f), Position(f));
        case GS1Problem::SymbolTooWide:
            return Wording::tr("Символ шириной %1 мм шире допустимых %2 мм")
                .arg(DecimalText(Found(f)), Expected(f));
        case GS1Problem::InvalidCharacter:
            return Wording::tr("AI (%1): «%2» в позиции %3 не входит в набор знаков CSET %4")
                .arg(Ai(f), CharacterText(static_cast<unsigned char>(f.found[0])), Position(f),
                     Expected(f));
        case GS1Problem::ControlCharacter:
            return Wording::tr("AI (%1): управляющий знак %2 в позиции %3 внутри данных")
                .arg(Ai(f), CharacterText(static_cast<unsigned char>(std::stoi(f.found))),
                     Position(f));
        case GS1Problem::TrailingFNC1:
            return Wording::tr(
                "FNC1 в конце текста лишь добавляет знак в символ, данных в нём нет");
        case GS1Problem::InvalidMonth:
            return Wording::tr("AI (%1): месяца %2 не бывает").arg(Ai(f), Found(f));
        case GS1Problem::InvalidHour:
            return Wording::tr("AI (%1): часа %2 не бывает").arg(Ai(f), Found(f));
        case GS1Problem::InvalidMinute:
            return Wording::tr("AI (%1): минуты %2 не бывает").arg(Ai(f), Found(f));
        case GS1Problem::InvalidSecond:
            return Wording::tr("AI (%1): секунды %2 не бывает").arg(Ai(f), Found(f));
        case GS1Problem::UnknownCountry:
            return Wording::tr("AI (%1): %2 не код страны по ISO 3166").arg(Ai(f), Found(f));
        case GS1Problem::UnknownCurrency:
            return Wording::tr("AI (%1): %2 не код валюты по ISO 4217").arg(Ai(f), Found(f));
        case GS1Problem::WrongCheckCharacters:
            return Wording::tr("AI (%1): контрольная пара знаков должна быть %2, а не %3")
                .arg(Ai(f), Expected(f), Found(f));
        case GS1Problem::NoCompanyPrefix:
            return Wording::tr(
                       "AI (%1): ключ должен начинаться с префикса компании GS1 — не меньше "
                       "четырёх цифр, а начинается с «%2»")
                .arg(Ai(f), Found(f));
        case GS1Problem::InvalidValue:
            return Wording::tr("AI (%1): «%2» — %3").arg(Ai(f), Found(f), RuleOf(f.linter));
        case GS1Problem::RequisiteMissing:
            if (f.severity == Severity::Failure)
                return Wording::tr("AI (%1) требует AI %2, а на этикетке его нет")
                    .arg(Ai(f), Alternatives(f));
            return Wording::tr("AI (%1) требует AI %2 в этом или в другом символе той же этикетки")
                .arg(Ai(f), Alternatives(f));
        case GS1Problem::ExclusiveAIs:
            return Wording::tr("AI (%1) нельзя сочетать с AI (%2)").arg(Ai(f), Expected(f));
        case GS1Problem::RepeatedAI:
            return Wording::tr("AI (%1) повторяется с другими данными: %2 и %3")
                .arg(Ai(f), Expected(f), Found(f));
    }
    return {};
}

QString ScanDataText(const std::string& data, bool gs1) {
    QString out;
    for (const char ch : data) {
        const auto c = static_cast<unsigned char>(ch);
        if (gs1 && c == kGroupSeparator) {
            out += QStringLiteral("[FNC1]");
        } else if (c < 32) {
            out += QLatin1Char('[') + CharacterText(NotationOfControl(c)) + QLatin1Char(']');
        } else {
            out += CharacterText(c);
        }
    }
    return out;
}

QString ScanText(const ScanFinding& scan) {
    switch (scan.verdict) {
        case ScanVerdict::Reads:
            return Wording::tr("Читается: %1").arg(ScanShown(scan.gs1, scan.text, scan.addOn));
        case ScanVerdict::ReadsNotAsGS1:
            return Wording::tr("Читается %1, но не как данные GS1")
                .arg(ScanShown(scan.gs1, scan.text, {}));
        case ScanVerdict::ReadsWithoutAddOn:
            return Wording::tr("Читается %1 без дополнительного кода %2")
                .arg(ScanShown(scan.gs1, scan.text, {}),
                     QString::fromStdString(scan.expectedAddOn));
        case ScanVerdict::ReadsOther:
            return Wording::tr("Читается %1 вместо %2")
                .arg(ScanShown(scan.gs1, scan.text, scan.addOn),
                     ScanShown(scan.gs1, scan.expectedText, scan.expectedAddOn));
        case ScanVerdict::NoPicture:
            return Wording::tr("При таком разрешении картинку не построить");
        case ScanVerdict::NoSymbol:
            return Wording::tr("Из этих данных символ не построить");
        case ScanVerdict::NothingRead:
            break;
    }
    return Wording::tr("Не читается");
}

QString ApplicationText(Application application) {
    switch (application) {
        case Application::GeneralDistribution:
            return Wording::tr("Дистрибуция и логистика");
        case Application::RetailPOS:
            return Wording::tr("Розница (касса)");
        case Application::HealthcareNonRetail:
            break;
    }
    return Wording::tr("Здравоохранение");
}

// The sentence leaves the application out: the list beside the verdict shows it.
QString SizeTableText(const SizeTableFinding& table) {
    const SizeFinding& f = table.finding;
    // A 2D symbol's size is its module, not a magnification.
    const QString mend = f.mendModuleMm > 0
                             ? Wording::tr(": нужен модуль %1 мм").arg(Number(f.mendModuleMm, 3))
                             : MendText(table.mend, f.mendPercent);
    switch (f.problem) {
        case SizeProblem::NotListed:
            return Wording::tr("Таблица GS1 «%1» не предусматривает %2")
                .arg(ApplicationText(table.application),
                     QString::fromUtf8(
                         SymbologyOf(table.symbology).name.data(),
                         static_cast<qsizetype>(SymbologyOf(table.symbology).name.size())));
        case SizeProblem::XBelowMinimum:
            return Wording::tr("Модуль %1 мм меньше %2 мм по GS1")
                       .arg(Number(f.found, 3), Number(f.expected, 3)) +
                   mend;
        case SizeProblem::XAboveMaximum:
            return Wording::tr("Модуль %1 мм больше %2 мм по GS1")
                       .arg(Number(f.found, 3), Number(f.expected, 3)) +
                   mend;
        case SizeProblem::XOffTarget:
            return Wording::tr("Модуль %1 мм вместо рекомендуемых GS1 %2 мм")
                       .arg(Number(f.found, 3), Number(f.expected, 3)) +
                   mend;
        case SizeProblem::BarsTooShort:
            return Wording::tr("Штрихи %1 мм ниже %2 мм по GS1")
                       .arg(Number(f.found, 2), Number(f.expected, 2)) +
                   mend;
        case SizeProblem::QuietZone:
            return Wording::tr("Свободные зоны в %1 модулей меньше %2 по GS1")
                .arg(Number(f.found, 0), Number(f.expected, 0));
    }
    return {};
}

QString ModuleText(const ModuleGeometry& m, double dotsPerMm) {
    QString text = Wording::tr("Модуль %1 мм (номинал %2 мм): %3 точки при %4 точек/мм")
                       .arg(Number(m.printedMm, 3), Number(m.nominalMm, 3), Number(m.dots, 2),
                            Number(dotsPerMm, 2));
    if (m.severity == Severity::Failure)
        text += Wording::tr("; меньше половины точки, штрихи пропадают");
    else if (m.severity == Severity::Warning)
        text += Wording::tr("; меньше двух точек, печатается ненадёжно");
    return text;
}

QString FindingText(const Finding& finding) {
    return std::visit(Overloaded{
                          [](const ScanFinding& f) { return ScanText(f); },
                          [](const ContrastResult& f) { return ContrastText(f); },
                          [](const GS1Finding& f) { return GS1FindingText(f); },
                          [](const ModuleFinding& f) { return ModuleText(f.module, f.dotsPerMm); },
                          [](const NoModuleFinding&) {
                              return QCoreApplication::translate(
                                  "SymbolVerdict", "Символ такого вида или размера не построить");
                          },
                          [](const SizeTableFinding& f) { return SizeTableText(f); },
                          // The verdict never shows it: the list beside it names the table.
                          [](const SizeTableMet&) { return QString(); },
                      },
                      finding.detail);
}

}  // namespace quillmark
