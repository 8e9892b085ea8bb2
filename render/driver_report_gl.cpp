// The start-up report of the OpenGL driver on standard output, and the extension entry
// points resolved with it. Only the multitexture unit selector is ever called; the rest are
// kept as the game has always resolved them, each null when the driver lacks it.
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdio>
#include <cstring>

#include "platform/gl_lookup.h"
#include "render/driver_report.h"

namespace {
struct cEntryPoint {
  const char* name;
  void* address;
};

// In resolution order: EXT_point_parameters, EXT_compiled_vertex_array, ARB_multitexture,
// NV_vertex_program (its own listing order), NV_register_combiners, EXT_secondary_color.
cEntryPoint gEntryPoints[] = {
    {"glPointParameterfEXT", nullptr}, {"glPointParameterfvEXT", nullptr},
    {"glLockArraysEXT", nullptr}, {"glUnlockArraysEXT", nullptr},
    {"glActiveTextureARB", nullptr}, {"glClientActiveTextureARB", nullptr},
    {"glBindProgramNV", nullptr}, {"glDeleteProgramsNV", nullptr},
    {"glExecuteProgramNV", nullptr}, {"glGenProgramsNV", nullptr},
    {"glAreProgramsResidentNV", nullptr}, {"glRequestResidentProgramsNV", nullptr},
    {"glGetProgramParameterfvNV", nullptr}, {"glGetProgramParameterdvNV", nullptr},
    {"glGetProgramivNV", nullptr}, {"glGetProgramStringNV", nullptr},
    {"glGetTrackMatrixivNV", nullptr}, {"glGetVertexAttribdvNV", nullptr},
    {"glGetVertexAttribfvNV", nullptr}, {"glGetVertexAttribivNV", nullptr},
    {"glGetVertexAttribPointervNV", nullptr}, {"glIsProgramNV", nullptr},
    {"glLoadProgramNV", nullptr}, {"glProgramParameter4fNV", nullptr},
    {"glProgramParameter4dNV", nullptr}, {"glProgramParameter4dvNV", nullptr},
    {"glProgramParameter4fvNV", nullptr}, {"glProgramParameters4dvNV", nullptr},
    {"glProgramParameters4fvNV", nullptr}, {"glTrackMatrixNV", nullptr},
    {"glVertexAttribPointerNV", nullptr}, {"glVertexAttrib1sNV", nullptr},
    {"glVertexAttrib1fNV", nullptr}, {"glVertexAttrib1dNV", nullptr},
    {"glVertexAttrib2sNV", nullptr}, {"glVertexAttrib2fNV", nullptr},
    {"glVertexAttrib2dNV", nullptr}, {"glVertexAttrib3sNV", nullptr},
    {"glVertexAttrib3fNV", nullptr}, {"glVertexAttrib3dNV", nullptr},
    {"glVertexAttrib4sNV", nullptr}, {"glVertexAttrib4fNV", nullptr},
    {"glVertexAttrib4dNV", nullptr}, {"glVertexAttrib4ubNV", nullptr},
    {"glVertexAttrib1svNV", nullptr}, {"glVertexAttrib1fvNV", nullptr},
    {"glVertexAttrib1dvNV", nullptr}, {"glVertexAttrib2svNV", nullptr},
    {"glVertexAttrib2fvNV", nullptr}, {"glVertexAttrib2dvNV", nullptr},
    {"glVertexAttrib3svNV", nullptr}, {"glVertexAttrib3fvNV", nullptr},
    {"glVertexAttrib3dvNV", nullptr}, {"glVertexAttrib4svNV", nullptr},
    {"glVertexAttrib4fvNV", nullptr}, {"glVertexAttrib4dvNV", nullptr},
    {"glVertexAttrib4ubvNV", nullptr}, {"glVertexAttribs1svNV", nullptr},
    {"glVertexAttribs1fvNV", nullptr}, {"glVertexAttribs1dvNV", nullptr},
    {"glVertexAttribs2svNV", nullptr}, {"glVertexAttribs2fvNV", nullptr},
    {"glVertexAttribs2dvNV", nullptr}, {"glVertexAttribs3svNV", nullptr},
    {"glVertexAttribs3fvNV", nullptr}, {"glVertexAttribs3dvNV", nullptr},
    {"glVertexAttribs4svNV", nullptr}, {"glVertexAttribs4fvNV", nullptr},
    {"glVertexAttribs4dvNV", nullptr}, {"glVertexAttribs4ubvNV", nullptr},
    {"glCombinerParameterfvNV", nullptr}, {"glCombinerParameterfNV", nullptr},
    {"glCombinerParameterivNV", nullptr}, {"glCombinerParameteriNV", nullptr},
    {"glCombinerInputNV", nullptr}, {"glCombinerOutputNV", nullptr},
    {"glFinalCombinerInputNV", nullptr}, {"glGetCombinerInputParameterfvNV", nullptr},
    {"glGetCombinerInputParameterivNV", nullptr}, {"glGetCombinerOutputParameterfvNV", nullptr},
    {"glGetCombinerOutputParameterivNV", nullptr},
    {"glGetFinalCombinerInputParameterfvNV", nullptr},
    {"glGetFinalCombinerInputParameterivNV", nullptr},
    {"glSecondaryColor3bEXT", nullptr}, {"glSecondaryColor3bvEXT", nullptr},
    {"glSecondaryColor3dEXT", nullptr}, {"glSecondaryColor3dvEXT", nullptr},
    {"glSecondaryColor3fEXT", nullptr}, {"glSecondaryColor3fvEXT", nullptr},
    {"glSecondaryColor3iEXT", nullptr}, {"glSecondaryColor3ivEXT", nullptr},
    {"glSecondaryColor3sEXT", nullptr}, {"glSecondaryColor3svEXT", nullptr},
    {"glSecondaryColor3ubEXT", nullptr}, {"glSecondaryColor3ubvEXT", nullptr},
    {"glSecondaryColor3uiEXT", nullptr}, {"glSecondaryColor3uivEXT", nullptr},
    {"glSecondaryColor3usEXT", nullptr}, {"glSecondaryColor3usvEXT", nullptr},
    {"glSecondaryColorPointerEXT", nullptr},
};
static_assert(sizeof(gEntryPoints) / sizeof(gEntryPoints[0]) == 2 + 2 + 2 + 64 + 13 + 17);

using ActiveTextureFunction = void (*)(GLenum unit);
ActiveTextureFunction gActiveTextureARB = nullptr;

void* ResolvedAddress(const char* name) {
  for (const cEntryPoint& entry : gEntryPoints) {
    if (std::strcmp(entry.name, name) == 0) return entry.address;
  }
  return nullptr;
}

const char* GLText(GLenum name) {
  const GLubyte* text = glGetString(name);
  return text ? reinterpret_cast<const char*>(text) : "";
}
}  // namespace

void PrintDriverReport() {
  std::printf("OpenGL Driver - \n");
  std::printf("Vendor: %s\n", GLText(GL_VENDOR));
  std::printf("Renderer: %s\n", GLText(GL_RENDERER));
  std::printf("Version: %s\n", GLText(GL_VERSION));
  std::printf("Supported Extensions: %s\n", GLText(GL_EXTENSIONS));
  if (const char* extensions = WindowSystemExtensions()) {
    std::printf("\nSupported Windows Extensions: %s\n\n", extensions);
  }
  for (cEntryPoint& entry : gEntryPoints) entry.address = LookupGLEntryPoint(entry.name);
  gActiveTextureARB = reinterpret_cast<ActiveTextureFunction>(ResolvedAddress("glActiveTextureARB"));
  std::fflush(stdout);
}

void ActiveTexture(int unit) {
  if (gActiveTextureARB) gActiveTextureARB(GL_TEXTURE0_ARB + unit);
}
