// A blocking message with a caption, text and an OK button (the about box, "You Win").
// The core calls ShowMessageBox; the windowed game installs a backend that opens a modal
// GLUT window. Without one (tools, tests) the message is printed to standard output.
#pragma once

#include <string>

using MessageBoxBackend = void (*)(const std::string& caption, const std::string& text);

void ShowMessageBox(const std::string& caption, const std::string& text);
// Returns the previous backend; null restores printing.
MessageBoxBackend SetMessageBoxBackend(MessageBoxBackend backend);
