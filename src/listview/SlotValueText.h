#pragma once

#include <string>

struct InspectorRow;
class MvSlot;
class MvDictionary;

// Fills the row's output slot name, type and value text from `slot` (null: no output).
void SlotValueText(InspectorRow& row, MvSlot* slot);
// The first entry of a dictionary as ("key",value), (none) when it is empty, at most
// 1024 bytes.
std::string DictionaryText(MvDictionary* dictionary);
