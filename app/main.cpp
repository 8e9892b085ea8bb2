// Program entry (placeholder until the start-up sequence lands): opens the game window.
#include <GL/glut.h>

namespace {
void Display() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glutSwapBuffers();
}
}  // namespace

int main(int argc, char** argv) {
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
  glutCreateWindow("GLUT App");
  glutReshapeWindow(800, 600);
  glutDisplayFunc(Display);
  glutMainLoop();
}
