#include "library_text.h"

#include <cstdlib>
#include <cstring>

#include "fatal_error.h"

namespace corvanta::kelvane {
namespace {

constexpr char kEmptyText[] = "";

}  // namespace

const char* EmptyText() { return kEmptyText; }

char* AllocateBlock(std::size_t bytes) {
  // calloc(0) may legally return null; a zero-length request still needs a block.
  void* block = std::calloc(bytes == 0 ? 1 : bytes, 1);
  if (block == nullptr) ExitWithFatalError(AllocationFailureDetail(bytes));
  return static_cast<char*>(block);
}

const char* NewText(std::string_view bytes) {
  char* text = AllocateBlock(bytes.size() + 1);
  if (!bytes.empty()) std::memcpy(text, bytes.data(), bytes.size());
  return text;
}

const char* CopyArgumentText(const char* argument) {
  if (argument == nullptr) return EmptyText();
  return NewText(argument);
}

void ReleaseText(const char* text) {
  if (text == nullptr || text == kEmptyText) return;
  std::free(const_cast<char*>(text));
}

}  // namespace corvanta::kelvane
