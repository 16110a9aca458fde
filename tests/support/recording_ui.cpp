#include "support/recording_ui.h"
