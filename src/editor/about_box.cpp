#include "editor/about_box.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/dialog_buttons.h"
#include "model/caption.h"

namespace vorlan {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle("About");

    auto* name = new QLabel("Vorlan", this);
    name->setObjectName("ProgramNameLabel");
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(kProgramVersion, this);
    version->setObjectName("VersionLabel");
    version->setAlignment(Qt::AlignCenter);
    auto* purpose = new QLabel("Mission editor", this);
    purpose->setAlignment(Qt::AlignCenter);

    QHBoxLayout* buttons = CentredOkButton(*this, "OK");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(purpose);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setContentsMargins(24, 16, 24, 16);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vorlan
