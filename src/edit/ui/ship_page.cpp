#include "edit/ui/ship_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "edit/edit.h"
#include "edit/ship_rules.h"
#include "edit/ui/page_widgets.h"
#include "editor/pages/flight_group_page_numbers.h"
#include "session/session.h"
#include "text/row_colors.h"

namespace vorlan {
namespace {

// Wide enough for the longest row of most tables without letting the craft names stretch the
// page.
constexpr int kComboCharacters = 12;
// The special craft list shows three digits at least, whatever the narrow layout asks for.
constexpr int kSpecialCraftCharacters = 3;

// A text field with suggestions: the suggestions never grow from what is typed, and typing is
// never completed for the designer, so the field stores exactly the keys pressed.
QComboBox* MakeTextCombo(const char* name, QWidget* parent) {
    QComboBox* combo = MakeCombo(name, parent, kComboCharacters);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    return combo;
}

QString Caption(std::string_view caption) {
    return QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()));
}

}  // namespace

ShipPage::ShipPage(QWidget* parent)
    : EditorPage(kShipPage, "ShipPage", parent), fgInfo_(new QLabel(this)) {
    fgInfo_->setObjectName("FGInfo");
    Content()->addWidget(fgInfo_);
    BuildControls();
    Content()->addStretch();
    binding_.emplace(this, ShipPageRules());
    binding_->Connect([this](const Edit& edit) { SendEdit(edit); });
    for (const ControlRule& rule : ShipPageRules()) {
        if (auto* spin = qobject_cast<QSpinBox*>(binding_->Widget(rule.Control))) {
            spin->setRange(rule.Min, rule.Max);
        }
    }
}

void ShipPage::BuildControls() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->setColumnMinimumWidth(2, 12);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    const auto addRow = [&](int row, int column, QLabel* label, QWidget* field) {
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
    };
    const auto addPair = [&](int row, int column, QLabel* label, QWidget* first,
                             QLabel* secondLabel, QWidget* second) {
        auto* pair = new QHBoxLayout;
        pair->addWidget(first, 1);
        pair->addSpacing(8);
        pair->addWidget(secondLabel);
        pair->addWidget(second, 1);
        grid->addWidget(label, row, column);
        grid->addLayout(pair, row, column + 1);
    };

    // Left: what the flight group is and who flies it.
    QComboBox* shipName = MakeTextCombo("ShipName", this);
    addRow(0, 0, Label("Name", shipName, this), shipName);
    QComboBox* shipBox = MakeCombo("ShipBox", this, kComboCharacters);
    addRow(1, 0, Label("Craft type", shipBox, this), shipBox);
    QSpinBox* fgSize = MakeSpin("FGSizeSpin", this);
    // A count is committed once typed: the digits on the way ("1" of "10") would each move the
    // special craft.
    fgSize->setKeyboardTracking(false);
    QSpinBox* waves = MakeSpin("WaveSpin", this);
    addPair(2, 0, Label("Craft", fgSize, this), fgSize, Label("Waves", waves, this), waves);
    QComboBox* team = MakeCombo("TeamBox", this, kComboCharacters);
    addRow(3, 0, Label("Team", team, this), team);
    QComboBox* iff = MakeCombo("IFFBox", this, kComboCharacters);
    addRow(4, 0, Label("IFF", iff, this), iff);
    QComboBox* player = MakeCombo("PlayerBox", this, kComboCharacters);
    addRow(5, 0, Label("Player", player, this), player);
    QComboBox* position = MakeCombo("PlrPosSpin", this, kComboCharacters);
    addRow(6, 0, Label("Player craft", position, this), position);
    QSpinBox* globalGroup = MakeSpin("GGSpin", this);
    QSpinBox* globalUnit = MakeSpin("GUSpin", this);
    addPair(7, 0, Label("Global group", globalGroup, this), globalGroup,
            Label("Unit", globalUnit, this), globalUnit);
    QComboBox* ai = MakeCombo("AIBox", this, kComboCharacters);
    addRow(8, 0, Label("A.I.", ai, this), ai);

    // Right: its state, looks and loadout.
    QComboBox* status = MakeCombo("StatusBox", this, kComboCharacters);
    statusLabel_ = Label("Status 1", status, this);
    statusLabel_->setObjectName("StatusLabel");
    addRow(0, 3, statusLabel_, status);
    QComboBox* status2 = MakeCombo("Status2Box", this, kComboCharacters);
    addRow(1, 3, Label("Status 2", status2, this), status2);
    QComboBox* color = MakeCombo("ColorBox", this, kComboCharacters);
    addRow(2, 3, Label("Color", color, this), color);
    QComboBox* radio = MakeCombo("RadioBox", this, kComboCharacters);
    addRow(3, 3, Label("Radio", radio, this), radio);
    QComboBox* form = MakeCombo("FormBox", this, kComboCharacters);
    addRow(4, 3, Label("Form", form, this), form);
    QSpinBox* spacing = MakeSpin("SpacingSpin", this);
    auto* spacingRow = new QHBoxLayout;
    spacingRow->addWidget(spacing);
    spacingRow->addStretch();
    grid->addWidget(Label("Spacing", spacing, this), 5, 3);
    grid->addLayout(spacingRow, 5, 4);
    QComboBox* missile = MakeCombo("MissleBox", this, kComboCharacters);
    addRow(6, 3, Label("Missile", missile, this), missile);
    QComboBox* beam = MakeCombo("BeamBox", this, kComboCharacters);
    addRow(7, 3, Label("Beam", beam, this), beam);
    QComboBox* counter = MakeCombo("CounterBox", this, kComboCharacters);
    addRow(8, 3, Label("Counter", counter, this), counter);
    Content()->addLayout(grid);

    // The cargo group; a backdrop relabels it (brightness, size, picture).
    cargoGroup_ = new QGroupBox("Cargo", this);
    cargoGroup_->setObjectName("CargoGroup");
    auto* cargo = new QGridLayout(cargoGroup_);
    cargo->setHorizontalSpacing(8);
    QComboBox* cargoEd = MakeTextCombo("CargoEd", cargoGroup_);
    QComboBox* specCargo = MakeTextCombo("SpecCargEd", cargoGroup_);
    defaultLabel_ = Label("Default:", cargoEd, cargoGroup_);
    defaultLabel_->setObjectName("DefaultLabel");
    specialLabel_ = Label("Special:", specCargo, cargoGroup_);
    specialLabel_->setObjectName("SpecialLabel");
    QComboBox* specialCraft = MakeCombo("SpecShpSpin", cargoGroup_, kComboCharacters);
    specialCraft->setMinimumContentsLength(kSpecialCraftCharacters);
    specialCraftLabel_ = Label("Special\nShip#:", specialCraft, cargoGroup_);
    specialCraftLabel_->setObjectName("SpecShipLabel");
    auto* random = new QCheckBox("Random", cargoGroup_);
    random->setObjectName("RandomChk");
    cargo->addWidget(defaultLabel_, 0, 0);
    cargo->addWidget(cargoEd, 0, 1);
    cargo->addWidget(specialLabel_, 1, 0);
    cargo->addWidget(specCargo, 1, 1);
    cargo->addWidget(specialCraftLabel_, 0, 2, 2, 1);
    auto* craftColumn = new QVBoxLayout;
    auto* craftRow = new QHBoxLayout;
    craftRow->addWidget(specialCraft);
    craftRow->addWidget(random);
    craftRow->addStretch();
    craftColumn->addLayout(craftRow);
    craftColumn->addWidget(new QLabel("(Special ship is not in FG)", cargoGroup_));
    cargo->addLayout(craftColumn, 0, 3, 2, 1);
    cargo->setColumnStretch(1, 1);
    cargo->setColumnStretch(3, 1);
    Content()->addWidget(cargoGroup_);

    auto* autoLink = new QCheckBox("Auto-link:  Shiptype / Team / IFF", this);
    autoLink->setObjectName("AutoLinkChk");
    Content()->addWidget(autoLink);
}

void ShipPage::fill(Session& session) {
    const FillGuard guard(session);
    // The text fields' suggestions never change; the vocabulary reaches the page only here.
    for (const char* name : {"ShipName", "CargoEd", "SpecCargEd"}) {
        auto* combo = qobject_cast<QComboBox*>(binding_->Widget(name));
        if (combo->count() == 0) {
            for (const std::string& row : RowsFor(session, *FindControlRule(name))) {
                combo->addItem(FromMissionText(row));
            }
        }
    }
    binding_->ShowAll(session);
    ShowLook(session);
}

void ShipPage::Refresh(Session& session, std::span<const std::string_view> controls) {
    const FillGuard guard(session);
    binding_->Show(session, controls);
    ShowLook(session);
}

void ShipPage::ShowLook(const Session& session) {
    const FGObject* fg = session.CurrentFG();
    if (fg == nullptr) {
        return;
    }
    const RowColor side = IFFColor(fg->Record.Get(FGRec::IFF));
    for (const char* name : {"ShipBox", "ShipName", "FGSizeSpin"}) {
        PaintAllOnBlack(binding_->Widget(name), ToQColor(side));
    }
    const int craftType = fg->Record.Get(FGRec::CraftType);
    statusLabel_->setText(Caption(StatusCaption(craftType)));

    const CargoGroupLayout layout = CargoLayoutFor(craftType, session.Vocab, session.BackdropNames);
    cargoGroup_->setTitle(Caption(layout.GroupCaption));
    defaultLabel_->setText(Caption(layout.DefaultCaption));
    specialLabel_->setText(Caption(layout.SpecialCaption));
    specialCraftLabel_->setText(Caption(layout.SpecialCraftCaption));
    auto* specialCraft = qobject_cast<QComboBox*>(binding_->Widget("SpecShpSpin"));
    specialCraft->setFixedWidth(
        std::max(layout.SpecialCraftWidth, specialCraft->minimumSizeHint().width()));

    QWidget* specialCargo = binding_->Widget("SpecCargEd");
    QPalette palette = specialCargo->palette();
    palette.setColor(QPalette::Base, SpecialCargoShaded(*fg)
                                         ? ToQColor(kShadedBackground)
                                         : this->palette().color(QPalette::Base));
    specialCargo->setPalette(palette);
}

}  // namespace vorlan
