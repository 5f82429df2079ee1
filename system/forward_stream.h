// A stream that passes every operation through to another stream. Opening a
// stream that is already open gives one of these, so the opener can close
// "its" stream like any other.
#pragma once

#include "system/stream.h"

class TForwardStream : public TByteStream {
  public:
    explicit TForwardStream(StreamRef inner) : inner_(std::move(inner)) {}
    ~TForwardStream() override { close(); }

    int eof() override { return inner_->eof(); }
    int pos() override { return inner_->pos(); }
    int size() override { return inner_->size(); }
    int seek(int position) override { return inner_->seek(position); }
    void flush() override { inner_->flush(); }
    void close() override { inner_->close(); }
    int read(void* buffer, int count) override { return inner_->read(buffer, count); }
    int write(const void* buffer, int count) override { return inner_->write(buffer, count); }

    int read_bytes(void* buffer, int count) override { return inner_->read_bytes(buffer, count); }
    int write_bytes(const void* buffer, int count) override {
        return inner_->write_bytes(buffer, count);
    }
    int skip_bytes(int count) override { return inner_->skip_bytes(count); }
    int read_byte() override { return inner_->read_byte(); }
    void write_byte(int value) override { inner_->write_byte(value); }
    int read_short() override { return inner_->read_short(); }
    void write_short(int value) override { inner_->write_short(value); }
    std::int32_t read_int() override { return inner_->read_int(); }
    void write_int(std::int32_t value) override { inner_->write_int(value); }
    std::int64_t read_long() override { return inner_->read_long(); }
    void write_long(std::int64_t value) override { inner_->write_long(value); }
    float read_float() override { return inner_->read_float(); }
    void write_float(float value) override { inner_->write_float(value); }
    double read_double() override { return inner_->read_double(); }
    void write_double(double value) override { inner_->write_double(value); }
    std::string read_line() override { return inner_->read_line(); }
    int write_line(std::string_view text) override { return inner_->write_line(text); }
    std::string read_string(int length) override { return inner_->read_string(length); }
    void write_string(std::string_view text) override { inner_->write_string(text); }
    void read_object() override { inner_->read_object(); }
    void write_object() override { inner_->write_object(); }

  private:
    StreamRef inner_;
};
