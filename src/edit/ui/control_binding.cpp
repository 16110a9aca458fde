#include "edit/ui/control_binding.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <algorithm>

#include "session/session.h"

namespace vorlan {

std::string ToMissionText(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

namespace {

// A fingerprint of a list's rows, kept on the widget: refilling a list of thousands of flight
// group names then costs one pass over the strings, not a comparison of every row shown.
std::uint64_t RowsFingerprint(const std::vector<std::string>& rows) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::string& row : rows) {
        for (const char c : row) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
        hash = (hash ^ 0xFFu) * 1099511628211ull;  // rows "ab","c" differ from "a","bc"
    }
    return hash;
}

// Replaces a list's rows only when they differ, all at once.
template <class List>
void SetRows(List* list, QObject* widget, const std::vector<std::string>& rows) {
    const QVariant fingerprint = QVariant::fromValue(RowsFingerprint(rows));
    if (list->count() == static_cast<int>(rows.size()) &&
        widget->property("rowsFingerprint") == fingerprint) {
        return;
    }
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(rows.size()));
    for (const std::string& row : rows) {
        texts.append(FromMissionText(row));
    }
    list->clear();
    list->addItems(texts);
    widget->setProperty("rowsFingerprint", fingerprint);
}

void ShowCombo(QComboBox* combo, const Session& session, const ControlRule& rule,
               const EditValue& shown) {
    if (rule.Kind == ValueKind::Text) {
        // An editable drop-down: its rows are suggestions, its text the field.
        combo->setEditText(FromMissionText(TextOf(shown)));
        return;
    }
    ShowRows(combo, RowsFor(session, rule));
    combo->setCurrentIndex(NumberOf(shown));
}

void ShowSpin(QSpinBox* spin, const ControlRule& rule, int shown) {
    // A stored number outside the control's range is shown as it is, never clamped.
    spin->setRange(std::min(rule.Min, shown), std::max(rule.Max, shown));
    spin->setValue(shown);
}

void ShowList(QListWidget* list, const Session& session, const ControlRule& rule,
              const std::vector<int>& rows) {
    SetRows(list, list, RowsFor(session, rule));
    list->clearSelection();
    for (const int row : rows) {
        if (row >= 0 && row < list->count()) {
            list->item(row)->setSelected(true);
        }
    }
}

std::vector<int> SelectedListRows(const QListWidget* list) {
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected()) {
            rows.push_back(i);
        }
    }
    return rows;
}

// A multi-line text is held with CR LF line breaks; the field shows them as its own. The cursor
// stays where it was, as far as the text reaches.
void ShowMemo(QPlainTextEdit* memo, QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (memo->toPlainText() == text) {
        return;
    }
    const int at = memo->textCursor().position();
    memo->setPlainText(text);
    QTextCursor cursor = memo->textCursor();
    cursor.setPosition(std::min(at, static_cast<int>(text.size())));
    memo->setTextCursor(cursor);
}

// The one place a control's edit is built.
void Send(const EditSink& sink, std::string_view control, EditValue value) {
    sink(Edit(ControlEdit{control, std::move(value)}));
}

}  // namespace

void ShowRows(QComboBox* combo, const std::vector<std::string>& rows) {
    SetRows(combo, combo, rows);
}

ControlBinding::ControlBinding(QWidget* page, std::span<const ControlRule> rules) {
    for (const ControlRule& rule : rules) {
        auto* widget = page->findChild<QWidget*>(
            QString::fromLatin1(rule.Control.data(), rule.Control.size()));
        if (widget != nullptr) {
            bound_.push_back({&rule, widget});
            if (auto* combo = qobject_cast<QComboBox*>(widget);
                combo != nullptr && combo->isEditable() && rule.How == Store::Text20) {
                combo->lineEdit()->setMaxLength(19);
            }
            if (auto* edit = qobject_cast<QLineEdit*>(widget);
                edit != nullptr && rule.How == Store::Text20) {
                edit->setMaxLength(19);
            }
        }
    }
}

QWidget* ControlBinding::Widget(std::string_view control) const {
    for (const Bound& bound : bound_) {
        if (bound.Rule->Control == control) {
            return bound.Widget;
        }
    }
    return nullptr;
}

void ControlBinding::Connect(const EditSink& pageSink) {
    const EditSink sink = [alive = alive_, pageSink](const Edit& edit) {
        if (*alive) {
            pageSink(edit);
        }
    };
    for (const Bound& bound : bound_) {
        const std::string_view name = bound.Rule->Control;
        QWidget* widget = bound.Widget;
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            if (combo->isEditable()) {
                QObject::connect(
                    combo->lineEdit(), &QLineEdit::textEdited, widget,
                    [sink, name](const QString& text) { Send(sink, name, ToMissionText(text)); });
                QObject::connect(combo, &QComboBox::activated, widget, [sink, name, combo](int) {
                    Send(sink, name, ToMissionText(combo->currentText()));
                });
            } else {
                QObject::connect(combo, &QComboBox::activated, widget,
                                 [sink, name](int row) { Send(sink, name, row); });
            }
        } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
            QObject::connect(spin, &QSpinBox::valueChanged, widget,
                             [sink, name](int value) { Send(sink, name, value); });
        } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            QObject::connect(check, &QCheckBox::clicked, widget,
                             [sink, name](bool ticked) { Send(sink, name, ticked ? 1 : 0); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            QObject::connect(
                edit, &QLineEdit::textEdited, widget,
                [sink, name](const QString& text) { Send(sink, name, ToMissionText(text)); });
        } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
            QObject::connect(list, &QListWidget::itemSelectionChanged, widget,
                             [sink, name, list] { Send(sink, name, SelectedListRows(list)); });
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            QObject::connect(tabs, &QTabWidget::currentChanged, widget,
                             [sink, name](int tab) { Send(sink, name, tab); });
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
            QObject::connect(memo, &QPlainTextEdit::textChanged, widget, [sink, name, memo] {
                Send(sink, name, ToMissionText(memo->toPlainText()));
            });
        }
    }
}

void ControlBinding::ShowOne(const Session& session, const Bound& bound) const {
    const ControlRule& rule = *bound.Rule;
    const bool ofFlightGroup = WritesFlightGroups(rule.Target) ||
                               (rule.Target == Targets::None && rule.ShownOnPage == nullptr);
    const FGObject* fg = session.CurrentFG();
    if (ofFlightGroup && fg == nullptr) {
        return;
    }
    const EditValue shown =
        ofFlightGroup ? ShownValue(session, *fg, rule) : ShownValue(session, rule);
    const QSignalBlocker blocker(bound.Widget);
    if (auto* combo = qobject_cast<QComboBox*>(bound.Widget)) {
        const QSignalBlocker editBlocker(combo->lineEdit());
        ShowCombo(combo, session, rule, shown);
    } else if (auto* spin = qobject_cast<QSpinBox*>(bound.Widget)) {
        ShowSpin(spin, rule, NumberOf(shown));
    } else if (auto* check = qobject_cast<QCheckBox*>(bound.Widget)) {
        check->setChecked(NumberOf(shown) != 0);
    } else if (auto* edit = qobject_cast<QLineEdit*>(bound.Widget)) {
        edit->setText(std::holds_alternative<std::string>(shown)
                          ? FromMissionText(TextOf(shown))
                          : QString::number(NumberOf(shown)));
    } else if (auto* list = qobject_cast<QListWidget*>(bound.Widget)) {
        ShowList(list, session, rule, RowsOf(shown));
    } else if (auto* tabs = qobject_cast<QTabWidget*>(bound.Widget)) {
        tabs->setCurrentIndex(NumberOf(shown));
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(bound.Widget)) {
        ShowMemo(memo, FromMissionText(TextOf(shown)));
    }
}

void ControlBinding::ShowAll(const Session& session) const {
    for (const Bound& bound : bound_) {
        ShowOne(session, bound);
    }
}

void ControlBinding::Show(const Session& session, std::string_view control) const {
    for (const Bound& bound : bound_) {
        if (bound.Rule->Control == control) {
            ShowOne(session, bound);
        }
    }
}

void ControlBinding::Show(const Session& session,
                          std::span<const std::string_view> controls) const {
    for (const std::string_view control : controls) {
        Show(session, control);
    }
}

}  // namespace vorlan
