#pragma once
// The choice offered when the editor starts: open a mission, start a new one, or reopen the last.

#include <QDialog>
#include <array>

#include "io/mission_commands.h"

class QRadioButton;

namespace vorlan {

class StartUpDialog : public QDialog {
    Q_OBJECT

public:
    explicit StartUpDialog(QWidget* parent = nullptr);

    // The checked row.
    StartUpChoice Choice() const;

private:
    std::array<QRadioButton*, 3> choices_{};
};

}  // namespace vorlan
