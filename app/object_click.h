// What a left press does to the world object under the pointer: fight a critter, open the
// evolution dialog by a critter of the evolving kind, eat, carry or drop a carcass, visit a
// nest. Plants and empty ground are left to the caller, which walks the avatar there.
#pragma once

#include "game/vector.h"

class cKeltoGameObject;

// Acts on `object` for the avatar (Shift read from the keyboard state). Returns false when
// the press is not taken by an object (null or a plant): the avatar should walk instead.
bool ActOnClickedObject(cKeltoGameObject* object);

// A left press on the world once the pointer has been turned into the object under it (or
// none) and the world point of the ground under it: the avatar's fights and nest visits end,
// then it acts on the object or walks to the point. True when it walks, so the press may go
// on steering. The mouse and the autopilot both press through here.
bool ClickOnWorld(cKeltoGameObject* object, const cVector& groundPoint);
