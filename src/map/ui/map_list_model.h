#pragma once
// The rows of the map's two flight group lists (MapList and SelectionBox): the flight groups'
// reference names, each in the colour its list's rule gives.

#include <QAbstractListModel>
#include <functional>

#include "text/row_colors.h"

namespace vorlan {

class Session;

class MapListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using ColorOf = std::function<RowColor(int row)>;

    MapListModel(const Session& session, ColorOf colorOf, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The names changed: a different count resets the model, the same count repaints it.
    void Refresh();

private:
    const Session& session_;
    ColorOf colorOf_;
    int shownRows_ = 0;
};

}  // namespace vorlan
