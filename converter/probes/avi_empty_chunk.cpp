#include "probes/avi_empty_chunk.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "probes/byte_order.h"

namespace corvanta {
namespace {

// RIFF, "movi", "rec ", and an extension's RIFF and lists when a first RIFF
// of unknown size runs over them.
constexpr int kMaxDepth = 6;
constexpr std::uint32_t kOpenDmlHeaderSize = 24;
constexpr std::uint32_t kIdx1EntrySize = 16;
constexpr std::uint32_t kNotKeyFrame = 0x80000000u;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsVideoChunk(std::string_view id) {
  return IsDigit(id[0]) && IsDigit(id[1]) && (id.substr(2) == "dc" || id.substr(2) == "db");
}

// Indexes of audio and text streams cannot name an empty video chunk.
bool IsOtherStream(std::string_view id) {
  return IsDigit(id[0]) && IsDigit(id[1]) && !IsVideoChunk(id);
}

// Lists and RIFF forms that hold movie data, directly or further down.
bool HoldsMovieData(std::string_view form) {
  return form == "AVI " || form == "AVIX" || form == "movi" || form == "rec ";
}

bool WalkFindsEmptyVideoChunk(BlockReader& reader, std::uint64_t begin, std::uint64_t end,
                              int depth) {
  for (std::uint64_t position = begin; position + 8 <= end;) {
    RiffChunk chunk;
    if (!reader.TakeEntries() || !ReadRiffChunk(reader, position, chunk)) return false;
    if (IsVideoChunk(chunk.Id()) && chunk.size == 0) return true;
    if ((chunk.Id() == "RIFF" || chunk.Id() == "LIST") && depth < kMaxDepth &&
        (chunk.size == 0 || chunk.size >= 4)) {
      char form[4];
      if (!reader.Read(chunk.payload, form, sizeof form)) return false;
      if (HoldsMovieData(std::string_view(form, 4))) {
        if (WalkFindsEmptyVideoChunk(reader, chunk.payload + 4, OpenEnd(chunk, end), depth + 1)) {
          return true;
        }
        if (chunk.size == 0) return false;  // it ran to the end
      }
    }
    position = chunk.Next();
  }
  return false;
}

bool Idx1HoldsEmptyVideoChunk(BlockReader& reader, const RiffChunk& idx1, std::uint64_t entries) {
  for (std::uint64_t i = 0; i < entries; ++i) {
    char entry[kIdx1EntrySize];
    if (!reader.TakeEntries() ||
        !reader.Read(idx1.payload + i * kIdx1EntrySize, entry, sizeof entry)) {
      return false;
    }
    if (IsVideoChunk(std::string_view(entry, 4)) && LittleEndian32(entry + 12) == 0) return true;
  }
  return false;
}

enum class IndexAnswer { kEmptyEntry, kNoEmptyEntry, kOtherStream, kUnreadable };

// A standard index ("ix##"): {offset, size} per chunk, bit 31 of the size
// marking a frame that is no key frame.
IndexAnswer ReadStandardIndex(BlockReader& reader, std::uint64_t offset) {
  RiffChunk chunk;
  char head[kOpenDmlHeaderSize];
  if (!ReadRiffChunk(reader, offset, chunk) || chunk.size < kOpenDmlHeaderSize ||
      chunk.size > reader.size() - chunk.payload ||
      !reader.Read(chunk.payload, head, sizeof head)) {
    return IndexAnswer::kUnreadable;
  }
  const std::uint32_t stride = 4 * LittleEndian16(head);
  if (head[3] != 1 || stride < 8 || stride > 64) return IndexAnswer::kUnreadable;
  if (!IsVideoChunk(std::string_view(head + 8, 4))) return IndexAnswer::kOtherStream;
  const std::uint64_t entries =
      std::min<std::uint64_t>(LittleEndian32(head + 4), (chunk.size - kOpenDmlHeaderSize) / stride);
  for (std::uint64_t i = 0; i < entries; ++i) {
    char entry[8];
    if (!reader.TakeEntries() ||
        !reader.Read(chunk.payload + kOpenDmlHeaderSize + i * stride, entry, sizeof entry)) {
      return IndexAnswer::kUnreadable;
    }
    if ((LittleEndian32(entry + 4) & ~kNotKeyFrame) == 0) return IndexAnswer::kEmptyEntry;
  }
  return IndexAnswer::kNoEmptyEntry;
}

// The standard indexes that the video streams' super indexes name, each
// once, in file order.
std::vector<std::uint64_t> NamedStandardIndexes(BlockReader& reader, const AviLayout& layout) {
  std::vector<std::uint64_t> offsets;
  for (const RiffChunk& indx : layout.superIndexes) {
    std::string stream;
    std::vector<AviSuperIndexEntry> entries;
    ReadAviSuperIndex(reader, indx, stream, entries);
    if (IsOtherStream(stream)) continue;
    for (const AviSuperIndexEntry& entry : entries) offsets.push_back(entry.offset);
  }
  std::sort(offsets.begin(), offsets.end());
  offsets.erase(std::unique(offsets.begin(), offsets.end()), offsets.end());
  return offsets;
}

// A part counts as indexed once one of its video indexes was read whole,
// and any other part is left to the walk.
bool OpenDmlHoldsEmptyVideoChunk(BlockReader& reader, const AviLayout& layout,
                                 std::vector<bool>& indexed) {
  const bool firstDecided = indexed.front();
  for (const std::uint64_t offset : NamedStandardIndexes(reader, layout)) {
    const auto part =
        std::find_if(layout.parts.begin(), layout.parts.end(),
                     [offset](const AviPart& p) { return offset >= p.begin && offset < p.end; });
    if (part == layout.parts.end() || (part == layout.parts.begin() && firstDecided)) continue;
    switch (ReadStandardIndex(reader, offset)) {
      case IndexAnswer::kEmptyEntry:
        return true;
      case IndexAnswer::kNoEmptyEntry:
        indexed[static_cast<std::size_t>(part - layout.parts.begin())] = true;
        break;
      case IndexAnswer::kOtherStream:
      case IndexAnswer::kUnreadable:
        break;
    }
  }
  return false;
}

}  // namespace

bool HoldsEmptyAviVideoChunk(BlockReader& reader, const AviLayout& layout) {
  if (layout.parts.empty()) return false;
  std::vector<bool> indexed(layout.parts.size(), false);
  const AviPart& first = layout.parts.front();
  const std::uint64_t idx1Entries =
      layout.idx1 ? std::min(layout.idx1->size, first.end - layout.idx1->payload) / kIdx1EntrySize
                  : 0;
  if (idx1Entries > 0) {
    if (Idx1HoldsEmptyVideoChunk(reader, *layout.idx1, idx1Entries)) return true;
    indexed.front() = true;
  }
  if (OpenDmlHoldsEmptyVideoChunk(reader, layout, indexed)) return true;
  for (std::size_t i = 0; i < layout.parts.size(); ++i) {
    const AviPart& part = layout.parts[i];
    if (!indexed[i] && WalkFindsEmptyVideoChunk(reader, part.moviBegin, part.moviEnd, part.depth)) {
      return true;
    }
  }
  return false;
}

}  // namespace corvanta
