// Drawing a placed batch: each vertex carries its object's projection x model-view in four
// texture coordinate sets, and a vertex program places it with the very multiply and
// multiply-adds the driver's fixed-function program uses, so it lands on the same pixel.
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstddef>
#include <cstring>

#include "platform/gl_lookup.h"
#include "render/placed_batch.h"

namespace {
// The entry points beyond OpenGL 1.3 the batch needs, looked up once; all null where the
// driver lacks one of them.
struct cProgramCalls {
  PFNGLGENPROGRAMSARBPROC gen = nullptr;
  PFNGLBINDPROGRAMARBPROC bind = nullptr;
  PFNGLPROGRAMSTRINGARBPROC string = nullptr;
  PFNGLMULTIDRAWARRAYSPROC multiDraw = nullptr;
};

bool HasExtension(const char* name) {
  const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  if (!all) return false;
  const size_t length = std::strlen(name);
  for (const char* at = std::strstr(all, name); at; at = std::strstr(at + 1, name)) {
    const bool starts = at == all || at[-1] == ' ';
    const bool ends = at[length] == ' ' || at[length] == '\0';
    if (starts && ends) return true;
  }
  return false;
}

cProgramCalls LookUpProgramCalls() {
  cProgramCalls calls;
  if (!HasExtension("GL_ARB_vertex_program")) return calls;
  calls.gen = reinterpret_cast<PFNGLGENPROGRAMSARBPROC>(LookupGLEntryPoint("glGenProgramsARB"));
  calls.bind = reinterpret_cast<PFNGLBINDPROGRAMARBPROC>(LookupGLEntryPoint("glBindProgramARB"));
  calls.string = reinterpret_cast<PFNGLPROGRAMSTRINGARBPROC>(LookupGLEntryPoint("glProgramStringARB"));
  calls.multiDraw = reinterpret_cast<PFNGLMULTIDRAWARRAYSPROC>(LookupGLEntryPoint("glMultiDrawArrays"));
  if (!calls.gen || !calls.bind || !calls.string || !calls.multiDraw) return {};
  return calls;
}

const cProgramCalls& ProgramCalls() {
  static const cProgramCalls calls = LookUpProgramCalls();
  return calls;
}

// Position = column 0 * x, then + column 1 * y, + column 2 * z, + column 3 * w: the order of
// the fixed-function program; the colour passes unchanged.
const char kPlacingProgram[] =
    "!!ARBvp1.0\n"
    "TEMP p;\n"
    "MUL p, vertex.position.x, vertex.texcoord[0];\n"
    "MAD p, vertex.position.y, vertex.texcoord[1], p;\n"
    "MAD p, vertex.position.z, vertex.texcoord[2], p;\n"
    "MAD result.position, vertex.position.w, vertex.texcoord[3], p;\n"
    "MOV result.color, vertex.color;\n"
    "END\n";

GLuint PlacingProgram() {
  static GLuint program = 0;
  if (!program) {
    ProgramCalls().gen(1, &program);
    ProgramCalls().bind(GL_VERTEX_PROGRAM_ARB, program);
    ProgramCalls().string(GL_VERTEX_PROGRAM_ARB, GL_PROGRAM_FORMAT_ASCII_ARB,
                       static_cast<GLsizei>(std::strlen(kPlacingProgram)), kPlacingProgram);
  }
  return program;
}

void SetColumnArrays(const cBatchVertex* first, bool enable) {
  for (int column = 0; column < 4; ++column) {
    glClientActiveTexture(GL_TEXTURE0 + column);
    if (enable) {
      glEnableClientState(GL_TEXTURE_COORD_ARRAY);
      glTexCoordPointer(4, GL_FLOAT, sizeof(cBatchVertex), first->placement.m + column * 4);
    } else {
      glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
  }
  glClientActiveTexture(GL_TEXTURE0);
}

void DrawRun(const cBatchRun& run) {
  glLineWidth(run.lineWidth);
  if (run.shape == ePieceShape::kLines) {
    glDrawArrays(GL_LINES, run.firsts[0], run.counts[0]);
  } else {
    ProgramCalls().multiDraw(GL_POLYGON, run.firsts.data(), run.counts.data(), static_cast<GLsizei>(run.firsts.size()));
  }
}
}  // namespace

void DrawPlacedBatch(cPlacedBatch& batch) {
  if (batch.Empty()) return;
  const cBatchVertex* first = batch.Vertices().data();
  ProgramCalls().bind(GL_VERTEX_PROGRAM_ARB, PlacingProgram());
  glEnable(GL_VERTEX_PROGRAM_ARB);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glVertexPointer(3, GL_FLOAT, sizeof(cBatchVertex), first->position);
  glColorPointer(3, GL_FLOAT, sizeof(cBatchVertex), first->colour);
  SetColumnArrays(first, true);
  for (const cBatchRun& run : batch.Runs()) DrawRun(run);
  glLineWidth(1.0f);
  SetColumnArrays(first, false);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  glDisable(GL_VERTEX_PROGRAM_ARB);
  // The colour the last object would have left current, drawn on its own.
  glColor3fv(batch.Vertices().back().colour);
  batch.Clear();
}

bool PlacedBatchAvailable() { return ProgramCalls().gen != nullptr; }
