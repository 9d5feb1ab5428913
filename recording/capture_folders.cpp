#include "recording/capture_folders.h"

#include <string>
#include <vector>

#include "recording/date_text.h"

namespace vidmora {
namespace {

// Pieces between the "\" separators; a separator at the very end gives no empty last piece.
// Names are UTF-8, whose multi-byte sequences never contain the byte 0x5C, so a plain byte split
// never cuts a character apart (a double-byte code page would need a lead-byte-aware split here).
std::vector<std::string> SplitAtSeparator(std::string_view path) {
  std::vector<std::string> pieces{std::string()};
  for (char c : path) {
    if (c == '\\')
      pieces.emplace_back();
    else
      pieces.back() += c;
  }
  if (pieces.size() > 1 && pieces.back().empty()) pieces.pop_back();
  return pieces;
}

}  // namespace

void EnsureDateFolder(FileSystem& fs, std::string_view base, const DateTime& now) {
  const std::vector<std::string> pieces = SplitAtSeparator(std::string(base) + DateText(DateOnly(now)) + "\\");
  std::string current = pieces.front();  // the drive
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    current += "\\" + pieces[i];
    if (fs.IsDirectory(current)) continue;
    if (!fs.MakeDirectory(current)) return;
  }
}

}  // namespace vidmora
