#include "param_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "numtext.h"

namespace brel {
namespace {

std::string ErrnoText(int error) { return std::system_category().message(error); }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

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
    if (nothingAfter_ && done() && token_.empty()) {
      if (separator) return true;
      error_ = "the file holds more than " + std::to_string(count_) + " values";
      return false;
    }
    if (!separator) {
      if (token_.empty()) tokenLine_ = line_;
      if (token_.size() < kMaxShownToken) {
        token_.push_back(c);
      } else {
        tokenTooLong_ = true;
        tailIsDigits_ = tailIsDigits_ && c >= '0' && c <= '9';
      }
      return true;
    }
    if (!token_.empty() && !finishToken()) return false;
    if (c == ',') {
      // Two commas with nothing between them would invent a value.
      if (!fieldHasValue_) {
        error_ = "line " + std::to_string(line_) + " holds an empty value before a comma";
        return false;
      }
      fieldHasValue_ = false;
    }
    if (c == '\n') ++line_;
    return nothingAfter_ || !done();
  }

  ParamReadResult finish() {
    if (error_.empty() && !done() && !token_.empty()) finishToken();
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

  bool done() const { return static_cast<int>(values_.size()) >= count_; }

  bool finishToken() {
    const std::string token = token_;
    const std::string shown = tokenTooLong_ ? token + "..." : token;
    bool whole = tailIsDigits_;
    token_.clear();
    tokenTooLong_ = false;
    tailIsDigits_ = true;

    const std::size_t digitsFrom = (token[0] == '-' || token[0] == '+') ? 1 : 0;
    whole = whole && digitsFrom < token.size();
    for (std::size_t i = digitsFrom; whole && i < token.size(); ++i) whole = token[i] >= '0' && token[i] <= '9';
    const std::string where = "line " + std::to_string(tokenLine_) + " holds ";
    if (!whole) {
      error_ = where + Quoted(Printable(shown)) + ", which is not a whole number";
      return false;
    }
    long value = 0;
    for (std::size_t i = digitsFrom; i < token.size() && value <= 255; ++i) value = value * 10 + (token[i] - '0');
    const bool negative = token[0] == '-' && value != 0;
    if (negative || value > 255 || shown.size() != token.size()) {
      error_ = where + shown + ", which is outside 0 to 255";
      return false;
    }
    values_.push_back(static_cast<std::int16_t>(value));
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
  std::string token_;
  bool tokenTooLong_ = false;
  bool tailIsDigits_ = true;  // the characters beyond the shown part
  int tokenLine_ = 1;
  int line_ = 1;
  bool fieldHasValue_ = false;
  std::string error_;
};

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
    temporary = target.parent_path() /
                ("." + target.filename().string() + "." + std::to_string(::getpid()) + "." +
                 std::to_string(attempt) + ".tmp");
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

ParamReadResult ReadParamValues(const std::string& path, int count, bool nothingAfter) {
  ParamReadResult result;
  if (count <= 0) return result;

  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    result.error = "cannot open the file: " + ErrnoText(errno);
    return result;
  }
  ValueScanner scanner(count, nothingAfter);
  char buffer[65536];
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
  }
  return scanner.finish();
}

}  // namespace brel
