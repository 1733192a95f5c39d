#include "sfx/package/SfxCommand.h"

#include <filesystem>

#include "common/QxMisc.h"
#include "sfx/package/SfxBlock.h"

namespace fs = std::filesystem;

namespace tavo::sfx {

namespace {

std::string replaceToken(std::string_view text, const std::string& by) {
  std::string out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = text.find(kFolderToken, start);
    if (at == std::string_view::npos) break;
    out.append(text.substr(start, at - start));
    out += by;
    start = at + kFolderToken.size();
  }
  out.append(text.substr(start));
  return out;
}

std::string withoutTrailingSlash(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

}  // namespace

std::string safeFolderName(std::string_view caption) {
  std::string name;
  for (char c : caption) {
    const auto u = static_cast<unsigned char>(c);
    name += (c == '/' || c == '\\' || u < 0x20 || u == 0x7F) ? '_' : c;
  }
  const auto first = name.find_first_not_of(' ');
  name = first == std::string::npos ? std::string() : name.substr(first, name.find_last_not_of(' ') - first + 1);
  if (name.empty() || name == "." || name == "..") return "Presentation";
  return name;
}

std::string defaultExtractFolder(std::string_view defaultPath, std::string_view caption, const std::string& home) {
  const std::string named = (fs::path(home) / safeFolderName(caption)).string();
  std::string path = defaultPath.empty() ? named : replaceToken(defaultPath, named);
  fs::path p(path);
  if (p.is_relative()) p = fs::path(home) / p;
  return withoutTrailingSlash(p.lexically_normal().string());
}

std::vector<std::string> splitArguments(std::string_view text) {
  std::vector<std::string> args;
  std::string current;
  bool inQuotes = false, inArgument = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' && i + 1 < text.size() && text[i + 1] == '"') {
      current += '"';
      inArgument = true;
      ++i;
    } else if (c == '"') {
      inQuotes = !inQuotes;
      inArgument = true;
    } else if ((c == ' ' || c == '\t') && !inQuotes) {
      if (inArgument) args.push_back(std::move(current));
      current.clear();
      inArgument = false;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (inArgument) args.push_back(std::move(current));
  return args;
}

std::optional<SfxCommand> expandSfxCommand(std::string_view commandLine, const std::string& folder) {
  if (commandLine.empty()) return std::nullopt;
  const std::string base = withoutTrailingSlash(fs::path(folder).lexically_normal().string());
  const std::string token = base == "/" ? base : base + "/";
  const std::size_t bar = commandLine.find('|');
  const std::string_view programText = commandLine.substr(0, bar);
  const std::string_view argumentText = bar == std::string_view::npos ? std::string_view() : commandLine.substr(bar + 1);

  // The program part is one path, blanks included; quotes around it are dropped.
  std::string programPath = trimBlanks(replaceToken(programText, token));
  if (programPath.size() >= 2 && programPath.front() == '"' && programPath.back() == '"')
    programPath = programPath.substr(1, programPath.size() - 2);
  if (programPath.empty()) return std::nullopt;
  fs::path program(programPath);
  if (program.is_relative()) program = fs::path(token) / program;
  program = program.lexically_normal();
  const fs::path inside = program.lexically_relative(base);
  if (inside.empty() || *inside.begin() == ".." || inside == ".") return std::nullopt;

  SfxCommand command;
  command.program = program.string();
  command.arguments = splitArguments(replaceToken(argumentText, token));
  return command;
}

}  // namespace tavo::sfx
