// Replays a fuzz target over a stored corpus without libFuzzer, so the normal build and test
// suite run every target on the inputs that once reached its deepest paths:
//   <target>_replay DIR...   feeds every file of each DIR to LLVMFuzzerTestOneInput.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
  std::vector<std::string> inputs;
  for (int i = 1; i < argc; ++i)
    for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
      if (entry.is_regular_file()) {
        std::ifstream file(entry.path(), std::ios::binary);
        inputs.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
      }
  if (inputs.empty()) {
    std::fprintf(stderr, "replay: no corpus files given\n");
    return 1;
  }
  // Read before initialising: a target may silence standard output.
  std::fprintf(stderr, "replay: %zu inputs\n", inputs.size());
  if (LLVMFuzzerInitialize && LLVMFuzzerInitialize(&argc, &argv) != 0) return 1;
  for (const std::string& input : inputs)
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
  return 0;
}
