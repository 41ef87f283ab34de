#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "probes/block_reader.h"
#include "probes/riff_chunk.h"

namespace corvanta {

// One RIFF form of an AVI: the first ("AVI ") or an OpenDML extension ("AVIX").
struct AviPart {
  std::uint64_t begin = 0;  // its first chunk
  std::uint64_t end = 0;    // where it ends, cut at the end of the file
  // Where its size says it ends; 0 when the size is 0 (never filled in).
  std::uint64_t claimedEnd = 0;
  // What a walk for movie chunks must search, and how deep those chunks lie.
  std::uint64_t moviBegin = 0;
  std::uint64_t moviEnd = 0;
  int depth = 1;
};

// What a stream header ("strh") says of its stream.
struct AviStreamHeader {
  std::string type;  // "vids", "auds", ...
  std::uint32_t scale = 0;
  std::uint32_t rate = 0;
  std::uint32_t length = 0;  // in units of scale / rate seconds
};

// An OpenDML super index entry: where one standard index lies.
struct AviSuperIndexEntry {
  std::uint64_t offset = 0;
  std::uint32_t size = 0;  // of the whole "ix##" chunk
};

struct AviLayout {
  std::vector<AviPart> parts;
  std::optional<RiffChunk> idx1;        // the first RIFF's classic index, size as written
  std::vector<RiffChunk> superIndexes;  // the "indx" chunks of the streams
  std::vector<AviStreamHeader> streams;
  std::optional<std::uint32_t> openDmlFrames;  // "dmlh": the video's frames in all RIFFs
  bool headersFound = false;                   // an "hdrl" list was read
};

// True when the file begins as an AVI: "RIFF", a size, "AVI ".
bool IsAvi(BlockReader& reader);

// The layout of an AVI file: its RIFF forms, headers and where its indexes lie.
AviLayout ReadAviLayout(BlockReader& reader);

// True when every RIFF form's size was filled in and the forms lie within
// the file (a last padding byte may be missing). A writer that streams, or
// one cut short, leaves a size 0 or larger than the file, and the lengths
// in its headers are placeholders or claim what the file lacks.
bool AviFormsFinished(const AviLayout& layout, std::uint64_t fileSize);

// The entries of one super index; false when it is no super index of the
// expected form or the budget ran out. `stream` receives its chunk id ("00dc").
bool ReadAviSuperIndex(BlockReader& reader, const RiffChunk& indx, std::string& stream,
                       std::vector<AviSuperIndexEntry>& entries);

}  // namespace corvanta
