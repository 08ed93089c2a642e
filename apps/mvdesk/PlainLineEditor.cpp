#include "LineEditor.h"

// Built where no line-editing library is used (Windows): the console reads lines plainly.
std::unique_ptr<LineEditor> LineEditor::ForTerminal(const std::string&) {
    return nullptr;
}
