#pragma once
// The colour that marks the trigger or order line being edited.

#include <QColor>
#include <QLabel>
#include <span>

namespace vorlan {

inline const QColor kHighlightColor(169, 3, 145);

// Paints every label black and label n (counted from 1) in the highlight colour; any other n
// leaves them all black.
inline void HighlightLabel(std::span<QLabel* const> labels, int n) {
    for (std::size_t i = 0; i < labels.size(); ++i) {
        QPalette palette = labels[i]->palette();
        palette.setColor(QPalette::WindowText,
                         static_cast<int>(i) + 1 == n ? kHighlightColor : QColor(Qt::black));
        labels[i]->setPalette(palette);
    }
}

}  // namespace vorlan
