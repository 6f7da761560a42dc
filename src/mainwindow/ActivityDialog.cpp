#include "mainwindow/ActivityDialog.h"

#include "dialogs/Messages.h"
#include "dialogs/ScreenFit.h"
#include "layout/PrinterCells.h"
#include "pictures/PictureCache.h"
#include "printing/ActivityPages.h"
#include "printing/PagePainter.h"
#include "printing/job/PrintJob.h"
#include "storage/Errors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ferlo {

namespace {

// The preview's pages: this many, at this many dots an inch.
constexpr int PreviewPages = 2;
constexpr int PreviewDpi = 16;

QSizeF paperOf(const CardPage& page) {
    if (const PagePlan* plan = page.Arrangement.plan())
        return QSizeF(plan->PaperWidth, plan->PaperHeight);
    return page.Portrait ? QSizeF(210, 297) : QSizeF(297, 210);
}

// The cell of the page under a point of its picture at `dpi`, or -1.
int cellAt(const CardPage& page, QPoint at, QSize size, int dpi) {
    const double perMm = dpi / MillimetresPerInch;
    if (const PagePlan* plan = page.Arrangement.plan()) {
        for (size_t i = 0; i < plan->Cards.size(); ++i) {
            const MmRect& trim = plan->Cards[i].Trim;
            if (QRectF(trim.Left * perMm, trim.Top * perMm, trim.Width * perMm, trim.Height * perMm)
                    .contains(at))
                return int(i);
        }
        return -1;
    }
    const TPrinterCellArray cells = LayoutPrinterCells(
        size.width(), size.height(), page.Arrangement.cells(), page.Portrait, page.LabelsOn);
    for (size_t i = 0; i < cells.size(); ++i)
        if (QRect(cells[i].Left, cells[i].Top, cells[i].Width, cells[i].Height).contains(at))
            return int(i);
    return -1;
}

// A page of the preview: a click on a card speaks its word as a click on the card on screen.
class PreviewPage : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void(int cell, QPoint at, QSize size)> pressed;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && pressed && !pixmap().isNull())
            pressed(0, event->position().toPoint(), pixmap().size());
        QLabel::mousePressEvent(event);
    }
};

} // namespace

ActivityDialog::ActivityDialog(std::vector<DeckCell> pictures, const DeckCard& cards,
                               const DuplexChoices& duplex, Hooks hooks, QWidget* parent)
    : QDialog(parent)
    , m_pictures(std::move(pictures))
    , m_cards(cards)
    , m_duplex(duplex)
    , m_hooks(std::move(hooks)) {
    // A game's backs are a pattern or a picture, printed double-sided: a fold-over sheet would
    // print the cards' words behind them.
    m_duplex.foldOver = false;
    setObjectName(QStringLiteral("ActivityDialog"));
    setWindowTitle(tr("Make Activity"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(makeOptions());
    top->addWidget(makePreview(), 1);
    layout->addLayout(top);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("activityMessage"));
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);
    layout->addWidget(m_message);
    layout->addWidget(makeButtons());
    remake();
}

QWidget* ActivityDialog::makeOptions() {
    auto* box = new QWidget(this);
    auto* form = new QFormLayout(box);
    const auto spin = [&](const QString& name, int low, int high, int value) {
        auto* field = new QSpinBox(box);
        field->setObjectName(name);
        field->setRange(low, high);
        field->setValue(value);
        connect(field, &QSpinBox::valueChanged, this, [this] { remake(); });
        return field;
    };
    m_kind = new QComboBox(box);
    m_kind->setObjectName(QStringLiteral("activityKind"));
    m_kind->addItem(tr("Memory pairs"), int(ActivityKind::Memory));
    m_kind->addItem(tr("Picture and word"), int(ActivityKind::Match));
    m_kind->addItem(tr("Lotto"), int(ActivityKind::Lotto));
    m_kind->addItem(tr("Bingo"), int(ActivityKind::Bingo));
    form->addRow(tr("&Game:"), m_kind);
    m_boards = spin(QStringLiteral("activityBoards"), 1, MaxActivityBoards, 4);
    form->addRow(tr("&Boards:"), m_boards);
    m_columns = spin(QStringLiteral("activityColumns"), 1, MaxLottoSide, 3);
    m_rows = spin(QStringLiteral("activityRows"), 1, MaxLottoSide, 3);
    auto* size = new QHBoxLayout;
    size->addWidget(m_columns);
    size->addWidget(new QLabel(QStringLiteral("×"), box));
    size->addWidget(m_rows);
    form->addRow(tr("Columns × rows:"), size);
    m_free = new QCheckBox(tr("&Free centre"), box);
    m_free->setObjectName(QStringLiteral("activityFreeCentre"));
    m_freeWord = new QLineEdit(defaultFreeWord(), box);
    m_freeWord->setObjectName(QStringLiteral("activityFreeWord"));
    form->addRow(m_free, m_freeWord);
    m_seed = spin(QStringLiteral("activitySeed"), 0, 999999,
                  int(QRandomGenerator::global()->bounded(1000000)));
    form->addRow(tr("&Seed:"), m_seed);
    m_paper = new QComboBox(box);
    m_paper->setObjectName(QStringLiteral("activityPaper"));
    m_paper->addItems({QStringLiteral("A4"), QStringLiteral("Letter")});
    form->addRow(tr("&Paper:"), m_paper);
    addBackChoice(form, box);
    for (QComboBox* combo : {m_kind, m_paper, m_backs})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { remake(); });
    connect(m_free, &QCheckBox::toggled, this, [this] { remake(); });
    for (QLineEdit* edit : {m_freeWord, m_backPicture})
        connect(edit, &QLineEdit::editingFinished, this, [this] { remake(); });
    return box;
}

void ActivityDialog::addBackChoice(QFormLayout* form, QWidget* box) {
    m_backs = new QComboBox(box);
    m_backs->setObjectName(QStringLiteral("activityBacks"));
    m_backs->addItems({tr("No backs"), tr("Plain pattern"), tr("Back picture")});
    form->addRow(tr("Card bac&ks:"), m_backs);
    m_backPicture = new QLineEdit(box);
    m_backPicture->setObjectName(QStringLiteral("activityBackPicture"));
    auto* browse = new QPushButton(tr("Choose ..."), box);
    auto* picture = new QHBoxLayout;
    picture->addWidget(m_backPicture, 1);
    picture->addWidget(browse);
    form->addRow(tr("Back picture:"), picture);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, tr("Back picture"));
        if (!file.isEmpty())
            m_backPicture->setText(file);
    });
}

QWidget* ActivityDialog::makePreview() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    auto* row = new QHBoxLayout;
    for (int i = 0; i < PreviewPages; ++i) {
        auto* page = new PreviewPage(box);
        page->setObjectName(QStringLiteral("activityPreview%1").arg(i + 1));
        page->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
        page->setMinimumSize(QSize(297, 297) * PreviewDpi / 25 + QSize(2, 2)); // either orientation
        page->pressed = [this, i](int, QPoint at, QSize size) {
            if (!m_activity || size_t(i) >= m_activity->sheets.size() || !m_hooks.speak)
                return;
            const ActivitySheet& sheet = m_activity->sheets[size_t(i)];
            const int cell = cellAt(this->pages().at(i), at, size, PreviewDpi);
            if (cell < 0)
                return;
            if (size_t(cell) < sheet.card.cells.size() && sheet.card.cells[size_t(cell)])
                m_hooks.speak(*sheet.card.cells[size_t(cell)]);
            else if (size_t(cell) < sheet.words.size() && !sheet.words[size_t(cell)].empty())
                m_hooks.speak(DeckCell{{}, sheet.words[size_t(cell)], {}, {}});
        };
        row->addWidget(page);
        m_previews << page;
    }
    column->addLayout(row);
    auto* hint = new QLabel(tr("Click a picture to hear its word."), box);
    column->addWidget(hint);
    return box;
}

QWidget* ActivityDialog::makeButtons() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const auto action = [&](const QString& name, const QString& text, auto work) {
        QPushButton* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this,
                [this, work] { runGuarded(this, [&] { work(); }); });
        m_actions << button;
    };
    action(QStringLiteral("activityPrint"), tr("&Print ..."),
           [this] { printCard(this, pages(), m_duplex, nullptr, backsFollow()); });
    action(QStringLiteral("activityPrintPreview"), tr("Pre&view ..."),
           [this] { previewCard(this, pages(), m_duplex, backsFollow()); });
    action(QStringLiteral("activityExport"), tr("&Export PDF ..."),
           [this] { exportCardPdf(this, pages(), m_duplex, backsFollow()); });
    action(QStringLiteral("activitySaveAsDeck"), tr("Save as &Deck ..."), [this] {
        if (m_hooks.saveAsDeck && m_activity)
            m_hooks.saveAsDeck(activityAsDeck(*m_activity));
    });
    action(QStringLiteral("activityAddToDeck"), tr("&Add to Deck"), [this] {
        if (m_hooks.addToDeck && m_activity)
            m_hooks.addToDeck(activityAsDeck(*m_activity));
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

ActivityOptions ActivityDialog::options() const {
    ActivityOptions options;
    options.kind = ActivityKind(m_kind->currentData().toInt());
    options.boards = m_boards->value();
    options.columns = m_columns->value();
    options.rows = m_rows->value();
    options.freeCentre = m_free->isChecked();
    options.centre.label = m_freeWord->text().trimmed().toStdString();
    options.seed = std::uint64_t(m_seed->value());
    options.paper = *NamedPaper(m_paper->currentText().toStdString());
    options.cards = m_cards;
    return options;
}

CardPage::CardBacks ActivityDialog::backs() const {
    return m_backs->currentIndex() == 2   ? CardPage::CardBacks::Picture
           : m_backs->currentIndex() == 1 ? CardPage::CardBacks::Pattern
                                          : CardPage::CardBacks::Words;
}

QString ActivityDialog::backPicture() const {
    return m_backPicture->text().trimmed();
}

bool ActivityDialog::backsFollow() const {
    return m_activity && activityHasBacks(*m_activity, backs());
}

QList<CardPage> ActivityDialog::pages() const {
    if (!m_activity)
        return {};
    return activityPages(*m_activity, backs(), backPicture());
}

void ActivityDialog::remake() {
    const ActivityKind kind = ActivityKind(m_kind->currentData().toInt());
    const bool boards = kind == ActivityKind::Lotto || kind == ActivityKind::Bingo;
    for (QWidget* field : {static_cast<QWidget*>(m_boards), static_cast<QWidget*>(m_columns),
                           static_cast<QWidget*>(m_rows), static_cast<QWidget*>(m_seed),
                           static_cast<QWidget*>(m_paper)})
        field->setEnabled(boards);
    m_free->setEnabled(kind == ActivityKind::Bingo);
    m_freeWord->setEnabled(kind == ActivityKind::Bingo && m_free->isChecked());
    m_backs->setEnabled(!boards);
    m_backPicture->setEnabled(!boards && backs() == CardPage::CardBacks::Picture);
    m_activity.reset();
    m_problem.clear();
    try {
        if (!boards && backs() == CardPage::CardBacks::Picture && backPicture().isEmpty())
            m_problem = tr("Choose the back picture.");
        else
            m_activity = MakeActivity(m_pictures, options());
    } catch (const ActivityProblem& problem) {
        m_problem = activityProblemText(problem);
    }
    m_message->setText(m_activity ? tr("Pages: %1").arg(m_activity->sheets.size()) : m_problem);
    for (QPushButton* button : m_actions)
        button->setEnabled(m_activity.has_value());
    showPreview();
}

void ActivityDialog::showPreview() {
    const QList<CardPage> shown = pages().mid(0, PreviewPages);
    PaintOptions options;
    options.loadPicture = [](const QString& path, const WantedSize& wanted) {
        return PictureCache::shared().load(path, wanted);
    };
    for (int i = 0; i < m_previews.size(); ++i) {
        if (i >= shown.size()) {
            m_previews[i]->clear();
            continue;
        }
        const QSizeF paper = paperOf(shown[i]) / MillimetresPerInch * PreviewDpi;
        QImage image(paper.toSize(), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(PreviewDpi / 0.0254));
        image.setDotsPerMeterY(qRound(PreviewDpi / 0.0254));
        image.fill(Qt::white);
        QPainter painter(&image);
        try {
            paintCardPage(painter, image.size(), shown[i], options);
        } catch (...) {
            m_message->setText(errorMessage(std::current_exception()));
        }
        painter.setPen(Qt::darkGray);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
        painter.end();
        m_previews[i]->setPixmap(QPixmap::fromImage(image));
    }
}

} // namespace ferlo
