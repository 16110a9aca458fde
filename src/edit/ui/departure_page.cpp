#include "edit/ui/departure_page.h"

#include "edit/arrival_rules.h"
#include "editor/pages/flight_group_page_numbers.h"

namespace vorlan {

DeparturePage::DeparturePage(QWidget* parent)
    : MothershipPage(kDeparturePage, "DeparturePage",
                     {.Ways = {{{"DepMotherRadio", "DepHypRadio", "DepMotherBox"},
                                {"DepAltMotherRadio", "DepAltHypRadio", "DepAltMotherBox"}}},
                      .Delays = {"DepMin", "DepSec"},
                      .DelayCaptions = {"Mins", "Secs"}},
                     DeparturePageRules(), TriggerContext::Departure, parent) {}

}  // namespace vorlan
