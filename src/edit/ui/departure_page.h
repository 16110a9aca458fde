#pragma once
// The "Departure" page of the flight groups: how and after which delay a flight group leaves,
// and its two departure triggers on the trigger panel, shown cut to its first two lines.

#include "edit/ui/mothership_page.h"

namespace vorlan {

class DeparturePage : public MothershipPage {
    Q_OBJECT
public:
    explicit DeparturePage(QWidget* parent = nullptr);
};

}  // namespace vorlan
