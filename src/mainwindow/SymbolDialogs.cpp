#include "mainwindow/SymbolDialogs.h"

#include "storage/NativePath.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ferlo {

namespace {

class SymbolDialogs {
    Q_DECLARE_TR_FUNCTIONS(SymbolDialogs)
};

// A list of folders with buttons to add one (a folder chooser) and remove the selected one.
class FolderList : public QWidget {
public:
    FolderList(QWidget* parent, const QStringList& folders)
        : QWidget(parent) {
        m_list = new QListWidget(this);
        m_list->setObjectName(QStringLiteral("FolderList"));
        m_list->addItems(folders);
        auto* add = new QPushButton(SymbolDialogs::tr("&Add folder ..."), this);
        add->setObjectName(QStringLiteral("AddFolder"));
        auto* remove = new QPushButton(SymbolDialogs::tr("&Remove"), this);
        remove->setObjectName(QStringLiteral("RemoveFolder"));
        auto* buttons = new QVBoxLayout;
        buttons->addWidget(add);
        buttons->addWidget(remove);
        buttons->addStretch();
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_list, 1);
        layout->addLayout(buttons);
        connect(add, &QPushButton::clicked, this, [this] {
            const QString folder =
                QFileDialog::getExistingDirectory(this, SymbolDialogs::tr("Add folder"));
            if (!folder.isEmpty() && m_list->findItems(folder, Qt::MatchExactly).isEmpty())
                m_list->addItem(folder);
        });
        connect(remove, &QPushButton::clicked, this, [this] { delete m_list->currentItem(); });
    }

    QStringList folders() const {
        QStringList all;
        for (int i = 0; i < m_list->count(); ++i)
            all << m_list->item(i)->text();
        return all;
    }

private:
    QListWidget* m_list = nullptr;
};

QDialogButtonBox* okAndCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(SymbolDialogs::tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(SymbolDialogs::tr("Cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLabel* caption(QDialog* dialog, const QString& text) {
    auto* label = new QLabel(text, dialog);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

bool editSymbolFolderList(QWidget* parent, QStringList& folders) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgSymbolFolders"));
    dialog.setWindowTitle(SymbolDialogs::tr("Symbols"));
    auto* list = new FolderList(&dialog, folders);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        caption(&dialog, SymbolDialogs::tr("Your own symbol folders: their SVG, PNG and JPEG "
                                           "files are found by their names.")));
    layout->addWidget(list, 1);
    layout->addWidget(okAndCancel(&dialog));
    dialog.resize(440, 260);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    folders = list->folders();
    return true;
}

std::optional<WordsRequest> askWordList(QWidget* parent, const QStringList& startFolders) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgCardsFromWords"));
    dialog.setWindowTitle(SymbolDialogs::tr("Cards from Words"));
    auto* words = new QPlainTextEdit(&dialog);
    words->setObjectName(QStringLiteral("WordsText"));
    words->setTabChangesFocus(true);
    auto* folders = new FolderList(&dialog, startFolders);
    auto* lineArt = new QCheckBox(SymbolDialogs::tr("Symbols as &line art"), &dialog);
    lineArt->setObjectName(QStringLiteral("WordsLineArt"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        caption(&dialog, SymbolDialogs::tr("Words, one a line or separated by commas:")));
    layout->addWidget(words, 2);
    layout->addWidget(
        caption(&dialog, SymbolDialogs::tr("Pictures named after a word are taken first from:")));
    layout->addWidget(folders, 1);
    layout->addWidget(lineArt);
    layout->addWidget(okAndCancel(&dialog));
    dialog.resize(440, 420);
    words->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return WordsRequest{words->toPlainText(), folders->folders(),
                        lineArt->isChecked() ? SymbolStyle::Line : SymbolStyle::Color};
}

} // namespace ferlo
