#include "engine/avi_empty_chunk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

namespace corvanta {
namespace {

// Headers and index entries are small and mostly close together: one large
// read serves thousands of them instead of a system call each.
constexpr std::size_t kBlockSize = 64 * 1024;
// About an hour of 25 fps video with its audio. Only files without a usable
// index are walked, and on a cold disk each header may cost a seek.
constexpr std::uint32_t kMaxChunksWalked = 200'000;
// RIFF, "movi", "rec ", and an extension's RIFF and lists when a first RIFF
// of unknown size runs over them.
constexpr int kMaxDepth = 6;
// Chunks directly in a RIFF form or in "hdrl"/"strl": a handful in any
// real file, so more means the structure is not what it claims.
constexpr int kMaxStructureChunks = 4096;
// Twenty hours of 25 fps video with audio in "idx1": beyond that the index is
// taken as damaged rather than read for seconds.
constexpr std::uint64_t kMaxIndexEntries = 8'000'000;
constexpr std::uint32_t kMaxSuperIndexEntries = 100'000;
constexpr std::uint32_t kOpenDmlHeaderSize = 24;
constexpr std::uint32_t kIdx1EntrySize = 16;
constexpr std::uint32_t kNotKeyFrame = 0x80000000u;

std::uint32_t LittleEndian32(const char* bytes) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

std::uint64_t LittleEndian64(const char* bytes) {
  return LittleEndian32(bytes) | (std::uint64_t{LittleEndian32(bytes + 4)} << 32);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsVideoChunk(std::string_view id) {
  return IsDigit(id[0]) && IsDigit(id[1]) && (id.substr(2) == "dc" || id.substr(2) == "db");
}

// Lists and RIFF forms that hold movie data, directly or further down.
bool HoldsMovieData(std::string_view form) {
  return form == "AVI " || form == "AVIX" || form == "movi" || form == "rec ";
}

// Serves small reads from one block read ahead, and refuses reads past the
// end, so the ByteReader is only ever asked for bytes that exist.
class BlockReader {
 public:
  BlockReader(const ByteReader& read, std::uint64_t size) : read_(read), size_(size) {}

  bool Read(std::uint64_t offset, char* out, std::size_t count) {
    if (offset > size_ || count > size_ - offset || count > kBlockSize) return false;
    if (offset < begin_ || offset + count > begin_ + filled_) {
      const std::size_t want =
          static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, size_ - offset));
      filled_ = 0;
      if (!read_(offset, buffer_.data(), want)) return false;
      begin_ = offset;
      filled_ = want;
    }
    std::memcpy(out, buffer_.data() + (offset - begin_), count);
    return true;
  }

  std::uint64_t size() const { return size_; }

 private:
  const ByteReader& read_;
  const std::uint64_t size_;
  std::vector<char> buffer_ = std::vector<char>(kBlockSize);
  std::uint64_t begin_ = 0;
  std::size_t filled_ = 0;
};

struct ChunkHeader {
  char id[4] = {};
  std::uint64_t payload = 0;  // where the chunk's data begins
  std::uint64_t size = 0;     // as written
  std::string_view Id() const { return {id, 4}; }
  std::uint64_t Next() const { return payload + size + (size & 1); }
};

bool ReadHeader(BlockReader& reader, std::uint64_t position, ChunkHeader& header) {
  char bytes[8];
  if (!reader.Read(position, bytes, sizeof bytes)) return false;
  std::memcpy(header.id, bytes, 4);
  header.payload = position + 8;
  header.size = LittleEndian32(bytes + 4);
  return true;
}

// Streaming writers leave the size of a RIFF form or "movi" list 0 or too
// large when they never come back to fill it in: it then runs to the end of
// what encloses it.
std::uint64_t OpenEnd(const ChunkHeader& header, std::uint64_t enclosingEnd) {
  if (header.size == 0 || header.size > enclosingEnd - header.payload) return enclosingEnd;
  return header.payload + header.size;
}

class ChunkWalk {
 public:
  explicit ChunkWalk(BlockReader& reader) : reader_(reader) {}

  bool FindEmptyVideoChunk(std::uint64_t begin, std::uint64_t end, int depth) {
    std::uint64_t position = begin;
    while (position + 8 <= end) {
      if (walked_++ >= kMaxChunksWalked) return false;
      ChunkHeader header;
      if (!ReadHeader(reader_, position, header)) return false;
      if (IsVideoChunk(header.Id()) && header.size == 0) return true;
      if ((header.Id() == "RIFF" || header.Id() == "LIST") && depth < kMaxDepth &&
          (header.size == 0 || header.size >= 4)) {
        char form[4];
        if (!reader_.Read(header.payload, form, sizeof form)) return false;
        if (HoldsMovieData(std::string_view(form, 4))) {
          const std::uint64_t listEnd = OpenEnd(header, end);
          if (FindEmptyVideoChunk(header.payload + 4, listEnd, depth + 1)) return true;
          if (header.size == 0) return false;  // it ran to the end
        }
      }
      position = header.Next();
    }
    return false;
  }

 private:
  BlockReader& reader_;
  std::uint32_t walked_ = 0;
};

// One RIFF form of the file: the first ("AVI ") or an OpenDML extension
// ("AVIX"). `moviBegin`/`moviEnd` bound what a walk must search.
struct Part {
  std::uint64_t begin = 0;
  std::uint64_t end = 0;
  std::uint64_t moviBegin = 0;
  std::uint64_t moviEnd = 0;
  int depth = 1;  // of the chunks in [moviBegin, moviEnd)
  bool indexed = false;
};

struct Layout {
  std::vector<Part> parts;
  bool hasIdx1 = false;
  std::uint64_t idx1Begin = 0;
  std::uint64_t idx1Size = 0;
  std::vector<ChunkHeader> superIndexes;  // the "indx" chunks of the streams
};

// Calls `visit` for each chunk in [begin, end) until it returns false.
template <typename Visit>
void ForEachChunk(BlockReader& reader, std::uint64_t begin, std::uint64_t end, Visit visit) {
  std::uint64_t position = begin;
  for (int count = 0; count < kMaxStructureChunks && position + 8 <= end; ++count) {
    ChunkHeader header;
    if (!ReadHeader(reader, position, header) || !visit(header)) return;
    position = header.Next();
  }
}

// A "movi" list may have size 0 (see OpenEnd); other lists hold at least their form.
bool ListForm(BlockReader& reader, const ChunkHeader& header, std::string_view form) {
  char bytes[4];
  return header.Id() == "LIST" && (header.size >= 4 || (header.size == 0 && form == "movi")) &&
         reader.Read(header.payload, bytes, 4) && std::string_view(bytes, 4) == form;
}

void FindSuperIndexes(BlockReader& reader, const ChunkHeader& hdrl, Layout& layout) {
  ForEachChunk(reader, hdrl.payload + 4, hdrl.payload + hdrl.size, [&](const ChunkHeader& strl) {
    if (ListForm(reader, strl, "strl")) {
      ForEachChunk(reader, strl.payload + 4, strl.payload + strl.size, [&](const ChunkHeader& c) {
        if (c.Id() == "indx") layout.superIndexes.push_back(c);
        return true;
      });
    }
    return true;
  });
}

Layout ReadLayout(BlockReader& reader) {
  Layout layout;
  ChunkHeader riff;
  ReadHeader(reader, 0, riff);
  Part first;
  first.begin = 12;
  first.end = OpenEnd(riff, reader.size());
  first.moviBegin = first.begin;
  first.moviEnd = first.end;
  ForEachChunk(reader, first.begin, first.end, [&](const ChunkHeader& chunk) {
    if (ListForm(reader, chunk, "hdrl") && chunk.size <= first.end - chunk.payload) {
      FindSuperIndexes(reader, chunk, layout);
    } else if (ListForm(reader, chunk, "movi")) {
      first.moviBegin = chunk.payload + 4;
      first.moviEnd = OpenEnd(chunk, first.end);
      first.depth = 2;
      return chunk.size != 0;
    } else if (chunk.Id() == "idx1") {
      layout.hasIdx1 = true;
      layout.idx1Begin = chunk.payload;
      layout.idx1Size = std::min(chunk.size, first.end - chunk.payload);
    }
    return true;
  });
  layout.parts.push_back(first);
  if (first.end < reader.size()) {
    ForEachChunk(reader, first.end + (first.end & 1), reader.size(), [&](const ChunkHeader& riff) {
      char form[4];
      if (riff.Id() != "RIFF" || !reader.Read(riff.payload, form, 4) ||
          std::string_view(form, 4) != "AVIX") {
        return false;
      }
      Part extension;
      extension.begin = riff.payload + 4;
      extension.end = OpenEnd(riff, reader.size());
      extension.moviBegin = extension.begin;
      extension.moviEnd = extension.end;
      layout.parts.push_back(extension);
      return riff.size != 0;
    });
  }
  return layout;
}

// Any video entry of size 0 in the first RIFF's classic index.
bool Idx1HoldsEmptyVideoChunk(BlockReader& reader, const Layout& layout) {
  const std::uint64_t entries = std::min(layout.idx1Size / kIdx1EntrySize, kMaxIndexEntries);
  for (std::uint64_t i = 0; i < entries; ++i) {
    char entry[kIdx1EntrySize];
    if (!reader.Read(layout.idx1Begin + i * kIdx1EntrySize, entry, sizeof entry)) return false;
    if (IsVideoChunk(std::string_view(entry, 4)) && LittleEndian32(entry + 12) == 0) return true;
  }
  return false;
}

enum class IndexAnswer { kEmptyEntry, kNoEmptyEntry, kOtherStream, kUnreadable };

// A standard index ("ix##"): {offset, size} per chunk, bit 31 of the size
// marking a frame that is no key frame.
IndexAnswer ReadStandardIndex(BlockReader& reader, std::uint64_t offset) {
  ChunkHeader chunk;
  char head[kOpenDmlHeaderSize];
  if (!ReadHeader(reader, offset, chunk) || chunk.size < kOpenDmlHeaderSize ||
      chunk.size > reader.size() - chunk.payload ||
      !reader.Read(chunk.payload, head, sizeof head)) {
    return IndexAnswer::kUnreadable;
  }
  const std::uint32_t stride =
      4 * (static_cast<unsigned char>(head[0]) | (static_cast<unsigned char>(head[1]) << 8));
  if (head[3] != 1 || stride < 8 || stride > 64) return IndexAnswer::kUnreadable;
  if (!IsVideoChunk(std::string_view(head + 8, 4))) return IndexAnswer::kOtherStream;
  const std::uint64_t entries =
      std::min<std::uint64_t>(LittleEndian32(head + 4), (chunk.size - kOpenDmlHeaderSize) / stride);
  for (std::uint64_t i = 0; i < entries; ++i) {
    char entry[8];
    if (!reader.Read(chunk.payload + kOpenDmlHeaderSize + i * stride, entry, sizeof entry)) {
      return IndexAnswer::kUnreadable;
    }
    if ((LittleEndian32(entry + 4) & ~kNotKeyFrame) == 0) return IndexAnswer::kEmptyEntry;
  }
  return IndexAnswer::kNoEmptyEntry;
}

// Follows each stream's super index to its standard indexes, skipping parts
// already decided; a part counts as indexed once one of its video indexes was
// read whole, and any other part is left to the walk.
bool OpenDmlHoldsEmptyVideoChunk(BlockReader& reader, Layout& layout) {
  const bool firstDecided = layout.parts.front().indexed;
  for (const ChunkHeader& indx : layout.superIndexes) {
    char head[kOpenDmlHeaderSize];
    if (indx.size < kOpenDmlHeaderSize || !reader.Read(indx.payload, head, sizeof head)) continue;
    const std::string_view stream(head + 8, 4);
    // Indexes of audio and text streams cannot name an empty video chunk.
    if (IsDigit(stream[0]) && IsDigit(stream[1]) && !IsVideoChunk(stream)) continue;
    if (head[0] != 4 || head[1] != 0 || head[3] != 0) continue;
    const std::uint32_t entries = std::min(
        {LittleEndian32(head + 4),
         static_cast<std::uint32_t>((indx.size - kOpenDmlHeaderSize) / 16), kMaxSuperIndexEntries});
    for (std::uint32_t i = 0; i < entries; ++i) {
      char entry[16];
      if (!reader.Read(indx.payload + kOpenDmlHeaderSize + i * 16, entry, sizeof entry)) break;
      const std::uint64_t offset = LittleEndian64(entry);
      const auto part =
          std::find_if(layout.parts.begin(), layout.parts.end(),
                       [offset](const Part& p) { return offset >= p.begin && offset < p.end; });
      if (part == layout.parts.end() || (part == layout.parts.begin() && firstDecided)) continue;
      switch (ReadStandardIndex(reader, offset)) {
        case IndexAnswer::kEmptyEntry:
          return true;
        case IndexAnswer::kNoEmptyEntry:
          part->indexed = true;
          break;
        case IndexAnswer::kOtherStream:
        case IndexAnswer::kUnreadable:
          break;
      }
    }
  }
  return false;
}

}  // namespace

bool HoldsEmptyAviVideoChunk(const ByteReader& read, std::uint64_t size) {
  BlockReader reader(read, size);
  char start[12];
  if (!reader.Read(0, start, sizeof start)) return false;
  if (std::memcmp(start, "RIFF", 4) != 0 || std::memcmp(start + 8, "AVI ", 4) != 0) return false;
  Layout layout = ReadLayout(reader);
  if (layout.hasIdx1 && layout.idx1Size >= kIdx1EntrySize) {
    if (Idx1HoldsEmptyVideoChunk(reader, layout)) return true;
    layout.parts.front().indexed = true;
  }
  if (OpenDmlHoldsEmptyVideoChunk(reader, layout)) return true;
  ChunkWalk walk(reader);
  for (const Part& part : layout.parts) {
    if (!part.indexed && walk.FindEmptyVideoChunk(part.moviBegin, part.moviEnd, part.depth)) {
      return true;
    }
  }
  return false;
}

bool FileHoldsEmptyAviVideoChunk(const std::string& path) {
  // Opening a named pipe for reading would wait for a writer, with the window
  // frozen; O_NONBLOCK returns at once, and only a regular file is read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  bool found = false;
  if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
    const ByteReader read = [fd](std::uint64_t offset, char* out, std::size_t count) {
      return ::pread(fd, out, count, static_cast<off_t>(offset)) == static_cast<ssize_t>(count);
    };
    found = HoldsEmptyAviVideoChunk(read, static_cast<std::uint64_t>(status.st_size));
  }
  ::close(fd);
  return found;
}

}  // namespace corvanta
