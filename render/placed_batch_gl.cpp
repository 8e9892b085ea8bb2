// Drawing a placed batch: each vertex carries its object's projection x model-view in four
// texture coordinate sets, and a vertex program places it with the very multiply and
// multiply-adds the driver's fixed-function program uses, so it lands on the same pixel. The
// vertices and indices go through buffer objects kept from frame to frame, so the driver
// neither copies them again nor touches fresh memory for them every frame.
#include <GL/gl.h>
#include <GL/glext.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <vector>

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
  PFNGLGENBUFFERSPROC genBuffers = nullptr;
  PFNGLBINDBUFFERPROC bindBuffer = nullptr;
  PFNGLBUFFERDATAPROC bufferData = nullptr;
  PFNGLBUFFERSUBDATAPROC bufferSubData = nullptr;
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
  calls.genBuffers = reinterpret_cast<PFNGLGENBUFFERSPROC>(LookupGLEntryPoint("glGenBuffers"));
  calls.bindBuffer = reinterpret_cast<PFNGLBINDBUFFERPROC>(LookupGLEntryPoint("glBindBuffer"));
  calls.bufferData = reinterpret_cast<PFNGLBUFFERDATAPROC>(LookupGLEntryPoint("glBufferData"));
  calls.bufferSubData = reinterpret_cast<PFNGLBUFFERSUBDATAPROC>(LookupGLEntryPoint("glBufferSubData"));
  if (!calls.gen || !calls.bind || !calls.string || !calls.multiDraw || !calls.genBuffers || !calls.bindBuffer ||
      !calls.bufferData || !calls.bufferSubData) {
    return {};
  }
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

// A buffer object that only grows, so that its storage stays where it is.
struct cStreamBuffer {
  GLenum target;
  GLuint name = 0;
  GLsizeiptr capacity = 0;

  void Fill(const void* data, GLsizeiptr bytes) {
    if (!name) ProgramCalls().genBuffers(1, &name);
    ProgramCalls().bindBuffer(target, name);
    if (bytes > capacity) {
      capacity = bytes + bytes / 2;
      ProgramCalls().bufferData(target, capacity, nullptr, GL_STREAM_DRAW);
    }
    ProgramCalls().bufferSubData(target, 0, bytes, data);
  }
};

// One kind's vertices and indices.
struct cKindBuffers {
  cStreamBuffer vertices{GL_ARRAY_BUFFER};
  cStreamBuffer indices{GL_ELEMENT_ARRAY_BUFFER};
};
using cBatchBuffers = std::array<cKindBuffers, kPieceKinds>;

// A set for each batch drawn in a frame, since writing a buffer the frame has already drawn
// from makes the driver finish the frame so far.
std::vector<cBatchBuffers> gBuffers;
unsigned gLastFrame = 0;
size_t gDrawnThisFrame = 0;

cBatchBuffers& NextBuffers(const cPlacedBatch& batch) {
  if (batch.Frame() != gLastFrame) {
    gLastFrame = batch.Frame();
    gDrawnThisFrame = 0;
  }
  if (gBuffers.size() <= gDrawnThisFrame) gBuffers.resize(gDrawnThisFrame + 1);
  return gBuffers[gDrawnThisFrame++];
}

// Buffer offsets, as the GL takes them in place of pointers while a buffer is bound.
const void* AtOffset(size_t bytes) { return reinterpret_cast<const void*>(bytes); }

void SetColumnArrays(bool enable) {
  for (int column = 0; column < 4; ++column) {
    glClientActiveTexture(GL_TEXTURE0 + column);
    if (enable) {
      glEnableClientState(GL_TEXTURE_COORD_ARRAY);
      glTexCoordPointer(4, GL_FLOAT, sizeof(cBatchVertex),
                        AtOffset(offsetof(cBatchVertex, placement) + column * 4 * sizeof(float)));
    } else {
      glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
  }
  glClientActiveTexture(GL_TEXTURE0);
}

// Copies one kind's pieces into its buffers.
void LoadKind(const cKindList& list, cKindBuffers& buffers) {
  if (list.vertices.empty()) return;
  buffers.vertices.Fill(list.vertices.data(), static_cast<GLsizeiptr>(list.vertices.size() * sizeof(cBatchVertex)));
  if (!list.indices.empty()) {
    buffers.indices.Fill(list.indices.data(), static_cast<GLsizeiptr>(list.indices.size() * sizeof(uint32_t)));
  }
}

void PointArraysInto(const cKindBuffers& buffers) {
  ProgramCalls().bindBuffer(GL_ARRAY_BUFFER, buffers.vertices.name);
  ProgramCalls().bindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers.indices.name);
  glVertexPointer(3, GL_FLOAT, sizeof(cBatchVertex), AtOffset(offsetof(cBatchVertex, position)));
  glColorPointer(3, GL_FLOAT, sizeof(cBatchVertex), AtOffset(offsetof(cBatchVertex, colour)));
  SetColumnArrays(true);
}

// One kind's pieces of one group, from the end of the group before it (`from`) to its own.
void DrawGroupKind(const cKindList& list, ePieceKind kind, const cGroupEnd& from, const cGroupEnd& to) {
  const int k = static_cast<int>(kind);
  glLineWidth(LineWidthOf(kind));
  if (kind == ePieceKind::kDisc) {
    ProgramCalls().multiDraw(GL_POLYGON, list.polygonFirsts.data() + from.polygons[k],
                             list.polygonCounts.data() + from.polygons[k], to.polygons[k] - from.polygons[k]);
    return;
  }
  // The vertex range spares the driver a pass over the indices.
  glDrawRangeElements(GL_LINES, from.vertices[k], to.vertices[k] - 1, to.indices[k] - from.indices[k],
                      GL_UNSIGNED_INT, AtOffset(from.indices[k] * sizeof(uint32_t)));
}

void DrawGroups(const cPlacedBatch& batch, const cBatchBuffers& buffers) {
  cGroupEnd from{};
  for (const cGroupEnd& to : batch.Groups()) {
    for (int k = 0; k < kPieceKinds; ++k) {
      if (to.vertices[k] == from.vertices[k]) continue;
      PointArraysInto(buffers[k]);
      const auto kind = static_cast<ePieceKind>(k);
      DrawGroupKind(batch.Kind(kind), kind, from, to);
    }
    from = to;
  }
}
}  // namespace

void DrawPlacedBatch(cPlacedBatch& batch) {
  if (batch.Empty()) return;
  cBatchBuffers& buffers = NextBuffers(batch);
  for (int k = 0; k < kPieceKinds; ++k) LoadKind(batch.Kind(static_cast<ePieceKind>(k)), buffers[k]);
  ProgramCalls().bind(GL_VERTEX_PROGRAM_ARB, PlacingProgram());
  glEnable(GL_VERTEX_PROGRAM_ARB);
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  DrawGroups(batch, buffers);
  glLineWidth(1.0f);
  SetColumnArrays(false);
  glDisableClientState(GL_COLOR_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
  ProgramCalls().bindBuffer(GL_ARRAY_BUFFER, 0);
  ProgramCalls().bindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
  glDisable(GL_VERTEX_PROGRAM_ARB);
  // The colour the last object would have left current, drawn on its own.
  const cColour& last = batch.LastColour();
  glColor3f(last.r, last.g, last.b);
  batch.Clear();
}

bool PlacedBatchAvailable() { return ProgramCalls().gen != nullptr; }
