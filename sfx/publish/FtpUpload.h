#pragma once
// The web site route: uploads a presentation folder to an FTP server, over
// TLS when the server offers it. The password lives only as long as the call.

#include <cstdint>
#include <functional>
#include <string>

namespace tavo::sfx {

struct FtpAccount {
  std::string server;     // "host", "host:port" or "ftp://host[:port]"
  std::string userName;
  std::string password;   // used for this upload only, never written anywhere
  std::string directory;  // below the login folder; "/" separated, may be empty
};

enum class UploadStatus { Done, Cancelled, Failed };

struct UploadResult {
  UploadStatus status = UploadStatus::Failed;
  std::string error;
  std::uint64_t filesUploaded = 0;
};

class FtpUploader {
 public:
  // Bytes of file data sent so far and in all; false cancels.
  using Progress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

  // Uploads every file below `presentationFolder` to
  // <directory>/<presentationName>/<path inside the folder>, creating folders
  // on the server as needed and replacing files of the same name.
  UploadResult upload(const FtpAccount& account, const std::string& presentationFolder,
                      const std::string& presentationName, const Progress& progress = {});
};

// The server part of an address as curl takes it: "ftp://host[:port]" without a trailing "/".
std::string ftpServerUrl(const std::string& server);

}  // namespace tavo::sfx
