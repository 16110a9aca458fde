#pragma once
// The program's name and version; it reads and changes nothing.

#include <QDialog>

namespace vorlan {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace vorlan
