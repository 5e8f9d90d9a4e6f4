#pragma once

#include <string>
#include <string_view>

namespace tubeline {

// A material's name as people read it: the shipped materials named in Japanese (空気, 水,
// 脂肪組織 ...) in the current language, any other name as its file's first line gives it.
// Files the program writes keep the name as read.
std::string MaterialDisplayName(std::string_view name);

}  // namespace tubeline
