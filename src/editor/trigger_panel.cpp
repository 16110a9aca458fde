#include "editor/trigger_panel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

#include "editor/pages/highlight.h"
#include "text/vocabulary.h"

namespace vorlan {
namespace {

QComboBox* MakeSelector(const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    // Read-only until the trigger editor writes what it selects.
    box->setEnabled(false);
    return box;
}

void Fill(QComboBox* box, const std::vector<std::string>& rows) {
    box->clear();
    for (const std::string& row : rows) {
        box->addItem(QString::fromLatin1(row.data(), static_cast<qsizetype>(row.size())));
    }
}

}  // namespace

TriggerPanel::TriggerPanel(QWidget* parent)
    : QGroupBox("Trigger", parent),
      percentBox_(MakeSelector("PercentBox", this)),
      classBox_(MakeSelector("ClassBox", this)),
      indexBox_(MakeSelector("IndexBox", this)),
      condBox_(MakeSelector("CondBox", this)) {
    setObjectName("TriggerPanel");
    auto* grid = new QGridLayout(this);
    grid->addWidget(percentBox_, 0, 0);
    grid->addWidget(new QLabel("of", this), 0, 1);
    grid->addWidget(classBox_, 0, 2);
    grid->addWidget(indexBox_, 1, 0, 1, 3);
    grid->addWidget(new QLabel("must", this), 2, 1);
    grid->addWidget(condBox_, 2, 2);
    for (int n = 1; n <= 4; ++n) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("Cond%1Lab").arg(n));
        label->setText(QString("Trigger %1").arg(n));
        labels_[static_cast<std::size_t>(n - 1)] = label;
        grid->addWidget(label, 2 + n, 0, 1, 3);
    }
    grid->setColumnStretch(2, 1);
    highlightTriggerLabel(1);
}

void TriggerPanel::FillSelectorLists(const Vocabulary& vocab) {
    Fill(percentBox_, vocab.table(TableId::TriggerAmountNames));
    Fill(classBox_, vocab.table(TableId::TriggerClassNames));
    Fill(condBox_, vocab.table(TableId::TriggerConditionNames));
}

void TriggerPanel::highlightTriggerLabel(int n) {
    HighlightLabel(labels_, n);
}

void TriggerPanel::SetReduced(bool reduced) {
    labels_[2]->setVisible(!reduced);
    labels_[3]->setVisible(!reduced);
}

}  // namespace vorlan
