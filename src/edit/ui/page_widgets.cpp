#include "edit/ui/page_widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

namespace vorlan {

QComboBox* MakeCombo(const char* name, QWidget* parent, int characters) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(characters);
    combo->setMaxVisibleItems(20);
    return combo;
}

QSpinBox* MakeSpin(const char* name, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setMinimumWidth(64);
    return spin;
}

QLabel* Label(const char* text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace vorlan
