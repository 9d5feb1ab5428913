#pragma once
// Waiting for the program and looking at the files it wrote, shared by the end-to-end tests.
#include <filesystem>
#include <functional>
#include <string>

namespace vidmora::test {

// Runs the event loop until `done` holds or `ms` have passed; returns whether it holds.
bool WaitFor(const std::function<bool()>& done, int ms = 5000);

// What a shell command prints on its standard output.
std::string CommandOutput(const std::string& command);

std::string ReadFile(const std::filesystem::path& file);

// The number of video frames ffprobe decodes when it reads the whole file; -1 when it complains.
long DecodedFrames(const std::filesystem::path& file);

}  // namespace vidmora::test
