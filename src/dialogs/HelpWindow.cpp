#include "dialogs/HelpWindow.h"

#include "dialogs/ScreenFit.h"
#include "storage/NativePath.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

namespace ferlo {

namespace {

// Wide enough for the guide's lines of 80 characters in the fixed font, and tall enough for a
// good part of a section; a smaller screen gets what it holds.
constexpr QSize kDesignedSize(720, 640);

} // namespace

HelpWindow::HelpWindow(const QString& path, const QString& note, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("helpText"));
    //: The title of the window that shows the user's guide.
    setWindowTitle(tr("Ferlo Help"));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    m_note = new QLabel(note, this);
    m_note->setObjectName(QStringLiteral("helpNote"));
    m_note->setTextFormat(Qt::PlainText);
    m_note->setWordWrap(true);
    m_note->setVisible(!note.isEmpty());
    layout->addWidget(m_note);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("helpBody"));
    m_text->setReadOnly(true);
    // The guide draws its diagrams with characters: they line up in a fixed font only. Its
    // lines of 80 characters fit the window's width, and wrap at its edge where they do not.
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The guide reads in the direction of the window's language: an Arabic guide's lines stand
    // at the right edge, whatever script each begins with.
    QTextOption option = m_text->document()->defaultTextOption();
    option.setTextDirection(layoutDirection());
    option.setAlignment((layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignAbsolute);
    m_text->document()->setDefaultTextOption(option);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        m_text->setPlainText(utf8(file.readAll()));
    } else {
        m_note->setText(tr("%1 can't be read: %2").arg(displayName(path), file.errorString()));
        m_note->show();
    }
    layout->addWidget(m_text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(sizeInRoom(kDesignedSize, availableRoom(parent)));
}

HelpWindow* HelpWindow::showGuide(const QString& path, const QString& note, QWidget* parent) {
    // Help asked for again while the guide is open brings its window to the front.
    if (parent) {
        if (auto* open = parent->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
            open && open->isVisible()) {
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto* window = new HelpWindow(path, note, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    fitInRoom(window, kDesignedSize);
    return window;
}

} // namespace ferlo
