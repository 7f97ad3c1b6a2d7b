#include "problem_io/replacing_file.h"

#include <unistd.h>

#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace {
// The file a save really replaces: a link is followed, so the planner's link
// keeps pointing at the new content instead of being replaced by a file. A
// link that leads nowhere (its file missing, or a loop of links) gives "": a
// save through it is refused, since writing would replace the link itself.
std::string real_target(const std::string& target) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(target, ec))) return target;
  const fs::path resolved = fs::canonical(target, ec);
  return ec ? std::string() : resolved.string();
}

bool writable(const std::string& path) {
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  return !ec && fs::is_regular_file(st) && (st.permissions() & fs::perms::owner_write) != fs::perms::none &&
         ::access(path.c_str(), W_OK) == 0;
}
}  // namespace

ReplacingFile::ReplacingFile(std::string target) : target_(real_target(target)) {
  if (target_.empty()) return;
  std::error_code ec;
  // A file marked read-only, or one this user may not write, stays as it is.
  const bool exists = fs::exists(fs::symlink_status(target_, ec));
  if (exists && !writable(target_)) return;
  ec.clear();
  std::random_device rd;
  for (int attempt = 0; attempt < 16 && !out_.is_open(); ++attempt) {
    const std::string candidate = target_ + ".~" + std::to_string(rd()) + ".tmp";
    if (fs::exists(candidate, ec)) continue;  // never write into someone else's file
    out_.open(candidate, std::ios::out | std::ios::trunc | std::ios::binary);
    if (out_.is_open()) temp_ = candidate;
  }
  if (out_.is_open() || !exists) return;
  // No temporary file can be made beside it (a folder closed to new files, a
  // name at the length limit), but the file itself may be written: it is
  // written in place, and commit() says whether every byte went out.
  out_.open(target_, std::ios::out | std::ios::trunc | std::ios::binary);
  in_place_ = out_.is_open();
}

ReplacingFile::~ReplacingFile() {
  if (committed_ || temp_.empty()) return;  // in place: nothing of ours to remove
  if (out_.is_open()) out_.close();
  std::error_code ec;
  fs::remove(temp_, ec);
}

bool ReplacingFile::commit() {
  if (!out_.is_open()) return false;
  out_.flush();
  bool ok = out_.good();
  out_.close();
  ok = ok && !out_.fail();
  std::error_code ec;
  if (in_place_) {
    committed_ = ok;
    return ok;
  }
  if (ok) {
    // The new content keeps the permissions of the file it replaces.
    const fs::file_status old = fs::status(target_, ec);
    if (!ec && fs::exists(old)) fs::permissions(temp_, old.permissions(), ec);
    ec.clear();
    fs::rename(temp_, target_, ec);
    ok = !ec;
  }
  committed_ = ok;
  return ok;
}
