#pragma once

#include <QString>

namespace ferlo {

// The sound file of a picture: its directory part, a separator, the label word of the path in the
// file name's own case, ".WAV". "/pics/cat2.jpg" -> "/pics/cat.WAV"; "/cat1.jpg" -> "/cat.WAV".
QString soundFilePath(const QString& pictureFileName);

// The file to play for that path: the exact file when it exists, else the one file of that
// directory whose name equals it ignoring letter case (cat.wav for cat.WAV); empty when none.
QString findSoundFile(const QString& soundPath);

// The extensions a word's recording may have, in the order they are looked for.
inline constexpr const char* kSoundExtensions[] = {"wav", "flac", "ogg", "opus", "mp3"};

// The recording a cell plays, recordings before any voice: the cell's own sound when that file is
// there; else WORD.WAV of the file-name word (findSoundFile); else, beside the picture and
// ignoring case, the shown word and then the file-name word with each of kSoundExtensions.
// `shownWord` is the word typed over the file name's (empty for none). Empty when nothing is found.
QString findCellSound(const QString& picture, const QString& shownWord, const QString& ownSound);

} // namespace ferlo
