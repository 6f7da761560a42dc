#pragma once

#include <QImage>
#include <QSize>

#include <memory>

namespace ferlo::pictures {

// Opaque 32-bit pixels (QImage::Format_RGB32 rows) made smaller both ways by area averaging as
// their rows arrive, top to bottom, so that the picture is never held at its own size: a decoder
// that reads row by row hands each row over and keeps only the result. The result's rows are
// complete once the last row has arrived.
class RowScaler {
public:
    RowScaler(QSize in, QSize out);
    ~RowScaler();
    RowScaler(const RowScaler&) = delete;
    RowScaler& operator=(const RowScaler&) = delete;

    // A null result when its pixels cannot be allocated.
    bool isNull() const;
    // The next row of the picture: in.width() pixels, 4 bytes each. Allocates nothing.
    void addRow(const uchar* pixels);
    QImage result() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace ferlo::pictures
