#include "ui/chart_label_texts.h"

#include <memory>
#include <vector>

namespace {
constexpr int kKeptNumbers = 1000000;        // numbers 0 .. this are kept
constexpr long long kKeptHundredths = 100000;  // percentages 0 .. 1,000 are kept

// Characters of the kept texts, in blocks that never move or go away.
class TextStore {
 public:
  QString keep(const char* latin1, int n) {
    if (used_ + static_cast<std::size_t>(n) > kBlock) {
      blocks_.push_back(std::make_unique<QChar[]>(kBlock));
      used_ = 0;
    }
    QChar* at = blocks_.back().get() + used_;
    for (int i = 0; i < n; ++i) at[i] = QLatin1Char(latin1[i]);
    used_ += static_cast<std::size_t>(n);
    return QString::fromRawData(at, n);
  }

 private:
  static constexpr std::size_t kBlock = 1 << 16;
  std::vector<std::unique_ptr<QChar[]>> blocks_;
  std::size_t used_ = kBlock;
};

TextStore& store() {
  static TextStore s;
  return s;
}

// Writes the digits of v (with a '-' when negative) ending just before end;
// returns where they start.
char* write_whole(char* end, unsigned long long v, bool negative) {
  do {
    *--end = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  if (negative) *--end = '-';
  return end;
}

QString make_hundredths(long long h, bool kept) {
  const unsigned long long size = static_cast<unsigned long long>(h < 0 ? -h : h);
  const int cents = static_cast<int>(size % 100);
  char text[32];
  char* end = text + sizeof text;
  char* p = end;
  if (cents != 0) {
    if (cents % 10 != 0) *--p = static_cast<char>('0' + cents % 10);
    *--p = static_cast<char>('0' + cents / 10);
    *--p = '.';
  }
  p = write_whole(p, size / 100, h < 0);
  const int n = static_cast<int>(end - p);
  return kept ? store().keep(p, n) : QString::fromLatin1(p, n);
}

// The kept text of i in table, made by make(i) the first time.
template <class Make>
QString kept_text(std::vector<QString>& table, std::size_t i, Make make) {
  if (i >= table.size()) table.resize(i + 1);
  if (table[i].isNull()) table[i] = make();
  return table[i];
}
}  // namespace

QString number_label(int n) {
  if (n < 0 || n > kKeptNumbers) return QString::number(n);
  static std::vector<QString> texts;
  return kept_text(texts, static_cast<std::size_t>(n), [n] {
    char text[16];
    char* end = text + sizeof text;
    char* p = write_whole(end, static_cast<unsigned long long>(n), false);
    return store().keep(p, static_cast<int>(end - p));
  });
}

QString hundredths_label(long long hundredths) {
  if (hundredths < 0 || hundredths > kKeptHundredths) return make_hundredths(hundredths, false);
  static std::vector<QString> texts;
  return kept_text(texts, static_cast<std::size_t>(hundredths),
                   [hundredths] { return make_hundredths(hundredths, true); });
}
