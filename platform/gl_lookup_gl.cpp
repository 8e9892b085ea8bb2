// OpenGL entry-point lookup through GLX.
#include "platform/gl_lookup.h"

#include <GL/glx.h>

void* LookupGLEntryPoint(const char* name) {
  return reinterpret_cast<void*>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

const char* WindowSystemExtensions() {
  Display* display = glXGetCurrentDisplay();
  if (display == nullptr) return nullptr;
  return glXQueryExtensionsString(display, DefaultScreen(display));
}
