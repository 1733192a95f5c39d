// The settings store's ".values" file parser.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>

#include "common/QxMisc.h"
#include "common/Registry.h"
#include "fuzz/FuzzCheck.h"

using namespace tavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto values = parseRegistryValues(bytes);
  std::unordered_set<std::string> names;
  for (const auto& v : values) {
    FUZZ_CHECK(!v.name.empty());
    FUZZ_CHECK(names.insert(toLowerAnsi(v.name)).second);  // the first of a name counts
  }
  FUZZ_CHECK(values.size() <= size / 4 + 1);
  return 0;
}
