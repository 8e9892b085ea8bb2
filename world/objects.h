// The things that live in the world: plants, carcasses, nests and critters (the avatar is a
// critter). Drawing is not done here: each Draw slot forwards to the painter the renderer
// installs, so the simulation builds and runs without GL.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/vector.h"

class cKeltoGamePlant;
class cKeltoGameCarcass;
class cKeltoGameNest;
class cKeltoGameCritter;

// Installed by the renderer; while null (headless), Draw does nothing.
class cObjectPainter {
 public:
  virtual ~cObjectPainter() = default;
  virtual void DrawPlant(const cKeltoGamePlant& plant, const cVector& centre) = 0;
  virtual void DrawCarcass(const cKeltoGameCarcass& carcass, const cVector& centre) = 0;
  virtual void DrawNest(const cKeltoGameNest& nest, const cVector& centre) = 0;
  virtual void DrawCritter(cKeltoGameCritter& critter, const cVector& centre) = 0;
};
extern cObjectPainter* gObjectPainter;

class cKeltoGameObject {
 public:
  cVector position;
  float heading = 0.0f;

  virtual ~cKeltoGameObject() = default;
  virtual std::string GetDescription() const = 0;
  virtual void Draw(const cVector& centre) = 0;
  virtual cVector* GetPosition() { return &position; }
  virtual void SetPosition(const cVector& p) { position = p; }
  virtual float GetHeading() const { return heading; }
  virtual void SetHeading(float h) { heading = h; }
};

class cKeltoGamePlant : public cKeltoGameObject {
 public:
  std::string GetDescription() const override { return "Plant"; }
  void Draw(const cVector& centre) override;
};

class cKeltoGameCarcass : public cKeltoGameObject {
 public:
  float food = 100.0f;
  uint32_t created_ms = 0;  // game time at the kill; its age is a wrapping difference
  cKeltoGameCritter* carrier = nullptr;

  std::string GetDescription() const override { return "Dead Critter, Not Walking"; }
  void Draw(const cVector& centre) override;
};

class cKeltoGameNest : public cKeltoGameObject {
 public:
  // 16 spokes as point pairs: the centre, then a point on the radius-2 ring.
  std::vector<cVector> outline;

  cKeltoGameNest();
  std::string GetDescription() const override { return "Nest"; }
  void Draw(const cVector& centre) override;
};

enum eCritterState { kStateFlocking = 1, kStateFighting = 2, kStateSleeping = 3, kStateGoingHome = 4 };

// The first this many neighbours are a critter's flock mates; pruning sorts the nearest there.
constexpr size_t kFlockMates = 3;

class cKeltoGameCritter : public cKeltoGameObject {
 public:
  std::vector<cKeltoGameCritter*> neighbours;    // the first three are the flock mates
  std::vector<cKeltoGamePlant*> known_plants;    // at most 3
  std::optional<uint32_t> cover_exit_ms;         // when it left cover while still hidden; none = not timing
  float desired_heading = 0.0f;
  int advance_counts[7] = {0, 0, 0, 0, 0, 0, 0};
  float hunger = 100.0f;
  float health = 100.0f;
  float energy = 100.0f;
  float attack = 0.0f;
  float defend = 0.0f;
  float speed = 0.0f;  // world units per tick before the 0.1 step factor
  float walk_speed = 0.0f;
  float run_speed = 0.0f;
  float stealth = 1.0f;
  float detour_sign = 1.0f;
  float neighbor_distance = 0.0f;
  float climb = 0.0f;
  float swim = 0.0f;
  bool aware = false;
  bool nocturnal = false;
  bool attack_avatar = false;
  bool hidden = false;
  bool in_nest = false;
  bool is_avatar = false;
  cVector screen_position;  // written by drawing, y from the top of the window
  float perception[3] = {0.0f, 0.0f, 0.0f};  // ranges against a walking, running, hidden avatar
  cKeltoGameCarcass* carried = nullptr;
  int state = kStateFlocking;
  cVector target;
  int species = 0;
  cKeltoGameCritter* prey = nullptr;

  std::string GetDescription() const override;
  void Draw(const cVector& centre) override;

  // Movement and senses.
  virtual bool Move(float step);
  virtual void NoticeCritter(cKeltoGameCritter* other);
  virtual void PruneNeighbours();
  virtual bool IsNeighbour(const cKeltoGameCritter* other) const;
  virtual void RememberPlant(cKeltoGamePlant* plant);
  virtual float NearestPlantDistance() const;
  virtual void UpdateCover();
};
