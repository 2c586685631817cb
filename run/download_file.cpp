#include "run/download_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "db/sql_status.h"
#include "db/staging_table.h"
#include "run/messages.h"

namespace kv::run {
namespace {

// Why a write failed, in the words of the run's messages.
std::string WriteFailureText(int error) {
  switch (error) {
    case ENOSPC:
      return "Datentraeger voll";
    case EFBIG:
      return "maximale Dateigroesse ueberschritten";
#ifdef EDQUOT
    case EDQUOT:
      return "Speicherkontingent ueberschritten";
#endif
    case EIO:
      return "E/A-Fehler";
    default:
      return "Fehler " + std::to_string(error);
  }
}

// A download file reached through a symbolic link is written where the
// link leads, and the link stays.
std::string ResolveLinks(const char* path) {
  char resolved[PATH_MAX];
  struct stat st;
  if (::lstat(path, &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path, resolved) != nullptr)
    return resolved;
  return path;
}

// The file being written, new beside the old one or appended to in place.
// Written through the descriptor with the run's own buffer, so that after a
// failure nothing buffered can reach the file later.
class DownloadTarget {
 public:
  DownloadTarget(const char* path, bool new_file) : path_(ResolveLinks(path)), new_file_(new_file) {
    write_path_ = new_file ? path_ + ".kvtmp" + std::to_string(::getpid()) : path_;
  }

  bool Open() {
    struct stat old;
    existed_ = ::stat(path_.c_str(), &old) == 0;
    int flags = O_WRONLY | O_CREAT | (new_file_ ? O_TRUNC : O_APPEND);
    fd_ = ::open(write_path_.c_str(), flags, 0666);
    if (fd_ < 0) return false;
    // The new file takes the place of the old one with the old one's
    // permissions, as writing over it would have kept them.
    if (new_file_ && existed_) (void)::fchmod(fd_, old.st_mode & 07777);
    if (!new_file_) {
      off_t at = ::lseek(fd_, 0, SEEK_END);
      if (at < 0) return Fail();
      old_size_ = at;
    }
    return true;
  }

  bool Write(const std::string& bytes) {
    if (error_ != 0) return false;
    buffer_ += bytes;
    return buffer_.size() < kBufferSize || Flush();
  }

  // Makes the written file the download file. Returns false on any failure,
  // after undoing what the run wrote.
  bool Finish() {
    if (error_ == 0) Flush();
    if (error_ == 0 && ::fsync(fd_) != 0 && errno != EINVAL) Fail();
    if (error_ != 0 && !new_file_) (void)::ftruncate(fd_, old_size_);
    if (::close(fd_) != 0 && error_ == 0) error_ = errno;
    fd_ = -1;
    if (new_file_) {
      if (error_ == 0 && std::rename(write_path_.c_str(), path_.c_str()) != 0) error_ = errno;
      if (error_ != 0) ::unlink(write_path_.c_str());
    } else if (error_ != 0 && !existed_) {
      ::unlink(path_.c_str());
    }
    return error_ == 0;
  }

  int error() const { return error_; }

 private:
  static constexpr std::size_t kBufferSize = 1 << 16;

  bool Flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
      ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        if (n == 0) errno = ENOSPC;
        return Fail();
      }
      done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
    return true;
  }

  bool Fail() {
    if (error_ == 0) error_ = errno != 0 ? errno : EIO;
    return false;
  }

  std::string path_;
  bool new_file_;
  std::string write_path_;
  std::string buffer_;
  int fd_ = -1;
  bool existed_ = false;
  off_t old_size_ = 0;
  int error_ = 0;
};

}  // namespace

std::string FinalLine(const char* line, int record_length, bool is_id_master) {
  std::string text(line);
  if (record_length > 0 && text.size() < static_cast<std::size_t>(record_length))
    text.append(static_cast<std::size_t>(record_length) - text.size(), ' ');
  if (is_id_master && text.find('\n') == std::string::npos) text += '\n';
  std::string out;
  out.reserve(text.size() + 2);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

void WriteDownloadFile(std::FILE* console, const char* path, bool new_file, int record_length,
                       bool is_id_master) {
  DownloadTarget target(path, new_file);
  if (!target.Open()) {
    std::fprintf(console, kMsgCannotOpenDownloadFile, path);
    return;
  }
  (void)db::OpenStagedLineCursor(path);
  char line[db::kStagedLineWidth];
  while (db::FetchStagedLine(line) == db::kSqlOk) {
    if (!target.Write(FinalLine(line, record_length, is_id_master))) break;
  }
  (void)db::CloseStagedLineCursor();
  if (!target.Finish())
    std::fprintf(console, kMsgCannotWriteDownloadFile, path, WriteFailureText(target.error()).c_str());
}

}  // namespace kv::run
