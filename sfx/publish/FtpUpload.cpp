#include "sfx/publish/FtpUpload.h"

#include <curl/curl.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "common/QxMisc.h"
#include "sfx/package/ArchiveWriter.h"

namespace fs = std::filesystem;

namespace tavo::sfx {

namespace {

struct CurlGlobal {
  CurlGlobal() { curl_global_init(CURL_GLOBAL_DEFAULT); }
};

struct Transfer {
  const FtpUploader::Progress* progress = nullptr;
  std::uint64_t before = 0;
  std::uint64_t total = 0;
};

int onProgress(void* data, curl_off_t, curl_off_t, curl_off_t, curl_off_t ulnow) {
  auto* t = static_cast<Transfer*>(data);
  if (!*t->progress) return 0;
  return (*t->progress)(t->before + static_cast<std::uint64_t>(ulnow), t->total) ? 0 : 1;
}

// "a/b c/d" as escaped URL path parts joined by "/".
std::string escapedPath(CURL* curl, const std::string& path) {
  std::string out;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    if (end > start) {
      char* part = curl_easy_escape(curl, path.data() + start, static_cast<int>(end - start));
      if (!out.empty()) out += '/';
      out += part;
      curl_free(part);
    }
    start = end + 1;
  }
  return out;
}

}  // namespace

std::string ftpServerUrl(const std::string& server) {
  std::string s = trimBlanks(server);
  if (s.find("://") == std::string::npos) s = "ftp://" + s;
  while (!s.empty() && s.back() == '/') s.pop_back();
  return s;
}

UploadResult FtpUploader::upload(const FtpAccount& account, const std::string& presentationFolder,
                                 const std::string& presentationName, const Progress& progress) {
  static CurlGlobal global;
  UploadResult result;
  if (trimBlanks(account.server).empty()) {
    result.error = "No FTP server is given.";
    return result;
  }
  std::vector<ArchiveItem> items;
  if (!listPresentationItems({}, presentationFolder, presentationName, items, &result.error)) return result;

  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
  if (!curl) {
    result.error = "The upload cannot be started.";
    return result;
  }
  char errorText[CURL_ERROR_SIZE] = {};
  Transfer transfer{&progress};
  for (const auto& item : items) transfer.total += item.size;

  CURL* c = curl.get();
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
  curl_easy_setopt(c, CURLOPT_USERNAME, account.userName.c_str());
  curl_easy_setopt(c, CURLOPT_PASSWORD, account.password.c_str());
  curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
  curl_easy_setopt(c, CURLOPT_FTP_CREATE_MISSING_DIRS, static_cast<long>(CURLFTP_CREATE_DIR_RETRY));
  curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 30L);
  curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, onProgress);
  curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);

  const std::string base = ftpServerUrl(account.server) + "/";
  const std::string directory = escapedPath(c, account.directory);
  for (const ArchiveItem& item : items) {
    std::string url = base;
    if (!directory.empty()) url += directory + "/";
    url += escapedPath(c, item.entryName);
    std::unique_ptr<FILE, decltype(&std::fclose)> in(std::fopen(item.diskPath.c_str(), "rb"), std::fclose);
    if (!in) {
      result.error = item.diskPath + " cannot be read.";
      return result;
    }
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_READDATA, in.get());
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(item.size));
    errorText[0] = '\0';
    const CURLcode code = curl_easy_perform(c);
    if (code == CURLE_ABORTED_BY_CALLBACK) {
      result.status = UploadStatus::Cancelled;
      return result;
    }
    if (code != CURLE_OK) {
      result.error = "The upload of " + item.entryName + " failed: " + (errorText[0] ? errorText : curl_easy_strerror(code));
      return result;
    }
    transfer.before += item.size;
    ++result.filesUploaded;
  }
  if (progress) progress(transfer.total, transfer.total);
  result.status = UploadStatus::Done;
  return result;
}

}  // namespace tavo::sfx
