#include "dialogs/AboutBox.h"

#include "dialogs/DesignFont.h"
#include "dialogs/FmxUtils.h"

#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <qdrawutil.h>

namespace ferlo {

namespace {

// A panel with a lowered outer bevel and a raised inner one, one pixel each.
class BevelPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        qDrawShadePanel(&painter, rect(), palette(), true, 1);
        qDrawShadePanel(&painter, rect().adjusted(1, 1, -1, -1), palette(), false, 1);
    }
};

QFont arial8() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

// The program's icon, drawn here: a white card with a picture and a label band, 32 by 32.
QPixmap programIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(3, 1, 25, 29);
    p.fillRect(6, 4, 20, 16, QColor(0, 128, 128));
    p.fillRect(10, 10, 6, 6, QColor(255, 255, 0));
    p.fillRect(8, 23, 16, 4, Qt::black);
    return pixmap;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place,
                  const QFont& font, Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop) {
    auto* label = placed(new QLabel(text, parent), name, place);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

// The address to write to, black on the dialog's face.
TClickableLabel* makeEmailLabel(QWidget* parent, const QColor& face) {
    auto* label = placed(new TClickableLabel(QStringLiteral("help@ferlo.test"), parent),
                         QStringLiteral("LABMoxEmail"), {128, 79, 88, 14});
    label->setFont(arial8());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Window, face);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    return label;
}

// The program's web address, underlined in blue as a link.
TClickableLabel* makeLinkLabel(QWidget* parent) {
    auto* label = placed(new TClickableLabel(QStringLiteral("https://ferlo.test"), parent),
                         QStringLiteral("paFerloURL"), {109, 116, 128, 13});
    label->setFrameShape(QFrame::NoFrame);
    label->setAlignment(Qt::AlignCenter);
    QFont font = arial8();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

} // namespace

void TClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    setFixedSize(362, 252);
    setSizeGripEnabled(false);
    setFont(designFont(8));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    Panel1 = placed(new BevelPanel(this), QStringLiteral("Panel1"), {8, 8, 345, 193});

    ProgramIcon = placed(new QLabel(Panel1), QStringLiteral("ProgramIcon"), {8, 8, 32, 32});
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(programIcon());
    ProgramIcon->setVisible(false);

    ProductName =
        makeLabel(Panel1, QStringLiteral("ProductName"), QStringLiteral("Ferlo"),
                  QRect(112, 14, 123, 20), designFont(12, true), Qt::AlignLeft | Qt::AlignTop);

    Version =
        makeLabel(Panel1, QStringLiteral("Version"), tr("Version: %1").arg(QStringLiteral("1.0")),
                  QRect(112, 38, 82, 16), designFont(10, true), Qt::AlignLeft | Qt::AlignTop);

    Copyright = makeLabel(Panel1, QStringLiteral("Copyright"),
                          tr("Copyright \u00A9 2026 the Ferlo developers"), QRect(8, 62, 325, 14),
                          arial8());

    LABMoxEmail = makeEmailLabel(Panel1, face.color(QPalette::Button));
    connect(LABMoxEmail, &TClickableLabel::clicked, this, &TAboutBox::LABMoxEmailClick);

    Label1 = makeLabel(Panel1, QStringLiteral("Label1"), tr("Flash cards"), QRect(137, 98, 71, 14),
                       arial8());

    paFerloURL = makeLinkLabel(Panel1);
    connect(paFerloURL, &TClickableLabel::clicked, this, &TAboutBox::paFerloURLClick);

    Bevel1 = placed(new QFrame(Panel1), QStringLiteral("Bevel1"), {11, 138, 321, 2});
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);

    Comments = makeLabel(Panel1, QStringLiteral("Comments"),
                         tr("Pictures on a card, a word under each, cut lines "
                            "between them: print the page and cut it into cards.") +
                             QLatin1Char('\n') +
                             tr("Symbols: OpenMoji (CC BY-SA 4.0), names: Unicode CLDR"),
                         QRect(8, 146, 302, 39), font(), Qt::AlignLeft | Qt::AlignTop);
    Comments->setWordWrap(true);

    OKButton =
        placed(new QPushButton(tr("OK"), this), QStringLiteral("OKButton"), {143, 216, 75, 25});
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::paFerloURLClick() {
    LaunchFile(paFerloURL->text(), QString(), QString(), 1);
}

void TAboutBox::LABMoxEmailClick() {}

void TAboutBox::showEvent(QShowEvent* event) {
    // Centred on the screen, whatever window it belongs to.
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace ferlo
