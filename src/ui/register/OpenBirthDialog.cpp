#include "ui/register/OpenBirthDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/common/ApplicationTitle.h"
#include "ui/register/BirthListModel.h"

namespace amsaview {

OpenBirthDialog::OpenBirthDialog(Search search, QWidget* parent)
    : QDialog(parent), search_(std::move(search)), births_(new BirthListModel(this)) {
    setObjectName(QStringLiteral("OpenBirthDialog"));
    setWindowTitle(QStringLiteral("Open Birth - %1").arg(QLatin1String(kApplicationTitle)));

    searchBox_ = new QLineEdit;
    searchBox_->setObjectName(QStringLiteral("txtSearch"));
    searchBox_->setPlaceholderText(QStringLiteral("Name, place or year"));
    searchBox_->setClearButtonEnabled(true);

    // A flat list of fixed-height rows: the view lays out only what is on view.
    list_ = new QTreeView;
    list_->setObjectName(QStringLiteral("lstBirths"));
    list_->viewport()->setObjectName(QStringLiteral("lstBirthsRows"));
    list_->setModel(births_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setItemsExpandable(false);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const int charWidth = fontMetrics().averageCharWidth();
    list_->setColumnWidth(BirthListModel::Name, charWidth * 28);
    // Digits are wider than the average character: these two follow their texts.
    for (const int column : {BirthListModel::Date, BirthListModel::Time}) {
        list_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    list_->header()->setStretchLastSection(true);
    list_->setMinimumSize(charWidth * 90, charWidth * 40);

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setTextFormat(Qt::PlainText);

    auto* buttons = new QDialogButtonBox;
    open_ = buttons->addButton(QStringLiteral("&Open"), QDialogButtonBox::AcceptRole);
    open_->setObjectName(QStringLiteral("cmdOpen"));
    open_->setDefault(true);
    export_ =
        buttons->addButton(QStringLiteral("&Export Selected..."), QDialogButtonBox::ActionRole);
    export_->setObjectName(QStringLiteral("cmdExport"));
    delete_ = buttons->addButton(QStringLiteral("&Delete..."), QDialogButtonBox::ActionRole);
    delete_->setObjectName(QStringLiteral("cmdDelete"));
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(searchBox_);
    column->addWidget(list_, 1);
    column->addWidget(status_);
    column->addWidget(buttons);

    connect(searchBox_, &QLineEdit::textChanged, this, &OpenBirthDialog::filter);
    // Enter reaches the default button Open; a single click only selects.
    connect(list_, &QTreeView::doubleClicked, this, &OpenBirthDialog::openCurrent);
    connect(open_, &QPushButton::clicked, this, &OpenBirthDialog::openCurrent);
    connect(export_, &QPushButton::clicked, this, [this] {
        if (const QList<BirthId> ids = selectedIds(); !ids.isEmpty()) {
            emit exportRequested(ids);
        }
    });
    const auto deleteSelected = [this] {
        if (const QList<BirthId> ids = selectedIds(); !ids.isEmpty()) {
            emit deleteRequested(ids);
        }
    };
    connect(delete_, &QPushButton::clicked, this, deleteSelected);
    // On the list only: in the search box the key deletes a character.
    new QShortcut(QKeySequence::Delete, list_, deleteSelected, Qt::WidgetShortcut);
    // The view keeps one selection model for its one model, resets included.
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &OpenBirthDialog::updateButtons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    filter(QString());
    searchBox_->setFocus();
}

int OpenBirthDialog::shownCount() const {
    return births_->rowCount();
}

void OpenBirthDialog::refresh() {
    filter(searchBox_->text());
}

void OpenBirthDialog::filter(const QString& text) {
    auto found = search_(text);
    if (!found) {
        births_->setBirths({});
        status_->setText(found.error());
    } else {
        births_->setBirths(std::move(found).value());
        const int count = births_->rowCount();
        status_->setText(count == 1 ? QStringLiteral("1 birth")
                                    : QStringLiteral("%1 births").arg(count));
    }
    // Enter in the search box opens the first match.
    if (births_->rowCount() > 0) {
        list_->setCurrentIndex(births_->index(0, 0));
    }
    // The model was reset: the selection is gone, and the buttons follow it.
    updateButtons();
}

void OpenBirthDialog::updateButtons() {
    const bool any = list_->currentIndex().isValid();
    open_->setEnabled(any);
    export_->setEnabled(list_->selectionModel()->hasSelection());
    delete_->setEnabled(list_->selectionModel()->hasSelection());
}

void OpenBirthDialog::openCurrent() {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid()) {
        return;
    }
    const BirthId id = births_->birthAt(current.row()).id;
    accept();
    emit birthChosen(id);
}

QList<BirthId> OpenBirthDialog::selectedIds() const {
    QList<BirthId> ids;
    for (const QModelIndex& row : list_->selectionModel()->selectedRows()) {
        ids << births_->birthAt(row.row()).id;
    }
    return ids;
}

}  // namespace amsaview
