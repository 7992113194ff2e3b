#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tallyfox::testing {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  void WriteBytes(const std::string& name, const std::vector<unsigned char>& bytes) const;
  std::vector<unsigned char> ReadBytes(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace tallyfox::testing
