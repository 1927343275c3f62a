// Resource archives (".lxr") and the resource manager that answers for names in them.
//
// Archive layout, all integers little-endian:
//   header (32 bytes): "vovi", record count (uint32), table offset (uint32), 20 reserved bytes;
//   table: per record the name length (int32), the name bytes, the record offset (int32);
//   record: type (uint16), uncompressed size (int32), stored size (int32), CRC-32 of the
//           uncompressed data (uint32), date (double, days since 1899-12-30), then one zlib
//           stream of the stored size.
// Record names are paths with backslashes ("MAINROOM\theme.scn"); lookups ignore ASCII case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

struct TLxBitmap;

// Error codes of the archive reader.
constexpr int32_t arcOk = 0;
constexpr int32_t arcReadError = -5;         // header, table or a record header could not be read
constexpr int32_t arcCreateError = -6;       // a missing archive could not be created
constexpr int32_t arcOpenError = -7;         // the file exists but cannot be opened
constexpr int32_t arcNotFound = -10;         // no record of that name
constexpr int32_t arcCrcError = -11;         // the inflated data does not match the stored CRC-32
constexpr int32_t arcInflateError = -16385;  // bad zlib data, wrong length or absurd sizes

// Font records carry this record type; other types are not interpreted.
constexpr uint16_t arcFontRecordType = 5;
constexpr size_t arcHeaderSize = 32;
constexpr size_t arcRecordHeaderSize = 22;
// Largest uncompressed record the reader accepts; a larger stated size marks the record corrupt.
constexpr int32_t arcMaxRecordSize = 64 * 1024 * 1024;

struct TLxArchiveRecord {
  std::string Name;
  int32_t Offset = 0;
  uint16_t RecordType = 0;
  int32_t UncompressedSize = 0;
  int32_t StoredSize = 0;
  uint32_t Crc = 0;
  double Date = 0;
};

// Parses the header and table of an archive image in memory; arcOk or arcReadError (the list is
// then empty).
int32_t ParseArchiveTable(std::string_view image, std::vector<TLxArchiveRecord>& records);
// Reads one record of an archive image in memory, appending its data to destination.
int32_t ReadArchiveRecord(std::string_view image, const std::string& name,
                          std::string& destination);
// CRC-32 (zlib / ISO-HDLC); 0 for empty data.
uint32_t ArchiveCrc32(std::string_view data);

class TLxArchive {
 public:
  explicit TLxArchive(std::string fileName = std::string());

  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& fileName) { FFileName = fileName; }

  // Reads the header and the table; a missing file is first created as an empty archive.
  // Returns arcOk or an error code; after an error the archive has no records.
  int32_t Open();
  void Close() { Records.clear(); }

  int32_t Count() const { return static_cast<int32_t>(Records.size()); }
  // Index of the first record whose name equals the argument ignoring ASCII case, or -1.
  int32_t Find(const std::string& name) const;
  uint16_t RecordType(int32_t index) const {
    return Records[static_cast<size_t>(index)].RecordType;
  }
  const std::string& RecordName(int32_t index) const {
    return Records[static_cast<size_t>(index)].Name;
  }
  const TLxArchiveRecord& Record(int32_t index) const {
    return Records[static_cast<size_t>(index)];
  }

  // Opens the file anew, re-reads its table, inflates the record and checks its CRC; only then
  // appends the data to destination. arcOk or an error code.
  int32_t Read(const std::string& name, std::string& destination) const;

 private:
  std::string FFileName;
  std::vector<TLxArchiveRecord> Records;
};

// Writing archives (the pack tool and tests).
struct TLxArchiveSource {
  std::string Name;
  uint16_t RecordType = 0;
  std::string Data;
  double Date = 0;
};

// The complete archive file for the records, in the given order; level is zlib's 0..9.
// Empty when a record cannot be represented (name or data too large).
std::string EncodeArchive(const std::vector<TLxArchiveSource>& records, int level = 9);
// A point in time (seconds since 1970, UTC) as the archive's date value.
double ArchiveDateOf(int64_t unixSeconds);

// Whether a record name may become a file name inside a folder: no NUL, no '/', no "." or ".."
// component (between backslashes), not empty.
bool IsSafeRecordName(const std::string& name);

// The two archives of the game and the loose files that override their records.
class TLxResourceManager {
 public:
  // Opens DataFolder + "fonts.lxr" and PakFolder + "default.lxr" of the settings; extracted
  // records go to the settings' TempFolder.
  TLxResourceManager();
  // The same with explicit folders (each ending in '/').
  TLxResourceManager(const std::string& dataFolder, const std::string& pakFolder,
                     const std::string& tempFolder);
  ~TLxResourceManager();
  TLxResourceManager(const TLxResourceManager&) = delete;
  TLxResourceManager& operator=(const TLxResourceManager&) = delete;

  bool FileExists(const std::string& name) const;
  // The path of the loose file, or of the record written into the temporary folder; empty when
  // neither can be had.
  std::string ExtractFile(const std::string& name) const;
  bool LoadBitmap(const std::string& name, TLxBitmap& bitmap) const;

  // The loose file that would override a record name, or empty (no override folder, an unsafe
  // name or no such file).
  std::string OverridePath(const std::string& name) const;

  TLxArchive FontArchive;
  TLxArchive Archive;
  std::string OverrideFolder;
  std::string TempFolder;

 private:
  void OpenArchives(const std::string& dataFolder, const std::string& pakFolder);
};

extern TLxResourceManager* ResourceManager;

}  // namespace lx
