// The archive reader and writer. The reader works on a byte source (a file read with pread, or an
// image in memory) and checks every stated size against what the source holds before it reads
// or allocates anything.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>

#include "base/lxutils.h"
#include "platform/lxfiles.h"
#include "shell/lxresources.h"

namespace lx {

namespace {

// A stored record of the largest accepted size may be a little larger than its data.
constexpr int64_t maxStoredSize = static_cast<int64_t>(arcMaxRecordSize) * 2;
// Deflate cannot expand data by more than about 1032 to 1: a record claiming more is corrupt.
constexpr int64_t maxDeflateRatio = 1032;

class TByteSource {
 public:
  virtual ~TByteSource() = default;
  virtual int64_t Size() const = 0;
  // Exactly n bytes at offset, or false.
  virtual bool ReadAt(int64_t offset, void* dst, size_t n) const = 0;
};

class TMemorySource : public TByteSource {
 public:
  explicit TMemorySource(std::string_view image) : Image(image) {}
  int64_t Size() const override { return static_cast<int64_t>(Image.size()); }
  bool ReadAt(int64_t offset, void* dst, size_t n) const override {
    if (offset < 0 || static_cast<uint64_t>(offset) > Image.size() ||
        n > Image.size() - static_cast<size_t>(offset))
      return false;
    if (n) std::memcpy(dst, Image.data() + offset, n);
    return true;
  }

 private:
  std::string_view Image;
};

class TFileSource : public TByteSource {
 public:
  explicit TFileSource(const std::string& path) {
    Fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (Fd >= 0 && (fstat(Fd, &st) != 0 || !S_ISREG(st.st_mode))) {
      close(Fd);
      Fd = -1;
    }
    if (Fd >= 0) FSize = st.st_size;
  }
  ~TFileSource() override {
    if (Fd >= 0) close(Fd);
  }
  TFileSource(const TFileSource&) = delete;
  TFileSource& operator=(const TFileSource&) = delete;
  bool IsOpen() const { return Fd >= 0; }
  int64_t Size() const override { return FSize; }
  bool ReadAt(int64_t offset, void* dst, size_t n) const override {
    if (offset < 0 || offset > FSize || static_cast<int64_t>(n) > FSize - offset) return false;
    auto* p = static_cast<char*>(dst);
    while (n > 0) {
      const ssize_t got = pread(Fd, p, n, offset);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;
      p += got;
      n -= static_cast<size_t>(got);
      offset += got;
    }
    return true;
  }

 private:
  int Fd = -1;
  int64_t FSize = 0;
};

uint32_t U32At(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

int32_t I32At(const unsigned char* p) {
  return static_cast<int32_t>(U32At(p));
}

uint64_t U64At(const unsigned char* p) {
  return static_cast<uint64_t>(U32At(p)) | (static_cast<uint64_t>(U32At(p + 4)) << 32);
}

void PutU16(std::string& out, uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

void PutU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutU64(std::string& out, uint64_t v) {
  PutU32(out, static_cast<uint32_t>(v));
  PutU32(out, static_cast<uint32_t>(v >> 32));
}

int32_t ParseTable(const TByteSource& src, std::vector<TLxArchiveRecord>& records) {
  records.clear();
  const int64_t size = src.Size();
  unsigned char header[arcHeaderSize];
  if (!src.ReadAt(0, header, sizeof header)) return arcReadError;
  const uint32_t count = U32At(header + 4);
  const int64_t tableOffset = U32At(header + 8);
  if (tableOffset > size) return arcReadError;
  // Every table entry takes at least eight bytes: a count the file cannot hold is refused
  // before anything is reserved for it.
  if (static_cast<int64_t>(count) > (size - tableOffset) / 8) return arcReadError;
  std::vector<TLxArchiveRecord> list;
  list.reserve(count);
  int64_t pos = tableOffset;
  for (uint32_t i = 0; i < count; ++i) {
    unsigned char word[4];
    if (!src.ReadAt(pos, word, 4)) return arcReadError;
    pos += 4;
    const int32_t nameLength = I32At(word);
    if (nameLength < 0 || nameLength > size - pos) return arcReadError;
    TLxArchiveRecord record;
    record.Name.resize(static_cast<size_t>(nameLength));
    if (!src.ReadAt(pos, record.Name.data(), record.Name.size())) return arcReadError;
    pos += nameLength;
    if (!src.ReadAt(pos, word, 4)) return arcReadError;
    pos += 4;
    record.Offset = I32At(word);
    unsigned char rh[arcRecordHeaderSize];
    if (record.Offset < 0 || !src.ReadAt(record.Offset, rh, sizeof rh)) return arcReadError;
    record.RecordType = static_cast<uint16_t>(rh[0] | (rh[1] << 8));
    record.UncompressedSize = I32At(rh + 2);
    record.StoredSize = I32At(rh + 6);
    record.Crc = U32At(rh + 10);
    record.Date = std::bit_cast<double>(U64At(rh + 14));
    list.push_back(std::move(record));
  }
  records = std::move(list);
  return arcOk;
}

int32_t FindIn(const std::vector<TLxArchiveRecord>& records, const std::string& name) {
  for (size_t i = 0; i < records.size(); ++i)
    if (SameText(records[i].Name, name)) return static_cast<int32_t>(i);
  return -1;
}

// Inflates exactly expected bytes from one complete zlib stream.
bool InflateExact(const std::string& stored, int32_t expected, std::string& out) {
  // One byte more than expected: a stream that yields more data fills it and is refused.
  out.assign(static_cast<size_t>(expected) + 1, '\0');
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK) return false;
  zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stored.data()));
  zs.avail_in = static_cast<uInt>(stored.size());
  zs.next_out = reinterpret_cast<Bytef*>(out.data());
  zs.avail_out = static_cast<uInt>(out.size());
  int rc;
  do {
    rc = inflate(&zs, Z_FINISH);
  } while (rc == Z_OK);
  const uLong produced = zs.total_out;
  inflateEnd(&zs);
  if (rc != Z_STREAM_END || produced != static_cast<uLong>(expected)) return false;
  out.resize(static_cast<size_t>(expected));
  return true;
}

int32_t ReadRecord(const TByteSource& src, const std::string& name, std::string& destination) {
  std::vector<TLxArchiveRecord> records;
  const int32_t rc = ParseTable(src, records);
  if (rc != arcOk) return rc;
  const int32_t index = FindIn(records, name);
  if (index < 0) return arcNotFound;
  const TLxArchiveRecord& r = records[static_cast<size_t>(index)];
  const int64_t dataOffset =
      static_cast<int64_t>(r.Offset) + static_cast<int64_t>(arcRecordHeaderSize);
  // Sizes that cannot be true mark the record corrupt before anything is allocated for them.
  if (r.UncompressedSize < 0 || r.UncompressedSize > arcMaxRecordSize || r.StoredSize < 0 ||
      r.StoredSize > maxStoredSize || r.StoredSize > src.Size() - dataOffset ||
      r.UncompressedSize > static_cast<int64_t>(r.StoredSize) * maxDeflateRatio + 1024)
    return arcInflateError;
  std::string stored(static_cast<size_t>(r.StoredSize), '\0');
  if (!src.ReadAt(dataOffset, stored.data(), stored.size())) return arcReadError;
  std::string data;
  if (!InflateExact(stored, r.UncompressedSize, data)) return arcInflateError;
  if (ArchiveCrc32(data) != r.Crc) return arcCrcError;
  destination += data;
  return arcOk;
}

}  // namespace

uint32_t ArchiveCrc32(std::string_view data) {
  uLong crc = crc32(0L, Z_NULL, 0);
  const auto* p = reinterpret_cast<const Bytef*>(data.data());
  size_t left = data.size();
  while (left > 0) {
    const uInt chunk = left > (1u << 30) ? (1u << 30) : static_cast<uInt>(left);
    crc = crc32(crc, p, chunk);
    p += chunk;
    left -= chunk;
  }
  return static_cast<uint32_t>(crc);
}

int32_t ParseArchiveTable(std::string_view image, std::vector<TLxArchiveRecord>& records) {
  return ParseTable(TMemorySource(image), records);
}

int32_t ReadArchiveRecord(std::string_view image, const std::string& name,
                          std::string& destination) {
  return ReadRecord(TMemorySource(image), name, destination);
}

TLxArchive::TLxArchive(std::string fileName) : FFileName(std::move(fileName)) {}

int32_t TLxArchive::Open() {
  Records.clear();
  struct stat st {};
  if (stat(FFileName.c_str(), &st) != 0) {
    if (errno != ENOENT) return arcOpenError;
    // A missing archive is created empty and is then open with no records.
    if (!WriteFileAtomic(FFileName, EncodeArchive({}))) return arcCreateError;
    return arcOk;
  }
  TFileSource src(FFileName);
  if (!src.IsOpen()) return arcOpenError;
  return ParseTable(src, Records);
}

int32_t TLxArchive::Find(const std::string& name) const {
  return FindIn(Records, name);
}

int32_t TLxArchive::Read(const std::string& name, std::string& destination) const {
  TFileSource src(FFileName);
  if (!src.IsOpen()) return arcOpenError;
  return ReadRecord(src, name, destination);
}

std::string EncodeArchive(const std::vector<TLxArchiveSource>& records, int level) {
  constexpr int64_t limit = std::numeric_limits<int32_t>::max();
  std::string table;
  std::string body;
  std::vector<std::string> packed;
  packed.reserve(records.size());
  int64_t tableSize = 0;
  for (const TLxArchiveSource& r : records) {
    if (r.Name.size() > static_cast<size_t>(limit) || r.Data.size() > static_cast<size_t>(limit))
      return std::string();
    tableSize += 8 + static_cast<int64_t>(r.Name.size());
    uLongf bound = compressBound(static_cast<uLong>(r.Data.size()));
    std::string z(bound, '\0');
    if (compress2(reinterpret_cast<Bytef*>(z.data()), &bound,
                  reinterpret_cast<const Bytef*>(r.Data.data()), static_cast<uLong>(r.Data.size()),
                  level) != Z_OK)
      return std::string();
    z.resize(bound);
    packed.push_back(std::move(z));
  }
  // Header, then the table, then the records in table order.
  int64_t offset = static_cast<int64_t>(arcHeaderSize) + tableSize;
  for (size_t i = 0; i < records.size(); ++i) {
    const TLxArchiveSource& r = records[i];
    if (offset > limit) return std::string();
    PutU32(table, static_cast<uint32_t>(r.Name.size()));
    table += r.Name;
    PutU32(table, static_cast<uint32_t>(offset));
    PutU16(body, r.RecordType);
    PutU32(body, static_cast<uint32_t>(r.Data.size()));
    PutU32(body, static_cast<uint32_t>(packed[i].size()));
    PutU32(body, ArchiveCrc32(r.Data));
    PutU64(body, std::bit_cast<uint64_t>(r.Date));
    body += packed[i];
    offset += static_cast<int64_t>(arcRecordHeaderSize + packed[i].size());
  }
  std::string out = "vovi";
  PutU32(out, static_cast<uint32_t>(records.size()));
  PutU32(out, static_cast<uint32_t>(arcHeaderSize));
  out.append(arcHeaderSize - out.size(), '\0');
  out += table;
  out += body;
  return out;
}

double ArchiveDateOf(int64_t unixSeconds) {
  // 1970-01-01 is day 25569 after 1899-12-30.
  return 25569.0 + static_cast<double>(unixSeconds) / 86400.0;
}

bool IsSafeRecordName(const std::string& name) {
  if (name.empty() || name.find('\0') != std::string::npos || name.find('/') != std::string::npos)
    return false;
  size_t start = 0;
  for (;;) {
    const size_t end = name.find('\\', start);
    const std::string_view part = std::string_view(name).substr(
        start, end == std::string::npos ? std::string::npos : end - start);
    if (part == "." || part == "..") return false;
    if (end == std::string::npos) return true;
    start = end + 1;
  }
}

}  // namespace lx
