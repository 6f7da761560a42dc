#pragma once

#include "printing/CardPage.h"
#include "printing/PagePainter.h"

#include <QList>
#include <QPageSize>
#include <QString>

namespace ferlo {

// Writes the pages as one PDF document, each page painted as one Print would paint it, on paper
// of the given size at the given resolution in the pages' orientation. The document is written
// to an unnamed temporary file (FileReplacement) that replaces `path` only when complete, so
// neither a failure nor a killed program leaves a partial or damaged PDF behind. Throws
// ferlo::Error naming the file and the cause. Returns false when options.progress stopped the work:
// nothing was written and an old file of that name is as it was.
bool writeCardPdf(const QString& path, const QList<CardPage>& pages, const QPageSize& pageSize,
                  int resolution, const PaintOptions& options = {});

} // namespace ferlo
