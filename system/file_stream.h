// A stream on a file of the file system.
#pragma once

#include "system/stream.h"

#include <cstdio>

class TFileStream : public TByteStream {
  public:
    // Takes ownership of an open C file; mode 1 read, 2 write, 3 both.
    TFileStream(std::FILE* file, int mode);
    ~TFileStream() override;

    int pos() override;
    int size() override;
    int seek(int position) override;
    void flush() override;
    void close() override;
    int read(void* buffer, int count) override;
    int write(const void* buffer, int count) override;

    int mode() const { return mode_; }

  private:
    std::int32_t position_ = 0;
    std::int32_t length_ = 0;
    std::FILE* file_ = nullptr;
    std::int32_t mode_ = 0;
};

// Opens a file: "r+b" when readable and writeable, "wb" (create or truncate)
// when only writeable, else "rb". Folders and unopenable files give Null.
StreamRef open_file_stream(const std::string& path, int readable, int writeable);
