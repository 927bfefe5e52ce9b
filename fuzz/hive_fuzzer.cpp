// The hive parser on arbitrary text: it must never crash, and whatever it accepts must survive
// a write and a read unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "platform/core/regfile.h"

using namespace orbello;
namespace regfile = orbello::platform::regfile;

namespace {

bool Same(const regfile::Document& a, const regfile::Document& b) {
  if (a.keys.size() != b.keys.size())
    return false;
  for (size_t k = 0; k < a.keys.size(); ++k) {
    const regfile::Key& x = a.keys[k];
    const regfile::Key& y = b.keys[k];
    if (x.path != y.path || x.values.size() != y.values.size())
      return false;
    for (size_t v = 0; v < x.values.size(); ++v) {
      if (x.values[v].name != y.values[v].name || x.values[v].type != y.values[v].type ||
          x.values[v].data != y.values[v].data) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  constexpr std::string_view kRoot = "HKEY_CURRENT_USER";
  std::optional<regfile::Document> doc = regfile::Parse(text, kRoot);
  // Reading one key's tree checks the whole text just the same.
  const std::string wanted = doc && !doc->keys.empty() ? doc->keys.back().path : "Software";
  std::optional<regfile::Document> tree = regfile::ParseKeyTree(text, kRoot, wanted);
  fuzz::Check(tree.has_value() == doc.has_value(), "one key's read disagrees with the whole");
  if (!doc)
    return 0;
  regfile::Document expected = *doc;
  std::erase_if(expected.keys, [&](const regfile::Key& key) {
    return !regfile::NamesEqual(key.path.substr(0, wanted.size()), wanted) ||
           (key.path.size() > wanted.size() && key.path[wanted.size()] != '\\');
  });
  fuzz::Check(Same(expected, *tree), "one key's read keeps other keys or loses its own");
  for (const regfile::Key& key : doc->keys) {
    fuzz::Check(doc->KeyExists(key.path), "a parsed key does not exist");
    fuzz::Check(regfile::NormaliseKeyPath(key.path) == key.path, "key path not normal");
  }
  const std::string written = regfile::Serialise(*doc, kRoot);
  std::optional<regfile::Document> back = regfile::Parse(written, kRoot);
  fuzz::Check(back.has_value(), "a written hive does not parse");
  fuzz::Check(Same(*doc, *back), "a written hive reads back differently");
  fuzz::Check(regfile::Serialise(*back, kRoot) == written, "writing is not stable");
  if (!doc->keys.empty()) {
    regfile::Document copy = *doc;
    const std::string first = copy.keys.front().path;
    fuzz::Check(copy.RemoveKeyTree(first), "a present key cannot be removed");
    fuzz::Check(!copy.KeyExists(first), "a removed key still exists");
  }
  return 0;
}
