#pragma once
// The dialog that links two regions by hyper buoys: it asks for the regions and whether entry
// buoys are wanted, and on OK hands the choice to the edit path.

#include <QDialog>

#include "edit/ui/control_binding.h"

class QCheckBox;
class QComboBox;

namespace vorlan {

class Session;

class THyperForm : public QDialog {
    Q_OBJECT

public:
    THyperForm(Session& session, EditSink sink, QWidget* parent = nullptr);

    // Sends the chosen link to the sink; Cancel and the close box send nothing.
    void accept() override;

protected:
    // The region names are read again each time, since the dialog may outlive a mission.
    void showEvent(QShowEvent* event) override;

private:
    void ShowRegionNames();

    Session& session_;
    EditSink sink_;
    QComboBox* fromBox_ = nullptr;
    QComboBox* toBox_ = nullptr;
    QCheckBox* entryBuoys_ = nullptr;
};

}  // namespace vorlan
