#include "platform/lxfiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace lx {

bool FileExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& path) {
  if (path.empty()) return false;
  if (DirectoryExists(path)) return true;
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  const size_t slash = p.find_last_of('/');
  if (slash != std::string::npos && slash > 0) ForceDirectories(p.substr(0, slash));
  if (mkdir(p.c_str(), 0755) == 0) return true;
  return DirectoryExists(p);
}

namespace {
std::vector<std::string> ListEntries(const std::string& folder, bool wantDirs) {
  std::vector<std::string> names;
  DIR* dir = opendir(folder.c_str());
  if (!dir) return names;
  while (dirent* e = readdir(dir)) {
    const std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    std::string full = folder;
    if (!full.empty() && full.back() != '/') full += '/';
    full += name;
    if (wantDirs ? DirectoryExists(full) : FileExists(full)) names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}
}  // namespace

std::vector<std::string> ListSubfolders(const std::string& folder) {
  return ListEntries(folder, true);
}

std::vector<std::string> ListFiles(const std::string& folder) {
  return ListEntries(folder, false);
}

namespace {
thread_local int lastReadErrno = 0;

std::nullopt_t ReadFailed(int error, bool* missing) {
  lastReadErrno = error;
  if (missing) *missing = error == ENOENT || error == ENOTDIR;
  return std::nullopt;
}
}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, bool* missing) {
  if (missing) *missing = false;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return ReadFailed(errno, missing);
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int error = S_ISDIR(st.st_mode) ? EISDIR : errno;
    close(fd);
    return ReadFailed(error ? error : EINVAL, missing);
  }
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      close(fd);
      return ReadFailed(error, missing);
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  close(fd);
  return bytes;
}

std::string LastFileError() {
  return std::strerror(lastReadErrno);
}

bool MayReplaceFile(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) return errno == ENOENT || errno == ENOTDIR;
  // The superuser may write anything; a file it made read-only still says it should not be.
  if (geteuid() == 0) return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
  return faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

bool WriteFileAtomic(const std::string& path, const std::string& bytes) {
  if (!MayReplaceFile(path)) return false;
  struct stat target {};
  const bool replacing = stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode);
  const std::string temp = path + ".tmp";
  const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0) return false;
  bool ok = !replacing || fchmod(fd, target.st_mode & 0777) == 0;
  size_t done = 0;
  while (ok && done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = false;
      break;
    }
    done += static_cast<size_t>(n);
  }
  if (ok && fsync(fd) != 0) ok = false;
  if (close(fd) != 0) ok = false;
  if (ok && rename(temp.c_str(), path.c_str()) != 0) ok = false;
  if (!ok) unlink(temp.c_str());
  return ok;
}

bool DeleteFile(const std::string& path) {
  return unlink(path.c_str()) == 0;
}

std::string ProgramPath() {
  char buffer[4096];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0) return std::string();
  return std::string(buffer, static_cast<size_t>(n));
}

std::string ProgramFolder() {
  const std::string exe = ProgramPath();
  const size_t slash = exe.find_last_of('/');
  return slash == std::string::npos ? std::string("./") : exe.substr(0, slash + 1);
}

std::string WorkingFolder() {
  char buffer[4096];
  if (!getcwd(buffer, sizeof buffer)) return std::string("./");
  std::string dir = buffer;
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

bool EnsurePrivateFolder(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  if (mkdir(p.c_str(), 0700) != 0 && errno != EEXIST) {
    // A missing parent: create the parents (ordinary folders), then the private one.
    const size_t slash = p.find_last_of('/');
    if (slash == std::string::npos || !ForceDirectories(p.substr(0, slash + 1)) ||
        mkdir(p.c_str(), 0700) != 0)
      return false;
  }
  struct stat st {};
  // lstat: a symbolic link planted under the name is refused, never followed.
  if (lstat(p.c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 077) == 0;
}

std::string PrivateTempFolder(const std::string& base) {
  std::string root = base;
  if (root.empty()) root = "/tmp";
  if (root.back() != '/') root += '/';
  const std::string folder = root + "_lxvptmp-" + std::to_string(getuid()) + "/";
  return EnsurePrivateFolder(folder) ? folder : std::string();
}

}  // namespace lx
