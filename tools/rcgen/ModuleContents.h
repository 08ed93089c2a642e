#pragma once

#include "rcgen/RcScriptWriter.h"

// Every resource of the Inspector module, by kind, in the order of its tables.
RcContents InspectorContents();
