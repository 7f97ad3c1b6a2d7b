#include "ui/bar_batch.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {
struct Bar {
  QRect pixels;
  QRgb fill;
  int mark;  // index into the mark texts, -1 for none
};

const QRgb kFills[4] = {qRgb(255, 128, 0), qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(128, 128, 128)};

QRgb outline_of(QRgb c) { return qRgb(qRed(c) / 2, qGreen(c) / 2, qBlue(c) / 2); }

// Rows of bars in time order as a machine chart lays them out: gaps, bars
// that share their first pixel with the previous one's last, thin bars, a
// second band 4 pixels lower that overlaps the first (calendar intervals,
// frozen marks), now and then a bar back at the row's start, and marks.
std::vector<Bar> scene(unsigned seed) {
  std::mt19937 random(seed);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  std::vector<Bar> bars;
  for (int row = 0; row < 12; ++row) {
    for (int band = 0; band < 2; ++band) {
      const int top = 10 + row * 22 + band * 4;
      int x = pick(0, 20);
      while (x < 560) {
        const int width = pick(0, 3) == 0 ? pick(1, 3) : pick(4, 40);
        const int height = pick(0, 5) == 0 ? 6 : 8;
        const int mark = width >= 18 && pick(0, 2) == 0 ? pick(0, 1) : -1;
        bars.push_back(Bar{QRect(x, top + (8 - height) / 2, width, height), kFills[pick(0, 3)], mark});
        static const int gaps[6] = {-1, -1, 0, 0, 1, 5};
        x += width + gaps[pick(0, 5)];
        if (pick(0, 40) == 0) x = pick(0, 100);  // back to the row's start
      }
    }
  }
  return bars;
}

QImage paint_scene(const std::vector<Bar>& bars, bool batched) {
  QImage image(600, 290, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter p(&image);
  QFont font;
  font.setPixelSize(10);
  p.setFont(font);
  p.setClipRect(QRect(5, 5, 580, 280));
  QStaticText texts[2] = {QStaticText(QStringLiteral("12")), QStaticText(QStringLiteral("f"))};
  for (QStaticText& t : texts) t.prepare(QTransform(), font);
  const QPen pens[2] = {QPen(Qt::black), QPen(Qt::white)};
  BarBatch batch;
  for (const Bar& b : bars) {
    const QRgb outline = outline_of(b.fill);
    // Marks centred on their bar, or reaching past its end over the next one.
    const QPointF at(b.mark == 0 ? b.pixels.right() - 6 : b.pixels.center().x() - 3, b.pixels.top() - 2);
    const QPen& pen = pens[qGray(b.fill) < 96 ? 1 : 0];
    if (batched) {
      if (b.mark >= 0)
        batch.add(p, b.pixels, b.fill, outline, texts[b.mark], texts[b.mark].size(), at, pen);
      else
        batch.add(p, b.pixels, b.fill, outline);
      continue;
    }
    if (b.pixels.width() >= 4) {
      p.fillRect(b.pixels, QColor::fromRgb(outline));
      p.fillRect(b.pixels.adjusted(1, 1, -1, -1), QColor::fromRgb(b.fill));
    } else {
      p.fillRect(b.pixels, QColor::fromRgb(b.fill));
    }
    if (b.mark >= 0) {
      p.setPen(pen);
      p.drawStaticText(at, texts[b.mark]);
    }
  }
  batch.paint(p);
  return image;
}
}  // namespace

TEST(BarBatch, BatchedBarsLookExactlyAsBarsPaintedOneByOne) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    const std::vector<Bar> bars = scene(seed);
    const QImage one_by_one = paint_scene(bars, false);
    const QImage batched = paint_scene(bars, true);
    int differing = 0;
    for (int y = 0; y < one_by_one.height(); ++y)
      for (int x = 0; x < one_by_one.width(); ++x) differing += one_by_one.pixel(x, y) != batched.pixel(x, y);
    EXPECT_EQ(differing, 0) << "seed " << seed << ", " << bars.size() << " bars";
  }
}
