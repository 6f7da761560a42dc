#pragma once

// libheif's reader of an open file: its bytes on demand, so that libheif reads the boxes, then a
// picture's coded data as it decodes it, and no copy of the whole file stays in memory. A tile's
// data is read under libheif's lock of the file, so no two threads seek and read at once.

#include <QtGlobal>

#include <libheif/heif.h>

#include <cstdio>

namespace ferlo::pictures {

struct HeifFileReader {
    FILE* stream = nullptr;
    qint64 size = 0;
    bool readFailed = false; // a read came short

    // The functions libheif calls with this reader as their user data.
    static const heif_reader functions;
};

} // namespace ferlo::pictures
