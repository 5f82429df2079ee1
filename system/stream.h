// Byte streams: the one way the program reads and writes files, embedded
// data and anything else addressed by a URL.
//
// TStreamIO holds the eight primitive operations; TByteStream builds every
// typed read and write on top of them, little-endian throughout. Reading past
// the end is not an error: numbers come back 0 and lines empty. A primitive
// read or write that moves no bytes before the end raises a TStreamError.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class TStreamIO {
  public:
    virtual ~TStreamIO() = default;

    virtual int eof();                                // pos() == size()
    virtual int pos();                                // -1: positions not supported
    virtual int size();                               // 0
    virtual int seek(int position);                   // -1: not seekable
    virtual void flush();                             // nothing
    virtual void close();                             // nothing
    virtual int read(void* buffer, int count);        // raises "Stream is not readable"
    virtual int write(const void* buffer, int count); // raises "Stream is not writeable"
};

class TByteStream : public TStreamIO {
  public:
    // Reads until count bytes arrived or the stream ended; returns count.
    // Bytes the stream did not have leave the buffer as it was.
    virtual int read_bytes(void* buffer, int count);
    virtual int write_bytes(const void* buffer, int count);
    virtual int skip_bytes(int count);

    virtual int read_byte(); // unsigned
    virtual void write_byte(int value);
    virtual int read_short(); // unsigned 16-bit
    virtual void write_short(int value);
    virtual std::int32_t read_int();
    virtual void write_int(std::int32_t value);
    virtual std::int64_t read_long();
    virtual void write_long(std::int64_t value);
    virtual float read_float();
    virtual void write_float(float value);
    virtual double read_double();
    virtual void write_double(double value);

    // Bytes up to LF, a 0 byte or the end; CR bytes are dropped anywhere.
    virtual std::string read_line();
    // The text's bytes, then CR LF. 1 only if every byte went out.
    virtual int write_line(std::string_view text);
    virtual std::string read_string(int length);
    virtual void write_string(std::string_view text);

    // Object serialisation is not supported by plain byte streams.
    virtual void read_object();
    virtual void write_object();
};

using StreamRef = std::shared_ptr<TByteStream>;

// Text whose characters are 16-bit codes, reduced to one byte each (the low
// 8 bits), as every file the game writes stores them.
std::string to_8bit(std::u16string_view text);
