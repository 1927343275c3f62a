// File system services: the only place that talks to POSIX file APIs.
// Paths are plain byte strings; folders end in '/'.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lx {

bool FileExists(const std::string& path);  // a regular file (or a link to one)
bool DirectoryExists(const std::string& path);
// Creates the folder and its missing parents (mode 0755); true when it exists afterwards.
bool ForceDirectories(const std::string& path);
// Names (not paths) of the sub-folders of a folder, sorted bytewise; "." and ".." left out.
std::vector<std::string> ListSubfolders(const std::string& folder);
std::vector<std::string> ListFiles(const std::string& folder);

// The whole file; nothing when it cannot be read. missing, when given, tells whether the cause
// is that there is no such file (any other failure: a file that is there but unreadable).
std::optional<std::string> ReadWholeFile(const std::string& path, bool* missing = nullptr);
// Why the last ReadWholeFile failed, as the system's text.
std::string LastFileError();
// Crash-safe write: name.tmp in the same folder, flushed, fsync'ed and renamed over the target.
// The new file keeps the permission bits of the one it replaces. A target that exists but is not
// writable by the user (a file made read-only) is refused. On any failure the previous file is
// left exactly as it was and false is returned.
bool WriteFileAtomic(const std::string& path, const std::string& bytes);
// False when the path names an existing file that the user may not write to.
bool MayReplaceFile(const std::string& path);
bool DeleteFile(const std::string& path);

// Folder of the running program file, from /proc/self/exe, ending in '/'.
std::string ProgramFolder();
// Full path of the running program file.
std::string ProgramPath();
// Working folder, ending in '/'.
std::string WorkingFolder();

// A folder private to the user under $TMPDIR (or /tmp): <base>/_lxvptmp-<uid>/, mode 0700.
// Refuses (returns empty) when the name exists but is not a real directory owned by the user
// (a link, a file, another user's folder) or has group/other access.
std::string PrivateTempFolder(const std::string& base);
// The same check for an existing or new folder at an exact path.
bool EnsurePrivateFolder(const std::string& path);

}  // namespace lx
