// Checked reading of a save's values and exact writing of its floats.
#include "save/save_json.h"

#include <cfloat>
#include <cmath>

#include "world/geometry.h"

json FloatValue(float value, const char* name) {
  if (!std::isfinite(value)) throw cSaveError(std::string(name) + " is not a finite number");
  return static_cast<double>(value);
}

namespace {
// The value as the file shows it, kept short: a long string or array is cut off.
std::string Shown(const json& value) {
  std::string text = value.dump();
  if (text.size() > 40) text = text.substr(0, 37) + "...";
  return text;
}
}  // namespace

void cSaveNode::Fail(const std::string& what) const { throw cSaveError(path_ + " " + what); }

cSaveNode cSaveNode::operator[](const char* key) const {
  if (!value_.is_object()) Fail("is " + Shown(value_) + ", not an object");
  const auto found = value_.find(key);
  const std::string path = path_.empty() ? key : path_ + "." + key;
  if (found == value_.end()) throw cSaveError(path + " is missing");
  return cSaveNode(*found, path);
}

size_t cSaveNode::Count(size_t most) const {
  if (!value_.is_array()) Fail("is " + Shown(value_) + ", not a list");
  if (value_.size() > most) Fail("has " + std::to_string(value_.size()) + " entries, more than " + std::to_string(most));
  return value_.size();
}

cSaveNode cSaveNode::At(size_t index) const {
  return cSaveNode(value_[index], path_ + "[" + std::to_string(index) + "]");
}

bool cSaveNode::Bool() const {
  if (!value_.is_boolean()) Fail("is " + Shown(value_) + ", not true or false");
  return value_.get<bool>();
}

std::string cSaveNode::String() const {
  if (!value_.is_string()) Fail("is " + Shown(value_) + ", not a text");
  return value_.get<std::string>();
}

float cSaveNode::Float() const {
  if (!value_.is_number()) Fail("is " + Shown(value_) + ", not a number");
  const double number = value_.get<double>();
  if (!std::isfinite(number)) Fail("is not a finite number");
  if (std::fabs(number) > FLT_MAX) Fail("is " + Shown(value_) + ", too large for a float");
  return static_cast<float>(number);
}

int64_t cSaveNode::Integer(int64_t least, int64_t most) const {
  if (!value_.is_number_integer()) Fail("is " + Shown(value_) + ", not a whole number");
  const std::string range = ", not in " + std::to_string(least) + ".." + std::to_string(most);
  if (value_.is_number_unsigned() && value_.get<uint64_t>() > static_cast<uint64_t>(INT64_MAX)) {
    Fail("is " + Shown(value_) + range);
  }
  const int64_t number = value_.get<int64_t>();
  if (number < least || number > most) Fail("is " + Shown(value_) + range);
  return number;
}

json WriteVector(const cVector& v, const char* name) {
  return json::array({FloatValue(v.x, name), FloatValue(v.y, name), FloatValue(v.z, name), FloatValue(v.w, name)});
}

cVector ReadVector(const cSaveNode& node) {
  if (node.Count(4) != 4) node.Fail("does not hold 4 numbers");
  return cVector(node.At(0).Float(), node.At(1).Float(), node.At(2).Float(), node.At(3).Float());
}

cVector ReadPosition(const cSaveNode& node) {
  const cVector v = ReadVector(node);
  for (const float c : {v.x, v.y, v.z}) {
    if (c < -kWorldSize || c > 2.0f * kWorldSize) node.Fail("is outside the world");
  }
  return v;
}
