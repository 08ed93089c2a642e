#pragma once

class Console;

// `fail`: makes window creation, accelerator loading, dialog creation or registry writes
// fail on demand, and prints each failure made.
void RegisterFaultCommands(Console& console);
