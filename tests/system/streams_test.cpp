#include "system/embedded.h"
#include "system/file_stream.h"
#include "system/memory_stream.h"
#include "system/runtime_error.h"
#include "system/streams.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

std::string bytes_of(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) bytes.push_back(static_cast<char>(v));
    return bytes;
}

} // namespace

TEST(FileStream, WriteLineWritesTextThenCrLfAndReadsBack) {
    ScratchFolder folder;
    std::string path = folder.file("line.txt");
    {
        StreamRef out = open_write_stream(path);
        ASSERT_TRUE(out);
        EXPECT_EQ(write_line(out, std::string_view("abc")), 1);
        close_stream(out);
    }
    EXPECT_EQ(ScratchFolder::read(path), bytes_of({97, 98, 99, 13, 10}));
    StreamRef in = open_read_stream(path);
    ASSERT_TRUE(in);
    EXPECT_EQ(read_line(in), "abc");
    EXPECT_TRUE(in->eof());
    EXPECT_EQ(read_line(in), "");
}

TEST(FileStream, ShortIntsReadAsFarAsTheyGo) {
    ScratchFolder folder;
    StreamRef in = open_read_stream(folder.write("two", bytes_of({1, 2})));
    ASSERT_TRUE(in);
    EXPECT_EQ(read_int(in), 513);
    EXPECT_EQ(read_int(in), 0);
    EXPECT_EQ(in->read_double(), 0.0);
}

TEST(FileStream, NumbersAreLittleEndianAndRoundTrip) {
    ScratchFolder folder;
    std::string path = folder.file("numbers");
    {
        StreamRef out = open_write_stream(path);
        out->write_byte(0x1ff);
        out->write_short(0x12345);
        out->write_int(-2);
        out->write_long(0x0102030405060708LL);
        out->write_float(1.5f);
        out->write_double(-0.25);
    }
    std::string bytes = ScratchFolder::read(path);
    ASSERT_EQ(bytes.size(), 1u + 2 + 4 + 8 + 4 + 8);
    EXPECT_EQ(bytes.substr(0, 7), bytes_of({0xff, 0x45, 0x23, 0xfe, 0xff, 0xff, 0xff}));
    StreamRef in = open_read_stream(path);
    EXPECT_EQ(in->read_byte(), 255);
    EXPECT_EQ(in->read_short(), 0x2345);
    EXPECT_EQ(in->read_int(), -2);
    EXPECT_EQ(in->read_long(), 0x0102030405060708LL);
    EXPECT_EQ(in->read_float(), 1.5f);
    EXPECT_EQ(in->read_double(), -0.25);
    EXPECT_TRUE(in->eof());
}

TEST(FileStream, ReadLineDropsCrStopsAtZeroAndKeepsLongLinesWhole) {
    ScratchFolder folder;
    std::string long_line(5000, 'x');
    long_line[1023] = 'y';
    long_line[1024] = 'z';
    std::string content = "a\rb\r\nc" + std::string(1, '\0') + "d\n" + long_line + "\r\n";
    StreamRef in = open_read_stream(folder.write("lines", content));
    EXPECT_EQ(read_line(in), "ab");
    EXPECT_EQ(read_line(in), "c");
    EXPECT_EQ(read_line(in), "d");
    EXPECT_EQ(read_line(in), long_line);
    EXPECT_EQ(read_line(in), "");
}

TEST(FileStream, SixteenBitCharactersAreWrittenAsTheirLowByte) {
    ScratchFolder folder;
    std::string path = folder.file("wide");
    {
        StreamRef out = open_write_stream(path);
        write_string(out, std::u16string_view(u"A\u0100\u0141"));
        write_line(out, std::u16string_view(u"\u00e9"));
    }
    EXPECT_EQ(ScratchFolder::read(path), bytes_of({65, 0, 0x41, 0xe9, 13, 10}));
}

TEST(FileStream, ModesPositionsAndLength) {
    ScratchFolder folder;
    std::string path = folder.write("data", "0123456789");
    {
        StreamRef both = open_stream(path, 1, 1);
        ASSERT_TRUE(both);
        EXPECT_EQ(both->size(), 10);
        EXPECT_EQ(both->pos(), 0);
        EXPECT_EQ(both->seek(8), 8);
        both->write_string("abcd");
        EXPECT_EQ(both->size(), 12);
        EXPECT_EQ(both->pos(), 12);
    }
    EXPECT_EQ(ScratchFolder::read(path), "01234567abcd");
    // Writing only truncates.
    { StreamRef out = open_write_stream(path); }
    EXPECT_EQ(ScratchFolder::read(path), "");
}

TEST(FileStream, CloseTwiceIsHarmlessAndClosedStreamsAreEmpty) {
    ScratchFolder folder;
    StreamRef in = open_read_stream(folder.write("f", "abc"));
    in->close();
    in->close();
    EXPECT_EQ(in->size(), 0);
    EXPECT_EQ(read_line(in), "");
}

TEST(FileStream, MissingFilesFoldersPipesAndDevicesOpenAsNull) {
    ScratchFolder folder;
    EXPECT_FALSE(open_read_stream(folder.file("missing")));
    EXPECT_FALSE(open_read_stream(folder.path()));
    EXPECT_FALSE(open_write_stream(folder.file("no/such/folder/file")));
#ifdef _WIN32
    // Device names answer in every folder, whatever follows them.
    EXPECT_FALSE(open_read_stream("NUL"));
    EXPECT_FALSE(open_write_stream(folder.file("nul")));
    EXPECT_FALSE(open_write_stream("CON"));
#else
    // Neither may block: a pipe without a writer would wait for ever.
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(open_read_stream(folder.file("pipe")));
    EXPECT_FALSE(open_write_stream(folder.file("pipe")));
    EXPECT_FALSE(open_read_stream("/dev/zero"));
    EXPECT_FALSE(open_write_stream("/dev/null"));
#endif
}

TEST(FileStream, BackslashesAreFolderSeparators) {
    ScratchFolder folder;
    folder.write("slash", "ok");
    StreamRef in = open_read_stream(folder.path() + "\\slash");
    ASSERT_TRUE(in);
    EXPECT_EQ(read_line(in), "ok");
}

TEST(FileType, TellsFilesFoldersAndNothing) {
    ScratchFolder folder;
    folder.write("file", "x");
    EXPECT_EQ(file_type(folder.file("file")), 1);
    EXPECT_EQ(file_type(folder.path()), 2);
    EXPECT_EQ(file_type(folder.file("missing")), 0);
#ifdef _WIN32
    EXPECT_EQ(file_type("NUL"), 0);
    EXPECT_EQ(file_type("C:"), 2) << "a drive alone is its root folder";
#else
    EXPECT_EQ(file_type("/dev/null"), 0);
#endif
}

TEST(NullStream, ReadsNothingAndAcceptsNothing) {
    StreamRef none;
    EXPECT_EQ(read_int(none), 0);
    EXPECT_EQ(read_line(none), "");
    EXPECT_EQ(write_line(none, std::string_view("x")), 0);
    write_int(none, 5);
    write_string(none, std::string_view("x"));
    close_stream(none);
}

TEST(MemoryStream, SeekClampsAndReadsStopAtTheEnd) {
    const char block[] = "hello";
    TMemoryStream stream(block, 5, 1, 0);
    EXPECT_EQ(stream.seek(-3), 0);
    EXPECT_EQ(stream.seek(99), 5);
    EXPECT_TRUE(stream.eof());
    stream.seek(3);
    char out[8] = {};
    EXPECT_EQ(stream.read(out, 8), 2);
    EXPECT_STREQ(out, "lo");
    EXPECT_EQ(stream.read(out, 8), 0);
    EXPECT_EQ(stream.write("x", 1), 0) << "not writeable";
}

TEST(MemoryStream, WriteableBlocksTakeBytesUpToTheirLength) {
    char block[4] = {};
    TMemoryStream stream(block, 4, 0, 1);
    EXPECT_EQ(stream.write("abcdef", 6), 4);
    EXPECT_EQ(std::string(block, 4), "abcd");
    char out[2];
    EXPECT_EQ(stream.read(out, 2), 0) << "not readable";
    EXPECT_THROW(stream.write_int(1), TStreamError) << "full";
}

namespace {

// A stream that claims more data than it delivers.
class LyingStream : public TByteStream {
  public:
    int pos() override { return 0; }
    int size() override { return 100; }
    int read(void*, int) override { return 0; }
    int write(const void*, int) override { return 0; }
};

} // namespace

TEST(ByteStream, ReadsAndWritesThatMoveNothingRaise) {
    LyingStream stream;
    try {
        stream.read_int();
        FAIL();
    } catch (const TStreamError& error) {
        EXPECT_STREQ(error.what(), "Error reading from stream");
    }
    try {
        stream.write_int(1);
        FAIL();
    } catch (const TStreamError& error) {
        EXPECT_STREQ(error.what(), "Error writing to stream");
    }
    EXPECT_EQ(stream.write_line("abc"), 0) << "write_line reports, never raises";
}

TEST(ByteStream, TheBareRootNeitherReadsNorWrites) {
    TByteStream bare;
    char byte;
    EXPECT_THROW(bare.read(&byte, 1), TRuntimeError);
    EXPECT_THROW(bare.write(&byte, 1), TRuntimeError);
    EXPECT_EQ(bare.pos(), -1);
    EXPECT_EQ(bare.seek(0), -1);
    EXPECT_THROW(bare.read_object(), TRuntimeError);
}

TEST(OpenStream, ProtocolsAreCaseBlindButNamesAreExact) {
    static const char data[] = "embedded bytes";
    ASSERT_EQ(register_embedded_file("Case.bin", data, 14), 1);
    EXPECT_TRUE(open_read_stream("incbin::Case.bin"));
    EXPECT_TRUE(open_read_stream("InCbIn::Case.bin"));
    EXPECT_FALSE(open_read_stream("incbin::case.bin"));
    EXPECT_FALSE(open_read_stream("incbin::never-registered"));
    EXPECT_FALSE(open_write_stream("incbin::Case.bin")) << "embedded files are read-only";
    EXPECT_FALSE(open_read_stream("nosuchprotocol::Case.bin"));
    EXPECT_FALSE(open_read_stream(""));
}

TEST(OpenStream, AnOpenStreamIsForwarded) {
    static const char data[] = "forward\n";
    register_embedded_file("forward.txt", data, 8);
    StreamRef inner = open_read_stream("incbin::forward.txt");
    StreamRef outer = open_stream(inner, 1, 0);
    ASSERT_TRUE(outer);
    EXPECT_NE(outer, inner);
    EXPECT_EQ(outer->size(), 8);
    EXPECT_EQ(read_line(outer), "forward");
    EXPECT_EQ(inner->pos(), 8);
    EXPECT_FALSE(open_stream(StreamRef(), 1, 0));
}

namespace {

class EchoProtocol : public TProtocolHandler {
  public:
    explicit EchoProtocol(std::string answer) : answer_(std::move(answer)) {}
    StreamRef create_stream(const std::string&, const std::string& protocol,
                            const std::string& path, int, int) override {
        if (protocol != "echo") return nullptr;
        last_path = path;
        static char block[1];
        return answer_.empty() ? nullptr : std::make_shared<TMemoryStream>(block, 1, 1, 0);
    }
    std::string last_path;

  private:
    std::string answer_;
};

} // namespace

TEST(OpenStream, TheNewestHandlerIsAskedFirst) {
    auto older = std::make_shared<EchoProtocol>("older");
    auto newer = std::make_shared<EchoProtocol>(""); // declines
    register_protocol_handler(older);
    register_protocol_handler(newer);
    EXPECT_TRUE(open_read_stream("ECHO::Some\\Path::x"));
    EXPECT_EQ(newer->last_path, "Some\\Path::x");
    EXPECT_EQ(older->last_path, "Some\\Path::x");
}

TEST(EmbeddedFiles, ANameIsRegisteredOnce) {
    static const char first[] = "first";
    static const char second[] = "second";
    EXPECT_EQ(register_embedded_file("once.txt", first, 5), 1);
    EXPECT_EQ(register_embedded_file("once.txt", second, 6), 0);
    StreamRef in = open_read_stream("incbin::once.txt");
    EXPECT_EQ(read_line(in), "first");
}
