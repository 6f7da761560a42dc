#pragma once

#include <QLocale>
#include <QString>

class QProcess;
class QWidget;

namespace ferlo {

// Hands a document or web address to the desktop shell, which opens it with its associated
// program (QDesktopServices::openUrl). A text with a scheme of its own ("https://...",
// "mailto:...") is passed as the address it is; anything else is a local file, taken relative to
// the default directory when it is relative. Strings are passed whole, whatever their length; no
// string passes through a command shell. The parameters and the show command have no counterpart in
// the desktop shell and are not used. Returns a shell-like result: 42 (greater than 32) when the
// shell took the address, 2 (file not found) otherwise. The callers ignore it.
int LaunchFile(const QString& fileName, const QString& parameters, const QString& defaultDir,
               int showCommand);

// The help file in `language` (by default the language the program is shown in, QLocale()):
// README.<code>.TXT for its ISO 639 code ("README.de.TXT" for de_AT), else the English
// README.TXT. Each is looked for in the directory of the running executable, then installed in
// ../share/doc/ferlo beside that directory. Without any, the path of README.TXT beside the
// executable.
QString helpFilePath(const QLocale& language = QLocale());

// Opens the help file with the desktop's opener (xdg-open), which hands it to the program the
// desktop opens text with. When there is no opener, or it fails ("x-terminal-emulator: not
// found", a status other than 0), the file is shown in a read-only text window over `parent`
// (HelpWindow) that names the cause. Returns the opener while it runs (its `finished` tells when
// its answer is in; it deletes itself afterwards), else nullptr. A missing help file is an error
// message.
QProcess* openHelpFile(QWidget* parent = nullptr);

} // namespace ferlo
