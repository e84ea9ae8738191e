// A fresh folder per test, removed with everything in it when the test ends.
#pragma once

#include <string>
#include <string_view>

namespace kadoro::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string Join(std::string_view name) const;
    // Creates a sub-folder and returns its path.
    std::string MakeFolder(std::string_view name) const;

private:
    std::string path_;
};

}  // namespace kadoro::test
