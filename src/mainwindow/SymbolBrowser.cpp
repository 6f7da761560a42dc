#include "mainwindow/SymbolBrowser.h"

#include "mainwindow/SymbolPictures.h"
#include "symbols/SymbolIndex.h"
#include "symbols/SymbolSet.h"

#include <QCheckBox>
#include <QEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPointer>
#include <QVBoxLayout>

namespace ferlo {

const QString kSymbolFormat = QStringLiteral("application/x-ferlo-symbol");

namespace {

constexpr int kIconSide = 40; // logical pixels
constexpr int kMostResults = 60;
constexpr int kFirstIcons = 6; // the first group: two rows of the narrow tab
constexpr int kMoreIcons = 18;

enum Role { KindRole = Qt::UserRole, CodeRole, NameRole, RankRole };

// An icon of a result drawn off the user-interface thread: a drawing at the icon's device pixels,
// or a user's picture fitted into them. A file that cannot be drawn leaves the icon empty.
QImage iconImage(const QString& code, bool userFile, SymbolStyle style, QSize pixels) {
    try {
        if (!userFile)
            return drawnSymbol(symbolFile(code, style), pixels);
        const bool drawing = code.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
        QSize fitted;
        const DecodedPicture picture = loadShownPicture({code, drawing}, [&](QSize own) {
            fitted = own.scaled(pixels, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
            return fitted;
        });
        QImage icon(pixels, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint((pixels.width() - fitted.width()) / 2,
                                       (pixels.height() - fitted.height()) / 2),
                                fitted),
                          picture.image);
        return icon;
    } catch (...) {
        return {};
    }
}

} // namespace

QByteArray SymbolChoice::toData() const {
    QJsonObject object{{QStringLiteral("word"), word}, {QStringLiteral("file"), file}};
    if (symbol) {
        object.insert(QStringLiteral("set"), QString::fromStdString(symbol->set));
        object.insert(QStringLiteral("symbol"), QString::fromStdString(symbol->hexcode));
        object.insert(QStringLiteral("style"), symbol->style == SymbolStyle::Line
                                                   ? QStringLiteral("line")
                                                   : QStringLiteral("color"));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<SymbolChoice> SymbolChoice::fromData(const QByteArray& data) {
    const QJsonObject object = QJsonDocument::fromJson(data).object();
    SymbolChoice choice;
    choice.word = object.value(QStringLiteral("word")).toString();
    choice.file = object.value(QStringLiteral("file")).toString();
    const QString hexcode = object.value(QStringLiteral("symbol")).toString();
    if (!hexcode.isEmpty())
        choice.symbol = SymbolRef{
            object.value(QStringLiteral("set")).toString().toStdString(), hexcode.toStdString(),
            object.value(QStringLiteral("style")).toString() == QLatin1String("line")
                ? SymbolStyle::Line
                : SymbolStyle::Color};
    if (choice.symbol.has_value() == !choice.file.isEmpty())
        return std::nullopt;
    return choice;
}

QStringList SymbolResultList::mimeTypes() const {
    return {kSymbolFormat};
}

QMimeData* SymbolResultList::mimeData(const QList<QListWidgetItem*>& items) const {
    auto* browser = qobject_cast<SymbolBrowser*>(parentWidget());
    if (items.isEmpty() || !browser)
        return nullptr;
    auto* data = new QMimeData;
    data->setData(kSymbolFormat, browser->choiceOf(items.front()).toData());
    return data;
}

SymbolBrowser::SymbolBrowser(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("SymbolBrowser"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("SymbolSearch"));
    m_search->setClearButtonEnabled(true);
    m_lineArt = new QCheckBox(this);
    m_lineArt->setObjectName(QStringLiteral("SymbolLineArt"));
    m_missing = new QLabel(this);
    m_missing->setObjectName(QStringLiteral("SymbolsMissing"));
    m_missing->setTextFormat(Qt::PlainText);
    m_missing->setWordWrap(true);
    m_missing->hide();
    m_results = new SymbolResultList(this);
    m_results->setObjectName(QStringLiteral("SymbolResults"));
    m_results->setViewMode(QListView::IconMode);
    m_results->setIconSize(QSize(kIconSide, kIconSide));
    m_results->setGridSize(QSize(kIconSide + 8, kIconSide + 8));
    m_results->setResizeMode(QListView::Adjust);
    m_results->setMovement(QListView::Static);
    m_results->setUniformItemSizes(true);
    m_results->setDragDropMode(QAbstractItemView::DragOnly);
    m_results->setDragEnabled(true);
    m_results->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_search);
    layout->addWidget(m_lineArt);
    layout->addWidget(m_missing);
    layout->addWidget(m_results, 1);
    retranslate();

    m_pool.setMaxThreadCount(1); // one search at a time, in the order of the keystrokes
    connect(m_search, &QLineEdit::textChanged, this, [this] { search(); });
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_results->count() > 0)
            emit chosen(choiceOf(m_results->item(0)));
    });
    connect(m_lineArt, &QCheckBox::toggled, this, [this] { search(); });
    connect(m_results, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit chosen(choiceOf(item)); });
    // The index is read once, off the user-interface thread; a search typed meanwhile waits.
    m_pool.start([browser = QPointer<SymbolBrowser>(this)] {
        SymbolIndex::installed();
        QMetaObject::invokeMethod(
            browser,
            [browser] {
                if (!browser)
                    return;
                browser->m_indexReady = true;
                browser->showMissing();
                browser->search();
            },
            Qt::QueuedConnection);
    });
}

SymbolBrowser::~SymbolBrowser() {
    m_pool.clear();
    m_pool.waitForDone();
}

void SymbolBrowser::setUserFolders(const QStringList& folders) {
    if (folders == m_folders)
        return;
    m_folders = folders;
    showMissing();
    search();
}

SymbolStyle SymbolBrowser::style() const {
    return m_lineArt->isChecked() ? SymbolStyle::Line : SymbolStyle::Color;
}

SymbolChoice SymbolBrowser::choiceOf(const QListWidgetItem* item) const {
    SymbolChoice choice;
    if (!item)
        return choice;
    // A word that named the result is its label; a beginning typed ("ap") is not a word, so
    // the result's own name is.
    choice.word = item->data(RankRole).toInt() <= 1 ? m_searched.simplified()
                                                    : item->data(NameRole).toString();
    const QString code = item->data(CodeRole).toString();
    if (item->data(KindRole).toInt() == int(SymbolMatch::Kind::UserFile))
        choice.file = code;
    else
        choice.symbol = SymbolRef{"openmoji", code.toStdString(), style()};
    return choice;
}

void SymbolBrowser::search() {
    ++m_generation;
    m_pool.clear(); // what the last keystroke had not started yet
    const QString word = m_search->text();
    if (word.trimmed().isEmpty()) {
        m_results->clear();
        m_searched.clear();
        return;
    }
    if (!m_indexReady)
        return;
    m_pool.start([browser = QPointer<SymbolBrowser>(this), generation = m_generation, word,
                  language = QLocale().name(), folders = m_folders] {
        const QList<SymbolMatch> matches =
            SymbolIndex::installed().search(word, language, kMostResults, folders);
        QMetaObject::invokeMethod(
            browser,
            [browser, generation, matches, word] {
                if (!browser || generation != browser->m_generation)
                    return;
                browser->m_searched = word;
                browser->showMatches(generation, matches);
            },
            Qt::QueuedConnection);
    });
}

void SymbolBrowser::showMatches(quint64 generation, const QList<SymbolMatch>& matches) {
    m_results->clear();
    for (const SymbolMatch& match : matches) {
        // Filled before it joins the list: one insertion each, no change signals.
        auto* item = new QListWidgetItem;
        const bool user = match.kind == SymbolMatch::Kind::UserFile;
        item->setData(KindRole, int(match.kind));
        item->setData(CodeRole, user ? match.file : match.hexcode);
        item->setData(NameRole, match.name);
        item->setData(RankRole, match.rank);
        item->setData(Qt::AccessibleTextRole, match.name);
        const QString details = user ? match.file : match.keywords.join(QStringLiteral(", "));
        item->setToolTip(details.isEmpty() ? match.name : match.name + u'\n' + details);
        item->setSizeHint(m_results->gridSize());
        m_results->addItem(item);
    }
    const qreal ratio = devicePixelRatioF();
    m_iconPixels = QSize(kIconSide, kIconSide) * ratio;
    drawIcons(generation, 0);
}

void SymbolBrowser::drawIcons(quint64 generation, int first) {
    const int last = std::min(m_results->count(), first + (first == 0 ? kFirstIcons : kMoreIcons));
    if (first >= last) {
        if (first == 0)
            emit resultsShown(0); // nothing found: the empty panel is the answer
        return;
    }
    QList<std::pair<QString, bool>> codes;
    for (int row = first; row < last; ++row) {
        const QListWidgetItem* item = m_results->item(row);
        codes.append({item->data(CodeRole).toString(),
                      item->data(KindRole).toInt() == int(SymbolMatch::Kind::UserFile)});
    }
    m_pool.start([browser = QPointer<SymbolBrowser>(this), generation, first, codes,
                  style = style(), pixels = m_iconPixels, ratio = devicePixelRatioF()] {
        QList<QImage> icons;
        for (const auto& [code, user] : codes)
            icons << iconImage(code, user, style, pixels);
        QMetaObject::invokeMethod(
            browser,
            [browser, generation, first, icons, ratio] {
                if (!browser || generation != browser->m_generation)
                    return;
                for (int i = 0; i < icons.size(); ++i) {
                    QPixmap pixmap = QPixmap::fromImage(icons[i]);
                    pixmap.setDevicePixelRatio(ratio);
                    if (QListWidgetItem* item = browser->m_results->item(first + i))
                        item->setIcon(pixmap.isNull() ? QIcon() : QIcon(pixmap));
                }
                if (first == 0)
                    emit browser->resultsShown(int(icons.size()));
                browser->drawIcons(generation, first + int(icons.size()));
            },
            Qt::QueuedConnection);
    });
}

void SymbolBrowser::showMissing() {
    const SymbolIndex& index = SymbolIndex::installed();
    if (!m_indexReady || index.available()) {
        m_missing->hide();
        return;
    }
    m_missing->setText(index.missingReason() + u'\n' +
                       tr("Pictures of your own symbol folders (Options) are found all the same."));
    m_missing->show();
}

void SymbolBrowser::retranslate() {
    m_search->setPlaceholderText(tr("Search symbols"));
    m_search->setAccessibleName(tr("Search symbols"));
    m_lineArt->setText(tr("Line art"));
    m_results->setAccessibleName(tr("Symbols found"));
    showMissing();
}

bool SymbolBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_results && event->type() == QEvent::KeyPress && m_results->currentItem()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            emit chosen(choiceOf(m_results->currentItem()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SymbolBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_results->doItemsLayout();
}

void SymbolBrowser::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

} // namespace ferlo
