#include "pictures/HeifFileReader.h"

namespace ferlo::pictures {

namespace {

HeifFileReader& readerOf(void* self) {
    return *static_cast<HeifFileReader*>(self);
}

int64_t position(void* self) {
    return ftello(readerOf(self).stream);
}

int read(void* data, size_t size, void* self) {
    HeifFileReader& reader = readerOf(self);
    if (std::fread(data, 1, size, reader.stream) == size)
        return 0;
    reader.readFailed = true;
    return 1;
}

int seek(int64_t to, void* self) {
    return fseeko(readerOf(self).stream, off_t(to), SEEK_SET) == 0 ? 0 : 1;
}

heif_reader_grow_status grow(int64_t size, void* self) {
    return size <= readerOf(self).size ? heif_reader_grow_status_size_reached
                                       : heif_reader_grow_status_size_beyond_eof;
}

} // namespace

const heif_reader HeifFileReader::functions{1, position, read, seek, grow};

} // namespace ferlo::pictures
