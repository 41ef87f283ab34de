#pragma once

#include <cstdint>

#include "probes/block_reader.h"
#include "probes/input_facts.h"

namespace corvanta {

// Where a transport stream's packets lie: the sync byte 0x47 at `firstSync`
// and every `packetSize` bytes after it (188, or 192 for packets with a
// 4-byte time prefix). packetSize 0: no transport stream.
struct TransportPackets {
  int packetSize = 0;
  std::uint64_t firstSync = 0;
};

// Looks for eight sync bytes in a row (fewer in a shorter file, at least
// two) at either packet size, starting within the first packet, so that a
// stream cut at any byte is still found.
TransportPackets FindTransportPackets(BlockReader& reader);

// Fills the facts from the first MiB and the last MiBs of packets: the
// streams the program map table lists (by stream type; by PES stream id
// where no table is met), and each one's length from its PES stamps.
void ReadMpegTransportStreamFacts(BlockReader& reader, const TransportPackets& packets,
                                  InputFacts& facts);

}  // namespace corvanta
