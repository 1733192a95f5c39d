#include "sfx/package/SfxBlock.h"

namespace tavo::sfx {

OverwriteMode overwriteModeOf(std::uint8_t flags) {
  switch (flags & SfxFlag::kOverwriteMask) {
    case SfxFlag::kOverwriteAlways: return OverwriteMode::Always;
    case SfxFlag::kOverwriteNever: return OverwriteMode::Never;
    default: return OverwriteMode::Ask;  // 0x00, and 0x18, which no writer sets: asking is the safe reading
  }
}

std::size_t sfxTextLimit(SfxText text) { return text == SfxText::Message ? 65535 : 255; }

std::optional<SfxTextTooLong> findTextTooLong(const SfxConfig& c) {
  const std::pair<SfxText, const std::string*> texts[] = {{SfxText::Caption, &c.caption},
                                                          {SfxText::DefaultPath, &c.defaultPath},
                                                          {SfxText::CommandLine, &c.commandLine},
                                                          {SfxText::Message, &c.message},
                                                          {SfxText::Title, &c.title}};
  std::size_t sum = 0;
  for (const auto& [which, text] : texts) {
    const std::size_t limit = sfxTextLimit(which);
    if (text->size() > limit) return SfxTextTooLong{which, text->size(), limit};
    sum += text->size();
  }
  // The block's total length has two bytes as well, so the message gets what
  // the other texts leave of them.
  if (kBlockFixedBytes + sum > 0xFFFF)
    return SfxTextTooLong{SfxText::Message, c.message.size(), 0xFFFF - kBlockFixedBytes - (sum - c.message.size())};
  return std::nullopt;
}

std::optional<std::string> encodeSfxBlock(const SfxConfig& c) {
  if (findTextTooLong(c)) return std::nullopt;
  std::string out;
  const std::size_t n = c.caption.size() + c.defaultPath.size() + c.commandLine.size() + c.message.size() + c.title.size();
  out.reserve(kBlockFixedBytes + n);
  out += "MPU";
  out += static_cast<char>(c.flags);
  out += static_cast<char>(c.caption.size());
  out += static_cast<char>(c.defaultPath.size());
  out += static_cast<char>(c.commandLine.size());
  out += static_cast<char>(c.message.size() & 0xFF);
  out += static_cast<char>(c.message.size() >> 8);
  out += static_cast<char>(c.title.size());
  out += c.caption;
  out += c.defaultPath;
  out += c.commandLine;
  out += c.message;
  out += c.title;
  const std::size_t total = out.size() + 2;
  out += static_cast<char>(total & 0xFF);
  out += static_cast<char>(total >> 8);
  return out;
}

std::optional<SfxConfig> decodeSfxBlock(std::string_view b, std::string* error) {
  auto fail = [&](const char* why) -> std::optional<SfxConfig> {
    if (error) *error = why;
    return std::nullopt;
  };
  if (b.size() < kBlockFixedBytes) return fail("the configuration block is too short");
  if (b.substr(0, 3) != "MPU") return fail("the configuration block has no signature");
  auto byte = [&](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(b[i])); };
  const std::size_t lengths[5] = {byte(4), byte(5), byte(6), byte(7) | (byte(8) << 8), byte(9)};
  std::size_t n = 0;
  for (std::size_t l : lengths) n += l;
  if (kBlockFixedBytes + n != b.size()) return fail("the lengths of the configuration block do not add up");
  const std::size_t total = byte(b.size() - 2) | (byte(b.size() - 1) << 8);
  if (total != b.size()) return fail("the total length of the configuration block is wrong");

  SfxConfig c;
  c.flags = static_cast<std::uint8_t>(byte(3));
  std::size_t at = 10;
  std::string* texts[5] = {&c.caption, &c.defaultPath, &c.commandLine, &c.message, &c.title};
  for (int i = 0; i < 5; ++i) {
    *texts[i] = std::string(b.substr(at, lengths[i]));
    at += lengths[i];
  }
  return c;
}

}  // namespace tavo::sfx
