#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "AtomicFile.h"
#include "TempFolder.h"

namespace dct::cli {
namespace {

const std::vector<std::uint8_t> kContent{'n', 'e', 'w', 0, 0xFF, '\n'};

TEST(WriteFileAtomicallyTest, CreatesThenReplacesTheFileLeavingNothingElse) {
  test::TempFolder folder;
  const std::string path = folder.file("out.png");
  const std::vector<std::uint8_t> longer(100, 'x');

  ASSERT_FALSE(WriteFileAtomically(path, longer));
  const auto failure = WriteFileAtomically(path, kContent);

  ASSERT_FALSE(failure) << failure->message;
  EXPECT_EQ(test::ReadBytes(path), kContent);
  EXPECT_EQ(folder.entries(), 1U);
}

TEST(WriteFileAtomicallyTest, FailsInAFolderThatDoesNotExist) {
  test::TempFolder folder;
  const auto failure = WriteFileAtomically(folder.file("no/out.png"), kContent);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message, "cannot create a file there: No such file or directory");
}

// The temporary file can be written but not renamed over a folder; it must
// not stay behind.
TEST(WriteFileAtomicallyTest, RemovesItsTemporaryFileWhenTheRenameFails) {
  test::TempFolder folder;
  std::filesystem::create_directory(folder.file("taken"));
  test::WriteText(folder.file("taken/keep"), "keep");

  const auto failure = WriteFileAtomically(folder.file("taken"), kContent);

  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message.rfind("cannot replace it: ", 0), 0U) << failure->message;
  EXPECT_EQ(folder.entries(), 1U);
  EXPECT_EQ(test::ReadText(folder.file("taken/keep")), "keep");
}

}  // namespace
}  // namespace dct::cli
