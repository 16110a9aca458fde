#include "map/ui/map_list_model.h"

#include <QColor>

#include "edit/ui/control_binding.h"
#include "session/session.h"

namespace vorlan {

MapListModel::MapListModel(const Session& session, ColorOf colorOf, QObject* parent)
    : QAbstractListModel(parent), session_(session), colorOf_(std::move(colorOf)) {
    shownRows_ = rowCount();
}

int MapListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) {
        return 0;
    }
    // The names follow the list rebuild; a row without a flight group behind it is not shown.
    const auto names = session_.Vocab.RowCount(TableId::FlightGroupRefNames);
    const auto groups = static_cast<int>(session_.CurrentMission().FlightGroups.size());
    return std::min(names, groups);
}

QVariant MapListModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (!index.isValid() || row >= rowCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return FromMissionText(
            session_.Vocab.table(TableId::FlightGroupRefNames)[static_cast<std::size_t>(row)]);
    }
    if (role == Qt::ForegroundRole) {
        const RowColor colour = colorOf_(row);
        return QColor(colour.R, colour.G, colour.B);
    }
    return {};
}

void MapListModel::Refresh() {
    const int rows = rowCount();
    if (rows != shownRows_) {
        beginResetModel();
        shownRows_ = rows;
        endResetModel();
    } else if (rows > 0) {
        emit dataChanged(index(0), index(rows - 1));
    }
}

}  // namespace vorlan
