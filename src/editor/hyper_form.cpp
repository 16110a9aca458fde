#include "editor/hyper_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "session/session.h"

namespace vorlan {

THyperForm::THyperForm(Session& session, EditSink sink, QWidget* parent)
    : QDialog(parent), session_(session), sink_(std::move(sink)) {
    setWindowTitle("Link Regions by Hyperbuoys:");

    fromBox_ = new QComboBox(this);
    fromBox_->setObjectName("FromBox");
    toBox_ = new QComboBox(this);
    toBox_->setObjectName("ToBox");
    ShowRegionNames();
    fromBox_->setCurrentIndex(0);
    toBox_->setCurrentIndex(1);
    auto* fromLabel = new QLabel("From", this);
    fromLabel->setBuddy(fromBox_);
    auto* toLabel = new QLabel("To", this);
    toLabel->setBuddy(toBox_);

    entryBuoys_ = new QCheckBox("include Entry point buoys", this);
    entryBuoys_->setObjectName("DoFroms");
    entryBuoys_->setChecked(true);

    auto* okButton = new QPushButton("OK", this);
    okButton->setObjectName("Button2");
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName("Button1");
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* regions = new QGridLayout;
    regions->addWidget(fromLabel, 0, 0);
    regions->addWidget(toLabel, 0, 1);
    regions->addWidget(fromBox_, 1, 0);
    regions->addWidget(toBox_, 1, 1);
    regions->setColumnMinimumWidth(0, 160);
    regions->setColumnMinimumWidth(1, 160);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(regions);
    layout->addWidget(entryBuoys_);
    layout->addLayout(buttons);
}

void THyperForm::ShowRegionNames() {
    const auto& header = session_.CurrentMission().MissionHeader;
    for (QComboBox* box : {fromBox_, toBox_}) {
        for (int r = 0; r < HeaderRec::kRegionNames; ++r) {
            const QString name = FromMissionText(header.GetText(HeaderRec::RegionNames(r)));
            if (r < box->count()) {
                box->setItemText(r, name);  // keeps the row chosen last time
            } else {
                box->addItem(name);
            }
        }
    }
}

void THyperForm::showEvent(QShowEvent* event) {
    ShowRegionNames();
    QDialog::showEvent(event);
}

void THyperForm::accept() {
    const HyperbuoyEdit edit{fromBox_->currentIndex(), toBox_->currentIndex(),
                             entryBuoys_->isChecked()};
    QDialog::accept();
    if (sink_) {
        sink_(edit);
    }
}

}  // namespace vorlan
