#pragma once
// Trace points of the programs' start, read by the start-up benchmark
// (bench/startup-budget.sh). With TAVO_STARTUP_TRACE naming a file, the first
// mark of each label appends "<label> <nanoseconds since the epoch>" to it;
// without it, mark() costs one test of a flag. When the label equals
// TAVO_STARTUP_TRACE_QUIT, the quit hook runs after the line is written, so
// the benchmark can end the program at the moment it measures.

#include <functional>
#include <string_view>

namespace tavo::trace {

void mark(std::string_view label);

// What mark() calls for the label named by TAVO_STARTUP_TRACE_QUIT (programs
// pass a function that ends their event loop).
void setQuitHook(std::function<void()> hook);

}  // namespace tavo::trace
