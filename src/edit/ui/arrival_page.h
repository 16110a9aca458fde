#pragma once
// The "Arrival" page of the flight groups: how and after which delay a flight group arrives, and
// its four arrival triggers on the trigger panel.

#include "edit/ui/mothership_page.h"

namespace vorlan {

class ArrivalPage : public MothershipPage {
    Q_OBJECT
public:
    explicit ArrivalPage(QWidget* parent = nullptr);
};

}  // namespace vorlan
