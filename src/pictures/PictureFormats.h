#pragma once

#include <QString>

namespace ferlo {

namespace pictures {
struct FormatDecoder;
}

// One row of the table of picture formats (PictureFormats.def): the extension without the dot,
// the decoder that reads it and the MIME type the desktop entry offers the program for.
struct PictureFormat {
    const char* extension;
    const pictures::FormatDecoder* decoder;
    const char* mimeType;
};

// The format of a path by its file name's extension, in any letter case; null for none.
const PictureFormat* pictureFormatOf(const QString& path);
// Whether the file list lists a file name: something before an extension of the table.
bool isPictureFileName(const QString& name);
// The extensions as a message names them: ".jpg, .jpeg, ... or .heif".
QString pictureExtensionsText();

} // namespace ferlo
