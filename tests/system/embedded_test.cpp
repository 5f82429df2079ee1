#include "system/embedded.h"
#include "system/streams.h"

#include <gtest/gtest.h>

TEST(BuiltInFiles, TheBuildEmbedsFilesUnderTheirNames) {
    const BuiltInFile* hello = find_built_in_file("hello.txt");
    ASSERT_NE(hello, nullptr);
    EXPECT_EQ(hello->size, 28);
    EXPECT_EQ(find_built_in_file("missing.txt"), nullptr);

    EXPECT_EQ(register_built_in_file("hello.txt"), 1);
    EXPECT_EQ(register_built_in_file("hello.txt"), 0);
    StreamRef in = open_read_stream("incbin::hello.txt");
    ASSERT_TRUE(in);
    EXPECT_EQ(in->size(), 28);
    EXPECT_EQ(read_line(in), "Embedded hello");
    EXPECT_EQ(read_line(in), "second line");
    EXPECT_TRUE(in->eof());
}
