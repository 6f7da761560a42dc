// The user's guide of each language names every command the window offers, as the window shows
// it in that language: a command added to a menu, the picture's menu or the layout dialog without
// a word in the guides shows here.
#include "app/Languages.h"
#include "mainwindow/FerloMainForm.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QtTest>

using namespace ferlo;

namespace {

const QStringList kBuiltTranslations{QStringLiteral(FERLO_BINARY_DIR "/src/translations")};

// A command's text as a guide writes it: without its accelerator's "&", its trailing " ..." and
// ":", and the explanation after a colon ("Fill: crop pictures ..." is "Fill").
QString asWritten(QString text) {
    text.remove(QLatin1Char('&'));
    text = text.section(QLatin1Char(':'), 0, 0);
    static const QRegularExpression trailing(QStringLiteral("[\\s.…]+$"));
    return text.remove(trailing).simplified();
}

// The visible commands of a menu and of its submenus, each as "Menu > Command".
void collect(const QMenu* menu, QStringList& commands) {
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        if (action->menu())
            collect(action->menu(), commands);
        else
            commands << asWritten(action->text());
    }
}

QString guide(const QString& language) {
    const QString name = language == QLatin1String("en")
                             ? QStringLiteral("README.TXT")
                             : QStringLiteral("README.%1.TXT").arg(language);
    QFile file(QStringLiteral(FERLO_SOURCE_DIR "/docs/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QStringDecoder(QStringDecoder::Utf8)(file.readAll());
}

} // namespace

class TestUserGuide : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { installTranslations(QStringLiteral("en"), kBuiltTranslations); }

    void namesEveryCommand_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "de", "es", "fr", "ar"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void namesEveryCommand() {
        QFETCH(QString, language);
        QCOMPARE(installTranslations(language, kBuiltTranslations).language, language);
        const QString text = guide(language);
        QVERIFY(!text.isEmpty());

        test::MessageRecorder messages;
        TFerloMainForm form;
        QStringList commands;
        for (const QAction* action : form.menuBar()->actions()) {
            commands << asWritten(action->text());
            if (action->menu())
                collect(action->menu(), commands);
        }
        // The picture's menu and the layout dialog, which open only for a picture or a click.
        const std::pair<const char*, const char*> others[] = {
            {"ferlo::TFerloMainForm", "&Play"},
            {"ferlo::TFerloMainForm", "&Record word"},
            {"ferlo::TFerloMainForm", "&Edit word"},
            {"ferlo::TFerloMainForm", "&Take off"},
            {"ferlo::LayoutDialog", "&Pictures per page"},
            {"ferlo::LayoutDialog", "&Grid"},
            {"ferlo::LayoutDialog", "P&resets"},
            {"ferlo::LayoutDialog", "&Sheets"},
            {"ferlo::LayoutDialog", "&Fill: crop pictures to fill their cards"},
            {"ferlo::LayoutDialog", "&Bleed:"},
            {"ferlo::LayoutDialog", "&Outlines"},
            {"ferlo::LayoutDialog", "&Find:"},
        };
        for (const auto& [context, source] : others)
            commands << asWritten(QCoreApplication::translate(context, source));
        QVERIFY(commands.size() > 30);

        QStringList missing;
        for (const QString& command : commands) {
            if (!text.contains(command, Qt::CaseInsensitive))
                missing << command;
        }
        QCOMPARE(missing, QStringList());
    }
};

QTEST_MAIN(TestUserGuide)
#include "tst_userguide.moc"
