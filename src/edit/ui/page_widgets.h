#pragma once
// The widgets the pages build alike: compact drop-downs, spin boxes and labels tied to them.

class QComboBox;
class QLabel;
class QSpinBox;
class QWidget;

namespace vorlan {

// A drop-down named name, as wide as characters: the longest rows (craft names, flight group
// names) would otherwise widen the page.
QComboBox* MakeCombo(const char* name, QWidget* parent, int characters);
QSpinBox* MakeSpin(const char* name, QWidget* parent);
// A caption whose mnemonic moves the focus to buddy.
QLabel* Label(const char* text, QWidget* buddy, QWidget* parent);

}  // namespace vorlan
