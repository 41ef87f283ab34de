#include "engine/avi_empty_chunk.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace corvanta {
namespace {

std::string Size32(std::uint32_t size) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((size >> (8 * i)) & 0xFF);
  return bytes;
}

std::string Chunk(const std::string& id, const std::string& payload) {
  std::string chunk = id + Size32(static_cast<std::uint32_t>(payload.size())) + payload;
  if (payload.size() % 2 == 1) chunk += '\0';
  return chunk;
}

std::string List(const std::string& id, const std::string& form, const std::string& body) {
  return Chunk(id, form + body);
}

bool Holds(const std::string& bytes) {
  const ByteReader read = [&bytes](std::uint64_t offset, char* out, std::size_t size) {
    if (offset + size > bytes.size()) return false;
    std::memcpy(out, bytes.data() + offset, size);
    return true;
  };
  return HoldsEmptyAviVideoChunk(read, bytes.size());
}

std::string Size64(std::uint64_t size) { return Size32(size & 0xFFFFFFFF) + Size32(size >> 32); }

// One idx1 entry, or one OpenDML standard index entry {offset, size}.
std::string Idx1Entry(const std::string& id, std::uint32_t size) {
  return id + Size32(0x10) + Size32(4) + Size32(size);
}
std::string IxEntry(std::uint32_t size) { return Size32(8) + Size32(size); }

// OpenDML index header: longs per entry, sub type 0, type, entries, stream.
std::string IndexHeader(int longs, char type, std::size_t entries, const std::string& stream) {
  return std::string{static_cast<char>(longs), '\0', '\0', type} +
         Size32(static_cast<std::uint32_t>(entries)) + stream + std::string(12, '\0');
}

const std::string kHeaders = List("LIST", "hdrl", Chunk("avih", std::string(56, '\0')));

std::string Avi(const std::string& movie, const std::string& after = "") {
  return List("RIFF", "AVI ", kHeaders + List("LIST", "movi", movie) + after);
}

TEST(AviEmptyChunk, FindsAnEmptyVideoChunkInTheMovieData) {
  const std::string frame = Chunk("00dc", "abc");  // odd size: padded
  EXPECT_TRUE(Holds(Avi(frame + Chunk("01wb", "pcm!") + Chunk("00dc", ""))));
  EXPECT_TRUE(Holds(Avi(Chunk("00db", ""))));
  EXPECT_TRUE(Holds(Avi(List("LIST", "rec ", Chunk("00dc", "")))));
  // Audio chunks of size 0 and full video chunks leave the file as it is.
  EXPECT_FALSE(Holds(
      Avi(frame + Chunk("01wb", "") + Chunk("00dc", "x"), Chunk("idx1", std::string(32, '\0')))));
}

TEST(AviEmptyChunk, WalksOpenDmlExtensionsToo) {
  const std::string extension = List("RIFF", "AVIX", List("LIST", "movi", Chunk("00dc", "")));
  EXPECT_TRUE(Holds(Avi(Chunk("00dc", "ab") + Chunk("ix00", "idx"), "") + extension));
  EXPECT_FALSE(Holds(Avi(Chunk("00dc", "ab")) +
                     List("RIFF", "AVIX", List("LIST", "movi", Chunk("00dc", "cd")))));
}

TEST(AviEmptyChunk, TrustsTheFilesIndexesOverTheMovieData) {
  const std::string movie = Chunk("00dc", "ab") + Chunk("01wb", "");
  EXPECT_TRUE(Holds(Avi(movie, Chunk("idx1", Idx1Entry("01wb", 0) + Idx1Entry("00dc", 0)))));
  EXPECT_FALSE(Holds(Avi(Chunk("00dc", ""), Chunk("idx1", Idx1Entry("00dc", 2)))));

  // idx1 covers the first RIFF only; the extension is decided by the video
  // stream's super index and the standard index it points at.
  const auto file = [&](std::uint32_t lastSize) {
    const auto first = [&](std::uint64_t ixOffset) {
      const std::string indx =
          Chunk("indx", IndexHeader(4, 0, 1, "00dc") + Size64(ixOffset) + Size32(40) + Size32(2));
      const std::string hdrl = List("LIST", "hdrl", List("LIST", "strl", indx));
      return List("RIFF", "AVI ",
                  hdrl + List("LIST", "movi", movie) + Chunk("idx1", Idx1Entry("00dc", 2)));
    };
    const std::uint64_t ixOffset = first(0).size() + 24 + Chunk("00dc", "cd").size();
    const std::string ix =
        Chunk("ix00", IndexHeader(2, 1, 2, "00dc") + IxEntry(0x80000002u) + IxEntry(lastSize));
    return first(ixOffset) + List("RIFF", "AVIX", List("LIST", "movi", Chunk("00dc", "cd") + ix));
  };
  EXPECT_TRUE(Holds(file(0x80000000u)));
  EXPECT_FALSE(Holds(file(0x80000002u)));
}

TEST(AviEmptyChunk, DecidesByContentAndSurvivesDamagedFiles) {
  // The same chunks in another RIFF form, or with no RIFF header, are no AVI.
  EXPECT_FALSE(Holds(List("RIFF", "WAVE", List("LIST", "movi", Chunk("00dc", "")))));
  EXPECT_FALSE(Holds(List("LIST", "movi", Chunk("00dc", ""))));
  EXPECT_FALSE(Holds("RIFF"));
  EXPECT_FALSE(Holds(""));
  // A size past the end of the file (an unfinished write) is cut at the end.
  std::string unfinished = Avi(Chunk("00dc", "ab") + Chunk("00dc", ""));
  unfinished.replace(4, 4, Size32(0xFFFFFFF0u));
  EXPECT_TRUE(Holds(unfinished));
  // Streaming writers may leave the RIFF and movi sizes 0: to the end.
  std::string unsized = Avi(Chunk("00dc", "ab") + Chunk("00dc", ""));
  unsized.replace(4, 4, Size32(0));
  unsized.replace(12 + kHeaders.size() + 4, 4, Size32(0));
  EXPECT_TRUE(Holds(unsized));
  // Read in blocks: a frame larger than one block before the empty one.
  EXPECT_TRUE(Holds(Avi(Chunk("00dc", std::string(70'000, 'x')) + Chunk("00dc", ""))));
  const std::string truncated = Avi(Chunk("00dc", std::string(100, 'x')) + Chunk("00dc", ""));
  EXPECT_FALSE(Holds(truncated.substr(0, truncated.size() - 60)));
}

TEST(AviEmptyChunk, FilesThatCannotBeReadHoldNone) {
  EXPECT_FALSE(FileHoldsEmptyAviVideoChunk("/nonexistent/a.avi"));
  EXPECT_FALSE(FileHoldsEmptyAviVideoChunk("/"));
  // A named pipe with no writer: opening it must not wait for one.
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("avi_fifo_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string fifo = (folder / "queued.avi").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(FileHoldsEmptyAviVideoChunk(fifo));
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace corvanta
