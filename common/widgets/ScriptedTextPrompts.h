#pragma once
// TextPrompts answered from a script, for tests of the forms that ask for
// names: every input box takes the next scripted answer (nothing = Cancel;
// an unscripted box is cancelled) and is recorded. The two-field dialog takes
// the next scripted pair and applies the dialog's own OK rules to it, showing
// refusals through the messages, as the real dialog does while it stays open.
//
//   platform::testing::TestMessages messages("TavoCreator");
//   ScriptedTextPrompts prompts(messages);
//   prompts.answers = {"a/b", "Beach"};
//   EXPECT_EQ(askNewName(prompts, "slideshow", folder), "Beach");

#include <deque>
#include <vector>

#include "common/NameRules.h"
#include "common/widgets/NamePrompts.h"
#include "platform/QtText.h"

namespace tavo {

class ScriptedTextPrompts : public TextPrompts {
 public:
  struct Asked {
    QString caption, prompt, text;
  };
  explicit ScriptedTextPrompts(platform::Messages& messages) : messages_(messages) {}

  std::optional<QString> inputBox(const QString& caption, const QString& prompt, const QString& text) override {
    asked.push_back({caption, prompt, text});
    if (answers.empty()) return std::nullopt;
    std::optional<QString> a = answers.front();
    answers.pop_front();
    return a;
  }

  std::optional<std::pair<QString, QString>> getTwoStrings(const TwoStringsRequest& request) override {
    twoStringsRequests.push_back(request);
    while (!twoStringsAnswers.empty()) {
      std::optional<std::pair<QString, QString>> a = twoStringsAnswers.front();
      twoStringsAnswers.pop_front();
      if (!a) return std::nullopt;
      std::optional<std::string> target;
      if (request.targetFolder) target = platform::toPath(*request.targetFolder);
      const TwoTextsCheck c = checkTwoTexts(a->first.toStdString(), a->second.toStdString(),
                                            request.label1.toStdString(), request.label2.toStdString(), target);
      if (c.accepted()) return std::pair{QString::fromStdString(c.first), QString::fromStdString(c.second)};
      messages_.showInfo(QString::fromStdString(c.message));
    }
    return std::nullopt;
  }

  platform::Messages& messages() override { return messages_; }

  std::deque<std::optional<QString>> answers;
  std::vector<Asked> asked;
  std::deque<std::optional<std::pair<QString, QString>>> twoStringsAnswers;
  std::vector<TwoStringsRequest> twoStringsRequests;

 private:
  platform::Messages& messages_;
};

}  // namespace tavo
