#include "common/StartupTrace.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace tavo::trace {

namespace {

struct Trace {
  std::FILE* file = nullptr;
  std::string quitLabel;
  std::vector<std::string> seen;
  std::function<void()> quit;

  Trace() {
    if (const char* path = std::getenv("TAVO_STARTUP_TRACE"); path && *path) file = std::fopen(path, "a");
    if (const char* q = std::getenv("TAVO_STARTUP_TRACE_QUIT")) quitLabel = q;
  }
  ~Trace() {
    if (file) std::fclose(file);
  }
};

Trace& trace() {
  static Trace t;
  return t;
}

}  // namespace

void mark(std::string_view label) {
  Trace& t = trace();
  if (!t.file) return;
  for (const std::string& s : t.seen)
    if (s == label) return;
  t.seen.emplace_back(label);
  const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                       std::chrono::system_clock::now().time_since_epoch())
                       .count();
  std::fprintf(t.file, "%.*s %lld\n", static_cast<int>(label.size()), label.data(), static_cast<long long>(now));
  std::fflush(t.file);
  if (t.quit && label == t.quitLabel) t.quit();
}

void setQuitHook(std::function<void()> hook) { trace().quit = std::move(hook); }

}  // namespace tavo::trace
