// The commands as the main window runs them: print dialog, preview, PDF export, driven through
// their dialogs.
#include "support_printing.h"

#include "platform/Errors.h"
#include "printing/PrintJob.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

namespace {

// Once the command's modal dialog shows, hands it to `act` (which closes it).
template <typename Dialog> void whenShown(std::function<void(Dialog*)> act, bool* seen) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act, seen] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            *seen = true;
            QTimer::singleShot(200, dialog, [dialog, act] { act(dialog); });
        }
    });
    timer->start();
}

} // namespace

class TestPrintJob : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_red;

private slots:
    void initTestCase() { m_red = writeSolidJpeg(m_dir.filePath("red.jpg"), 640, 480, Qt::red); }

    void cancellingThePrintDialogDoesNothing() {
        CardPage page = emptyPage(4, false);
        placePicture(page, 0, m_dir.filePath("gone.jpg"), "GONE"); // would fail if printed
        bool seen = false;
        whenShown<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); }, &seen);
        MessageRecorder messages;
        printCard(nullptr, page); // no error: nothing is printed
        QVERIFY(seen);
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void previewPaintsThePage() {
        CardPage page = emptyPage(4, true);
        placePicture(page, 0, m_red, "RED");
        bool seen = false;
        QPageLayout::Orientation shown = QPageLayout::Landscape;
        whenShown<QPrintPreviewDialog>(
            [&shown](QPrintPreviewDialog* dialog) {
                shown = dialog->printer()->pageLayout().orientation();
                dialog->reject();
            },
            &seen);
        MessageRecorder messages;
        previewCard(nullptr, page);
        QVERIFY(seen);
        QCOMPARE(shown, QPageLayout::Portrait); // the card's orientation
        QVERIFY2(messages.messages().isEmpty(), qPrintable(messages.texts().join('\n')));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void previewShowsAnErrorInsteadOfThrowing() {
        CardPage page = emptyPage(2, false);
        const QString gone = m_dir.filePath("gone.jpg");
        placePicture(page, 1, gone, "GONE");
        bool seen = false;
        whenShown<QPrintPreviewDialog>([](QPrintPreviewDialog* dialog) { dialog->reject(); },
                                       &seen);
        MessageRecorder messages;
        previewCard(nullptr, page);
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
        exportCardPdf(nullptr, page);
        QVERIFY(seen);
        const QString pdf = chosen + ".pdf";
        QCOMPARE(pdfPageCount(pdf), 1);
        QVERIFY(pdfInfoValue(pdf, "Page size").startsWith("842 x 595")); // A4 landscape
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void cancelledExportWritesNothing() {
        bool seen = false;
        whenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); }, &seen);
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
        exportCardPdf(nullptr, emptyPage(1, true));
        QVERIFY(seen);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
    }
};

QTEST_MAIN(TestPrintJob)
#include "tst_printjob.moc"
