// Extracts a self-extracting file with the extractor's own code, without its
// windows: sfx-extract <file> <folder> [password]. For the benchmark, which
// compares the extraction with other unzip tools on the same archive.
#include <cstdio>
#include <string>

#include "sfx/package/SfxReader.h"

using namespace tavo::sfx;

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: sfx-extract <file> <folder> [password]\n");
    return 2;
  }
  FileSource file(argv[1]);
  std::string error;
  const auto layout = file.ok() ? locateSfxPayload(file, &error) : std::nullopt;
  if (!layout) {
    std::fprintf(stderr, "sfx-extract: %s\n", file.ok() ? error.c_str() : "the file cannot be read");
    return 1;
  }
  ExtractOptions options;
  options.folder = argv[2];
  if (argc > 3) options.password = argv[3];
  options.overwrite = overwriteModeOf(layout->config.flags);
  const ExtractResult result = extractSfxArchive(file, *layout, options);
  if (result.status != ExtractStatus::Done) {
    std::fprintf(stderr, "sfx-extract: %s\n", result.error.c_str());
    return 1;
  }
  return 0;
}
