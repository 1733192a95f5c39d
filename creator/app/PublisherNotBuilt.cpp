#include "creator/app/PublisherNotBuilt.h"

namespace tavo::creator {

void PublisherNotBuilt::open(Page page) {
  const char* route = page == Page::Ftp ? "FTP Files" : page == Page::Cd ? "Create CD"
                      : page == Page::Exe ? "Create EXE" : "Network";
  messages_.showInfo(QString("Publishing (%1) is not built into this version of TavoCreator yet. "
                             "Nothing was copied.").arg(route));
}

}  // namespace tavo::creator
