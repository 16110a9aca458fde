#pragma once
// The mission parameters dialog: edits the header's region names, strings, flags, mission type
// and values, and writes them back only when closed with OK.

#include <QDialog>
#include <array>

#include "edit/ui/control_binding.h"
#include "session/header_fields.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTableWidget;

namespace vorlan {

class Session;

class THeaderForm : public QDialog {
    Q_OBJECT

public:
    THeaderForm(Session& session, EditSink sink, QWidget* parent = nullptr);

    // Stores the controls; a value that is not a number is reported and the dialog still closes.
    void accept() override;

private:
    void BuildControls();
    void Fill();
    HeaderFields ReadControls() const;

    Session& session_;
    EditSink sink_;
    QTableWidget* regionGrid_ = nullptr;
    QTableWidget* stringGrid_ = nullptr;
    QComboBox* hangarBox_ = nullptr;
    QCheckBox* flag1Box_ = nullptr;
    QCheckBox* flag2Box_ = nullptr;
    std::array<QLineEdit*, HeaderRec::kHeaderValues> valueEdits_{};
};

}  // namespace vorlan
