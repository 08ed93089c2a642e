#pragma once

// Registers the cases of many Inspectors, deep trees, memory, scene loading and the console's
// per-command work.
void RegisterScaleCases();
// The single-row cases of ten Inspectors on a desktop of 1,000,000 pads, registered last:
// their world is the largest.
void RegisterMillionCases();
