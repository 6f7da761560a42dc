#include "mainwindow/FerloMainForm.h"

#include "dialogs/AboutBox.h"
#include "dialogs/FmxUtils.h"
#include "dialogs/Options.h"
#include "layout/CardGeometry.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/Glyphs.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PictureControl.h"
#include "platform/Messages.h"
#include "platform/NativePath.h"
#include "platform/Paths.h"
#include "platform/PictureCache.h"
#include "platform/SoundFile.h"
#include "platform/WaitCursor.h"
#include "platform/WavePlayer.h"
#include "printing/CardPage.h"
#include "printing/PrintJob.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QtConcurrent>

#include <exception>
#include <vector>

namespace ferlo {

namespace {

constexpr int kDesignedClientWidth = 792;
constexpr int kDesignedClientHeight = 554;
constexpr int kToolBarHeight = 29;
constexpr int kStatusBarHeight = 18;
constexpr int kBrowserWidth = 169;

// The card model keeps paths as the file system's own bytes.
std::string pathToModel(const QString& path) {
    return encodePath(path).toStdString();
}
QString pathFromModel(const std::string& path) {
    return decodePath(QByteArray::fromStdString(path));
}

QFont windowFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont boldFont(const QString& family, int pixelHeight) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}

QString selectCaption(int count) {
    if (count == 1)
        return QStringLiteral("Select A Picture");
    return QStringLiteral("Select up to %1 Pictures").arg(count);
}

QFrame* panel(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

// A picture decoded and fitted for its cell, or the error that stopped it.
struct PreparedPicture {
    QSize ownSize;
    FittedSize fitted;
    QImage shown;
    std::exception_ptr error;
};

// Loads a picture for the card: the own size from the file, the fitted size in the picture
// area, and the pixels scaled to exactly that size. Safe on worker threads.
PreparedPicture preparePicture(const QString& path, int areaWidth, int areaHeight,
                               double areaAspect) {
    PreparedPicture prepared;
    try {
        const DecodedPicture decoded = PictureCache::shared().load(path, [&](QSize own) {
            prepared.fitted =
                FitPictureToArea(own.width(), own.height(), areaWidth, areaHeight, areaAspect);
            return QSize(qMax(1, prepared.fitted.Width), qMax(1, prepared.fitted.Height));
        });
        prepared.ownSize = decoded.ownSize;
        prepared.shown =
            decoded.image.scaled(qMax(1, prepared.fitted.Width), qMax(1, prepared.fitted.Height),
                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } catch (...) {
        prepared.error = std::current_exception();
    }
    return prepared;
}

} // namespace

template <typename Sender, typename Signal, typename Handler>
void TFerloMainForm::bind(Sender* sender, Signal signal, Handler handler) {
    connect(sender, signal, this, [this, handler] { runGuarded(this, handler); });
}

TFerloMainForm::TFerloMainForm(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("FerloMainForm"));
    setWindowTitle(QStringLiteral("Ferlo"));
    setFont(windowFont());

    ClientArea = new QWidget(this);
    setCentralWidget(ClientArea);
    createMenus();
    // The measuring label lies behind the card base, created first so that the base covers it.
    TestLabel = new QLabel(ClientArea);
    TestLabel->setObjectName(QStringLiteral("TestLabel"));
    TestLabel->setTextFormat(Qt::PlainText);
    TestLabel->move(187, 40);
    TestLabel->hide();
    createToolBar();
    createBrowser();
    createCard();
    MediaPlayer1 = new WavePlayer(this);

    setFixedSize(kDesignedClientWidth, kDesignedClientHeight + menuBar()->sizeHint().height());
    layoutClientArea(QSize(kDesignedClientWidth, kDesignedClientHeight));
    ClientArea->installEventFilter(this);

    browseTo(QDir::currentPath());
    runGuarded(this, [this] { FormCreate(); });
}

TFerloMainForm::~TFerloMainForm() = default;

void TFerloMainForm::setDialogs(TAboutBox* aboutBox, TdlgOptions* options) {
    m_aboutBox = aboutBox;
    m_options = options;
}

void TFerloMainForm::createMenus() {
    QMenuBar* bar = menuBar();
    File1 = bar->addMenu(QStringLiteral("&File"));
    Printsetup1 = File1->addAction(QStringLiteral("Print se&tup ..."));
    Printsetup1->setVisible(false);
    Print1 = File1->addAction(QStringLiteral("&Print ..."));
    PrintPreview1 = File1->addAction(QStringLiteral("Print Pre&view ..."));
    ExportPdf1 = File1->addAction(QStringLiteral("&Export PDF ..."));
    File1->addSeparator();
    mnExit = File1->addAction(QStringLiteral("e&xit"));
    mnOptions = bar->addAction(QStringLiteral("&Options ..."));
    mnHelp = bar->addMenu(QStringLiteral("&Help"));
    mnReadMe = mnHelp->addAction(QStringLiteral("&Help ..."));
    mnAbout = mnHelp->addAction(QStringLiteral("&About ..."));

    bind(Printsetup1, &QAction::triggered, [this] { Printsetup1Click(); });
    bind(Print1, &QAction::triggered, [this] { TBPrintClick(); });
    bind(PrintPreview1, &QAction::triggered, [this] { PrintPreviewClick(); });
    bind(ExportPdf1, &QAction::triggered, [this] { ExportPdfClick(); });
    bind(mnExit, &QAction::triggered, [this] { ExitApplication(); });
    bind(mnOptions, &QAction::triggered, [this] { mnOptionsClick(); });
    bind(mnReadMe, &QAction::triggered, [this] { mnReadMeClick(); });
    bind(mnAbout, &QAction::triggered, [this] { mnAboutClick(); });
}

void TFerloMainForm::createToolBar() {
    ToolBar1 = new QToolBar(ClientArea);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setAutoFillBackground(true);
    ToolBar1->setBackgroundRole(QPalette::Button);

    const auto separator = [this] {
        auto* space = new QWidget(ToolBar1);
        space->setFixedWidth(8);
        ToolBar1->addWidget(space);
    };
    const auto button = [this](const QString& name, Glyph glyph, const QString& hint,
                               bool checkable) {
        auto* action = new QAction(glyphIcon(glyph), hint, this);
        action->setObjectName(name);
        action->setToolTip(hint);
        action->setCheckable(checkable);
        ToolBar1->addAction(action);
        if (QWidget* widget = ToolBar1->widgetForAction(action)) {
            widget->setObjectName(name + QStringLiteral("Button"));
            widget->setFixedSize(25, 22);
        }
        return action;
    };
    const auto pushButton = [this](const QString& name, const QString& caption, int width) {
        auto* push = new QPushButton(caption, ToolBar1);
        push->setObjectName(name);
        push->setFixedSize(width, 22);
        push->setFont(boldFont(QStringLiteral("Arial"), 13));
        push->setFocusPolicy(Qt::NoFocus);
        ToolBar1->addWidget(push);
        return push;
    };

    CountGroup = new QActionGroup(this);
    TB1PerPage = button(QStringLiteral("TB1PerPage"), Glyph::Digit1,
                        QStringLiteral("1 Image Per Page"), true);
    TB2PerPage = button(QStringLiteral("TB2PerPage"), Glyph::Digit2,
                        QStringLiteral("2 Images Per Page"), true);
    TB4PerPage = button(QStringLiteral("TB4PerPage"), Glyph::Digit4,
                        QStringLiteral("4 Images Per Page"), true);
    TB6PerPage = button(QStringLiteral("TB6PerPage"), Glyph::Digit6,
                        QStringLiteral("6 Images Per Page"), true);
    TB8PerPage = button(QStringLiteral("TB8PerPage"), Glyph::Digit8,
                        QStringLiteral("8 Images Per Page"), true);
    for (QAction* action : {TB1PerPage, TB2PerPage, TB4PerPage, TB6PerPage, TB8PerPage}) {
        CountGroup->addAction(action);
        bind(action, &QAction::triggered, [this, action] { TBNumPerPageClick(action); });
    }
    TB4PerPage->setChecked(true);
    separator();

    OrientationGroup = new QActionGroup(this);
    TBPortrait = button(QStringLiteral("TBPortrait"), Glyph::Portrait,
                        QStringLiteral("Portrait Orientation"), true);
    TBLandScape = button(QStringLiteral("TBLandScape"), Glyph::Landscape,
                         QStringLiteral("Landscape Orientation"), true);
    for (QAction* action : {TBPortrait, TBLandScape}) {
        OrientationGroup->addAction(action);
        bind(action, &QAction::triggered, [this, action] { TBOrientationClick(action); });
    }
    TBLandScape->setChecked(true);
    separator();

    TBCutLines = button(QStringLiteral("TBCutLines"), Glyph::CutLines, QString(), true);
    TBCutLines->setChecked(true);
    bind(TBCutLines, &QAction::triggered, [this] { ToggleCutLines(); });
    separator();

    PBToggleLabels =
        pushButton(QStringLiteral("PBToggleLabels"), QStringLiteral("&Labels Off"), 81);
    bind(PBToggleLabels, &QPushButton::clicked, [this] { PBToggleLabelsClick(); });
    separator();

    CaseGroup = new QActionGroup(this);
    TBUpperLabels = button(QStringLiteral("TBUpperLabels"), Glyph::UpperA,
                           QStringLiteral("Uppercase Labels"), true);
    TBLowerLabels = button(QStringLiteral("TBLowerLabels"), Glyph::LowerA,
                           QStringLiteral("Lowercase Labels"), true);
    for (QAction* action : {TBUpperLabels, TBLowerLabels}) {
        CaseGroup->addAction(action);
        bind(action, &QAction::triggered, [this, action] { SetAllLabelsCase(action); });
    }
    TBUpperLabels->setChecked(true);
    separator();

    PBClear = pushButton(QStringLiteral("PBClear"), QStringLiteral("Clear"), 53);
    PBClear->setToolTip(QStringLiteral("Clear all pictures"));
    bind(PBClear, &QPushButton::clicked, [this] { PBClearClick(); });
    separator();

    TBPrint =
        button(QStringLiteral("TBPrint"), Glyph::Printer, QStringLiteral("Print Flashcard"), false);
    bind(TBPrint, &QAction::triggered, [this] { TBPrintClick(); });
}

void TFerloMainForm::createBrowser() {
    Panel1 = panel(ClientArea);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel2 = panel(Panel1);
    Panel3 = panel(Panel1);
    Panel4 = panel(Panel1);
    Panel5 = panel(Panel1);
    Bevel1 = new QFrame(Panel1);
    Bevel2 = new QFrame(Panel1);
    for (QFrame* bevel : {Bevel1, Bevel2}) {
        bevel->setFrameShape(QFrame::Panel);
        bevel->setFrameShadow(QFrame::Raised);
        bevel->setLineWidth(1);
    }

    LABSelect = new QLabel(selectCaption(1), Panel2);
    LABSelect->setObjectName(QStringLiteral("LABSelect"));
    LABSelect->setTextFormat(Qt::PlainText);
    LABSelect->setFont(boldFont(QStringLiteral("MS Sans Serif"), 13));
    LABSelect->move(6, 8);
    LABSelect->setMinimumWidth(kBrowserWidth - 12);

    DriveComboBox1 = new DriveComboBox(Panel3);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DriveComboBox1->setGeometry(8, 7, 153, 20);

    DirectoryListBox1 = new DirectoryListBox(Panel4);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    FileListBox1 = new FileListBox(Panel5);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));

    connect(DriveComboBox1, &DriveComboBox::driveChosen, this,
            [this](const QString& root) { runGuarded(this, [&] { browseTo(root); }); });
    connect(DirectoryListBox1, &DirectoryListBox::directoryChanged, this,
            [this](const QString& directory) {
                DriveComboBox1->showRootOf(directory);
                FileListBox1->setDirectory(directory);
            });
    connect(DirectoryListBox1, &DirectoryListBox::directoryFailed, this,
            [this](const QString&, const QString& reason) { showError(this, reason); });
    connect(FileListBox1, &FileListBox::change, this,
            [this] { runGuarded(this, [this] { FileListBox1Change(); }); });
    connect(FileListBox1, &FileListBox::mouseDown, this, [this](Qt::MouseButton button) {
        runGuarded(this, [this, button] { FileListBox1MouseDown(button); });
    });
}

void TFerloMainForm::createCard() {
    PACardBase = new QFrame(ClientArea);
    PACardBase->setObjectName(QStringLiteral("PACardBase"));
    PACardBase->setAutoFillBackground(true);
    QPalette basePalette = PACardBase->palette();
    basePalette.setColor(QPalette::Window, QColor(140, 140, 140));
    PACardBase->setPalette(basePalette);

    PACard = new QFrame(PACardBase);
    PACard->setObjectName(QStringLiteral("PACard"));
    PACard->setFrameShape(QFrame::NoFrame);
    PACard->setAutoFillBackground(true);
    QPalette cardPalette = PACard->palette();
    cardPalette.setColor(QPalette::Window, Qt::white);
    PACard->setPalette(cardPalette);
    PACard->setGeometry(15, 50, 594, 420);

    StatusBar1 = new QStatusBar(ClientArea);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
}

void TFerloMainForm::layoutClientArea(QSize client) {
    const int width = client.width();
    const int height = client.height();
    const int middle = height - kToolBarHeight - kStatusBarHeight;
    ToolBar1->setGeometry(0, 0, width, kToolBarHeight);
    StatusBar1->setGeometry(0, height - kStatusBarHeight, width, kStatusBarHeight);
    Panel1->setGeometry(0, kToolBarHeight, kBrowserWidth, middle);
    PACardBase->setGeometry(kBrowserWidth, kToolBarHeight, width - kBrowserWidth, middle);

    // The browser from top to bottom: caption, drive box, bevel, directories, bevel, files.
    int top = 0;
    const auto stack = [&](QWidget* widget, int h) {
        widget->setGeometry(0, top, kBrowserWidth, h);
        top += h;
    };
    stack(Panel2, 32);
    stack(Panel3, 32);
    stack(Bevel1, 4);
    stack(Panel4, 123);
    stack(Bevel2, 4);
    stack(Panel5, qMax(0, middle - top));
    DirectoryListBox1->setGeometry(Panel4->rect());
    FileListBox1->placeIn(Panel5->rect());
}

bool TFerloMainForm::browseTo(const QString& directory) {
    if (DirectoryListBox1->setDirectory(directory))
        return true;
    showError(this, DirectoryListBox1->lastError());
    return false;
}

QString TFerloMainForm::shownDirectory() const {
    return DirectoryListBox1->directory();
}

// ---------------------------------------------------------------------------------------------
// Start-up and the commands that change the shape of the card

void TFerloMainForm::FormCreate() {
    move(0, 0);
    Card = TCard();
    Card.LabelsOn = true;
    Card.ScreenScale = 1.0;

    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    if (screenWidth > 800) {
        setFixedSize(1024, 768);
        Card.ScreenScale = width() / 800.0;
        // The card base takes its enlarged size now, so that the card is centred in it.
        layoutClientArea(QSize(1024, 768 - menuBar()->sizeHint().height()));
    }
    if (screenWidth < 800) {
        showError(this, QStringLiteral(
                            "This application requires a screen resolution of 800x600 or higher."));
        m_terminateRequested = true;
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }

    for (int i = 0; i < 8; ++i) {
        auto* image = new PictureControl(PACard);
        image->setObjectName(QStringLiteral("Cell%1").arg(i));
        connect(image, &PictureControl::mouseDown, this,
                [this](PictureControl* sender, Qt::MouseButton button) {
                    runGuarded(this, [&] { ImageMouseDown(sender, button); });
                });
        CellImages[i] = image;
        auto* label = new QLabel(PACard);
        label->setObjectName(QStringLiteral("CellLabel%1").arg(i));
        // A label word is shown as it is written, never read as markup, so it is drawn as wide
        // as it was measured.
        label->setTextFormat(Qt::PlainText);
        label->hide();
        CellLabels[i] = label;
    }
    for (TLine*& line : CutLines) {
        line = new TLine(PACard);
        line->hide();
    }

    TBNumPerPageClick(TB4PerPage);
    SetOrientation();
    ToggleCutLines();
    Card.LayoutCells(Cells);
    Card.ResetCells(Cells);
}

int TFerloMainForm::pictureCountFor(const QAction* button) const {
    if (button == TB1PerPage)
        return 1;
    if (button == TB2PerPage)
        return 2;
    if (button == TB4PerPage)
        return 4;
    if (button == TB6PerPage)
        return 6;
    if (button == TB8PerPage)
        return 8;
    return 0;
}

void TFerloMainForm::TBNumPerPageClick(QAction* Sender) {
    const int count = pictureCountFor(Sender);
    if (count == 0 || count == Card.PicturesPerPage)
        return;
    Card.PicturesPerPage = count;
    LABSelect->setText(selectCaption(count));
    LABSelect->adjustSize();
    ClearCells();
    ClearFileSelections();
    Card.LayoutCells(Cells);
    Card.ResetCells(Cells);
    ToggleCutLines();
}

void TFerloMainForm::SetOrientation() {
    Card.SetCardSize(TBPortrait->isChecked());
    PACard->resize(Card.CardWidth, Card.CardHeight);
    const int top = (PACardBase->height() - PACard->height()) / 2;
    const int left = (PACardBase->width() - PACard->width()) / 2;
    PACard->move(left, top);
}

void TFerloMainForm::TBOrientationClick(QAction*) {
    if ((Card.Portrait && TBPortrait->isChecked()) || (!Card.Portrait && TBLandScape->isChecked()))
        return;
    SetOrientation();
    Card.LayoutCells(Cells);
    ToggleCutLines();
    Display_All_Labels();
    Display_All_Pictures();
}

void TFerloMainForm::PBClearClick() {
    ClearCells();
    ClearFileSelections();
}

void TFerloMainForm::ExitApplication() {
    QCoreApplication::quit();
}

void TFerloMainForm::mnAboutClick() {
    if (m_aboutBox)
        m_aboutBox->exec();
}

void TFerloMainForm::mnOptionsClick() {
    if (m_options)
        m_options->exec();
}

void TFerloMainForm::mnReadMeClick() {
    openHelpFile();
}

bool TFerloMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ClientArea && event->type() == QEvent::Resize)
        layoutClientArea(ClientArea->size());
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Pictures and labels in the cells

void TFerloMainForm::display_picture(TCell& cell, PictureControl* image) {
    const QString path = pathFromModel(cell.FileName);
    PreparedPicture prepared =
        preparePicture(path, Card.PictureWidth, Card.PictureHeight, Card.PictureAspect);
    if (prepared.error)
        std::rethrow_exception(prepared.error);
    applyPicture(cell, image, prepared.ownSize, prepared.fitted.Width, prepared.fitted.Height,
                 prepared.shown);
}

void TFerloMainForm::applyPicture(TCell& cell, PictureControl* image, QSize ownSize,
                                  int fittedWidth, int fittedHeight, const QImage& shown) {
    cell.ImageWidth = fittedWidth;
    cell.ImageHeight = fittedHeight;
    cell.ImageAspect = double(ownSize.height()) / double(ownSize.width());

    image->hide();
    const CardPoint at = PicturePosition(Card, cell.Left, cell.Top, {fittedWidth, fittedHeight});
    image->move(at.X, at.Y);
    image->setFixedSize(qMax(0, fittedWidth), qMax(0, fittedHeight));
    image->setPicture(shown);
    image->setToolTip(displayName(pathFromModel(cell.FileName)));
    image->show();
}

void TFerloMainForm::Display_All_Pictures() {
    WaitCursor hourglass;
    // The pictures are decoded side by side on worker threads and placed in cell order; an
    // error ends the pass at its cell, and the pass waits for every worker before it returns.
    const int areaWidth = Card.PictureWidth;
    const int areaHeight = Card.PictureHeight;
    const double areaAspect = Card.PictureAspect;
    std::vector<QFuture<PreparedPicture>> work(Cells.size());
    for (size_t i = 0; i < Cells.size(); ++i) {
        if (Cells[i].FileName.empty())
            continue;
        const QString path = pathFromModel(Cells[i].FileName);
        work[i] = QtConcurrent::run(
            [=] { return preparePicture(path, areaWidth, areaHeight, areaAspect); });
    }
    const auto waitForAll = [&work] {
        for (auto& future : work)
            future.waitForFinished();
    };
    for (size_t i = 0; i < Cells.size(); ++i) {
        if (Cells[i].FileName.empty())
            continue;
        const PreparedPicture prepared = work[i].result();
        if (prepared.error) {
            waitForAll();
            std::rethrow_exception(prepared.error);
        }
        applyPicture(Cells[i], CellImages[i], prepared.ownSize, prepared.fitted.Width,
                     prepared.fitted.Height, prepared.shown);
    }
}

QString TFerloMainForm::SetLabelCase(const QString& text) const {
    return labelInCase(text, TBUpperLabels->isChecked());
}

void TFerloMainForm::Display_Label(int index) {
    if (index < 0 || index >= int(Cells.size()) || index >= int(CellLabels.size()))
        return;
    const TCell& cell = Cells[size_t(index)];
    QLabel* label = CellLabels[size_t(index)];
    const QString text = displayName(SetLabelCase(MakeLabelText(pathFromModel(cell.FileName))));
    const TRect band = LabelBand(Card, cell.Left, cell.Top);

    QFont font(QStringLiteral("Arial"));
    font.setPointSize(qMax(1, Card.LabelFontSize));
    font.setBold(true);
    label->setWordWrap(false);
    label->setText(text);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(band.Left, band.Top, band.width(), band.height());

    // The label shrinks point by point until the text fits the band's width.
    QFont trial = font;
    TestLabel->setFont(trial);
    TestLabel->setText(text);
    while (trial.pointSize() > 1 &&
           QFontMetrics(trial, TestLabel).horizontalAdvance(text) > band.width()) {
        trial.setPointSize(trial.pointSize() - 1);
        TestLabel->setFont(trial);
    }
    label->setFont(trial);
    if (Card.LabelsOn)
        label->show();
}

void TFerloMainForm::Display_All_Labels() {
    for (int i = 0; i < int(CellLabels.size()); ++i) {
        if (!CellLabels[size_t(i)]->text().isEmpty())
            Display_Label(i);
    }
}

void TFerloMainForm::SetAllLabelsCase(QAction*) {
    for (int i = 0; i < Card.PicturesPerPage; ++i)
        Display_Label(i);
}

void TFerloMainForm::PBToggleLabelsClick() {
    if (Card.LabelsOn) {
        Card.LabelsOn = false;
        PBToggleLabels->setToolTip(QStringLiteral("Turn Labels on"));
        TBUpperLabels->setVisible(false);
        TBLowerLabels->setVisible(false);
        PBToggleLabels->setText(QStringLiteral("&Labels On"));
    } else {
        Card.LabelsOn = true;
        PBToggleLabels->setToolTip(QStringLiteral("Turn Labels Off"));
        TBUpperLabels->setVisible(true);
        TBLowerLabels->setVisible(true);
        PBToggleLabels->setText(QStringLiteral("&Labels Off"));
    }
    Card.LayoutCells(Cells);
    // Labels follow the switch even when a picture can no longer be read: the error still
    // reaches the user, but no label stays shown while labels are off.
    try {
        Display_All_Pictures();
    } catch (...) {
        ToggleLabels();
        throw;
    }
    ToggleLabels();
}

void TFerloMainForm::ToggleLabels() {
    for (int i = 0; i < Card.PicturesPerPage && i < int(CellLabels.size()); ++i) {
        QLabel* label = CellLabels[size_t(i)];
        label->setVisible(Card.LabelsOn && !isBlankLabel(label->text()));
    }
}

// ---------------------------------------------------------------------------------------------
// Cut lines

void TFerloMainForm::ToggleCutLines() {
    for (TLine* line : CutLines)
        line->hide();
    if (!TBCutLines->isChecked()) {
        TBCutLines->setToolTip(QStringLiteral("Turn Cutlines On"));
        return;
    }
    TBCutLines->setToolTip(QStringLiteral("Turn Cutlines Off"));
    const auto segments =
        ScreenCutLines(Card.PicturesPerPage, Card.Portrait, PACard->width(), PACard->height());
    for (size_t k = 0; k < segments.size() && k < CutLines.size(); ++k) {
        CutLines[k]->SetPoints(QPoint(segments[k].First.X, segments[k].First.Y),
                               QPoint(segments[k].Second.X, segments[k].Second.Y));
        CutLines[k]->raise();
        CutLines[k]->show();
    }
}

// ---------------------------------------------------------------------------------------------
// Picture selection

void TFerloMainForm::FileListBox1MouseDown(Qt::MouseButton Button) {
    if (Button != Qt::LeftButton)
        return;

    // A click that has just unselected a file takes its picture off the card.
    const int current = FileListBox1->currentRow();
    if (current >= 0 && !FileListBox1->item(current)->isSelected()) {
        const std::string path =
            pathToModel(joinPath(shownDirectory(), FileListBox1->itemName(current)));
        for (size_t i = 0; i < Cells.size(); ++i) {
            if (Cells[i].FileName == path) {
                ClearCell(int(i));
                break;
            }
        }
    }

    // On a full card a click that has just selected a further file is undone.
    if (Card.PictureCount == Card.PicturesPerPage && current >= 0)
        FileListBox1->item(current)->setSelected(false);

    const std::string fileName = pathToModel(FileListBox1->fileName());
    for (const TCell& cell : Cells) {
        if (cell.FileName == fileName)
            return;
    }

    WaitCursor hourglass;
    for (size_t i = 0; i < Cells.size(); ++i) {
        if (!Cells[i].FileName.empty())
            continue;
        ++Card.PictureCount;
        Cells[i].FileName = fileName;
        display_picture(Cells[i], CellImages[i]);
        Display_Label(int(i));
        break;
    }
}

void TFerloMainForm::FileListBox1Change() {
    if (FileListBox1->selectedCount() > 0)
        return;
    // A click that has just unselected the last selected item is not undone here: the
    // mouse-down handler that follows takes its picture off the card.
    const int justUnselected = FileListBox1->notifyingClick() ? FileListBox1->currentRow() : -1;
    const QString shown = shownDirectory();
    for (const TCell& cell : Cells) {
        const QString path = pathFromModel(cell.FileName);
        if (directoryPart(path) != shown)
            continue;
        const QString name = fileNamePart(path);
        for (int j = 0; j < FileListBox1->count(); ++j) {
            if (j != justUnselected && FileListBox1->itemName(j) == name)
                FileListBox1->item(j)->setSelected(true);
        }
    }
}

void TFerloMainForm::ClearCell(int index) {
    if (index < 0 || index >= int(Cells.size()))
        return;
    TCell& cell = Cells[size_t(index)];
    const bool heldPicture = !cell.FileName.empty();
    cell.FileName.clear();
    CellLabels[size_t(index)]->setText(QString());
    CellLabels[size_t(index)]->hide();
    CellImages[size_t(index)]->clearPicture();
    if (heldPicture)
        --Card.PictureCount;
}

void TFerloMainForm::ClearCells() {
    for (TCell& cell : Cells)
        cell.FileName.clear();
    for (size_t i = 0; i < CellImages.size(); ++i) {
        CellLabels[i]->setText(QString());
        CellLabels[i]->hide();
        CellImages[i]->clearPicture();
    }
    Card.PictureCount = 0;
}

void TFerloMainForm::ClearFileSelections() {
    for (int j = 0; j < FileListBox1->count(); ++j)
        FileListBox1->item(j)->setSelected(false);
}

// ---------------------------------------------------------------------------------------------
// Picture click

void TFerloMainForm::ImageMouseDown(PictureControl* Sender, Qt::MouseButton Button) {
    if (!Sender || !Sender->objectName().startsWith(QLatin1String("Cell")) ||
        Sender->objectName().size() < 5)
        return;
    const int index = Sender->objectName().at(4).digitValue();
    // A control beyond the cells of the current layout has no cell: the press does nothing.
    if (index < 0 || index >= int(Cells.size()))
        return;
    const QString fileName = pathFromModel(Cells[size_t(index)].FileName);

    if (Button == Qt::LeftButton) {
        if (fileName.isEmpty())
            return;
        const QString sound = findSoundFile(soundFilePath(fileName));
        if (sound.isEmpty())
            return;
        MediaPlayer1->setFileName(sound);
        MediaPlayer1->open();
        MediaPlayer1->play();
    } else if (Button == Qt::RightButton) {
        if (directoryPart(fileName) == shownDirectory()) {
            const QString name = fileNamePart(fileName);
            for (int j = 0; j < FileListBox1->count(); ++j) {
                if (FileListBox1->itemName(j) == name) {
                    FileListBox1->item(j)->setSelected(false);
                    break;
                }
            }
        }
        ClearCell(index);
    }
}

// ---------------------------------------------------------------------------------------------
// Printing

CardPage TFerloMainForm::currentPage() const {
    // The page prints the labels' texts as shown.
    QList<bool> loaded;
    QStringList labels;
    for (size_t i = 0; i < Cells.size(); ++i) {
        loaded << (i < CellImages.size() && CellImages[i]->hasPicture());
        labels << (i < CellLabels.size() ? CellLabels[i]->text() : QString());
    }
    return makeCardPage(Card, TBCutLines->isChecked(), Cells, loaded, labels);
}

void TFerloMainForm::TBPrintClick() {
    printCard(this, currentPage());
}

void TFerloMainForm::Printsetup1Click() {
    printerSetup(this);
}

void TFerloMainForm::PrintPreviewClick() {
    previewCard(this, currentPage());
}

void TFerloMainForm::ExportPdfClick() {
    exportCardPdf(this, currentPage());
}

} // namespace ferlo
