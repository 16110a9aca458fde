#include "editor/row_list_model.h"

#include "ops/fg_list_change.h"

#include <QColor>
#include <QItemSelection>
#include <QListView>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

namespace vorlan {
namespace {

// Paints a row's text 2 pixels from its left edge in the row's colour, over the selection
// highlight when selected.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect,
                          selected ? option.palette.highlight() : option.palette.base());
        const QVariant color = index.data(Qt::ForegroundRole);
        painter->setPen(color.isValid() ? color.value<QColor>() : option.palette.text().color());
        const QRect textRect = option.rect.adjusted(2, 0, 0, 0);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        if (option.state & QStyle::State_HasFocus) {
            painter->setPen(QPen(option.palette.text().color(), 1, Qt::DotLine));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
        }
    }
};

}  // namespace

RowListModel::RowListModel(const ListRows& rows, ColorOf colorOf, QObject* parent)
    : QAbstractListModel(parent), rows_(rows), colorOf_(std::move(colorOf)) {}

int RowListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

QVariant RowListModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (!index.isValid() || row >= static_cast<int>(rows_.Rows.size())) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        // Mission texts are single bytes per character.
        const std::string& text = rows_.Rows[static_cast<std::size_t>(row)];
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    if (role == Qt::ForegroundRole && colorOf_) {
        if (const auto color = colorOf_(row)) {
            return QColor(color->R, color->G, color->B);
        }
    }
    return {};
}

void RowListModel::Refresh() {
    const int count = static_cast<int>(rows_.Rows.size());
    if (count != shownRows_) {
        beginResetModel();
        shownRows_ = count;
        endResetModel();
    } else if (count > 0) {
        emit dataChanged(index(0), index(count - 1), {Qt::DisplayRole, Qt::ForegroundRole});
    }
}

void SetUpRowListView(QListView& view) {
    view.setUniformItemSizes(true);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    view.setItemDelegate(new RowDelegate(&view));
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(40, 40, 110));
    view.setPalette(palette);
}

std::vector<bool> SelectedRows(const QListView& view) {
    const int count = view.model() != nullptr ? view.model()->rowCount() : 0;
    std::vector<bool> selected(static_cast<std::size_t>(count), false);
    for (const QItemSelectionRange& range : view.selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom() && row < count; ++row) {
            selected[static_cast<std::size_t>(row)] = true;
        }
    }
    return selected;
}

void ShowSelection(QListView& view, const std::vector<bool>& selected, int currentRow) {
    QAbstractItemModel* model = view.model();
    QItemSelectionModel* selection = view.selectionModel();
    const int count = model->rowCount();
    // One range per run of selected rows keeps this cheap for long lists.
    QItemSelection wanted;
    for (int row = 0; row < count; ++row) {
        if (!IsRowSelected(selected, row)) {
            continue;
        }
        const int first = row;
        while (row + 1 < count && IsRowSelected(selected, row + 1)) {
            ++row;
        }
        wanted.select(model->index(first, 0), model->index(row, 0));
    }
    const QSignalBlocker blocker(selection);
    if (currentRow >= 0 && currentRow < count) {
        selection->setCurrentIndex(model->index(currentRow, 0), QItemSelectionModel::NoUpdate);
    }
    selection->select(wanted, QItemSelectionModel::ClearAndSelect);
    view.viewport()->update();
}

}  // namespace vorlan
