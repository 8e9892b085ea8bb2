// Message box dispatch.
#include "platform/message_box.h"

#include <cstdio>

namespace {
MessageBoxBackend gBackend = nullptr;
}

void ShowMessageBox(const std::string& caption, const std::string& text) {
  if (gBackend) {
    gBackend(caption, text);
    return;
  }
  std::printf("[%s]\n%s\n", caption.c_str(), text.c_str());
  std::fflush(stdout);
}

MessageBoxBackend SetMessageBoxBackend(MessageBoxBackend backend) {
  MessageBoxBackend previous = gBackend;
  gBackend = backend;
  return previous;
}
