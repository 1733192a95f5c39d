// Builds the self-extracting file of a presentation from the command line,
// with the same choices as the publisher's EXE page. Used by the end-to-end
// test and the benchmark; the creator's window calls the same library.
//
//   make-sfx <work area> <presentation name> <output file> [options]
//     --password <text>       require this password
//     --message <title> <text> show this message before extracting
//     --browse                let the user choose the folder
//     --no-player             leave the player out

#include <cstdio>
#include <cstring>
#include <string>

#include "common/QxMisc.h"
#include "sfx/package/ExeWriter.h"

using namespace tavo::sfx;

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: make-sfx <work area> <presentation name> <output file> [--password P] "
                         "[--message TITLE TEXT] [--browse] [--no-player]\n");
    return 2;
  }
  const std::string area = tavo::withTrailingSeparator(argv[1]);
  ExeChoices choices;
  choices.presentationName = argv[2];
  bool player = true;
  for (int i = 4; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--password") && i + 1 < argc) {
      choices.passwordRequired = true;
      choices.password = argv[++i];
    } else if (!std::strcmp(argv[i], "--message") && i + 2 < argc) {
      choices.showInfo = true;
      choices.infoTitle = argv[++i];
      choices.infoText = argv[++i];
    } else if (!std::strcmp(argv[i], "--browse")) {
      choices.userCanBrowse = true;
    } else if (!std::strcmp(argv[i], "--no-player")) {
      player = false;
    } else {
      std::fprintf(stderr, "make-sfx: unknown option %s\n", argv[i]);
      return 2;
    }
  }
  ExeBuildRequest request;
  request.stubFile = stubFileIn(area);
  request.playerFile = player ? playerFileIn(area) : std::string();
  request.presentationFolder = area + "Projects/" + choices.presentationName + "/";
  request.presentationName = choices.presentationName;
  request.password = archivePassword(choices);
  request.block = publisherBlock(choices);
  request.outputFile = argv[3];
  const BuildResult result = buildSelfExtractor(request);
  if (result.status != BuildStatus::Done) {
    std::fprintf(stderr, "make-sfx: %s\n", result.error.c_str());
    return 1;
  }
  return 0;
}
