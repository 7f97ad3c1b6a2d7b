#include "problem_io/replacing_file.h"

#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

ReplacingFile::ReplacingFile(std::string target) : target_(std::move(target)) {
  std::random_device rd;
  std::error_code ec;
  for (int attempt = 0; attempt < 16 && !out_.is_open(); ++attempt) {
    const std::string candidate = target_ + ".~" + std::to_string(rd()) + ".tmp";
    if (fs::exists(candidate, ec)) continue;  // never write into someone else's file
    out_.open(candidate, std::ios::out | std::ios::trunc | std::ios::binary);
    if (out_.is_open()) temp_ = candidate;
  }
}

ReplacingFile::~ReplacingFile() {
  if (committed_ || temp_.empty()) return;
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
  if (ok) {
    fs::rename(temp_, target_, ec);
    ok = !ec;
  }
  committed_ = ok;
  return ok;
}
