#pragma once
// The "WPs" page of the flight groups: the flight group's own points with their regions and the
// current order's waypoints, typed in km into grids edited in place.

#include <optional>

#include "edit/ui/control_binding.h"
#include "editor/pages/editor_page.h"

class QLabel;
class QTableWidget;

namespace vorlan {

enum class PointGrid;

class WaypointsPage : public EditorPage {
    Q_OBJECT
public:
    explicit WaypointsPage(QWidget* parent = nullptr);

    void fill(Session& session) override;
    void Refresh(Session& session, std::span<const std::string_view> controls) override;

private:
    // A grid's cell typed into: the text goes to the edit path at every keystroke.
    void SendCell(PointGrid grid, int row, int axis, const QString& text);

    QTableWidget* pointGrid_;
    QTableWidget* waypointGrid_;
    QLabel* heading_;
    // The order the waypoint grid shows, which its edits write.
    int region_ = 1;
    int order_ = 1;
    std::optional<ControlBinding> binding_;
};

}  // namespace vorlan
