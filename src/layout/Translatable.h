#pragma once

// Marks a text of the Qt-free layer for translation. The text itself is returned unchanged; the
// Qt side translates it with QCoreApplication::translate(scope, text) where it is shown.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif
