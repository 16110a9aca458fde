#pragma once
// The one panel of trigger selectors, which the window places on every page that edits
// triggers. Editing through it comes with the trigger editor; here it is filled and placed.

#include <QGroupBox>
#include <array>

class QComboBox;
class QLabel;

namespace vorlan {

class Vocabulary;

class TriggerPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit TriggerPanel(QWidget* parent = nullptr);

    // Fills the amount, class and condition selectors from their tables.
    void FillSelectorLists(const Vocabulary& vocab);
    // Paints the four trigger lines black and line n (1 to 4) in the highlight colour.
    void highlightTriggerLabel(int n);
    // Shows only the first two trigger lines (departure and jump pages).
    void SetReduced(bool reduced);

    QLabel* TriggerLabel(int n) const { return labels_[static_cast<std::size_t>(n - 1)]; }

private:
    QComboBox* percentBox_;
    QComboBox* classBox_;
    QComboBox* indexBox_;
    QComboBox* condBox_;
    std::array<QLabel*, 4> labels_{};
};

}  // namespace vorlan
