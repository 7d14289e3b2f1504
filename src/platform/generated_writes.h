#pragma once
// The in-place writes of generated files: the file is opened (created) by the caller, its bytes
// are written by a few writer threads while the build goes on generating. Private to
// src/platform: callers use writeGeneratedFile, copyGeneratedFile and finishGeneratedWrites
// (files.h). Every platform function that touches a file first waits for the queued writes of
// that path, so nobody reads a queued file before its bytes.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace platform::generated {

namespace fs = std::filesystem;

// Every byte, retrying short writes; false on failure.
bool writeBytes(int fd, std::string_view bytes);
// Fills an open file over its old bytes, cuts what is left of them and closes it.
bool fillInPlace(int fd, const std::function<bool(int)>& fill);
// Copies an open file into another with the kernel's copy, falling back to read and write
// where the file systems refuse it; closes the source; false on any failure.
bool copyAll(int in, int out);

// Hands an open file to the writers, with its bytes or the open file to copy into it (closed
// once done, or at once when this throws). Throws the FileError of an earlier queued write that
// failed, once. `path` names the file in that error and in settle.
void queue(int fd, const fs::path& path, std::string bytes, int source = -1);
// Waits until no queued write of this path (folder and name, letter case ignored) is left.
void settle(const fs::path& path);
// Waits until every queued write is done.
void settleAll();

}  // namespace platform::generated
