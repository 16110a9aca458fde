#pragma once
// The one panel of trigger selectors, which the window places on every page that edits
// triggers. It shows the trigger block of the session's trigger context and hands every user
// change to the edit path as a ControlEdit; what is written where is the core's
// (edit/trigger_rules.h).

#include <QGroupBox>
#include <array>
#include <string_view>

#include "edit/ui/control_binding.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vorlan {

class Session;
class Vocabulary;

class TriggerPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit TriggerPanel(QWidget* parent = nullptr);

    // The session the panel shows and where its edits go; the window sets both when it places
    // the panel.
    void Attach(Session& session, EditSink sink);
    // Fills the amount, class and condition selectors from their tables.
    void FillSelectorLists(const Vocabulary& vocab);
    // Shows the context's current trigger, its lines and and/or choices; a field being typed
    // into keeps its text.
    void ShowTriggers(Session& session, std::string_view typedInto = {});
    // Paints the four trigger lines black and line n (1 to 4) in the highlight colour.
    void highlightTriggerLabel(int n);
    // Shows only the first two trigger lines and their join (departure and jump pages).
    void SetReduced(bool reduced);

    QLabel* TriggerLabel(int n) const { return labels_[static_cast<std::size_t>(n - 1)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Send(std::string_view control, EditValue value);
    void ShowIndexRows(const Session& session, int classCode);
    void ConnectControls();

    QComboBox* percentBox_;
    QComboBox* classBox_;
    QComboBox* indexBox_;
    QComboBox* condBox_;
    QLineEdit* condUnk1_;
    QLineEdit* condUnk2_;
    std::array<QLabel*, 4> labels_{};
    // And/Or pairs: between 1 and 2, between the pairs, between 3 and 4.
    std::array<std::array<QRadioButton*, 2>, 3> joins_{};
    std::array<QWidget*, 3> joinRows_{};
    // The index list's table and length as last filled, so an unchanged list is not refilled.
    int indexTable_ = -1;
    int indexRows_ = -1;

    Session* session_ = nullptr;
    EditSink sink_;
};

// Shows the trigger panel on page, when page hosts it: the last step of such a page's fill.
void ShowHostedTriggerPanel(QWidget* page, Session& session);

}  // namespace vorlan
