#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "join/output_naming.h"
#include "join/save_messages.h"
#include "tests/support/temporary_folder.h"

namespace pixmora {
namespace {

// Hands out the given words in turn, then keeps giving the last one.
RandomSource sequence(std::vector<std::uint32_t> words) {
    auto next = std::make_shared<std::size_t>(0);
    return [words = std::move(words), next]() {
        const std::uint32_t word = words[std::min(*next, words.size() - 1)];
        ++*next;
        return word;
    };
}

TEST(OutputNaming, PathIsFolderPrefixNameAndExtension) {
    EXPECT_EQ(outputPath("D:\\pics", kJoinOutputPrefix, "aB3xYz"), "D:\\pics\\拼接图_aB3xYz.JPG");
    EXPECT_EQ(outputPath("D:\\pics", kSplitOutputPrefix, "aB3xYz"), "D:\\pics\\分割图_aB3xYz.JPG");
    // A drive root already ends with a separator.
    EXPECT_EQ(outputPath("D:\\", kJoinOutputPrefix, "aB3xYz"), "D:\\\\拼接图_aB3xYz.JPG");
    // No folder chosen: the save buttons refuse what comes out.
    const std::string bare = outputPath("", kSplitOutputPrefix, "aB3xYz");
    EXPECT_EQ(bare, "\\分割图_aB3xYz.JPG");
    EXPECT_FALSE(isAcceptedSavePath(bare));
}

TEST(OutputNaming, DrawsUniformlyFromTheAlphabet) {
    // Word 0xFFFFFFFF lies in the incomplete last round of 62 and is drawn again.
    EXPECT_EQ(randomName(7, sequence({0, 25, 26, 0xFFFFFFFF, 51, 52, 61, 62 + 1})), "AZaz10B");
    const std::string many = randomName(3000);
    ASSERT_EQ(many.size(), 3000u);
    EXPECT_EQ(many.find_first_not_of(kNameAlphabet), std::string::npos);
    EXPECT_EQ(std::set<char>(many.begin(), many.end()).size(), kNameAlphabet.size());
    EXPECT_NE(randomName(kOutputNameLength), randomName(kOutputNameLength));
    // Fresh generators do not repeat each other the way an unseeded one would.
    EXPECT_NE(systemRandomSource()(), systemRandomSource()());
}

TEST(OutputNaming, AFreshChoiceNeverPointsAtAnExistingFile) {
    testing::TemporaryFolder folder;
    const std::string dir = testing::pathText(folder.path());
    testing::writeWholeFile(testing::textPath(outputPath(dir, kJoinOutputPrefix, "AAAAAA")), ByteArray{1});
    const std::string chosen = chooseOutputPath(dir, kJoinOutputPrefix, sequence({0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(chosen, outputPath(dir, kJoinOutputPrefix, "BBBBBB"));
    // A generator stuck on a taken name cannot keep the choice going forever.
    EXPECT_EQ(chooseOutputPath(dir, kJoinOutputPrefix, sequence({0})), outputPath(dir, kJoinOutputPrefix, "AAAAAA"));
    const std::string fresh = chooseOutputPath(dir, kSplitOutputPrefix);
    EXPECT_TRUE(fresh.starts_with(dir + "\\分割图_")) << fresh;
    EXPECT_EQ(fresh.size(), outputPath(dir, kSplitOutputPrefix, "xxxxxx").size());
}

}  // namespace
}  // namespace pixmora
