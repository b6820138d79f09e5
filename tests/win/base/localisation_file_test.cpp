#include "base/Localisation.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

namespace {

template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

// A fresh folder under the temporary folder, removed with what it holds.
class TempFolder {
 public:
  TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    path_ = std::string(base) + "tarvex-loc-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
  }
  ~TempFolder() {
    for (const auto& file : files_) DeleteFileA(file.c_str());
    for (const auto& folder : folders_) RemoveDirectoryA(folder.c_str());
    RemoveDirectoryA(path_.c_str());
  }
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string file = path_ + name;
    std::ofstream(file, std::ios::binary) << bytes;
    files_.push_back(file);
    return file;
  }
  std::string Folder(const std::string& name) {
    const std::string folder = path_ + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    folders_.push_back(folder);
    return folder;
  }
  std::string Path(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
  std::vector<std::string> files_, folders_;
};

TEST(ReadWholeFile, GivesEveryByteOrNothing) {
  TempFolder temp;
  const std::string bytes = Bytes("012*a\0b\x1A\r\n\xFF");
  EXPECT_EQ(nb::ReadWholeFile(temp.Write("Tarvex.loc", bytes)), bytes);
  EXPECT_EQ(nb::ReadWholeFile(temp.Write("empty.loc", "")), "");
  const std::string big(100000, 'z');
  EXPECT_EQ(nb::ReadWholeFile(temp.Write("big.loc", big)), big);
  EXPECT_EQ(nb::ReadWholeFile(temp.Path("missing.loc")), std::nullopt);
  EXPECT_EQ(nb::ReadWholeFile(temp.Folder("folder.loc")), std::nullopt);
}

TEST(ReadWholeFile, TreatsAFileItCannotOpenAsMissing) {
  TempFolder temp;
  const std::string path = temp.Write("Tarvex.loc", "012*locked\r\n");
  HANDLE exclusive = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);
  EXPECT_EQ(nb::ReadWholeFile(path), std::nullopt);
  CloseHandle(exclusive);
  EXPECT_EQ(nb::ReadWholeFile(path), "012*locked\r\n");
}

TEST(HostFolder, IsTheRunningProgramsFolderWithItsSeparator) {
  const std::string folder = nb::HostFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  char program[MAX_PATH];
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  EXPECT_EQ(std::string(program).rfind(folder, 0), 0u);
  EXPECT_EQ(std::string(program).find('\\', folder.size()), std::string::npos);
}

}  // namespace
