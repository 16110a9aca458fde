#pragma once
// The eight inner pages of the "Flight Groups" page, for the window that holds them all.

#include "edit/ui/arrival_page.h"
#include "edit/ui/departure_page.h"
#include "edit/ui/fg_goals_page.h"
#include "edit/ui/jump_page.h"
#include "edit/ui/options_page.h"
#include "edit/ui/orders_page.h"
#include "edit/ui/ship_page.h"
#include "edit/ui/waypoints_page.h"
#include "editor/pages/editor_page.h"
#include "editor/pages/flight_group_page_numbers.h"
