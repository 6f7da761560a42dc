#include "app/CommandLine.h"
#include "app/Languages.h"
#include "support/PageFiles.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

using namespace ferlo;

namespace {

const QStringList builtTranslations{QStringLiteral(FERLO_BINARY_DIR "/src/translations")};

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ferlo::installTranslations(QStringLiteral("en"), builtTranslations); }

    // --lang (either form, before "--") wins over FERLO_LANG, which wins over the system's.
    void requestedLanguage_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("requested");
        QTest::newRow("neither") << QStringList{"a.jpg"} << QString() << QString();
        QTest::newRow("variable") << QStringList{"a.jpg"} << "fr"
                                  << "fr";
        QTest::newRow("option wins") << QStringList{"--lang", "ar", "a.jpg"} << "fr"
                                     << "ar";
        QTest::newRow("option with =") << QStringList{"--lang=de"} << QString() << "de";
        QTest::newRow("after --, a picture") << QStringList{"--", "--lang", "de"} << "es"
                                             << "es";
    }
    void requestedLanguage() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, variable);
        QFETCH(QString, requested);
        const QByteArray saved = qgetenv("FERLO_LANG");
        const auto restore = qScopeGuard([&] { qputenv("FERLO_LANG", saved); });
        if (variable.isEmpty())
            qunsetenv("FERLO_LANG");
        else
            qputenv("FERLO_LANG", variable.toUtf8());
        QCOMPARE(ferlo::requestedLanguage(QStringList{"ferlo"} + arguments), requested);
    }

    // Each language with a translation is shown, with Qt's own texts in it too and the window's
    // direction its script's; English and any language without one show English.
    void installTranslations_data() {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("unknown");
        QTest::addColumn<QString>("cancel"); // Qt's own button text
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("de") << "de"
                            << "de" << false << "Abbrechen" << Qt::LeftToRight;
        QTest::newRow("de_AT: German") << "de_AT"
                                       << "de" << false << "Abbrechen" << Qt::LeftToRight;
        QTest::newRow("fr") << "fr"
                            << "fr" << false << "Annuler" << Qt::LeftToRight;
        QTest::newRow("es") << "es"
                            << "es" << false << "Cancelar" << Qt::LeftToRight;
        QTest::newRow("ar: mirrored") << "ar"
                                      << "ar" << false << "ألغِ" << Qt::RightToLeft;
        QTest::newRow("en") << "en"
                            << "en" << false << "Cancel" << Qt::LeftToRight;
        QTest::newRow("system (C)") << ""
                                    << "en" << false << "Cancel" << Qt::LeftToRight;
        QTest::newRow("no translation") << "sw"
                                        << "en" << true << "Cancel" << Qt::LeftToRight;
        QTest::newRow("no language") << "xx-yy"
                                     << "en" << true << "Cancel" << Qt::LeftToRight;
    }
    void installTranslations() {
        QFETCH(QString, requested);
        QFETCH(QString, language);
        QFETCH(bool, unknown);
        QFETCH(QString, cancel);
        QFETCH(Qt::LayoutDirection, direction);
        ferlo::installTranslations(QStringLiteral("ar"),
                                   builtTranslations); // replaced, not added to
        const LanguageChoice choice = ferlo::installTranslations(requested, builtTranslations);
        QCOMPARE(choice.language, language);
        QCOMPARE(choice.unknown, unknown);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
        QCOMPARE(QGuiApplication::layoutDirection(), direction);
        // The help's copy and the spoken words follow the default locale.
        QCOMPARE(QLocale::languageToCode(QLocale().language()), language);
    }

    // The page exported in Arabic, with the window's direction right to left, is the page exported
    // in English: words whose order a right-to-left paragraph would change ("(1) DOG!", a Latin
    // word with an Arabic one) stay as they are.
    void exportSameInArabic() {
        QTemporaryDir dir;
        QStringList pictures;
        for (const char* name : {"dog!.jpg", "(cat) b.jpg", "bird عصفور.jpg"}) {
            pictures << dir.filePath(QString::fromUtf8(name));
            test::writeJpeg(pictures.last(), test::photoLikeImage(120, 90, int(pictures.size())));
        }
        QByteArray pdf[2];
        for (int rtl = 0; rtl < 2; ++rtl) {
            const QString language = rtl ? QStringLiteral("ar") : QStringLiteral("en");
            ferlo::installTranslations(language, builtTranslations);
            const QString out = dir.filePath(language + QStringLiteral(".pdf"));
            QCOMPARE(runCommandLineExport(QStringList{"ferlo", "--lang", language, "--resolution",
                                                      "150", "--print-to", out} +
                                          pictures),
                     0);
            pdf[rtl] = ferlo::test::pdfWithoutDates(out);
        }
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QVERIFY(!pdf[0].isEmpty());
        QVERIFY(pdf[1] == pdf[0]);
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
