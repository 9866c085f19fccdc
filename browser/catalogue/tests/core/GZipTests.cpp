#include "browser/catalogue/core/Error.h"
#include "browser/catalogue/core/GZip.h"

#include "browser/catalogue/tests/core/TestFiles.h"

#include <gtest/gtest.h>
#include <vector>

namespace cobwen {
namespace {

using testsupport::ScratchFolder;

std::string Sample(std::size_t size) {
    std::string text;
    for (std::size_t i = 0; text.size() < size; ++i) {
        text += "line " + std::to_string(i) + "\r\n";
    }
    text.resize(size);
    return text;
}

std::string Decompress(const std::string& path, TGZip& gzip) {
    MemoryStream stream;
    gzip.DecompressFile(path, stream);
    return stream.Bytes();
}

std::string FailureText(const std::string& path, Stream& stream) {
    TGZip gzip;
    try {
        gzip.DecompressFile(path, stream);
    } catch (const CobwenError& e) {
        return e.what();
    }
    return "(no failure)";
}

TEST(GZip, DeliversTheUncompressedBytes) {
    ScratchFolder folder;
    struct Case {
        const char* name;
        std::string content;
        bool compressed;
    };
    const Case cases[] = {
        {"empty member", "", true},
        {"small", "hello\r\nworld", true},
        {"larger than the buffer", Sample(700000), true},
        {"plain text passes through", "not compressed\n", false},
        {"binary bytes", std::string("\x00\x14\xFF\x1f", 4), true},
    };
    for (const auto& c : cases) {
        const std::string path = folder.File("f.gz");
        if (c.compressed) {
            testing::WriteGzip(path, c.content);
        } else {
            testing::WriteBytes(path, c.content);
        }
        TGZip gzip;
        EXPECT_EQ(Decompress(path, gzip), c.content) << c.name;
    }
}

TEST(GZip, ReadsConcatenatedMembersInOrder) {
    ScratchFolder folder;
    testing::WriteGzip(folder.File("a.gz"), "first;");
    testing::WriteGzip(folder.File("b.gz"), "second");
    testing::WriteBytes(folder.File("ab.gz"), testing::ReadBytes(folder.File("a.gz")) +
                                                  testing::ReadBytes(folder.File("b.gz")));
    TGZip gzip;
    EXPECT_EQ(Decompress(folder.File("ab.gz"), gzip), "first;second");
}

TEST(GZip, ReportsProgressAfterEveryReadWithASmallBuffer) {
    ScratchFolder folder;
    const std::string content = Sample(1000);
    testing::WriteGzip(folder.File("f.gz"), content);
    TGZip gzip(64);
    std::vector<std::int32_t> totals;
    gzip.OnProgress = [&](TGZip& sender, std::int32_t total) {
        EXPECT_EQ(&sender, &gzip);
        totals.push_back(total);
    };
    EXPECT_EQ(Decompress(folder.File("f.gz"), gzip), content);
    ASSERT_GE(totals.size(), 2u);
    for (std::size_t i = 1; i + 1 < totals.size(); ++i) {
        EXPECT_GT(totals[i], totals[i - 1]);
        EXPECT_LE(totals[i] - totals[i - 1], 64);
    }
    // The final empty read reports the same total once more.
    EXPECT_EQ(totals.back(), 1000);
    EXPECT_EQ(totals[totals.size() - 2], 1000);

    testing::WriteGzip(folder.File("e.gz"), "");
    totals.clear();
    EXPECT_EQ(Decompress(folder.File("e.gz"), gzip), "");
    EXPECT_EQ(totals, std::vector<std::int32_t>{0});
}

TEST(GZip, ResizedBufferKeepsWorking) {
    ScratchFolder folder;
    const std::string content = Sample(5000);
    testing::WriteGzip(folder.File("f.gz"), content);
    TGZip gzip;
    EXPECT_EQ(gzip.BufferSize(), 262144u);
    gzip.SetBufferSize(3);
    EXPECT_EQ(Decompress(folder.File("f.gz"), gzip), content);
    gzip.SetBufferSize(0); // a read of nothing would end the data early
    EXPECT_EQ(Decompress(folder.File("f.gz"), gzip), content);
}

class ShortStream final : public Stream {
public:
    std::size_t Write(const void*, std::size_t size) override { return size / 2; }
};

TEST(GZip, FailuresCarryTheirTexts) {
    ScratchFolder folder;
    const std::string content = Sample(200000);
    testing::WriteGzip(folder.File("good.gz"), content);
    const std::string good = testing::ReadBytes(folder.File("good.gz"));

    testing::WriteBytes(folder.File("truncated.gz"), good.substr(0, good.size() / 2));
    std::string corrupt = good;
    for (std::size_t i = 40; i < 80; ++i) {
        corrupt[i] = static_cast<char>(corrupt[i] ^ 0x5A);
    }
    testing::WriteBytes(folder.File("corrupt.gz"), corrupt);
    std::string badCheck = good;
    badCheck[badCheck.size() - 6] = static_cast<char>(badCheck[badCheck.size() - 6] ^ 1);
    testing::WriteBytes(folder.File("badcheck.gz"), badCheck);

    const std::string stream = "UnCompress(File->File): Uncompress(gzFile->Stream): ";
    struct Case {
        std::string file;
        std::string prefix;
        std::string contains;
    };
    const Case cases[] = {
        {"missing.gz", "UnCompress(File->File): can't gzopen", ""},
        {"truncated.gz", stream, "unexpected end of file"},
        {"corrupt.gz", stream, ""},
        {"badcheck.gz", stream, "incorrect data check"},
    };
    for (const auto& c : cases) {
        MemoryStream sink;
        const std::string text = FailureText(folder.File(c.file), sink);
        EXPECT_EQ(text.rfind(c.prefix, 0), 0u) << c.file << ": " << text;
        if (c.prefix == stream) {
            EXPECT_GT(text.size(), stream.size()) << c.file << ": zlib's text is missing";
        } else {
            EXPECT_EQ(text, c.prefix);
        }
        EXPECT_NE(text.find(c.contains), std::string::npos) << c.file << ": " << text;
    }

    ShortStream shortStream;
    EXPECT_EQ(FailureText(folder.File("good.gz"), shortStream), stream + "write error");
}

TEST(GZip, SizeHintComesFromTheTrailerWithinReason) {
    ScratchFolder folder;
    testing::WriteGzip(folder.File("f.gz"), Sample(123456));
    EXPECT_EQ(GzipSizeHint(folder.File("f.gz")), 123456u);

    std::string bogus = testing::ReadBytes(folder.File("f.gz"));
    bogus.replace(bogus.size() - 4, 4, "\xFF\xFF\xFF\x7F");
    testing::WriteBytes(folder.File("bogus.gz"), bogus);
    EXPECT_LE(GzipSizeHint(folder.File("bogus.gz")), bogus.size() * 1032);

    testing::WriteBytes(folder.File("plain.txt"), Sample(1000));
    EXPECT_EQ(GzipSizeHint(folder.File("plain.txt")), 0u);
    EXPECT_EQ(GzipSizeHint(folder.File("missing.gz")), 0u);
}

TEST(GZip, ABufferThatCannotBeAllocatedLeavesTheOldOne) {
    ScratchFolder folder;
    testing::WriteGzip(folder.File("f.gz"), Sample(5000));
    bool fail = false;
    TGZip gzip(64, [&fail](std::size_t size) {
        if (fail)
            throw std::bad_alloc();
        return std::make_unique<unsigned char[]>(size);
    });
    fail = true;
    EXPECT_THROW(gzip.SetBufferSize(1 << 20), std::bad_alloc);
    EXPECT_EQ(gzip.BufferSize(), 64u);
    EXPECT_EQ(Decompress(folder.File("f.gz"), gzip), Sample(5000)) << "the old buffer still reads";
}

} // namespace
} // namespace cobwen
