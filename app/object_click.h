// What a left press does to the world object under the pointer: fight a critter, open the
// evolution dialog by a critter of the evolving kind, eat, carry or drop a carcass, visit a
// nest. Plants and empty ground are left to the caller, which walks the avatar there.
#pragma once

class cKeltoGameObject;

// Acts on `object` for the avatar (Shift read from the keyboard state). Returns false when
// the press is not taken by an object (null or a plant): the avatar should walk instead.
bool ActOnClickedObject(cKeltoGameObject* object);
