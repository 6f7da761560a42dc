#pragma once

#include <QString>

namespace ferlo {

// The sound file of a picture: its directory part, a separator, the label word of the path in the
// file name's own case, ".WAV". "/pics/cat2.jpg" -> "/pics/cat.WAV"; "/cat1.jpg" -> "/cat.WAV".
QString soundFilePath(const QString& pictureFileName);

// The file to play for that path: the exact file when it exists, else the one file of that
// directory whose name equals it ignoring letter case (cat.wav for cat.WAV); empty when none.
QString findSoundFile(const QString& soundPath);

} // namespace ferlo
