#pragma once
// The fixed rows of the vocabulary, kept apart from the code that uses them.

#include <span>
#include <string_view>

#include "text/vocabulary.h"

namespace vorlan {

// The rows a table holds at start-up; empty for the flight group reference names.
std::span<const std::string_view> StartupRows(TableId id);

std::span<const std::string_view> CraftTypeNamesRows();
std::span<const std::string_view> CraftAbbreviationsRows();

}  // namespace vorlan
