#pragma once

#include "measure.h"

#include <QList>
#include <QString>

// The benchmarks that run many times over in this process, each beside its
// baseline: a deal, the two kinds of move, and the record file.
namespace bench {

QList<Row> InProcess(const QString& folder, int repeats);

} // namespace bench
