#pragma once

// What a HEIF file's own boxes (its ftyp and meta) tell about why libheif may refuse it: brands
// of an image sequence alone (libheif 1.15 reads only still pictures), the type of the primary
// item, and an identity-derived item whose reference is no picture libheif knows: libheif 1.15
// aborts the whole program (a failed assertion) when it decodes one.

#include <QByteArray>

#include <cstdio>

namespace ferlo::pictures {

struct HeifLayout {
    bool sequenceOnly = false;
    QByteArray primaryType;
    bool brokenIdentity = false;

    // The layout of the file `stream` reads, `fileSize` bytes long; an empty one when its boxes
    // cannot be read.
    static HeifLayout read(FILE* stream, qint64 fileSize);
};

} // namespace ferlo::pictures
