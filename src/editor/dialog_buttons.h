#pragma once
// The single, centred OK button that ends the editor's small dialogs.

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace vorlan {

// A row holding one default button named "OKBtn" that accepts dialog.
inline QHBoxLayout* CentredOkButton(QDialog& dialog, const QString& caption) {
    auto* okButton = new QPushButton(caption, &dialog);
    okButton->setObjectName("OKBtn");
    okButton->setDefault(true);
    QObject::connect(okButton, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(okButton);
    row->addStretch();
    return row;
}

}  // namespace vorlan
