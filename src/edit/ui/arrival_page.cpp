#include "edit/ui/arrival_page.h"

#include "edit/arrival_rules.h"
#include "editor/pages/flight_group_page_numbers.h"

namespace vorlan {

ArrivalPage::ArrivalPage(QWidget* parent)
    : MothershipPage(kArrivalPage, "ArrivalPage",
                     {.Ways = {{{"ArrMotherRadio", "ArrHypRadio", "ArrMotherBox"},
                                {"ArrAltMotherRadio", "ArrAltHypRadio", "ArrAltmotherBox"}}},
                      .Delays = {"ArrMinSpin", "ArrSecSpin"},
                      .DelayCaptions = {"Mins", "Secs"}},
                     ArrivalPageRules(), TriggerContext::Arrival, parent) {}

}  // namespace vorlan
