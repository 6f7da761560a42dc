#include "FuzzChecks.h"

void ferlo::fuzz::fuzzOne(const QByteArray& bytes, const QString& scratch) {
    checkHeif(bytes, scratch);
}
