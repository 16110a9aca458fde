#pragma once
// The model behind the editor's owner-drawn lists: the rows and selection the text layer
// builds (ListRows) and a colour per row. The lists show it in a QListView with uniform row
// sizes, so refreshing ten thousand rows costs one reset and no measuring.

#include <QAbstractListModel>
#include <functional>
#include <optional>

#include "text/list_rows.h"
#include "text/row_colors.h"

class QListView;

namespace vorlan {

class RowListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // A row's colour, or nothing for the list's own colour.
    using ColorOf = std::function<std::optional<RowColor>(int row)>;

    RowListModel(const ListRows& rows, ColorOf colorOf, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The rows changed: a different count resets the model, the same count repaints it.
    void Refresh();

private:
    const ListRows& rows_;
    ColorOf colorOf_;
    int shownRows_ = 0;
};

// Makes view a multi-selection list of uniform, owner-drawn rows on a dark background, where
// the strong row colours read well.
void SetUpRowListView(QListView& view);

// The selected state of every row of view, as the list operations take it.
std::vector<bool> SelectedRows(const QListView& view);
// Selects exactly the rows marked in selected and makes currentRow the focused row, without
// emitting a change of the current row to anyone listening.
void ShowSelection(QListView& view, const std::vector<bool>& selected, int currentRow);

}  // namespace vorlan
