#include "ui/result/SectionView.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include "qtcommon/QtText.h"
#include "ui/common/ElidingLabel.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/Twips.h"
#include "ui/common/WindowFonts.h"
#include "ui/result/SectionTexts.h"

namespace amsaview {
namespace {

// A table of more columns than this is a table view of its own, which
// scrolls; a narrower one is drawn in labels beside the rows.
constexpr std::size_t kLabelColumns = 3;

std::vector<std::size_t> ShapeOf(const ReportSection& section) {
    std::vector<std::size_t> shape{section.rows.size()};
    for (const ReportTable& table : section.tables) {
        shape.push_back(table.columns.size());
        for (const auto& row : table.rows) {
            shape.push_back(row.size());
        }
    }
    return shape;
}

QLabel* Caption(QWidget& parent, std::string_view text, bool bold) {
    auto* label = new QLabel(ToQString(text), &parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(SansSerifFont(8.0, bold));
    SetColour(*label, QPalette::WindowText, kLightYellowText);
    return label;
}

// Any value may be long (a name, a place): it ends in "…" with the whole
// text as its tip rather than widening the window.
QLabel* Value(QWidget& parent, const std::string& name) {
    auto* label = new ElidingLabel(&parent);
    label->setObjectName(ToQString(name));
    label->setFont(VerdanaFont(8.0, true));
    SetColour(*label, QPalette::WindowText, kWhiteText);
    return label;
}

void SetValue(QLabel& label, const std::string& text) {
    static_cast<ElidingLabel&>(label).setText(ToQString(text));
}

}  // namespace

void FillTable(QTableWidget& view, const ReportTable& table) {
    view.setColumnCount(static_cast<int>(table.columns.size()));
    view.setRowCount(static_cast<int>(table.rows.size()));
    QStringList heads;
    for (const std::string_view column : table.columns) {
        heads << ToQString(column);
    }
    view.setHorizontalHeaderLabels(heads);
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        for (std::size_t column = 0; column < table.rows[row].size(); ++column) {
            auto* cell = new QTableWidgetItem(ToQString(table.rows[row][column]));
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            view.setItem(static_cast<int>(row), static_cast<int>(column), cell);
        }
    }
    view.resizeColumnsToContents();
}

SectionView::SectionView(std::string_view sectionId, QWidget* parent)
    : QGroupBox(parent), id_(sectionId) {}

void SectionView::rebuild(const ReportSection& section) {
    delete grid_;
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    values_.clear();
    tables_.clear();
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(Px(120), Px(150), Px(90), Px(90));
    grid_->setHorizontalSpacing(Px(60));
    grid_->setVerticalSpacing(Px(15));

    int row = 0;
    for (const ReportRow& field : section.rows) {
        grid_->addWidget(Caption(*this, field.caption, false), row, 0);
        QLabel* value = Value(*this, ValueLabelName(field.id));
        values_.push_back(value);
        grid_->addWidget(value, row, 1, 1, -1);
        ++row;
    }
    note_ = new QLabel(this);
    note_->setObjectName(ToQString(id_ + "Note"));
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);
    note_->setFont(SansSerifFont());
    SetColour(*note_, QPalette::WindowText, kLightYellowText);
    grid_->addWidget(note_, row++, 0, 1, -1);

    int tableIndex = 0;
    for (const ReportTable& table : section.tables) {
        if (table.columns.size() > kLabelColumns) {
            auto* view = new QTableWidget(this);
            view->setObjectName(ToQString(id_ + "_table" + std::to_string(tableIndex++)));
            view->verticalHeader()->hide();
            view->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
            tables_.push_back(view);
            grid_->addWidget(view, row++, 0, 1, -1);
            grid_->setRowStretch(row - 1, 1);
            continue;
        }
        for (std::size_t column = 0; column < table.columns.size(); ++column) {
            grid_->addWidget(Caption(*this, table.columns[column], true), row,
                             static_cast<int>(column));
        }
        ++row;
        for (std::size_t line = 0; line < table.rows.size(); ++line) {
            for (std::size_t column = 0; column < table.rows[line].size(); ++column) {
                QLabel* cell = Value(*this, CellLabelName(id_, line, column));
                values_.push_back(cell);
                grid_->addWidget(cell, row, static_cast<int>(column));
            }
            ++row;
        }
    }
    grid_->setColumnStretch(1, 1);
    if (tables_.empty()) {
        grid_->setRowStretch(row, 1);
    }
    shape_ = ShapeOf(section);
}

void SectionView::setSection(const ReportSection& section, const QString& note) {
    if (grid_ == nullptr || ShapeOf(section) != shape_) {
        rebuild(section);
    }
    auto value = values_.begin();
    for (const ReportRow& field : section.rows) {
        SetValue(**value++, field.value);
    }
    auto view = tables_.begin();
    for (const ReportTable& table : section.tables) {
        if (table.columns.size() > kLabelColumns) {
            FillTable(**view++, table);
            continue;
        }
        for (const auto& line : table.rows) {
            for (const std::string& cell : line) {
                SetValue(**value++, cell);
            }
        }
    }
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

}  // namespace amsaview
