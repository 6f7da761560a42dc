// The commands as the main window runs them: print dialog, preview, PDF export, driven through
// their dialogs.
#include "support_dialogs.h"
#include "support_printing.h"

#include "layout/CardModel.h"
#include "printing/CardPage.h"
#include "printing/job/PrintJob.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/PrintOption.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <clocale>
#include <type_traits>

using namespace ferlo;
using namespace ferlo::test;

namespace {

// The printer writes a PDF at 150 dpi on A4, as a chosen PDF printer would.
void writeToPdf(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(150);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

} // namespace

class TestPrintJob : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_red;

private slots:
    void initTestCase() { m_red = writeSolidJpeg(m_dir.filePath("red.jpg"), 640, 480, Qt::red); }

    // The program printer's paper without a printer of the system is the locale's (LC_PAPER), as
    // the C library keeps it; each locale is built here from the system's locale sources.
    void printersPaperFollowsTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("paper");
        QTest::newRow("United States") << "en_US"
                                       << "Letter";
        QTest::newRow("Canada") << "en_CA"
                                << "Letter";
        QTest::newRow("Germany") << "de_DE"
                                 << "A4";
        QTest::newRow("Egypt") << "ar_EG"
                               << "A4";
        QTest::newRow("C") << "C"
                           << "A4";
    }
    void printersPaperFollowsTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, paper);
        QTemporaryDir locales;
        const QByteArray name = locale.toUtf8() + ".UTF-8";
        if (locale != "C") {
            if (!QFileInfo::exists("/usr/share/i18n/locales/" + locale))
                QSKIP("the locales' sources are not installed (locales)");
            QCOMPARE(QProcess::execute("localedef", {"-i", locale, "-f", "UTF-8",
                                                     locales.filePath(QString::fromUtf8(name))}),
                     0);
        }
        const QByteArray wasPath = qgetenv("LOCPATH");
        const QByteArray was = setlocale(LC_PAPER, nullptr);
        qputenv("LOCPATH", locales.path().toUtf8());
        const auto restore = qScopeGuard([&] {
            setlocale(LC_PAPER, was.constData());
            qputenv("LOCPATH", wasPath);
        });
        QVERIFY(setlocale(LC_PAPER, locale == "C" ? "C" : name.constData()));
        QCOMPARE(localePaper().key(),
                 QPageSize(paper == "A4" ? QPageSize::A4 : QPageSize::Letter).key());
    }

    void cancellingThePrintDialogDoesNothing() {
        CardPage page = emptyPage(4, false);
        placePicture(page, 0, m_dir.filePath("gone.jpg"), "GONE"); // would fail if printed
        bool seen = false;
        QString range; // the dialog's page range counts the cards
        whenShown<QPrintDialog>(
            [&range](QPrintDialog* dialog) {
                if (dialog->testOption(QAbstractPrintDialog::PrintPageRange))
                    range = QString("%1-%2").arg(dialog->minPage()).arg(dialog->maxPage());
                dialog->reject();
            },
            &seen);
        MessageRecorder messages;
        printCard(nullptr, {page, emptyPage(2, true)}); // no error: nothing is printed
        QVERIFY(seen);
        QCOMPARE(range, QStringLiteral("1-2"));
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // Print to a file says how it ended: the file written, or nothing begun when the dialog
    // is cancelled.
    void printSaysHowItEnded_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("printed to a file") << true;
        QTest::newRow("dialog cancelled") << false;
    }
    void printSaysHowItEnded() {
        QFETCH(bool, accept);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("cards.pdf");
        CardPage page = emptyPage(2, true);
        placePicture(page, 0, m_red, "RED");
        bool seen = false;
        whenShown<QPrintDialog>(
            [&](QPrintDialog* dialog) {
                QVERIFY(choosePrintToFile(dialog, pdf));
                accept ? dialog->accept() : dialog->reject();
            },
            &seen, 0);
        JobOutcome outcome;
        printCard(nullptr, {page}, {}, &outcome);
        QVERIFY(seen);
        if (accept) {
            QVERIFY(outcome.end == JobOutcome::End::Done && outcome.toFile);
            QCOMPARE(outcome.target, pdf);
            QCOMPARE(pdfPageCount(pdf), 1);
        } else {
            QVERIFY(outcome.end == JobOutcome::End::NotBegun);
            QVERIFY(!QFileInfo::exists(pdf));
        }
    }

    // The preview shows every page of a deck on its own paper, each card's back after it while
    // the stored option asks for backs.
    void previewShowsEachPageInItsOrientation() {
        CardPage landscape = emptyPage(4, false);
        placePicture(landscape, 0, m_red, "RED");
        CardPage portrait = emptyPage(2, true);
        placePicture(portrait, 1, m_red, "ROT");
        save_PrintWordBacks(true);
        bool seen = false;
        QStringList shown;
        whenShown<QDialog>(
            [&shown](QDialog* dialog) {
                for (int page = 1;; ++page) {
                    auto* label = dialog->findChild<QLabel*>(QString("previewPage%1").arg(page));
                    if (!label)
                        break;
                    const QSize size = label->pixmap().size();
                    shown << (size.isEmpty()                 ? "none"
                              : size.width() > size.height() ? "landscape"
                                                             : "portrait");
                }
                dialog->reject();
            },
            &seen);
        MessageRecorder messages;
        previewCard(nullptr, {landscape, portrait});
        save_PrintWordBacks(false);
        QVERIFY(seen);
        QCOMPARE(shown, (QStringList{"landscape", "landscape", "portrait", "portrait"}));
        QVERIFY2(messages.messages().isEmpty(), qPrintable(messages.texts().join('\n')));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // The preview never reaches past the screen's room: its Print and Close buttons show whole
    // on any screen, a small one or one at a large scale (the runs on other screens).
    void previewFitsTheScreen() {
        CardPage page = emptyPage(4, false);
        placePicture(page, 0, m_red, "RED");
        bool seen = false;
        QRect room;
        QRect frame;
        QList<QRect> buttons;
        whenShown<QDialog>(
            [&](QDialog* dialog) {
                room = dialog->screen()->availableGeometry();
                frame = dialog->frameGeometry();
                for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                    if (button->isVisible())
                        buttons << QRect(button->mapToGlobal(QPoint(0, 0)), button->size());
                }
                dialog->reject();
            },
            &seen);
        MessageRecorder messages;
        previewCard(nullptr, {page});
        QVERIFY(seen);
        QVERIFY2(room.contains(frame), qPrintable(QStringLiteral("%1x%2 at %3,%4")
                                                      .arg(frame.width())
                                                      .arg(frame.height())
                                                      .arg(frame.x())
                                                      .arg(frame.y())));
        QCOMPARE(buttons.size(), 2); // Print and Close
        for (const QRect& button : buttons)
            QVERIFY(room.contains(button));
        QVERIFY(messages.messages().isEmpty());
    }

    // The jobs of a deck landscape, landscape, portrait: per job its pages (a capital for a
    // front, a small letter for a back: L landscape, P portrait) and the duplex mode it asks for.
    void printJobsOfADeck_data() {
        QTest::addColumn<int>("from"); // 0: no range
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("backs");
        QTest::addColumn<bool>("oneDocument");
        QTest::addColumn<QStringList>("jobs");
        QTest::newRow("printer, all cards") << 0 << 0 << false << false << QStringList{"LL", "P"};
        QTest::newRow("printer, backs")
            << 0 << 0 << true << false << QStringList{"LlLl short edge", "Pp long edge"};
        QTest::newRow("printer, backs, cards 2 to 3")
            << 2 << 3 << true << false << QStringList{"Ll short edge", "Pp long edge"};
        QTest::newRow("file, backs") << 0 << 0 << true << true << QStringList{"LlLlPp short edge"};
        QTest::newRow("file, card 3") << 3 << 3 << false << true << QStringList{"P"};
    }
    void printJobsOfADeck() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, backs);
        QFETCH(bool, oneDocument);
        QPageRanges range;
        if (from > 0)
            range.addRange(from, to);
        QStringList jobs;
        for (const PrintJobPlan& job :
             planPrintJobs({emptyPage(4, false), emptyPage(8, false), emptyPage(2, true)}, range,
                           backs, oneDocument)) {
            QString pages;
            for (const CardPage& page : job.pages)
                pages += page.Back ? (page.Portrait ? 'p' : 'l') : (page.Portrait ? 'P' : 'L');
            if (job.duplex == QPrinter::DuplexLongSide)
                pages += " long edge";
            else if (job.duplex == QPrinter::DuplexShortSide)
                pages += " short edge";
            else if (job.duplex)
                pages += " other";
            jobs << pages;
        }
        QTEST(jobs, "jobs");
    }

    // Printing without a dialog on a PDF printer: one page per card in the card's orientation,
    // the cards of the printer's page range only, each card's back after it.
    void printJobPrintsThePickedCards_data() {
        QTest::addColumn<int>("from"); // 0: no range
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("backs");
        QTest::addColumn<QStringList>("sizes");
        const QString wide = "842 x 595", tall = "595 x 842";
        QTest::newRow("all cards") << 0 << 0 << false << QStringList{wide, tall, wide};
        QTest::newRow("cards 2 to 3") << 2 << 3 << false << QStringList{tall, wide};
        QTest::newRow("portrait card with its back") << 2 << 2 << true << QStringList{tall, tall};
    }
    void printJobPrintsThePickedCards() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, backs);
        CardPage first = emptyPage(4, false);
        placePicture(first, 0, m_red, "RED");
        CardPage second = emptyPage(2, true);
        placePicture(second, 1, m_red, "ROT");
        const CardPage third = emptyPage(1, false);

        const QString path = m_dir.filePath("cards.pdf");
        QPrinter printer(QPrinter::HighResolution);
        writeToPdf(printer, path);
        if (from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            QPageRanges ranges;
            ranges.addRange(from, to);
            printer.setPageRanges(ranges);
        }
        PaintOptions options;
        options.wordBacks = backs;
        runPrintJob(printer, {first, second, third}, options);
        QTEST(pdfPageSizes(path), "sizes");
    }

    // A grid prints on its own paper between cards on the chosen one, its back too, and the
    // printer keeps the chosen paper afterwards.
    void printJobPutsAGridOnItsPaper() {
        CardModel model;
        CardLayout layout;
        layout.kind = CardLayout::Kind::Grid;
        layout.Grid = {4, 5, *NamedPaper("Letter"), false, 50.8, 50.8, 0, 0, 0};
        QVERIFY(model.setLayout(layout));
        model.setPicture(3, modelPath(m_red));
        const QString path = m_dir.filePath("grid.pdf");
        QPrinter printer(QPrinter::HighResolution);
        writeToPdf(printer, path);
        PaintOptions options;
        options.wordBacks = true;
        runPrintJob(printer, {emptyPage(4, false), makeCardPage(model), emptyPage(2, true)},
                    options);
        const QString wide = "842 x 595", tall = "595 x 842", letter = "612 x 792";
        QCOMPARE(pdfPageSizes(path), (QStringList{wide, wide, letter, letter, tall, tall}));
        QVERIFY(printer.pageLayout().pageSize().isEquivalentTo(QPageSize(QPageSize::A4)));
    }

    void previewShowsAnErrorInsteadOfThrowing() {
        CardPage page = emptyPage(2, false);
        const QString gone = m_dir.filePath("gone.jpg");
        placePicture(page, 1, gone, "GONE");
        bool seen = false;
        whenShown<QDialog>([](QDialog* dialog) { dialog->reject(); }, &seen);
        MessageRecorder messages;
        previewCard(nullptr, {page});
        QVERIFY(seen);
        QVERIFY(!messages.messages().isEmpty());
        QVERIFY2(messages.texts().first().contains(gone), qPrintable(messages.texts().first()));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void exportWritesTheChosenFile() {
        CardPage page = emptyPage(4, false);
        placePicture(page, 0, m_red, "RED");
        const QString chosen = m_dir.filePath("exported"); // the extension is added
        bool seen = false;
        whenShown<QFileDialog>(
            [chosen](QFileDialog* dialog) {
                dialog->setDirectory(QFileInfo(chosen).path());
                // Typed into the name field, as a user would.
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(name);
                name->setText(QFileInfo(chosen).fileName());
                static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, through QDialog
            },
            &seen);
        const JobOutcome outcome = exportCardPdf(nullptr, {page});
        QVERIFY(seen);
        const QString pdf = chosen + ".pdf";
        QVERIFY(outcome.end == JobOutcome::End::Done && outcome.toFile);
        QCOMPARE(outcome.target, pdf);
        QCOMPARE(pdfPageCount(pdf), 1);
        QVERIFY(pdfInfoValue(pdf, "Page size").startsWith("842 x 595")); // A4 landscape
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // A name typed without its extension is asked about when the PDF of that name exists.
    void exportAsksBeforeReplacingAFile_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("kept") << false;
        QTest::newRow("replaced") << true;
    }
    void exportAsksBeforeReplacingAFile() {
        QFETCH(bool, replace);
        QTemporaryDir folder;
        const QString farm = folder.filePath("farm.pdf");
        writeFile(farm, "the old farm.pdf");
        CardPage page = emptyPage(1, true);
        placePicture(page, 0, m_red, "RED");
        QString asked;
        bool seen = false;
        answerSaveDialog(folder.path(), "farm", replace, &asked, &seen);
        MessageRecorder messages;
        exportCardPdf(nullptr, {page});
        QVERIFY(seen);
        QVERIFY2(asked.contains("farm.pdf already exists"), qPrintable(asked));
        QVERIFY(messages.messages().isEmpty());
        if (replace)
            QCOMPARE(pdfPageCount(farm), 1);
        else
            QCOMPARE(readFile(farm), QByteArray("the old farm.pdf"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"farm.pdf"});
    }

    // Cancel half-way through an export (from the progress dialog) or a print to a PDF file
    // leaves no file, and an old file of the name as it was.
    void cancelledWorkLeavesNoFile_data() {
        QTest::addColumn<bool>("exporting");
        QTest::addColumn<bool>("oldFile");
        QTest::newRow("export") << true << false;
        QTest::newRow("export over a file") << true << true;
        QTest::newRow("print to a file") << false << false;
        QTest::newRow("print over a file") << false << true;
    }
    void cancelledWorkLeavesNoFile() {
        QFETCH(bool, exporting);
        QFETCH(bool, oldFile);
        QTemporaryDir folder;
        const QString farm = folder.filePath("farm.pdf");
        if (oldFile)
            writeFile(farm, "the old farm.pdf");
        CardPage page = emptyPage(1, true);
        placePicture(page, 0, m_red, "RED");
        const QList<CardPage> cards(40, page);
        MessageRecorder messages;
        QString shown;
        if (exporting) {
            QString asked;
            bool dialogSeen = false;
            bool seen = false;
            answerSaveDialog(folder.path(), "farm", true, &asked, &dialogSeen);
            // Cancel as soon as the progress shows, a page or two into the work.
            whenShown<QProgressDialog>(
                [&shown](QProgressDialog* progress) {
                    shown = progress->labelText();
                    progress->cancel();
                },
                &seen, 0);
            const JobOutcome outcome = exportCardPdf(nullptr, cards);
            QVERIFY(dialogSeen && seen);
            QVERIFY(outcome.end == JobOutcome::End::Cancelled);
            QCOMPARE(outcome.target, farm);
            QVERIFY2(shown.endsWith(" of 40"), qPrintable(shown));
        } else {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(farm);
            PaintOptions options;
            options.progress = [](int page, int count) {
                return count == 40 && page < 6;
            };
            QVERIFY(!runPrintJob(printer, cards, options));
            QCOMPARE(printer.outputFileName(), farm);
        }
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 oldFile ? QStringList{"farm.pdf"} : QStringList());
        if (oldFile)
            QCOMPARE(readFile(farm), QByteArray("the old farm.pdf"));
    }

    void cancelledExportWritesNothing() {
        bool seen = false;
        whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); }, &seen);
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
        QVERIFY(exportCardPdf(nullptr, {emptyPage(1, true)}).end == JobOutcome::End::NotBegun);
        QVERIFY(seen);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
    }
};

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
