// The save's JSON vocabulary: numbers written so that they come back bit for bit, and a checked
// view of a value read from a file, which knows its path in the document ("critters[12].state")
// and refuses anything that does not fit the field it is read into, naming that path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <utility>

#include "game/vector.h"

using json = nlohmann::json;

// What is wrong with a save (or with a game that cannot be saved), as the one line the player
// reads after the file's name: "critters[12].state is 9, not a critter state".
class cSaveError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A float as JSON: stored as the double of the same value, which nlohmann writes in the fewest
// digits that read back to that double, so the float comes back exact. A NaN or an infinity
// has no JSON form: the game cannot be saved (`name` says which value).
json FloatValue(float value, const char* name);

// A read-only value of a save with its path. Every getter throws cSaveError naming the path.
class cSaveNode {
 public:
  cSaveNode(const json& value, std::string path) : value_(value), path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  const json& Json() const { return value_; }
  bool IsNull() const { return value_.is_null(); }

  // The member `key` of an object ("... is missing" when absent).
  cSaveNode operator[](const char* key) const;
  // An array of at most `most` elements; its length.
  size_t Count(size_t most) const;
  // Element i of an array whose length Count has checked.
  cSaveNode At(size_t index) const;

  bool Bool() const;
  std::string String() const;
  // A finite number that fits a float.
  float Float() const;
  // A whole number in [least, most].
  int64_t Integer(int64_t least, int64_t most) const;
  int32_t Int32() const { return static_cast<int32_t>(Integer(INT32_MIN, INT32_MAX)); }
  uint32_t Uint32() const { return static_cast<uint32_t>(Integer(0, UINT32_MAX)); }

  // Throws "<path> <what>".
  [[noreturn]] void Fail(const std::string& what) const;

 private:
  const json& value_;
  std::string path_;
};

// A vector as four floats (w too: arithmetic carries it along).
json WriteVector(const cVector& v, const char* name);
cVector ReadVector(const cSaveNode& node);
// A place or a target: x, y and z no farther than one world's width off the world (plants stand
// up to 40 units past its far edges; fighters aim a little past them).
cVector ReadPosition(const cSaveNode& node);
