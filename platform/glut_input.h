// Keeps the Shift state (platform/key_state) and the wheel motion (platform/mouse_wheel) up to
// date from GLUT's callbacks; the game window's callbacks call these before their handlers.
#pragma once

// From a key or mouse callback: Shift as GLUT saw it with that event.
void NoteShiftFromModifiers();
// From the special-key press and release callbacks, which freeglut also calls for the Shift
// keys themselves. True when `key` was a Shift key (nothing else to do with it).
bool NoteShiftKey(int key, bool down);
// From the mouse callback: freeglut reports the wheel as buttons 3 (away) and 4 (toward) when
// the mouse has more buttons than it expects. True when the event was the wheel's, so that its
// release is not taken for the release of a real button.
bool TakeWheelButton(int button, int state);
// The wheel callback (glutMouseWheelFunc).
void OnMouseWheel(int wheel, int direction, int x, int y);
