#include "edit/ui/waypoints_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "edit/edit.h"
#include "edit/point_rules.h"
#include "editor/pages/flight_group_page_numbers.h"
#include "session/session.h"

namespace vorlan {
namespace {

using CellTyped = std::function<void(int row, int column, const QString& text)>;

// The in-place editor of a coordinate grid. Every keystroke is handed on, as the grid stores
// each one; the arrow keys leave the cell as Tab does: up and down always, left and right from
// the edge of the text or when all of it is selected.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(QTableWidget* grid, CellTyped typed)
        : QStyledItemDelegate(grid), grid_(grid), typed_(std::move(typed)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int row = index.row();
        const int column = index.column();
        connect(editor, &QLineEdit::textEdited, editor,
                [this, row, column](const QString& text) { typed_(row, column, text); });
        return editor;
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QLineEdit*>(object);
        if (editor != nullptr && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool all = editor->hasSelectedText() && editor->selectedText() == editor->text();
            const bool bare = !editor->hasSelectedText();
            int rows = 0;
            int columns = 0;
            switch (key->key()) {
                case Qt::Key_Up:
                    rows = -1;
                    break;
                case Qt::Key_Down:
                    rows = 1;
                    break;
                case Qt::Key_Left:
                    columns = all || (bare && editor->cursorPosition() == 0) ? -1 : 0;
                    break;
                case Qt::Key_Right:
                    columns =
                        all || (bare && editor->cursorPosition() == editor->text().size()) ? 1 : 0;
                    break;
                default:
                    break;
            }
            if (rows != 0 || columns != 0) {
                const int row = std::clamp(grid_->currentRow() + rows, 0, grid_->rowCount() - 1);
                const int column =
                    std::clamp(grid_->currentColumn() + columns, 0, grid_->columnCount() - 1);
                grid_->setCurrentCell(row, column);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    QTableWidget* grid_;
    CellTyped typed_;
};

// A grid of rows × X, Y, Z exactly as large as its cells; moving to a cell opens its editor.
QTableWidget* MakeGrid(const char* name, int rows, CellTyped typed, QWidget* parent) {
    auto* grid = new QTableWidget(rows, kAxes, parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels({"X", "Y", "Z"});
    grid->verticalHeader()->hide();
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setItemDelegate(new CellDelegate(grid, std::move(typed)));
    const int cellWidth = grid->fontMetrics().horizontalAdvance("-000.00") + 16;
    const int cellHeight = grid->fontMetrics().height() + 6;
    for (int column = 0; column < kAxes; ++column) {
        grid->setColumnWidth(column, cellWidth);
    }
    grid->verticalHeader()->setDefaultSectionSize(cellHeight);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setFixedSize(
        cellWidth * kAxes + 2 * grid->frameWidth(),
        grid->horizontalHeader()->sizeHint().height() + cellHeight * rows + 2 * grid->frameWidth());
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < kAxes; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->setItem(row, column, item);
        }
    }
    return grid;
}

// A list of toggled rows beside a grid, its rows as tall as the grid's.
QListWidget* MakeEnabledList(const char* name, const QTableWidget* grid, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->setSpacing(0);
    const int rows = grid->rowCount();
    list->setFixedSize(list->fontMetrics().horizontalAdvance(" Waypoint 8") + 16,
                       grid->rowHeight(0) * rows + 2 * list->frameWidth());
    return list;
}

// The caption above a column beside a grid, as tall as the grid's header.
QLabel* HeaderCaption(const char* text, const QTableWidget* grid, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFixedHeight(grid->horizontalHeader()->sizeHint().height() + grid->frameWidth());
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    return label;
}

void ShowGrid(QTableWidget* grid, const FGObject& fg, PointGrid which, int region, int order) {
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int axis = 0; axis < kAxes; ++axis) {
            grid->item(row, axis)->setText(QString::fromStdString(
                RawToKmText(PointValue(fg, which, row, axis, region, order))));
        }
    }
}

// The enabled list's rows follow the grid's row height, so each sits beside its row.
void MatchRowHeights(QListWidget* list, const QTableWidget* grid) {
    for (int row = 0; row < list->count(); ++row) {
        list->item(row)->setSizeHint(QSize(0, grid->rowHeight(0)));
    }
}

}  // namespace

WaypointsPage::WaypointsPage(QWidget* parent)
    : EditorPage(kWaypointsPage, "WaypointsPage", parent),
      pointGrid_(MakeGrid(
          "WPGrid", kPointRows,
          [this](int row, int axis, const QString& text) {
              SendCell(PointGrid::Points, row, axis, text);
          },
          this)),
      waypointGrid_(MakeGrid(
          "OrderWPGrid", kWaypointRows,
          [this](int row, int axis, const QString& text) {
              SendCell(PointGrid::OrderWaypoints, row, axis, text);
          },
          this)),
      heading_(new QLabel(this)) {
    auto* points = new QGridLayout;
    points->setHorizontalSpacing(6);
    points->setVerticalSpacing(0);
    points->addWidget(pointGrid_, 0, 0, 2, 1, Qt::AlignTop);
    points->addWidget(HeaderCaption("Enabled", pointGrid_, this), 0, 1);
    points->addWidget(MakeEnabledList("WPEnabledList", pointGrid_, this), 1, 1, Qt::AlignTop);
    points->addWidget(HeaderCaption("Region", pointGrid_, this), 0, 2);
    auto* regions = new QVBoxLayout;
    regions->setSpacing(0);
    for (int start = 1; start <= 4; ++start) {
        auto* region = new QComboBox(this);
        region->setObjectName(QString("Start%1Region").arg(start));
        region->setFixedHeight(pointGrid_->rowHeight(0));
        regions->addWidget(region);
    }
    points->addLayout(regions, 1, 2, Qt::AlignTop);
    points->setColumnStretch(3, 1);
    Content()->addLayout(points);

    heading_->setObjectName("Label1");
    heading_->setWordWrap(true);
    Content()->addSpacing(8);
    Content()->addWidget(heading_);

    auto* waypoints = new QGridLayout;
    waypoints->setHorizontalSpacing(6);
    waypoints->setVerticalSpacing(0);
    waypoints->addWidget(waypointGrid_, 0, 0, 2, 1, Qt::AlignTop);
    waypoints->addWidget(HeaderCaption("Enabled", waypointGrid_, this), 0, 1);
    waypoints->addWidget(MakeEnabledList("OrderWPEnabledList", waypointGrid_, this), 1, 1,
                         Qt::AlignTop);
    waypoints->setColumnStretch(2, 1);
    Content()->addLayout(waypoints);

    auto* hint = new QLabel("Use Tab and Arrow keys to maneuver through Grid", this);
    Content()->addWidget(hint);
    Content()->addStretch();

    binding_.emplace(this, WaypointPageRules());
    binding_->Connect([this](const Edit& edit) { SendEdit(edit); });
}

void WaypointsPage::SendCell(PointGrid grid, int row, int axis, const QString& text) {
    PointEdit edit{.Grid = grid, .Row = row, .Region = region_, .Order = order_};
    edit.Axes[static_cast<std::size_t>(axis)] = ToMissionText(text);
    SendEdit(edit);
}

void WaypointsPage::fill(Session& session) {
    const FillGuard guard(session);
    const FGObject* fg = session.CurrentFG();
    if (fg == nullptr) {
        return;
    }
    region_ = session.Select.CurrentOrderRegion;
    order_ = session.Select.CurrentOrderNumber;
    ShowGrid(pointGrid_, *fg, PointGrid::Points, region_, order_);
    ShowGrid(waypointGrid_, *fg, PointGrid::OrderWaypoints, region_, order_);
    heading_->setText(FromMissionText(CurrentOrderHeading(session)));
    binding_->ShowAll(session);
    for (const char* name : {"WPEnabledList", "OrderWPEnabledList"}) {
        MatchRowHeights(static_cast<QListWidget*>(binding_->Widget(name)), pointGrid_);
    }
}

void WaypointsPage::Refresh(Session& session, std::span<const std::string_view> controls) {
    const FillGuard guard(session);
    binding_->Show(session, controls);
}

}  // namespace vorlan
