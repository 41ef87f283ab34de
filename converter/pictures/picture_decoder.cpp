#include "pictures/picture_decoder.h"

#include <algorithm>
#include <array>

namespace corvanta {

namespace {

bool StartsWith(std::span<const unsigned char> bytes, std::span<const unsigned char> signature) {
  return bytes.size() >= signature.size() &&
         std::equal(signature.begin(), signature.end(), bytes.begin());
}

constexpr std::array<unsigned char, 8> kPngSignature = {0x89, 'P',  'N',  'G',
                                                        '\r', '\n', 0x1A, '\n'};
constexpr std::array<unsigned char, 3> kJpegSignature = {0xFF, 0xD8, 0xFF};
constexpr std::array<unsigned char, 6> kGif87Signature = {'G', 'I', 'F', '8', '7', 'a'};
constexpr std::array<unsigned char, 6> kGif89Signature = {'G', 'I', 'F', '8', '9', 'a'};

}  // namespace

QImage DecodePicture(std::span<const unsigned char> bytes) {
  if (StartsWith(bytes, kPngSignature)) return DecodePng(bytes);
  if (StartsWith(bytes, kJpegSignature)) return DecodeJpeg(bytes);
  if (StartsWith(bytes, kGif87Signature) || StartsWith(bytes, kGif89Signature))
    return DecodeGif(bytes);
  return {};
}

}  // namespace corvanta
