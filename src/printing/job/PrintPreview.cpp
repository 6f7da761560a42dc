#include "printing/job/PrintJob.h"

#include "dialogs/Messages.h"
#include "dialogs/SaveDialog.h"
#include "dialogs/ScreenFit.h"
#include "printing/DocumentPictures.h"
#include "printing/PdfExport.h"
#include "printing/job/PageProgress.h"
#include "storage/PrintOption.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

// Print Preview and Export PDF: the pages a Print would print, on the screen or into a file.

namespace ferlo {

namespace {

QImage previewImage(const CardPage& page, QPageLayout paper, int dpi) {
    // A grid or a sheet is shown on the whole of its own paper, as Export PDF writes it.
    if (const PagePlan* plan = page.Arrangement.plan())
        paper = QPageLayout(planPaper(*plan), orientationOf(page), QMarginsF());
    paper.setOrientation(orientationOf(page));
    QImage image(paper.fullRectPixels(dpi).size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    const QRect area = paper.paintRectPixels(dpi);
    QPainter painter(&image);
    painter.translate(area.topLeft());
    paintCardPage(painter, area.size(), page);
    painter.resetTransform();
    painter.setPen(QPen(Qt::darkGray));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

// A caption and an empty picture for each page, one under the other; the pictures are returned
// to be filled.
QList<QLabel*> addPageLabels(QWidget* sheet, const QList<CardPage>& pages, bool backs) {
    auto* sheets = new QVBoxLayout(sheet);
    QList<QLabel*> pictures;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const bool folded = pages.at(i).Fold != CardPage::FoldLine::None;
        const qsizetype card = backs && !folded ? i / 2 + 1 : i + 1;
        auto* caption = new QLabel(
            folded ? QCoreApplication::translate("Printing", "Sheet %1, to fold").arg(card)
            : pages.at(i).Back ? QCoreApplication::translate("Printing", "Card %1, back").arg(card)
                               : QCoreApplication::translate("Printing", "Card %1").arg(card));
        auto* picture = new QLabel;
        picture->setObjectName(QStringLiteral("previewPage%1").arg(i + 1));
        sheets->addWidget(caption, 0, Qt::AlignHCenter);
        sheets->addWidget(picture, 0, Qt::AlignHCenter);
        pictures << picture;
    }
    sheets->addStretch();
    return pictures;
}

} // namespace

constexpr QSize kPreviewSize(760, 820);

void previewCard(QWidget* parent, const QList<CardPage>& cards, const DuplexChoices& duplex,
                 std::optional<bool> gameBacks) {
    const bool backs = gameBacks ? *gameBacks : get_PrintWordBacks();
    const QList<CardPage> pages =
        pagesOf(cards, backs, placementFor(duplex, programPrinter()), duplex.foldOver);
    const QPageLayout paper = programPrinter().pageLayout();

    // Qt's own preview frames every page in one orientation, so the pages are shown here, each
    // on its own paper.
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QCoreApplication::translate("Printing", "Print Preview"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* scroll = new QScrollArea(&dialog);
    scroll->setObjectName(QStringLiteral("previewPages"));
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Dark);
    auto* sheet = new QWidget;
    const QList<QLabel*> pictures = addPageLabels(sheet, pages, backs);
    scroll->setWidget(sheet);
    layout->addWidget(scroll);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QPushButton* print = buttons->addButton(QCoreApplication::translate("Printing", "&Print ..."),
                                            QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(print, &QPushButton::clicked, &dialog, [&dialog, &cards, &duplex, gameBacks] {
        runGuarded(&dialog, [&] { printCard(&dialog, cards, duplex, nullptr, gameBacks); });
    });
    // The pages are painted once the dialog shows; an error is shown from inside the preview.
    QTimer::singleShot(0, &dialog, [&dialog, &pages, &pictures, &paper] {
        fitInRoom(&dialog, kPreviewSize); // now with the frame the window manager gave it
        runGuarded(&dialog, [&] {
            PageProgress progress(&dialog,
                                  QCoreApplication::translate("Printing", "Print Preview"));
            // 48 dots an inch on the screen, drawn with the device's pixels (crisp on HiDPI).
            const qreal ratio = dialog.devicePixelRatioF();
            const int previewDpi = qRound(48 * ratio);
            for (qsizetype i = 0; i < pages.size(); ++i) {
                if (!progress(int(i + 1), int(pages.size()))) {
                    dialog.reject(); // cancelled: the preview closes
                    return;
                }
                QPixmap pixmap = QPixmap::fromImage(previewImage(pages.at(i), paper, previewDpi));
                pixmap.setDevicePixelRatio(ratio);
                pictures.at(i)->setPixmap(pixmap);
            }
        });
    });
    // The designed size where the screen holds it; on a smaller screen the pages scroll in
    // what room there is, and the buttons stay on the screen.
    fitInRoom(&dialog, kPreviewSize);
    dialog.exec();
}

JobOutcome exportCardPdf(QWidget* parent, const QList<CardPage>& cards, const DuplexChoices& duplex,
                         std::optional<bool> gameBacks) {
    const bool backs = gameBacks ? *gameBacks : get_PrintWordBacks();
    const QString path = askSaveFileName(
        parent, QCoreApplication::translate("Printing", "Export PDF"), QStringLiteral("Ferlo.pdf"),
        QCoreApplication::translate("Printing", "PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return {};
    PageProgress progress(parent, QCoreApplication::translate("Printing", "Export PDF"));
    PaintOptions options;
    options.progress = std::ref(progress);
    const QList<CardPage> pages =
        pagesOf(cards, backs, placementFor(duplex, programPrinter()), duplex.foldOver);
    const QPageSize paper = programPrinter().pageLayout().pageSize();
    // A game prints its pictures again and again: each is decoded once for the document.
    std::optional<DocumentPictures> pictures;
    if (gameBacks) {
        pictures.emplace(pages, 600, paper.size(QPageSize::Millimeter));
        pictures->attach(options);
    }
    const bool done = writeCardPdf(path, pages, paper, 600, options);
    return {done ? JobOutcome::End::Done : JobOutcome::End::Cancelled, path, true};
}

} // namespace ferlo
