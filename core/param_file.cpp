#include "param_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "numtext.h"

namespace brel {
namespace {

std::string ErrnoText(int error) { return std::system_category().message(error); }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// No image, option, alignment or FM file comes near this; a file beyond it is
// something else and is not read.
constexpr long long kMaxParamFileBytes = 4LL * 1024 * 1024;

// ---------------------------------------------------------------------------
// Reading

// Takes the file's characters one at a time, so a file far larger than the
// values it should hold is never read further than needed.
class ValueScanner {
 public:
  ValueScanner(int count, bool nothingAfter) : count_(count), nothingAfter_(nothingAfter) {
    values_.reserve(static_cast<std::size_t>(count));
  }

  // False once enough values are in or the text was refused.
  bool take(char c) {
    const bool separator = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ',';
    if (nothingAfter_ && done() && token_.length == 0) {
      if (separator) return true;
      error_ = "the file holds more than " + std::to_string(count_) + " values";
      return false;
    }
    if (!separator) {
      takeTokenCharacter(c);
      afterCr_ = false;
      return true;
    }
    if (token_.length > 0 && !finishToken()) return false;
    if (c == ',') {
      // Two commas with nothing between them would invent a value.
      if (!fieldHasValue_) {
        error_ = "line " + std::to_string(line_) + " holds an empty value before a comma";
        return false;
      }
      fieldHasValue_ = false;
    }
    // CR, LF and CR LF each end one line.
    if (c == '\r' || (c == '\n' && !afterCr_)) ++line_;
    afterCr_ = c == '\r';
    return nothingAfter_ || !done();
  }

  ParamReadResult finish() {
    if (error_.empty() && !done() && token_.length > 0) finishToken();
    ParamReadResult result;
    if (!error_.empty()) {
      result.error = error_;
    } else if (!done()) {
      result.error = "the file holds " + std::to_string(values_.size()) + " value" +
                     (values_.size() == 1 ? "" : "s") + "; " + std::to_string(count_) + " are needed";
    } else {
      result.values = std::move(values_);
    }
    return result;
  }

 private:
  static constexpr std::size_t kMaxShownToken = 24;
  static constexpr long kBeyondByte = 256;

  // One token as it comes in: only its first characters are kept for the
  // message, but every digit counts towards its value, so leading zeros
  // never make a small number look large.
  struct Token {
    std::size_t length = 0;
    std::string shown;
    bool negative = false;
    bool digitsOnly = true;  // after an optional sign
    int digits = 0;
    long value = 0;          // stops growing beyond a byte
  };

  void takeTokenCharacter(char c) {
    if (token_.length == 0) tokenLine_ = line_;
    if (token_.shown.size() < kMaxShownToken) token_.shown.push_back(c);
    const bool signPlace = token_.length == 0;
    ++token_.length;
    if (signPlace && (c == '-' || c == '+')) {
      token_.negative = c == '-';
    } else if (c >= '0' && c <= '9') {
      ++token_.digits;
      token_.value = std::min(kBeyondByte, token_.value * 10 + (c - '0'));
    } else {
      token_.digitsOnly = false;
    }
  }

  bool done() const { return static_cast<int>(values_.size()) >= count_; }

  bool finishToken() {
    const Token token = std::move(token_);
    token_ = Token{};
    const std::string shown = token.shown.size() < token.length ? token.shown + "..." : token.shown;
    const std::string where = "line " + std::to_string(tokenLine_) + " holds ";
    if (!token.digitsOnly || token.digits == 0) {
      error_ = where + Quoted(Printable(shown)) + ", which is not a whole number";
      return false;
    }
    if ((token.negative && token.value != 0) || token.value >= kBeyondByte) {
      error_ = where + shown + ", which is outside 0 to 255";
      return false;
    }
    values_.push_back(static_cast<std::int16_t>(token.value));
    fieldHasValue_ = true;
    return true;
  }

  // Control characters and bytes beyond ASCII shown as '?', so a binary file
  // gives a readable message.
  static std::string Printable(const std::string& text) {
    std::string out = text;
    for (char& c : out)
      if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) c = '?';
    return out;
  }

  int count_;
  bool nothingAfter_;
  std::vector<std::int16_t> values_;
  Token token_;
  int tokenLine_ = 1;
  int line_ = 1;
  bool afterCr_ = false;
  bool fieldHasValue_ = false;
  std::string error_;
};

// Why something at a path is not a file to read values from, or "" for a
// regular file.
std::string NotARegularFile(mode_t mode) {
  if (S_ISREG(mode)) return {};
  if (S_ISDIR(mode)) return "it is a folder, not a file";
  if (S_ISFIFO(mode)) return "it is a named pipe, not a file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a file";
  if (S_ISSOCK(mode)) return "it is a socket, not a file";
  return "it is not a file";
}

std::string TooLarge(long long bytes) {
  return "the file holds " + std::to_string(bytes) + " bytes or more, more than any parameter file (at most " +
         std::to_string(kMaxParamFileBytes / (1024 * 1024)) + " MB)";
}

// Closes a descriptor when the scope ends.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports the error of close() itself (0 when none).
  int close() {
    const int fd = fd_;
    fd_ = -1;
    return fd >= 0 && ::close(fd) != 0 ? errno : 0;
  }

 private:
  int fd_;
};

// ---------------------------------------------------------------------------
// Writing

bool WriteAll(int fd, const std::string& text, int& error) {
  const char* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      error = errno;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

// Creates a new file beside the target under a name no other file has; a
// name left behind by an earlier crash is passed over.
int CreateTemporaryBeside(const std::filesystem::path& target, std::filesystem::path& temporary, int& error) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = target.parent_path() / Concat({".", target.filename().string(), ".", std::to_string(::getpid()), ".",
                                               std::to_string(attempt), ".tmp"});
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) {
      error = errno;
      return -1;
    }
  }
  error = EEXIST;
  return -1;
}

}  // namespace

std::string FormatParamText(const std::vector<std::int16_t>& values, int valuesPerLine) {
  std::string text;
  text.reserve(values.size() * 5 + values.size() / 8 + 2);
  const std::size_t perLine = valuesPerLine > 0 ? static_cast<std::size_t>(valuesPerLine) : values.size();
  for (std::size_t i = 0; i < values.size(); ++i) {
    // NumberToText gives the blank (or the minus sign) in front.
    text += NumberToText(values[i]);
    text += ' ';
    if ((i + 1) % perLine == 0 || i + 1 == values.size()) text += "\r\n";
  }
  return text;
}

std::optional<std::string> WriteFileAtomically(const std::string& path, const std::string& text) {
  namespace fs = std::filesystem;
  fs::path target(path);
  if (target.filename().empty()) return "\"" + path + "\" is not a file name";

  // Saving through a link replaces the file it points to, not the link.
  std::error_code ec;
  if (fs::is_symlink(target, ec)) {
    const fs::path resolved = fs::canonical(target, ec);
    if (!ec) target = resolved;
  }
  if (target.parent_path().empty()) target = fs::path(".") / target;

  int error = 0;
  fs::path temporary;
  FileDescriptor fd(CreateTemporaryBeside(target, temporary, error));
  if (fd.get() < 0) return "cannot create a file in " + Quoted(target.parent_path().string()) + ": " + ErrnoText(error);

  // A replaced file keeps its permissions.
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
    (void)::fchmod(fd.get(), existing.st_mode & 07777);

  auto fail = [&](const std::string& what, int err) -> std::optional<std::string> {
    fd.close();
    ::unlink(temporary.c_str());
    return what + ": " + ErrnoText(err);
  };
  if (!WriteAll(fd.get(), text, error)) return fail("cannot write " + Quoted(target.string()), error);
  if (::fsync(fd.get()) != 0) return fail("cannot write " + Quoted(target.string()), errno);
  if (const int err = fd.close(); err != 0) return fail("cannot write " + Quoted(target.string()), err);
  if (::rename(temporary.c_str(), target.c_str()) != 0) return fail("cannot replace " + Quoted(target.string()), errno);

  // The rename itself reaches the disk with the folder; a failure here
  // leaves a complete file in place, so it is not reported.
  FileDescriptor folder(::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() >= 0) (void)::fsync(folder.get());
  return std::nullopt;
}

ParamReadResult ParseParamValues(std::string_view text, int count, bool nothingAfter) {
  if (count <= 0) return {};
  ValueScanner scanner(count, nothingAfter);
  for (char c : text)
    if (!scanner.take(c)) break;
  return scanner.finish();
}

ParamReadResult ReadParamValues(const std::string& path, int count, bool nothingAfter) {
  ParamReadResult result;
  if (count <= 0) return result;

  // A named pipe would block the open and a device would never end, so
  // anything but a regular file is refused before it is opened; the check is
  // made again on what was opened, in case the name changed in between.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    result.error = "cannot open the file: " + ErrnoText(errno);
    return result;
  }
  auto refused = [&result](const struct stat& what) {
    if (const std::string why = NotARegularFile(what.st_mode); !why.empty()) {
      result.error = "cannot open the file: " + why;
    } else if (what.st_size > kMaxParamFileBytes) {
      result.error = TooLarge(what.st_size);
    }
    return !result.error.empty();
  };
  if (refused(info)) return result;

  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    result.error = "cannot open the file: " + ErrnoText(errno);
    return result;
  }
  if (::fstat(fd.get(), &info) != 0) {
    result.error = "cannot read the file: " + ErrnoText(errno);
    return result;
  }
  if (refused(info)) return result;

  ValueScanner scanner(count, nothingAfter);
  char buffer[65536];
  long long total = 0;
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      result.error = "cannot read the file: " + ErrnoText(errno);
      return result;
    }
    if (n == 0) break;
    bool more = true;
    for (ssize_t i = 0; i < n && more; ++i) more = scanner.take(buffer[i]);
    if (!more) break;
    // A file that grows while it is read is not followed for ever.
    total += n;
    if (total > kMaxParamFileBytes) {
      result.error = TooLarge(total);
      return result;
    }
  }
  return scanner.finish();
}

}  // namespace brel
