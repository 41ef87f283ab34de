#include "probes/avi_layout.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "probes/byte_order.h"

namespace corvanta {
namespace {

constexpr std::uint32_t kOpenDmlHeaderSize = 24;
constexpr std::uint32_t kSuperIndexEntrySize = 16;
constexpr std::size_t kStreamHeaderSize = 36;  // up to and with dwLength

void ReadStreamList(BlockReader& reader, const RiffChunk& strl, AviLayout& layout) {
  AviStreamHeader stream;
  ForEachRiffChunk(reader, strl.payload + 4, strl.payload + strl.size, [&](const RiffChunk& c) {
    char head[kStreamHeaderSize];
    if (c.Id() == "strh" && c.size >= kStreamHeaderSize &&
        reader.Read(c.payload, head, sizeof head)) {
      stream.type.assign(head, 4);
      stream.scale = LittleEndian32(head + 20);
      stream.rate = LittleEndian32(head + 24);
      stream.length = LittleEndian32(head + 32);
    } else if (c.Id() == "indx") {
      layout.superIndexes.push_back(c);
    }
    return true;
  });
  layout.streams.push_back(stream);
}

void ReadHeaderList(BlockReader& reader, const RiffChunk& hdrl, AviLayout& layout) {
  layout.headersFound = true;
  ForEachRiffChunk(reader, hdrl.payload + 4, hdrl.payload + hdrl.size, [&](const RiffChunk& c) {
    if (IsRiffList(reader, c, "strl")) {
      ReadStreamList(reader, c, layout);
    } else if (IsRiffList(reader, c, "odml")) {
      ForEachRiffChunk(reader, c.payload + 4, c.payload + c.size, [&](const RiffChunk& dmlh) {
        char frames[4];
        if (dmlh.Id() == "dmlh" && dmlh.size >= 4 && reader.Read(dmlh.payload, frames, 4)) {
          layout.openDmlFrames = LittleEndian32(frames);
        }
        return true;
      });
    }
    return true;
  });
}

// Until a "movi" list is found, the walk for movie chunks searches the whole form.
AviPart PartOf(const RiffChunk& form, std::uint64_t fileSize) {
  AviPart part;
  part.begin = form.payload + 4;
  part.end = OpenEnd(form, fileSize);
  part.claimedEnd = form.size == 0 ? 0 : form.payload + form.size;
  part.moviBegin = part.begin;
  part.moviEnd = part.end;
  return part;
}

// A list that claims more than its enclosing form holds is not read.
bool Fits(const RiffChunk& chunk, std::uint64_t end) { return chunk.size <= end - chunk.payload; }

}  // namespace

bool IsAvi(BlockReader& reader) {
  char start[12];
  return reader.Read(0, start, sizeof start) && std::memcmp(start, "RIFF", 4) == 0 &&
         std::memcmp(start + 8, "AVI ", 4) == 0;
}

AviLayout ReadAviLayout(BlockReader& reader) {
  AviLayout layout;
  RiffChunk riff;
  if (!ReadRiffChunk(reader, 0, riff)) return layout;
  AviPart first = PartOf(riff, reader.size());
  ForEachRiffChunk(reader, first.begin, first.end, [&](const RiffChunk& chunk) {
    if (IsRiffList(reader, chunk, "hdrl") && Fits(chunk, first.end)) {
      ReadHeaderList(reader, chunk, layout);
    } else if (IsRiffList(reader, chunk, "movi")) {
      first.moviBegin = chunk.payload + 4;
      first.moviEnd = OpenEnd(chunk, first.end);
      first.depth = 2;
      return chunk.size != 0;
    } else if (chunk.Id() == "idx1") {
      layout.idx1 = chunk;
    }
    return true;
  });
  layout.parts.push_back(first);
  if (first.end >= reader.size()) return layout;
  ForEachRiffChunk(reader, first.end + (first.end & 1), reader.size(), [&](const RiffChunk& form) {
    char name[4];
    if (form.Id() != "RIFF" || !reader.Read(form.payload, name, 4) ||
        std::string_view(name, 4) != "AVIX") {
      return false;
    }
    layout.parts.push_back(PartOf(form, reader.size()));
    return form.size != 0;
  });
  return layout;
}

bool AviFormsFinished(const AviLayout& layout, std::uint64_t fileSize) {
  if (layout.parts.empty()) return false;
  for (const AviPart& part : layout.parts) {
    if (part.claimedEnd == 0 || part.claimedEnd > fileSize + 1) return false;
  }
  return true;
}

bool ReadAviSuperIndex(BlockReader& reader, const RiffChunk& indx, std::string& stream,
                       std::vector<AviSuperIndexEntry>& entries) {
  char head[kOpenDmlHeaderSize];
  if (indx.size < kOpenDmlHeaderSize || !reader.Read(indx.payload, head, sizeof head)) {
    return false;
  }
  // Four longs per entry, index of indexes.
  if (head[0] != 4 || head[1] != 0 || head[3] != 0) return false;
  stream.assign(head + 8, 4);
  const std::uint64_t count = std::min<std::uint64_t>(
      LittleEndian32(head + 4), (indx.size - kOpenDmlHeaderSize) / kSuperIndexEntrySize);
  if (!reader.TakeEntries(count)) return false;
  for (std::uint64_t i = 0; i < count; ++i) {
    char entry[kSuperIndexEntrySize];
    if (!reader.Read(indx.payload + kOpenDmlHeaderSize + i * kSuperIndexEntrySize, entry,
                     sizeof entry)) {
      return false;
    }
    entries.push_back({LittleEndian64(entry), LittleEndian32(entry + 8)});
  }
  return true;
}

}  // namespace corvanta
