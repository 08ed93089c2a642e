#pragma once

#include "platform/ResourceTypes.h"

#include <span>

// The module's accelerator tables; they have no texts, so one set serves both languages.
std::span<const AcceleratorTable> AcceleratorTables();
// Null when there is no table of that id.
const AcceleratorTable* FindAcceleratorTable(UINT id);
