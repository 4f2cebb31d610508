#include "net/ByteBuffer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(ByteBuffer, GrowsGeometricallyKeepingItsContents)
{
    ByteBuffer buffer;
    buffer.Append("");
    EXPECT_EQ(buffer.Capacity(), 0u);
    EXPECT_EQ(buffer.Data(), nullptr);
    // 10 MiB in 1 KiB blocks, each block its own letter: the growth passes
    // from heap memory to mapped memory and then remaps.
    int growths = 0;
    size_t capacity = 0;
    std::string expected;
    for (int i = 0; i < 10 * 1024; ++i) {
        expected += std::string(1024, static_cast<char>('a' + i % 26));
        buffer.Append(std::string_view(expected).substr(expected.size() - 1024));
        if (buffer.Capacity() != capacity) {
            ++growths;
            capacity = buffer.Capacity();
        }
    }
    EXPECT_LE(growths, 16);   // fixed 100 KB steps would take more than a hundred
    EXPECT_LE(buffer.Capacity(), 2 * buffer.Length());
    EXPECT_TRUE(buffer.View() == expected);

    ByteBuffer moved = std::move(buffer);
    EXPECT_EQ(buffer.Length(), 0u);
    EXPECT_EQ(moved.View().substr(0, 3), "aaa");
    moved.Release();
    EXPECT_EQ(moved.Length(), 0u);
    EXPECT_EQ(moved.Capacity(), 0u);

    ByteBuffer reserved;
    reserved.Reserve(5000);
    reserved.Append(std::string(5000, 'y'));
    EXPECT_EQ(reserved.Capacity(), 5000u);   // a known size is allocated once, exactly
}
