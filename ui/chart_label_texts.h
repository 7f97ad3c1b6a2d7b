#pragma once
// The labels of the results window's charts are numbers: job, machine, order
// and calendar interval numbers on the Gantt bars, utilisation percentages
// on the machine bars. Each text is written once into storage kept for the
// program's life and handed out as a QString over that storage
// (QString::fromRawData), so copying a label into a bar, and dropping it when
// the chart is refilled, counts no references: filling a chart touches its
// bars and nothing else. Texts outside the kept ranges are made on each call.
#include <QString>

// n as text: "1", "1234" (no digit grouping).
QString number_label(int n);

// A percentage given in whole hundredths, trailing zeros dropped: 1234 gives
// "12.34", 5000 gives "50", 51 gives "0.51", -320 gives "-3.2".
QString hundredths_label(long long hundredths);
