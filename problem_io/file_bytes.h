#pragma once
// The whole content of a file the planner chose, read through one descriptor
// in one pass, so that whatever checks the content and whatever reads it work
// on the same bytes: a file changed, replaced or still being written meanwhile
// can never put unchecked content into the program.
//
// Only a regular file is read. A folder, a pipe (FIFO), a socket or a device
// is refused before a byte is read and without waiting for a writer; a file
// larger than the caller's limit is refused before any memory is reserved
// for it.
#include <cstddef>
#include <string>

enum class FileBytesResult {
  Read,            // bytes hold the whole file
  CannotOpen,      // missing, unreadable, or a read failed
  NotRegularFile,  // a folder, a pipe, a device ...
  TooLarge,        // larger than the limit, or more than memory can hold
};

// Reads the file at path into bytes (replacing what it held). On any result
// but Read, bytes is left empty.
FileBytesResult read_file_bytes(const std::string& path, std::size_t max_bytes, std::string& bytes);

// What the planner is told when a file is refused for result r (never Read):
// "The file\n<path>\n" and the reason, without a closing line end.
std::string file_refusal_text(FileBytesResult r, const std::string& path, std::size_t max_bytes);
