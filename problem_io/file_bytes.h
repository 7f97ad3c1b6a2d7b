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
#include <exception>
#include <string>

enum class FileBytesResult {
  Read,            // bytes hold the whole file
  CannotOpen,      // missing, unreadable, or a read failed
  NotRegularFile,  // a folder, a pipe, a device ...
  TooLarge,        // larger than the limit
  OutOfMemory,     // memory ran out while holding it (or, for a load, later on)
};

// Reads the file at path into bytes (replacing what it held). On any result
// but Read, bytes is left empty.
FileBytesResult read_file_bytes(const std::string& path, std::size_t max_bytes, std::string& bytes);

// The same on a descriptor the caller opened for reading (and keeps: it is
// not closed). A regular file's descriptor is switched back to blocking reads
// first: some network and FUSE file systems honour O_NONBLOCK on regular files,
// and a read could then end halfway through the file.
FileBytesResult read_descriptor_bytes(int fd, std::size_t max_bytes, std::string& bytes);

// Whether a refusal for result r names its own reason (file_refusal_text):
// not a regular file, too large, or beyond the memory left. A file that is
// missing or unreadable is left to the caller's own message.
bool refusal_names_reason(FileBytesResult r);

// What the planner is told when a file is refused for result r (never Read):
// "The file\n<path>\n" and the reason, without a closing line end.
std::string file_refusal_text(FileBytesResult r, const std::string& path, std::size_t max_bytes);

// What the planner is told when the load of the file at path failed partway
// with e (called in the handler that caught it): for std::bad_alloc the
// OutOfMemory text above, else "The file\n<path>\ncannot be loaded: " and
// e.what().
std::string load_failure_text(const std::exception& e, const std::string& path);
