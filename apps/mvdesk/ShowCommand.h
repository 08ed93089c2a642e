#pragma once

class Console;

// `show N`: the whole frame as a person would see it.
void RegisterShowCommand(Console& console);
