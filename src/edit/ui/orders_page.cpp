#include "edit/ui/orders_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "edit/order_rules.h"
#include "edit/ui/page_widgets.h"
#include "editor/pages/flight_group_page_numbers.h"
#include "editor/pages/highlight.h"
#include "session/session.h"
#include "text/order_text.h"
#include "text/parameter_captions.h"
#include "text/row_colors.h"

namespace vorlan {
namespace {

constexpr int kComboCharacters = 4;
constexpr const char* kLinkCaption = "Link targets";

// Mission texts are shown as they are, never read as markup.
QLabel* PlainLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

bool Names(std::span<const std::string_view> controls, std::string_view name) {
    return std::ranges::find(controls, name) != controls.end();
}

}  // namespace

OrdersPage::OrdersPage(QWidget* parent) : EditorPage(kOrdersPage, "OrdersPage", parent) {
    BuildOrderControls();
    BuildOrderLines();
    binding_.emplace(this, OrderPageRules());
    binding_->Connect([this](const Edit& edit) { SendEdit(edit); });
    for (const ControlRule& rule : OrderPageRules()) {
        if (auto* spin = qobject_cast<QSpinBox*>(binding_->Widget(rule.Control))) {
            spin->setRange(rule.Min, rule.Max);
        }
    }
}

void OrdersPage::BuildOrderControls() {
    // The order: its number, command and throttle, then the two parameters with their captions.
    orderLab_ = PlainLabel("OrderLab", this);
    QComboBox* command = MakeCombo("OrderBox", this, 10);
    QComboBox* speed = MakeCombo("OrderSpeedBox", this, 4);
    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(orderLab_);
    commandRow->addWidget(command, 1);
    commandRow->addSpacing(8);
    commandRow->addWidget(Label("Throttle:", speed, this));
    commandRow->addWidget(speed);
    Content()->addLayout(commandRow);

    QSpinBox* p1 = MakeSpin("OrderP1", this);
    QSpinBox* p2 = MakeSpin("OrderP2", this);
    p1Caption_ = PlainLabel("OrderP1Lab", this);
    p2Caption_ = PlainLabel("OrderP2Lab", this);
    auto* parameters = new QHBoxLayout;
    for (const auto& [caption, spin] : {std::pair(p1Caption_, p1), std::pair(p2Caption_, p2)}) {
        caption->setBuddy(spin);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // The captions' leading blanks line them up; a narrow page cuts those first.
        caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        parameters->addWidget(caption, 1);
        parameters->addWidget(spin);
    }
    Content()->addLayout(parameters);

    // The targets: two pairs, each of a class and an index, with their link.
    auto* targets = new QHBoxLayout;
    const char* pairs[2][2][2] = {{{"T1Class", "T1Index"}, {"T2Class", "T2Index"}},
                                  {{"T3Class", "T3Index"}, {"T4Class", "T4Index"}}};
    const char* titles[] = {"Primary", "Secondary"};
    const char* links[] = {"OneAnd2Chk", "ThreeAnd4Chk"};
    for (int group = 0; group < 2; ++group) {
        auto* box = new QGroupBox(titles[group], this);
        auto* grid = new QGridLayout(box);
        grid->setColumnStretch(1, 2);
        grid->setColumnStretch(2, 3);
        for (int row = 0; row < 2; ++row) {
            QComboBox* targetClass = MakeCombo(pairs[group][row][0], box, kComboCharacters);
            QComboBox* index = MakeCombo(pairs[group][row][1], box, kComboCharacters);
            grid->addWidget(Label(row == 0 ? "A" : "B", targetClass, box), row, 0);
            grid->addWidget(targetClass, row, 1);
            grid->addWidget(index, row, 2);
        }
        auto* link = new QCheckBox(kLinkCaption, box);
        link->setObjectName(links[group]);
        grid->addWidget(link, 2, 1, 1, 2);
        targets->addWidget(box, 1);
    }
    Content()->addLayout(targets);

    // The designation belongs to the flight group; its words are suggestions, never completed.
    auto* description = MakeCombo("OrderDescEd", this, 19);
    description->setEditable(true);
    description->setInsertPolicy(QComboBox::NoInsert);
    description->setCompleter(nullptr);
    PaintAllOnBlack(description, Qt::white);
    auto* descriptionRow = new QHBoxLayout;
    descriptionRow->addWidget(Label("Description:", description, this));
    descriptionRow->addWidget(description);
    descriptionRow->addStretch();
    Content()->addLayout(descriptionRow);
}

void OrdersPage::BuildOrderLines() {
    linesGroup_ = new QGroupBox("Click on an order's text to edit it above:", this);
    linesGroup_->setObjectName(QString::fromLatin1(kOrderLinesControl));
    auto* lines = new QVBoxLayout(linesGroup_);
    lines->setSpacing(2);
    for (std::size_t i = 0; i < orderLabels_.size(); ++i) {
        auto* panel = new QFrame(linesGroup_);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setCursor(Qt::PointingHandCursor);
        panel->installEventFilter(this);
        auto* label = PlainLabel(QString("Order%1Lab").arg(i + 1).toLatin1().constData(), panel);
        // A long sentence is cut at the panel's edge rather than widening the page.
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->installEventFilter(this);
        auto* panelLayout = new QHBoxLayout(panel);
        panelLayout->setContentsMargins(4, 2, 4, 2);
        panelLayout->addWidget(label);
        linePanels_[i] = panel;
        orderLabels_[i] = label;
        lines->addWidget(panel);
    }
    Content()->addWidget(linesGroup_);
    Content()->addStretch();
}

void OrdersPage::fill(Session& session) {
    const FillGuard guard(session);
    linesGroup_->setTitle("Click on text to edit");
    auto* description = qobject_cast<QComboBox*>(binding_->Widget("OrderDescEd"));
    if (description->count() == 0) {
        for (const std::string& row : RowsFor(session, *FindControlRule("OrderDescEd"))) {
            description->addItem(FromMissionText(row));
        }
    }
    ShowOrderLines(session);
    binding_->ShowAll(session);
    ShowLook(session);
    ShowParameterCaptions(session);
}

void OrdersPage::Refresh(Session& session, std::span<const std::string_view> controls) {
    const FillGuard guard(session);
    binding_->Show(session, controls);
    if (Names(controls, kOrderLinesControl)) {
        ShowOrderLines(session);
    }
    if (std::ranges::any_of(kParameterCaptionControls,
                            [&](std::string_view caption) { return Names(controls, caption); })) {
        ShowParameterCaptions(session);
    }
}

void OrdersPage::highlightOrderLabel(int n) {
    HighlightLabel(orderLabels_, n);
}

bool OrdersPage::eventFilter(QObject* watched, QEvent* event) {
    const bool click = (event->type() == QEvent::MouseButtonPress ||
                        event->type() == QEvent::MouseButtonDblClick) &&
                       static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (click) {
        for (std::size_t i = 0; i < orderLabels_.size(); ++i) {
            if (watched == orderLabels_[i] || watched == linePanels_[i]) {
                emit OrderChosen(static_cast<int>(i) + 1);
                return true;
            }
        }
    }
    return EditorPage::eventFilter(watched, event);
}

void OrdersPage::ShowOrderLines(const Session& session) {
    const auto texts = CurrentRegionOrderTexts(session);
    for (std::size_t i = 0; i < orderLabels_.size(); ++i) {
        const QString text = FromMissionText(texts[i]);
        orderLabels_[i]->setText(text);
        orderLabels_[i]->setToolTip(text);
    }
}

void OrdersPage::ShowParameterCaptions(const Session& session) {
    const FGObject* fg = session.CurrentFG();
    if (fg == nullptr) {
        return;
    }
    const auto order = CurrentOrder(session, *fg);
    // The first caption counts the time the first control shows, as it is being typed.
    const auto* p1 = qobject_cast<QSpinBox*>(binding_->Widget("OrderP1"));
    const ParameterCaptionTexts captions = ParameterCaptions(
        order.Get(OrderRec::Command), p1->value(), order.Get(OrderRec::Parameter2));
    p1Caption_->setText(FromMissionText(captions.First));
    p2Caption_->setText(FromMissionText(captions.Second));
}

void OrdersPage::ShowLook(const Session& session) {
    const int n = session.Select.CurrentOrderNumber;
    orderLab_->setText(FromMissionText(OrderHeading(n)));
    highlightOrderLabel(n);
    if (const FGObject* fg = session.CurrentFG()) {
        const RowColor side = IFFColor(fg->Record.Get(FGRec::IFF));
        PaintAllOnBlack(binding_->Widget("OrderBox"), ToQColor(side));
    }
}

}  // namespace vorlan
