#include "plugins/services/core/Enumeration.h"

#include <gtest/gtest.h>

#include <deque>

namespace sentrel::test {

namespace {

// Answers each call with the next scripted batch; a batch moves the resume point by its entries.
class ScriptedSource : public EnumSource {
public:
    EnumBatch Next(std::uint32_t& resume) override {
        ++calls;
        resumes.push_back(resume);
        if (batches.empty())
            return {};
        EnumBatch batch = batches.front();
        batches.pop_front();
        resume += static_cast<std::uint32_t>(batch.entries.size());
        return batch;
    }
    std::deque<EnumBatch> batches;
    std::vector<std::uint32_t> resumes;
    int calls = 0;
};

EnumBatch Batch(std::initializer_list<const char*> names, bool more, std::uint32_t error = 0) {
    EnumBatch batch;
    for (const char* name : names)
        batch.entries.push_back({name, name, 1});
    batch.moreData = more;
    batch.error = error;
    return batch;
}

std::vector<std::string> Names(const std::vector<EnumStatus>& entries) {
    std::vector<std::string> names;
    for (const auto& entry : entries)
        names.push_back(entry.name);
    return names;
}

} // namespace

TEST(Enumeration, SeveralCallsResumeWhereThePreviousStopped) {
    ScriptedSource source;
    source.batches = {Batch({"a", "b"}, true), Batch({"c"}, true), Batch({"d"}, false)};
    const auto all = EnumerateAll(source, [](std::uint32_t) -> bool {
        ADD_FAILURE() << "no error expected";
        return false;
    });
    EXPECT_EQ(Names(all), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(source.resumes, (std::vector<std::uint32_t>{0, 2, 3}));
}

TEST(Enumeration, MoreDataWithoutProgressIsAnError) {
    ScriptedSource source;
    for (int i = 0; i < 5; ++i)
        source.batches.push_back(Batch({}, true));
    std::vector<std::uint32_t> errors;
    source.batches.push_front(Batch({"a"}, true));
    const auto all = EnumerateAll(source, [&errors](std::uint32_t error) {
        errors.push_back(error);
        return errors.size() < 3;
    });
    EXPECT_EQ(Names(all), (std::vector<std::string>{"a"}));
    EXPECT_EQ(errors, (std::vector<std::uint32_t>(3, ErrorMoreData)));
    EXPECT_EQ(source.calls, 4);
}

TEST(Enumeration, AFailedCallIsRetriedFromTheSamePoint) {
    ScriptedSource source;
    source.batches = {Batch({"a"}, true), Batch({}, false, 1722), Batch({"b"}, false)};
    int prompts = 0;
    const auto all = EnumerateAll(source, [&prompts](std::uint32_t error) {
        EXPECT_EQ(error, 1722u);
        ++prompts;
        return true;
    });
    EXPECT_EQ(prompts, 1);
    EXPECT_EQ(Names(all), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(source.resumes, (std::vector<std::uint32_t>{0, 1, 1}));

    ScriptedSource failing;
    failing.batches = {Batch({"a"}, true), Batch({}, false, 5)};
    EXPECT_EQ(Names(EnumerateAll(failing, [](std::uint32_t) { return false; })),
              (std::vector<std::string>{"a"}));
}

} // namespace sentrel::test
