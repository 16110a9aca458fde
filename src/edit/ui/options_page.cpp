#include "edit/ui/options_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

#include "edit/options_rules.h"
#include "edit/ui/page_widgets.h"
#include "editor/pages/flight_group_page_numbers.h"
#include "session/session.h"
#include "text/row_colors.h"

namespace vorlan {
namespace {

template <class T>
T* Named(const char* name, QWidget* parent) {
    auto* widget = new T(parent);
    widget->setObjectName(name);
    return widget;
}

// A list exactly as tall as its rows; a long row is elided, as a scroll bar would hide a row.
QListWidget* MakeList(const char* name, int rows, QAbstractItemView::SelectionMode mode,
                      QWidget* parent) {
    auto* list = Named<QListWidget>(name, parent);
    list->setSelectionMode(mode);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->addItem("X");
    list->setFixedHeight(list->sizeHintForRow(0) * rows + 2 * list->frameWidth());
    list->clear();
    return list;
}

QGroupBox* RoleGroup(QWidget* parent) {
    auto* group = new QGroupBox("Tactical Role (HUD Description):", parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(Named<QComboBox>("RoleBox", group));
    auto* hud = new QHBoxLayout;
    auto* edit = Named<QLineEdit>("Edit1", group);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance("-0000") + 12);
    hud->addWidget(edit);
    auto* note = new QLabel("0 = use defined HUD,  -1 = default HUD", group);
    note->setWordWrap(true);
    hud->addWidget(note, 1);
    layout->addLayout(hud);
    return group;
}

QGroupBox* WeaponsGroup(QWidget* parent) {
    auto* group = new QGroupBox("Optional Weapons:", parent);
    auto* grid = new QGridLayout(group);
    const auto multi = QAbstractItemView::MultiSelection;
    grid->addWidget(new QLabel("Warheads", group), 0, 0);
    grid->addWidget(MakeList("MissleSelBox", 8, multi, group), 1, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(new QLabel("Beam", group), 0, 1);
    grid->addWidget(MakeList("BeamSelBox", 4, multi, group), 1, 1, Qt::AlignTop);
    grid->addWidget(new QLabel("Countermeasures", group), 2, 1);
    grid->addWidget(MakeList("CounterSelbox", 3, multi, group), 3, 1, Qt::AlignTop);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
    return group;
}

QGroupBox* ShipsGroup(QWidget* parent) {
    auto* group = new QGroupBox("Optional Ships:", parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(Named<QComboBox>("OpShipTypes", group));
    layout->addWidget(MakeList("OpFGList", 10, QAbstractItemView::SingleSelection, group));
    auto* row = new QHBoxLayout;
    auto* waves = Named<QSpinBox>("OpShipWavesSpin", group);
    waves->setRange(1, 1000);
    auto* count = Named<QSpinBox>("OpFGCountSpin", group);
    count->setRange(0, 1000);
    row->addWidget(waves);
    row->addWidget(new QLabel("waves of", group));
    row->addWidget(count);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(Named<QComboBox>("OpShipBox", group));
    layout->addStretch();
    return group;
}

}  // namespace

OptionsPage::OptionsPage(QWidget* parent) : EditorPage(kOptionsPage, "OptionsPage", parent) {
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(RoleGroup(this));
    left->addWidget(WeaponsGroup(this), 1);
    columns->addLayout(left, 4);
    columns->addWidget(ShipsGroup(this), 3);
    Content()->addLayout(columns, 1);
    binding_.emplace(this, OptionsPageRules());
    binding_->Connect([this](const Edit& edit) { SendEdit(edit); });
}

void OptionsPage::fill(Session& session) {
    const FillGuard guard(session);
    binding_->ShowAll(session);
    // The weapon lists are as wide as their names; they are short enough never to need a
    // scroll bar.
    for (const char* name : {"MissleSelBox", "BeamSelBox", "CounterSelbox"}) {
        auto* list = static_cast<QListWidget*>(binding_->Widget(name));
        list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 4);
    }
    // The optional craft controls speak for the flight group: they wear its IFF colour.
    const FGObject* fg = session.CurrentFG();
    const RowColor iff = IFFColor(fg != nullptr ? fg->Record.Get(FGRec::IFF) : 0);
    for (const char* name : {"OpShipBox", "OpFGCountSpin", "OpShipWavesSpin"}) {
        PaintOnBlack(binding_->Widget(name), iff);
    }
}

void OptionsPage::Refresh(Session& session, std::span<const std::string_view> controls) {
    const FillGuard guard(session);
    binding_->Show(session, controls);
}

}  // namespace vorlan
