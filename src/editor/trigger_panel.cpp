#include "editor/trigger_panel.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "edit/trigger_rules.h"
#include "edit/ui/page_widgets.h"
#include "editor/pages/highlight.h"
#include "session/session.h"
#include "text/vocabulary.h"

namespace vorlan {
namespace {

// Names of the controls as the edit path knows them; views into these outlive every edit.
constexpr std::array<std::string_view, 4> kLineNames = {"Cond1Lab", "Cond2Lab", "Cond3Lab",
                                                        "Cond4Lab"};
// And/Or pairs in the order of the block's joins: 1-2, 3-4, between the pairs.
constexpr std::array<std::array<std::string_view, 2>, 3> kJoinNames = {{
    {"and2And", "and2Or"},
    {"and4And", "And4Or"},
    {"GlbAnd", "GlbOr"},
}};

QString Name(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QLineEdit* MakeNumberField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaximumWidth(field->fontMetrics().horizontalAdvance("8888") + 16);
    return field;
}

}  // namespace

TriggerPanel::TriggerPanel(QWidget* parent)
    : QGroupBox("Trigger", parent),
      percentBox_(MakeCombo("PercentBox", this, 5)),
      classBox_(MakeCombo("ClassBox", this, 10)),
      indexBox_(MakeCombo("IndexBox", this, 10)),
      condBox_(MakeCombo("CondBox", this, 14)),
      condUnk1_(MakeNumberField("CondUnk1", this)),
      condUnk2_(MakeNumberField("CondUnk2", this)) {
    setObjectName("TriggerPanel");
    condUnk1_->setToolTip("Region number of the conditions that name a region");
    condUnk2_->hide();

    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(4);
    grid->addWidget(percentBox_, 0, 0);
    grid->addWidget(new QLabel("of", this), 0, 1);
    grid->addWidget(classBox_, 0, 2);
    grid->addWidget(indexBox_, 0, 3);
    grid->addWidget(new QLabel("must", this), 1, 1);
    auto* condition = new QHBoxLayout;
    condition->addWidget(condBox_, 1);
    condition->addWidget(condUnk1_);
    condition->addWidget(condUnk2_);
    grid->addLayout(condition, 1, 2, 1, 2);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 3);

    auto* hint = new QLabel("Click on text to edit", this);
    hint->setObjectName("TriggerHint");
    grid->addWidget(hint, 2, 0, 1, 4);
    for (std::size_t j = 0; j < joins_.size(); ++j) {
        auto* row = new QWidget(this);
        row->setObjectName(Name(kJoinNames[j][0]) + "Row");
        auto* layout = new QHBoxLayout(row);
        layout->setContentsMargins(24, 0, 0, 0);
        for (std::size_t k = 0; k < 2; ++k) {
            // Each pair has its own parent, which keeps its two buttons exclusive.
            auto* radio = new QRadioButton(k == 0 ? "And" : "Or", row);
            radio->setObjectName(Name(kJoinNames[j][k]));
            joins_[j][k] = radio;
            layout->addWidget(radio);
        }
        joins_[j][0]->setChecked(true);
        layout->addStretch();
        joinRows_[j] = row;
    }
    // Line 1, its join with 2, line 2, the join of the pairs, line 3, its join with 4, line 4.
    const std::array<QWidget*, 3> between = {joinRows_[0], joinRows_[2], joinRows_[1]};
    int row = 3;
    for (std::size_t n = 0; n < labels_.size(); ++n) {
        auto* label = new QLabel(this);
        label->setObjectName(Name(kLineNames[n]));
        label->setWordWrap(true);
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        labels_[n] = label;
        grid->addWidget(label, row++, 0, 1, 4);
        if (n < between.size()) {
            grid->addWidget(between[n], row++, 0, 1, 4);
        }
    }
    // Never taller than its lines: a page's spare room stays below the panel.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    highlightTriggerLabel(1);
    ConnectControls();
}

void TriggerPanel::ConnectControls() {
    const std::pair<QComboBox*, std::string_view> selectors[] = {{percentBox_, "PercentBox"},
                                                                 {classBox_, "ClassBox"},
                                                                 {indexBox_, "IndexBox"},
                                                                 {condBox_, "CondBox"}};
    for (const auto& [box, name] : selectors) {
        connect(box, &QComboBox::activated, this, [this, name](int row) { Send(name, row); });
    }
    const std::pair<QLineEdit*, std::string_view> fields[] = {{condUnk1_, "CondUnk1"},
                                                              {condUnk2_, "CondUnk2"}};
    for (const auto& [field, name] : fields) {
        connect(field, &QLineEdit::textEdited, this,
                [this, name](const QString& text) { Send(name, ToMissionText(text)); });
    }
    for (std::size_t j = 0; j < joins_.size(); ++j) {
        for (std::size_t k = 0; k < 2; ++k) {
            const std::string_view name = kJoinNames[j][k];
            connect(joins_[j][k], &QRadioButton::clicked, this,
                    [this, name](bool checked) { Send(name, checked ? 1 : 0); });
        }
    }
}

void TriggerPanel::Attach(Session& session, EditSink sink) {
    session_ = &session;
    sink_ = std::move(sink);
}

void TriggerPanel::FillSelectorLists(const Vocabulary& vocab) {
    ShowRows(percentBox_, vocab.table(TableId::TriggerAmountNames));
    ShowRows(classBox_, vocab.table(TableId::TriggerClassNames));
    ShowRows(condBox_, vocab.table(TableId::TriggerConditionNames));
}

void TriggerPanel::ShowIndexRows(const Session& session, int classCode) {
    // Class 0 and the classes without a table of their own share the numbers but not row 0.
    const int table = static_cast<int>(IndexTable(classCode)) * 2 + (classCode == 0 ? 1 : 0);
    const int rows = IndexRowCount(session, classCode);
    // Flight group names change without the count changing, so their list is compared.
    if (table == indexTable_ && rows == indexRows_ && classCode != TriggerRec::kFlightGroupTarget) {
        return;
    }
    ShowRows(indexBox_, IndexRows(session, classCode));
    indexTable_ = table;
    indexRows_ = rows;
}

void TriggerPanel::ShowTriggers(Session& session, std::string_view typedInto) {
    const FillGuard filling(session);
    if (percentBox_->count() == 0) {
        FillSelectorLists(session.Vocab);
    }
    const TriggerView view = ViewTrigger(session);
    percentBox_->setCurrentIndex(view.Amount);
    classBox_->setCurrentIndex(view.Class);
    ShowIndexRows(session, view.ClassCode);
    indexBox_->setCurrentIndex(view.Index);
    condBox_->setCurrentIndex(view.Condition);
    const std::pair<QLineEdit*, std::string_view> fields[] = {{condUnk1_, "CondUnk1"},
                                                              {condUnk2_, "CondUnk2"}};
    for (std::size_t p = 0; p < 2; ++p) {
        if (fields[p].second != typedInto) {
            fields[p].first->setText(view.HasRecord ? QString::number(view.Parameters[p])
                                                    : QString());
        }
    }
    for (std::size_t n = 0; n < labels_.size(); ++n) {
        labels_[n]->setText(FromMissionText(view.Sentences[n]));
    }
    for (std::size_t j = 0; j < joins_.size(); ++j) {
        if (view.Joins[j] != kNoJoin) {
            joins_[j][static_cast<std::size_t>(view.Joins[j])]->setChecked(true);
        }
    }
    highlightTriggerLabel(view.Current);
}

void TriggerPanel::highlightTriggerLabel(int n) {
    HighlightLabel(labels_, n);
}

void TriggerPanel::SetReduced(bool reduced) {
    labels_[2]->setVisible(!reduced);
    labels_[3]->setVisible(!reduced);
    joinRows_[1]->setVisible(!reduced);
    joinRows_[2]->setVisible(!reduced);
}

bool TriggerPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (std::size_t n = 0; n < labels_.size(); ++n) {
            if (watched == labels_[n]) {
                Send(kLineNames[n], 1);
                return true;
            }
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void TriggerPanel::Send(std::string_view control, EditValue value) {
    if (!sink_ || session_ == nullptr) {
        return;
    }
    sink_(Edit(ControlEdit{control, std::move(value)}));
    // The records are the truth: the panel shows them again, the labels and what a change of
    // class did to the index among them.
    ShowTriggers(*session_, control);
}

void ShowHostedTriggerPanel(QWidget* page, Session& session) {
    if (auto* panel = page->findChild<TriggerPanel*>()) {
        panel->ShowTriggers(session);
    }
}

}  // namespace vorlan
