#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace marklode {

// Target names for saving several files into one folder: base + ".gpi", then base + " 2.gpi",
// " 3.gpi" ... so that no two files of one run get the same name, letter case ignored.
class SaveNames {
  public:
    std::string next(std::string_view base);

  private:
    std::unordered_set<std::string> used_;
};

} // namespace marklode
