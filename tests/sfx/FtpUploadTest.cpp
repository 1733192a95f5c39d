// The web site route against a real FTP server on 127.0.0.1, started and
// stopped by the test.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "sfx/publish/FtpUpload.h"
#include "tests/sfx/SfxFixture.h"

extern char** environ;
namespace fs = std::filesystem;
using namespace tavo::sfx;
using tavo::test::readFile;
using tavo::test::TempFolder;

namespace {

class LocalFtpServer {
 public:
  LocalFtpServer(const std::string& root, const char* user, const char* password) {
    int out[2];
    if (pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // Debian's own interpreter, which has the python3-pyftpdlib package.
    const char* argv[] = {"/usr/bin/python3", TAVO_SFX_FTP_SERVER, root.c_str(), user, password, nullptr};
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, const_cast<char**>(argv), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    FILE* in = fdopen(out[0], "r");
    if (in && fscanf(in, "%d", &port_) != 1) port_ = 0;
    if (in) fclose(in);
  }
  ~LocalFtpServer() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  int port() const { return port_; }

 private:
  pid_t pid_ = -1;
  int port_ = 0;
};

}  // namespace

TEST(FtpUpload, UploadsThePresentationTreeByteForByte) {
  TempFolder area, server;
  const std::string presentation = tavo::test::makePresentation(area);
  area.write("Projects/Pres/News/Name with blanks & #.txt", "odd name");
  LocalFtpServer ftp(server.path(), "ann", "pw 1");
  ASSERT_GT(ftp.port(), 0) << "the local FTP server did not start";

  FtpAccount account{"127.0.0.1:" + std::to_string(ftp.port()), "ann", "pw 1", "/site/shows/"};
  std::uint64_t last = 0, total = 0;
  const UploadResult result = FtpUploader().upload(account, presentation, "Pres", [&](std::uint64_t d, std::uint64_t t) {
    last = d;
    total = t;
    return true;
  });
  ASSERT_EQ(result.status, UploadStatus::Done) << result.error;
  EXPECT_EQ(result.filesUploaded, 5u);
  EXPECT_EQ(last, total);

  const fs::path uploaded = fs::path(server.path()) / "site/shows/Pres";
  std::size_t files = 0;
  for (const auto& e : fs::recursive_directory_iterator(presentation)) {
    if (!e.is_regular_file()) continue;
    EXPECT_EQ(readFile((uploaded / fs::relative(e.path(), presentation)).string()), readFile(e.path().string()))
        << e.path();
    ++files;
  }
  std::size_t serverFiles = 0;
  for (const auto& e : fs::recursive_directory_iterator(uploaded)) serverFiles += e.is_regular_file();
  EXPECT_EQ(serverFiles, files);
}

TEST(FtpUpload, RefusedLoginAndCancelAreNotSuccess) {
  TempFolder area, server;
  const std::string presentation = tavo::test::makePresentation(area);
  LocalFtpServer ftp(server.path(), "ann", "right");
  ASSERT_GT(ftp.port(), 0);
  const std::string address = "ftp://127.0.0.1:" + std::to_string(ftp.port()) + "/";

  const UploadResult refused = FtpUploader().upload({address, "ann", "wrong", ""}, presentation, "Pres");
  EXPECT_EQ(refused.status, UploadStatus::Failed);
  EXPECT_FALSE(refused.error.empty());

  const UploadResult cancelled =
      FtpUploader().upload({address, "ann", "right", ""}, presentation, "Pres", [](std::uint64_t, std::uint64_t) { return false; });
  EXPECT_EQ(cancelled.status, UploadStatus::Cancelled);

  EXPECT_EQ(FtpUploader().upload({" ", "ann", "right", ""}, presentation, "Pres").status, UploadStatus::Failed);
}

TEST(FtpUpload, ServerAddressForms) {
  EXPECT_EQ(ftpServerUrl("ftp.example.com"), "ftp://ftp.example.com");
  EXPECT_EQ(ftpServerUrl(" ftp.example.com:2121/ "), "ftp://ftp.example.com:2121");
  EXPECT_EQ(ftpServerUrl("ftps://host/"), "ftps://host");
}
