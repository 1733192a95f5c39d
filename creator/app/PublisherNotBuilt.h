#pragma once
// The publisher until its routes exist: every button says so, nothing is copied.

#include "creator/main/Publisher.h"
#include "platform/Messages.h"

namespace tavo::creator {

class PublisherNotBuilt : public Publisher {
 public:
  explicit PublisherNotBuilt(platform::Messages& messages) : messages_(messages) {}
  void open(Page page) override;

 private:
  platform::Messages& messages_;
};

}  // namespace tavo::creator
