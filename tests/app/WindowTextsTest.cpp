// The window in the desktop's language, run by CTest under several environments: under English no
// Cyrillic in any text the window, the AI dialog or the About box shows; under Russian and the C
// locale the texts as they always were. QUILLMARK_EXPECTED_LANGUAGE names the language expected.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

#include "ai/AIList.h"
#include "app/AIForm.h"
#include "app/AboutForm.h"
#include "app/CheckWording.h"
#include "app/HelpPage.h"
#include "app/MainForm.h"
#include "app/translations/WindowLanguage.h"
#include "support/QtTables.h"

using quillmark::test::Columns;
using namespace quillmark;

namespace {

// Every text a user can read on the object and its children, each with the object it is on.
QList<QPair<QString, QString>> ShownTexts(const QObject& root) {
    QList<QPair<QString, QString>> texts;
    QList<const QObject*> objects{&root};
    for (const QObject* child : root.findChildren<QObject*>()) objects << child;
    for (const QObject* object : objects) {
        QStringList shown;
        if (const auto* w = qobject_cast<const QWidget*>(object))
            shown << w->windowTitle() << w->toolTip() << w->statusTip() << w->whatsThis();
        if (const auto* a = qobject_cast<const QAction*>(object))
            shown << a->text() << a->toolTip() << a->statusTip() << a->iconText();
        if (const auto* l = qobject_cast<const QLabel*>(object)) shown << l->text();
        if (const auto* b = qobject_cast<const QAbstractButton*>(object)) shown << b->text();
        if (const auto* g = qobject_cast<const QGroupBox*>(object)) shown << g->title();
        if (const auto* m = qobject_cast<const QMenu*>(object)) shown << m->title();
        if (const auto* t = qobject_cast<const QTabWidget*>(object))
            for (int i = 0; i < t->count(); ++i) shown << t->tabText(i) << t->tabToolTip(i);
        // The font list holds the system's family names, not the window's texts.
        if (const auto* c = qobject_cast<const QComboBox*>(object);
            c != nullptr && c->objectName() != QLatin1String("FontsBox"))
            for (int i = 0; i < c->count(); ++i) shown << c->itemText(i);
        for (const QString& text : shown)
            if (!text.isEmpty()) texts.append({object->objectName(), text});
    }
    return texts;
}

bool English() {
    return qEnvironmentVariable("QUILLMARK_EXPECTED_LANGUAGE") == QLatin1String("en");
}

}  // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        const QString expected = qEnvironmentVariable("QUILLMARK_EXPECTED_LANGUAGE");
        QVERIFY2(expected == QLatin1String("en") || expected == QLatin1String("ru"),
                 "CTest sets the expected language");
        QCOMPARE(InstallWindowLanguage(*QCoreApplication::instance()),
                 English() ? QLocale::English : QLocale::Russian);
        window_ = std::make_unique<TMainForm>();
        aiForm_ = window_->findChild<TAIForm*>();
        about_ = window_->findChild<TAboutForm*>();
        QVERIFY(aiForm_ != nullptr && about_ != nullptr);
    }

    void knownTexts_data() {
        Columns<QString, QString, QString, QString>("dialog", "name", "russian", "english");
        QTest::newRow("menu item") << ""
                                   << "SaveAsMI"
                                   << "Сохранить как"
                                   << "Save As";
        QTest::newRow("submenu") << ""
                                 << "ExportWordMI"
                                 << "Передать в Word"
                                 << "Send to Word";
        QTest::newRow("preview") << ""
                                 << "PreviewBox"
                                 << "Предварительный просмотр"
                                 << "Preview";
        QTest::newRow("label") << ""
                               << "Label14"
                               << "Прикладной идентификатор (AI):"
                               << "Application Identifier (AI):";
        QTest::newRow("application") << ""
                                     << "ApplicationBox"
                                     << "Дистрибуция и логистика"
                                     << "General distribution and logistics";
        QTest::newRow("AI list") << ""
                                 << "UCCEAN128_AI" << QString::fromStdString(AIListItem(0))
                                 << "(00) - Serial shipping container code   (SSCC-18)";
        QTest::newRow("about title") << "about"
                                     << ""
                                     << "О программе"
                                     << "About";
        QTest::newRow("AI dialog title") << "ai"
                                         << ""
                                         << "Прикладной идентификатор"
                                         << "Application Identifier";
    }
    void knownTexts() {
        QFETCH(QString, dialog);
        QFETCH(QString, name);
        QFETCH(QString, russian);
        QFETCH(QString, english);
        const QWidget* root = window_.get();
        if (dialog == QLatin1String("about")) root = about_;
        if (dialog == QLatin1String("ai")) root = aiForm_;
        const QString expected = English() ? english : russian;
        const QPair<QString, QString> shown{name.isEmpty() ? root->objectName() : name, expected};
        QVERIFY2(ShownTexts(*root).contains(shown), qPrintable(expected));
    }

    // Each AI row's dialog shows its notes; the window shows the verdict on the symbol it opened
    // with, with the module's size in the tooltip.
    void noCyrillicInEnglish() {
        if (!English()) QSKIP("the Russian window is written in Cyrillic");
        const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
        int checked = 0;
        auto check = [&](const QObject& root) {
            for (const auto& [object, text] : ShownTexts(root)) {
                ++checked;
                QVERIFY2(!cyrillic.match(text).hasMatch(),
                         qPrintable(object + QStringLiteral(": ") + text));
            }
        };
        check(*window_);
        check(*about_);
        for (int row = 0; row < kAICount; ++row) {
            QVERIFY(aiForm_->PrepareForAI(row));
            check(*aiForm_);
        }
        QVERIFY2(checked > 200, qPrintable(QString::number(checked)));
    }

    void decimals() {
        ModuleGeometry module;
        module.nominalMm = 0.33;
        module.dots = 3.9;
        module.wholeDots = 4;
        module.printedMm = 0.3387;
        module.severity = Severity::Pass;
        QCOMPARE(ModuleText(module, 11.81),
                 English() ? QStringLiteral("Module 0.339 mm (nominal 0.330 mm): 3.90 dots at "
                                            "11.81 dots/mm")
                           : QStringLiteral("Модуль 0,339 мм (номинал 0,330 мм): 3,90 точки при "
                                            "11,81 точек/мм"));
    }

    void helpPageInTheWindowsLanguage() {
        QVERIFY(HelpPagePath().endsWith(English() ? "/HelpEng.html" : "/HelpRus.html"));
        QVERIFY(HelpPageBytes().contains(English() ? "<html lang=\"en\">" : "<html lang=\"ru\">"));
    }

private:
    std::unique_ptr<TMainForm> window_;
    TAIForm* aiForm_ = nullptr;
    TAboutForm* about_ = nullptr;
};

QTEST_MAIN(WindowTextsTest)
#include "WindowTextsTest.moc"
