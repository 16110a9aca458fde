#pragma once
// The widgets the pages build alike: compact drop-downs, spin boxes and labels tied to them, and
// the colours they show.

class QColor;
class QComboBox;
class QLabel;
class QSpinBox;
class QWidget;

namespace vorlan {

struct RowColor;

// A drop-down named name, as wide as characters: the longest rows (craft names, flight group
// names) would otherwise widen the page.
QComboBox* MakeCombo(const char* name, QWidget* parent, int characters);
QSpinBox* MakeSpin(const char* name, QWidget* parent);
// A caption whose mnemonic moves the focus to buddy.
QLabel* Label(const char* text, QWidget* buddy, QWidget* parent);

QColor ToQColor(RowColor color);
// A black field with text in colour, as the game shows its coloured texts: the strong colours
// are unreadable on white. A drop-down draws its text on its button face, so that turns black
// too; a spin box keeps its arrows.
void PaintOnBlack(QWidget* widget, RowColor text);
// The same look for every part of the widget, a spin box's arrows and a caption included: the
// craft fields read as the flight group list does.
void PaintAllOnBlack(QWidget* widget, QColor text);

}  // namespace vorlan
