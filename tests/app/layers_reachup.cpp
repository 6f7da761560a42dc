// A storage file that reaches up into the window. The test app.layers_reachup compiles it as
// storage's files are compiled and expects the compiler to refuse it.
#include "mainwindow/FerloMainForm.h"
#include "storage/Errors.h"
