#include "FuzzChecks.h"

void ferlo::fuzz::fuzzOne(const QByteArray& bytes, const QString& scratch) {
    checkQtImage(bytes, scratch);
}
