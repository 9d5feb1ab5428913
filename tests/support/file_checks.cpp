#include "tests/support/file_checks.h"

#include <QTest>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace vidmora::test {

bool WaitFor(const std::function<bool()>& done, int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    QTest::qWait(10);
  }
  return true;
}

std::string CommandOutput(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
    pclose(p);
  }
  return out;
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

long DecodedFrames(const std::filesystem::path& file) {
  const std::string out = CommandOutput("ffprobe -v error -count_frames -select_streams v:0 -show_entries "
                                        "stream=nb_read_frames -of csv=p=0 '" + file.string() + "' 2>&1");
  char* end = nullptr;
  const long frames = std::strtol(out.c_str(), &end, 10);
  return (end != out.c_str() && (*end == '\n' || *end == '\0')) ? frames : -1;
}

}  // namespace vidmora::test
