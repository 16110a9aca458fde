#include "edit/ui/page_widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

#include "text/row_colors.h"

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

QColor ToQColor(RowColor color) {
    return {color.R, color.G, color.B};
}

void PaintOnBlack(QWidget* widget, RowColor text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, ToQColor(text));
    if (qobject_cast<QComboBox*>(widget) != nullptr) {
        palette.setColor(QPalette::Button, Qt::black);
        palette.setColor(QPalette::ButtonText, ToQColor(text));
    }
    widget->setPalette(palette);
}

void PaintAllOnBlack(QWidget* widget, QColor text) {
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText}) {
        palette.setColor(role, text);
    }
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Button, Qt::black);
    widget->setPalette(palette);
}

}  // namespace vorlan
