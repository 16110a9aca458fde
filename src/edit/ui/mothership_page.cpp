#include "edit/ui/mothership_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "edit/edit.h"
#include "editor/trigger_panel.h"

namespace vorlan {
namespace {

constexpr std::array<const char*, 2> kWayCaptions = {"Via:", "Alternative:"};

QComboBox* MakeList(const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    // A mission may have thousands of flight groups; their names must not set the width.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(12);
    list->setMaxVisibleItems(20);
    return list;
}

}  // namespace

MothershipPage::MothershipPage(int pageNumber, const QString& objectName,
                               const MothershipPageLayout& layout,
                               std::span<const ControlRule> rules, TriggerContext context,
                               QWidget* parent)
    : EditorPage(pageNumber, objectName, parent), context_(context) {
    auto* waysRow = new QHBoxLayout;
    for (std::size_t w = 0; w < ways_.size(); ++w) {
        const auto& names = layout.Ways[w];
        auto* group = new QGroupBox(kWayCaptions[w], this);
        auto* grid = new QGridLayout(group);
        Way& way = ways_[w];
        way.Rule = FindControlRule(names[0]);
        way.Mothership = new QRadioButton("Mothership", group);
        way.Mothership->setObjectName(names[0]);
        way.Hyperspace = new QRadioButton("Hyperspace", group);
        way.Hyperspace->setObjectName(names[1]);
        way.List = MakeList(names[2], group);
        grid->addWidget(way.Mothership, 0, 0);
        grid->addWidget(way.Hyperspace, 0, 1);
        grid->addWidget(way.List, 1, 0, 1, 2);
        waysRow->addWidget(group, 1);
        for (QRadioButton* radio : {way.Mothership, way.Hyperspace}) {
            connect(radio, &QRadioButton::clicked, this, [this, &way] {
                // Only the designer's click enables the list; showing a flight group does not.
                way.List->setEnabled(way.Mothership->isChecked());
                SendEdit(ControlEdit{way.Rule->Control, way.Mothership->isChecked() ? 1 : 0});
            });
        }
    }
    Content()->addLayout(waysRow);

    auto* delay = new QGroupBox("Delay:", this);
    auto* delayRow = new QHBoxLayout(delay);
    for (std::size_t d = 0; d < layout.Delays.size(); ++d) {
        auto* field = new QLineEdit(delay);
        field->setObjectName(layout.Delays[d]);
        field->setMaximumWidth(field->fontMetrics().horizontalAdvance("88888") + 16);
        auto* caption = new QLabel(layout.DelayCaptions[d], delay);
        caption->setBuddy(field);
        delayRow->addWidget(caption);
        delayRow->addWidget(field);
        delayRow->addSpacing(12);
    }
    delayRow->addStretch();
    Content()->addWidget(delay);
    // The panel follows the page's own controls; what room is left stays below it.
    ReserveTriggerPanel(new QVBoxLayout, PlaceOf(context).Lines < 4, Content());
    Content()->addStretch();

    binding_.emplace(this, rules);
    binding_->Connect([this](const Edit& edit) { SendEdit(edit); });
}

void MothershipPage::fill(Session& session) {
    const FillGuard guard(session);
    session.Select.CurrentTriggers.at(static_cast<std::size_t>(context_)) = 1;
    binding_->ShowAll(session);
    ShowWays(session);
    ShowHostedTriggerPanel(this, session);
}

void MothershipPage::Refresh(Session& session, std::span<const std::string_view> controls) {
    const FillGuard guard(session);
    binding_->Show(session, controls);
    ShowWays(session);
}

void MothershipPage::ShowWays(const Session& session) {
    const FGObject* fg = session.CurrentFG();
    if (fg == nullptr) {
        return;
    }
    for (const Way& way : ways_) {
        const bool mothership = NumberOf(ShownValue(session, *fg, *way.Rule)) != 0;
        (mothership ? way.Mothership : way.Hyperspace)->setChecked(true);
    }
}

}  // namespace vorlan
