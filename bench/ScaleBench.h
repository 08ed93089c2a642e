#pragma once

// Registers the cases of many Inspectors, deep trees, memory, scene loading and the console's
// per-command work.
void RegisterScaleCases();
