#include "editor/start_up_dialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <utility>

#include "editor/dialog_buttons.h"
#include "model/caption.h"

namespace vorlan {

StartUpDialog::StartUpDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("StartUp");
    setWindowTitle("StartUp");

    auto* version = new QLabel(QString(" Vorlan %1").arg(kProgramVersion), this);
    version->setObjectName("VersionLabel");

    auto* group = new QGroupBox("Choose Action:", this);
    group->setObjectName("ChooseActionGroup");
    auto* rows = new QVBoxLayout(group);
    const std::array<std::pair<const char*, const char*>, 3> texts = {{
        {"LoadExistingRadio", "Load &Existing Mission"},
        {"CreateNewRadio", "Create &New Mission"},
        {"LoadLastUsedRadio", "Load Last &Used File"},
    }};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        choices_[i] = new QRadioButton(texts[i].second, group);
        choices_[i]->setObjectName(texts[i].first);
        rows->addWidget(choices_[i]);
    }
    choices_[0]->setChecked(true);

    QHBoxLayout* buttons = CentredOkButton(*this, "&OK");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(version);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

StartUpChoice StartUpDialog::Choice() const {
    for (std::size_t i = 0; i < choices_.size(); ++i) {
        if (choices_[i]->isChecked()) {
            return static_cast<StartUpChoice>(i);
        }
    }
    return StartUpChoice::LoadExistingMission;
}

}  // namespace vorlan
